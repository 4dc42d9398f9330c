#include "gui/views/repeats_window.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <limits>

#include "engine/session/workspace.h"
#include "gui/core/command_host.h"
#include "gui/support/enter_spin_box.h"
#include "gui/support/tr.h"
#include "gui/support/window_placement.h"
#include "gui/support/window_settings.h"
#include "gui/views/chart_style.h"

namespace mv::gui {
namespace {

constexpr int kDesignedLength = 100;
constexpr int kDesignedChartHeight = 250;
const char* const kListName = "lvRepeats";
const int kColumnWidths[] = {80, 80, 80, 2000};

TEnterSpinBox* LengthBox(QWidget* parent, const QString& name, const QString& hint) {
    auto* box = new TEnterSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, std::numeric_limits<int>::max());
    box->setValue(kDesignedLength);
    box->setKeyboardTracking(false);
    box->setToolTip(hint);
    box->setStatusTip(hint);
    return box;
}

QColor RandomColour() {
    QRandomGenerator& random = *QRandomGenerator::global();
    return QColor(random.bounded(256), random.bounded(256), random.bounded(256));
}

}  // namespace

TFormRepeats::TFormRepeats(ICommandHost& host) : QDialog(host.Window()), m_host(host) {
    setObjectName(QString::fromLatin1(SettingsSection));
    setWindowTitle(Tr("Количество повторов в зависимости от тиража"));
    m_window = LengthBox(this, QStringLiteral("seDrawsLength"),
                         Tr("Количество тиражей, использующихся для расчета статистики"));
    m_depth =
        LengthBox(this, QStringLiteral("seDrawsDeep"),
                  Tr("Количество тиражей, просматриваемых \"в глубину\" для поиска совпадений"));
    m_calculate = new QPushButton(Tr("Рассчитать"), this);
    m_calculate->setAutoDefault(false);
    connect(m_calculate, &QPushButton::clicked, this, &TFormRepeats::Calculate);
    m_window->OnEnter = [this] { Calculate(); };
    m_depth->OnEnter = [this] { Calculate(); };

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QString::fromLatin1(kListName));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSortingEnabled(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels(
        {Tr("Тираж"), Tr("Совпадений"), Tr("Кол-во повторов"), Tr("Список тиражей")});
    m_list->header()->setSectionsClickable(false);
    m_list->header()->setStretchLastSection(false);
    for (int c = 0; c < 4; ++c) m_list->setColumnWidth(c, kColumnWidths[c]);

    m_chart = new QChartView(this);
    m_chart->setObjectName(QStringLiteral("chRepeats"));
    m_chart->chart()->setBackgroundBrush(Qt::white);
    m_chart->chart()->legend()->setAlignment(Qt::AlignBottom);
    m_chart->chart()->setMargins(QMargins(2, 2, 2, 2));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(Tr("Тиражей:"), this));
    top->addWidget(m_window);
    top->addWidget(new QLabel(Tr("Глубина:"), this));
    top->addWidget(m_depth);
    top->addWidget(m_calculate);
    top->addStretch();
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("splRepeats"));
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_chart);
    m_splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_splitter, 1);
    resize(800, 600);
    m_splitter->setSizes({600 - kDesignedChartHeight, kDesignedChartHeight});

    const TDataPaths& paths = m_host.Workspace().Paths();
    m_host.RunCommand([&] {
        const TWindowSettings settings(paths.WindowSettings());
        const std::string section = SettingsSection;
        m_window->setValue(
            std::max(1, settings.ReadInteger(section, "DrawsLength", kDesignedLength)));
        m_depth->setValue(std::max(1, settings.ReadInteger(section, "DrawsDeep", kDesignedLength)));
        const int height =
            SaneStoredSize(settings.ReadInteger(section, "GraphHeight", kDesignedChartHeight),
                           kDesignedChartHeight);
        if (height > 0) m_splitter->setSizes({std::max(100, 600 - height), height});
        std::vector<int> widths(std::begin(kColumnWidths), std::end(kColumnWidths));
        widths = ReadSaneColumnWidths(settings, section, kListName, widths);
        for (int c = 0; c < 4; ++c) m_list->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    });
    connect(this, &QDialog::finished, this, [this] { SaveSettings(); });
}

TFormRepeats::~TFormRepeats() = default;

void TFormRepeats::SaveSettings() {
    m_host.RunCommand([this] {
        TWindowSettings settings(m_host.Workspace().Paths().WindowSettings());
        const std::string section = SettingsSection;
        settings.BeginUpdate();
        settings.WriteInteger(section, "DrawsLength", m_window->value());
        settings.WriteInteger(section, "DrawsDeep", m_depth->value());
        settings.WriteInteger(section, "GraphHeight", m_splitter->sizes().value(1));
        std::vector<int> widths;
        for (int c = 0; c < 4; ++c) widths.push_back(m_list->columnWidth(c));
        settings.WriteColumnWidths(section, kListName, widths);
        settings.EndUpdate();
    });
}

void TFormRepeats::Calculate() {
    m_host.RunBusy({}, [this] {
        const TWorkspace& ws = m_host.Workspace();
        ShowResult(
            ComputeRepeats(ws.DrawArchive(), m_window->value(), m_depth->value(), m_host.Hooks()));
    });
}

void TFormRepeats::ShowResult(const TRepeatsResult& result) {
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(result.Rows.size()));
    for (const TRepeatRow& row : result.Rows) {
        auto* item = new QTreeWidgetItem({QString::number(row.DrawNumber),
                                          QString::number(row.Common), QString::number(row.Count()),
                                          QString::fromStdString(row.DrawsText())});
        item->setTextAlignment(1, Qt::AlignCenter);
        item->setTextAlignment(2, Qt::AlignCenter);
        items << item;
    }
    m_list->addTopLevelItems(items);

    IUiHooks& hooks = m_host.Hooks();
    hooks.ShowProgress(Tr("Создание графиков...").toStdString(),
                       static_cast<int>(result.Rows.size()));
    struct THide {
        IUiHooks& Hooks;
        ~THide() { Hooks.HideProgress(); }
    } hide{hooks};
    QChart* chart = m_chart->chart();
    ClearChart(chart);
    for (const TRepeatsLine& line : RepeatsLines(result)) {
        TLineLook look;
        look.Colour = RandomColour();
        look.PointOutline = RandomColour();
        look.PointsVisible = true;
        look.PointSize = 5;
        QLineSeries* series = AddLineSeries(chart, QString::fromStdString(line.Title), look);
        QList<QPointF> points;
        for (const auto& [draw, count] : line.Points) points.append(QPointF(draw, count));
        series->replace(points);
        hooks.StepProgress(static_cast<int>(line.Points.size()));
    }
    if (!chart->series().isEmpty()) FitChartAxes(chart);
}

}  // namespace mv::gui
