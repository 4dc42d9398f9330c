#include "gui/views/week_tab.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <limits>

#include "gui/core/main_window_keys.h"
#include "gui/support/enter_spin_box.h"
#include "gui/support/tr.h"
#include "gui/support/window_placement.h"
#include "gui/views/chart_style.h"
#include "gui/views/view_grid.h"

namespace mv::gui {
namespace {
constexpr int kColumnWidth = 30;
constexpr int kRowHeight = 18;
constexpr int kDesignedChartHeight = 200;
const QColor kGreen(0, 128, 0);
}  // namespace

TWeekTab::TWeekTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsWeek"));
    m_window = new TEnterSpinBox(this);
    m_window->setObjectName(QStringLiteral("seWeekLen"));
    m_window->setRange(1, std::numeric_limits<int>::max());
    m_window->setValue(MainWindowKey::WeekLen.Default);
    m_window->setKeyboardTracking(false);
    m_window->setToolTip(Tr("Количество тиражей, использующихся для расчета статистики"));
    m_window->setStatusTip(m_window->toolTip());
    m_window->OnEnter = [this] { emit ComputeRequested(); };

    m_grid = new TViewGrid(kColumnWidth, kRowHeight, this);
    m_grid->setObjectName(QStringLiteral("sgWeek"));
    m_model = new TTextGridModel(this);
    m_grid->setModel(m_model);
    ShowCounts({});
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { emit CurrentCellChanged(); });
    m_grid->SetFill([this](int row, int column) -> std::optional<QColor> {
        const auto rgb = WeekCellColour(m_counts.Count(column + 1, row + 1), m_counts.Maximum);
        if (!rgb) return std::nullopt;
        return QColor(rgb->R, rgb->G, rgb->B);
    });

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lbWeekNote"));
    m_note->setVisible(false);

    m_chart = new QChartView(this);
    m_chart->setObjectName(QStringLiteral("chWeek"));
    m_chart->chart()->legend()->setVisible(false);
    m_chart->chart()->setBackgroundBrush(Qt::white);
    m_chart->chart()->setMargins(QMargins(2, 2, 2, 2));

    m_top = new QHBoxLayout;
    m_top->addWidget(new QLabel(Tr("Тиражей:"), this));
    m_top->addWidget(m_window);
    m_top->addStretch();
    auto* upper = new QWidget(this);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addLayout(m_top);
    upperLayout->addWidget(m_grid, 1);
    upperLayout->addWidget(m_note);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("splWeek"));
    m_splitter->addWidget(upper);
    m_splitter->addWidget(m_chart);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setSizes({220, kDesignedChartHeight});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_splitter);
}

void TWeekTab::ShowCounts(const TWeekCounts& counts) {
    m_counts = counts;
    // The owner redraws the chart once the counts are in.
    const QSignalBlocker block(m_grid->selectionModel());
    const QModelIndex current = m_grid->currentIndex();
    QStringList columns, rows;
    for (int n = 1; n <= MaxNumber; ++n) columns << QString::number(n);
    for (const char* day : WeekDayNames()) rows << QString::fromUtf8(day);
    std::vector<QStringList> cells;
    for (int day = 1; day <= DaysInWeek; ++day) {
        QStringList texts;
        for (int n = 1; n <= MaxNumber; ++n) {
            const std::int32_t count = counts.Count(n, day);
            texts << (count ? QString::number(count) : QString());
        }
        cells.push_back(texts);
    }
    m_model->SetGrid(columns, rows, std::move(cells));
    // The current cell stays where it was, so that the chart keeps showing the same line.
    const QModelIndex again = m_model->index(current.isValid() ? current.row() : 0,
                                             current.isValid() ? current.column() : 0);
    m_grid->selectionModel()->setCurrentIndex(again, QItemSelectionModel::NoUpdate);
    const QString note = QString::fromStdString(WeekSkippedText(counts));
    if (m_note) {
        m_note->setText(note);
        m_note->setVisible(!note.isEmpty());
    }
}

namespace {

// The line chart by days names its points as the bar chart does, instead of 1..7.
void LabelDays(QChart* chart, const std::vector<TWeekChartPoint>& points) {
    const QList<QAbstractAxis*> bottom = chart->axes(Qt::Horizontal);
    auto* numbers = bottom.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(bottom.first());
    if (!numbers) return;
    auto* days = new QCategoryAxis;
    days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (const TWeekChartPoint& p : points) days->append(QString::fromStdString(p.Label), p.X);
    days->setRange(numbers->min(), numbers->max());
    chart->removeAxis(numbers);
    delete numbers;
    chart->addAxis(days, Qt::AlignBottom);
    for (QAbstractSeries* s : chart->series()) s->attachAxis(days);
}

}  // namespace

void TWeekTab::DrawChart(bool byDays, bool line) {
    QChart* chart = m_chart->chart();
    ClearChart(chart);
    const QModelIndex current = m_grid->currentIndex();
    const int number = current.isValid() ? current.column() + 1 : 1;
    const int day = current.isValid() ? current.row() + 1 : 1;
    const auto points = WeekChartPoints(m_counts, byDays, number, day);
    if (line) {
        TLineLook look;
        look.Colour = kGreen;
        look.Width = 2;
        look.PointsVisible = true;
        look.PointSize = 5;
        look.PointOutline = QColor(255, 0, 255);
        QLineSeries* series = AddLineSeries(chart, QString(), look);
        for (const TWeekChartPoint& p : points) series->append(p.X, p.Y);
        FitChartAxes(chart);
        if (byDays) LabelDays(chart, points);
        return;
    }
    auto* set = new QBarSet(QString());
    set->setColor(kGreen);
    QStringList labels;
    std::int32_t top = 0;
    for (const TWeekChartPoint& p : points) {
        set->append(p.Y);
        labels << QString::fromStdString(p.Label);
        top = std::max(top, p.Y);
    }
    auto* series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(labels);
    auto* y = new QValueAxis;
    y->setRange(0, std::max(1, top));
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

int TWeekTab::WindowLength() const {
    return m_window->value();
}

void TWeekTab::AddToolAction(QAction* action) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_top->insertWidget(m_top->count() - 1, button);
}

void TWeekTab::RestoreSettings(const TWindowSettings& settings) {
    m_window->setValue(std::max(1, ReadMainSetting(settings, MainWindowKey::WeekLen)));
    const int height =
        SaneStoredSize(ReadMainSetting(settings, MainWindowKey::WeekHeight, kDesignedChartHeight),
                       kDesignedChartHeight);
    if (height > 0) m_splitter->setSizes({std::max(100, this->height() - height), height});
}

void TWeekTab::SaveSettings(TWindowSettings& settings) const {
    WriteMainSetting(settings, MainWindowKey::WeekLen, m_window->value());
    WriteMainSetting(settings, MainWindowKey::WeekHeight, m_splitter->sizes().value(1));
}

}  // namespace mv::gui
