#include "gui/views/graphs_tab.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

#include "engine/stats/graph_data.h"
#include "gui/core/main_window_keys.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/enter_spin_box.h"
#include "gui/support/tr.h"
#include "gui/views/chart_style.h"

namespace mv::gui {
namespace {
constexpr int kDesignedWindow = 100;
}  // namespace

TGraphsTab::TGraphsTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsDrawsGraph"));
    auto* window = new TEnterSpinBox(this);
    window->setObjectName(QStringLiteral("seDrawsGraphLen"));
    window->setRange(1, std::numeric_limits<int>::max());
    window->setValue(kDesignedWindow);
    window->setKeyboardTracking(false);
    window->setToolTip(Tr("Количество тиражей, использующихся для построения графиков"));
    window->setStatusTip(window->toolTip());
    window->OnEnter = [this] { emit RedrawRequested(); };
    m_window = window;

    m_types = new QComboBox(this);
    m_types->setObjectName(QStringLiteral("cbDrawsGraphType"));
    m_types->setToolTip(Tr("Тип графика"));
    m_types->setStatusTip(m_types->toolTip());
    m_types->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_types->setMinimumContentsLength(24);
    m_types->setMaxVisibleItems(30);
    connect(m_types, &QComboBox::currentIndexChanged, this, [this] { emit RedrawRequested(); });

    m_marks = new QCheckBox(Tr("Отображать метки на графике"), this);
    m_marks->setObjectName(QStringLiteral("cbDrawsGraphMarks"));
    connect(m_marks, &QCheckBox::toggled, this, &TGraphsTab::SetMarksVisible);

    m_chart = new QChartView(this);
    m_chart->setObjectName(QStringLiteral("chDrawsGraph"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->chart()->legend()->setAlignment(Qt::AlignBottom);
    m_chart->chart()->legend()->setShowToolTips(true);
    m_chart->chart()->setMargins(QMargins(2, 2, 2, 2));

    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(new QLabel(Tr("График:"), this));
    typeRow->addWidget(m_types, 1);
    m_top = new QHBoxLayout;
    m_top->addWidget(new QLabel(Tr("Тиражей:"), this));
    m_top->addWidget(m_window);
    m_top->addWidget(m_marks);
    m_top->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(typeRow);
    layout->addLayout(m_top);
    layout->addWidget(m_chart, 1);
}

void TGraphsTab::FillTypes(const TStatList& registry, bool first) {
    const int previous = m_types->currentIndex();
    const QSignalBlocker block(m_types);
    m_types->clear();
    for (const auto& [text, index] : MethodItems(registry, true)) m_types->addItem(text, index);
    if (!m_filled || first) {
        m_types->setCurrentIndex(m_types->count() ? 0 : -1);
        m_filled = true;
    } else {
        m_types->setCurrentIndex(previous >= 0 && previous < m_types->count() ? previous : -1);
    }
}

int TGraphsTab::ChosenMethod() const {
    return m_types->currentIndex() < 0 ? -1 : m_types->currentData().toInt();
}

QString TGraphsTab::ChosenTitle() const {
    return m_types->currentText();
}

int TGraphsTab::WindowLength() const {
    return m_window->value();
}

void TGraphsTab::Clear() {
    m_valueLine = nullptr;
    ClearChart(m_chart->chart());
}

void TGraphsTab::Show(const TGraphSeries& series, const QString& title) {
    Clear();
    QChart* chart = m_chart->chart();
    TLineLook valueLook;
    valueLook.Colour = QColor(0, 128, 0);
    valueLook.Width = 2;
    valueLook.PointsVisible = true;
    valueLook.PointSize = 5;
    valueLook.PointOutline = QColor(255, 0, 255);
    valueLook.LabelsVisible = m_marks->isChecked();
    m_valueLine = AddLineSeries(chart, title, valueLook);

    TLineLook flat;
    flat.Width = 1;
    flat.Colour = QColor(0, 0, 255);
    QLineSeries* mean = AddLineSeries(chart, Tr("Среднее значение"), flat);
    flat.Colour = QColor(255, 0, 0);
    QLineSeries* mode = AddLineSeries(chart, Tr("Наиболее часто встречающееся значение"), flat);

    QList<QPointF> values, means, modes;
    for (const TGraphPoint& p : series.Values) {
        values.append(QPointF(p.DrawNumber, p.Value));
        means.append(QPointF(p.DrawNumber, series.Mean));
        modes.append(QPointF(p.DrawNumber, series.Mode));
    }
    m_valueLine->replace(values);
    mean->replace(means);
    mode->replace(modes);
    FitChartAxes(chart);
}

void TGraphsTab::SetMarksVisible(bool visible) {
    if (m_valueLine) m_valueLine->setPointLabelsVisible(visible);
}

void TGraphsTab::AddToolAction(QAction* action) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_top->insertWidget(2, button);
}

void TGraphsTab::RestoreSettings(const TWindowSettings& settings) {
    m_window->setValue(std::max(1, ReadMainSetting(settings, MainWindowKey::DrawsGraphLen)));
}

void TGraphsTab::SaveSettings(TWindowSettings& settings) const {
    WriteMainSetting(settings, MainWindowKey::DrawsGraphLen, m_window->value());
}

}  // namespace mv::gui
