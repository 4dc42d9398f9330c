#include "gui/views/chart_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLegend>
#include <QLineSeries>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/core/command_host.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"
#include "gui/views/chart_style.h"

namespace mv::gui {

TChartWindow::TChartWindow(ICommandHost& host) : QWidget(host.Window(), Qt::Tool), m_host(host) {
    setObjectName(QString::fromLatin1(SettingsSection));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Tr("График"));
    m_chart = new QChartView(this);
    m_chart->setObjectName(QStringLiteral("chGraph"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->chart()->legend()->setAlignment(Qt::AlignBottom);
    m_chart->chart()->legend()->setShowToolTips(true);
    m_chart->chart()->setMargins(QMargins(2, 2, 2, 2));
    m_marks = new QCheckBox(Tr("Отображать метки на графиках"), this);
    m_marks->setObjectName(QStringLiteral("cbGraphMarks"));
    m_marks->setChecked(true);
    connect(m_marks, &QCheckBox::toggled, this, [this](bool visible) {
        try {
            ApplyMarks(visible);
        } catch (const std::exception& e) {
            TMessages::ShowError(Q(e.what()), this);
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_marks);

    resize(720, 480);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_host.RestorePlacement(*this, SettingsSection);
}

void TChartWindow::AddGraphPoint(std::int32_t drawNumber, const QString& title, double y,
                                 bool pointsVisible, bool labelsVisible, const QColor& colour) {
    const std::uint32_t rgb = colour.isValid() ? (colour.rgb() & 0xFFFFFFu) : 0u;
    bool created = false;
    const std::size_t line = m_lines.AddGraphPoint(drawNumber, title.toStdString(), y,
                                                   pointsVisible, labelsVisible, rgb, &created);
    if (created) {
        TLineLook look;
        if (rgb != 0) look.Colour = colour;
        look.Width = 2;
        look.PointsVisible = pointsVisible;
        look.PointSize = 7;
        // A line that follows the marks box starts as the box says.
        if (!m_marks->isChecked()) m_lines.SetMarksVisible(false);
        look.LabelsVisible = m_lines.Lines()[line].LabelsVisible;
        m_series.push_back(AddLineSeries(m_chart->chart(), title, look));
    }
    m_series[line]->append(drawNumber, y);
}

void TChartWindow::ShowChart() {
    FitChartAxes(m_chart->chart());
    show();
    raise();
    activateWindow();
}

void TChartWindow::ShowChartModal() {
    setWindowModality(Qt::ApplicationModal);
    ShowChart();
}

void TChartWindow::ApplyMarks(bool visible) {
    m_lines.SetMarksVisible(visible);
    for (std::size_t i = 0; i < m_series.size(); ++i) {
        if (m_lines.Lines()[i].FollowsMarks) m_series[i]->setPointLabelsVisible(visible);
    }
}

void TChartWindow::closeEvent(QCloseEvent* event) {
    m_host.SavePlacement(*this, SettingsSection);
    QWidget::closeEvent(event);
}

}  // namespace mv::gui
