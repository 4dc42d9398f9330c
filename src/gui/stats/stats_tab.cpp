#include "gui/stats/stats_tab.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "engine/session/list_commands.h"
#include "engine/session/setup.h"
#include "engine/session/workspace.h"
#include "gui/core/main_window_keys.h"
#include "gui/support/enter_spin_box.h"
#include "gui/support/list_rows_model.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui/support/tr.h"
#include "gui/support/window_placement.h"
#include "gui/support/window_settings.h"
#include "gui/views/chart_style.h"

namespace mv::gui {
namespace {
const std::string kSection = MainWindowSection;
const char* const kListName = "lvDrawsStat";
constexpr int kDesignedWindow = 1000;
constexpr int kDesignedChartHeight = 200;
// Above this many points the x axis shows positions instead of the value texts.
constexpr int kMaxLabelledPoints = 20;

}  // namespace

TStatsTab::TStatsTab(TWorkspace& workspace, QWidget* parent)
    : QWidget(parent), m_workspace(workspace) {
    setObjectName(QStringLiteral("tsDrawsStat"));
    m_methods = new QComboBox(this);
    m_methods->setObjectName(QStringLiteral("cbDrawsStat"));
    m_methods->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_methods->setMinimumContentsLength(24);
    m_methods->setMaxVisibleItems(30);
    connect(m_methods, &QComboBox::currentIndexChanged, this,
            [this] { emit RecalculateRequested(false); });

    auto* window = new TEnterSpinBox(this);
    window->setObjectName(QStringLiteral("seDrawsStatLen"));
    window->setRange(1, 1000000);
    window->setValue(kDesignedWindow);
    window->setKeyboardTracking(false);
    window->OnEnter = [this] { emit RecalculateRequested(false); };
    m_window = window;

    auto* methodRow = new QHBoxLayout;
    methodRow->addWidget(new QLabel(Tr("Метод:"), this));
    methodRow->addWidget(m_methods, 1);
    // The window length and the commands go on a row of their own so that the tab stays
    // narrow enough for small screens.
    m_top = new QHBoxLayout;
    m_top->addWidget(new QLabel(Tr("Тиражей:"), this));
    m_top->addWidget(m_window);

    m_rows = new TListRowsModel(this);
    QStringList captions;
    for (const char* c : StatColumnCaptions()) captions << QString::fromUtf8(c);
    m_rows->SetColumns(captions);
    QList<Qt::Alignment> alignments;
    for (int c = 0; c < StatColumnCount; ++c) {
        alignments << (c == scValue ? Qt::AlignLeft | Qt::AlignVCenter
                                    : Qt::AlignRight | Qt::AlignVCenter);
    }
    m_rows->SetColumnAlignments(alignments);
    m_list = new TSortableListView(this);
    m_list->setObjectName(QString::fromLatin1(kListName));
    m_list->setModel(m_rows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->setDefaultSectionSize(86);
    m_list->setColumnWidth(0, 110);

    m_chart = new QChartView(this);
    m_chart->setObjectName(QStringLiteral("chDrawsStat"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->chart()->legend()->setAlignment(Qt::AlignBottom);
    m_chart->chart()->legend()->setShowToolTips(true);
    m_chart->chart()->setMargins(QMargins(2, 2, 2, 2));

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("splDrawsStat"));
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_chart);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setSizes({400, kDesignedChartHeight});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_top->addStretch();
    layout->addLayout(methodRow);
    layout->addLayout(m_top);
    layout->addWidget(m_splitter, 1);
}

TStatsTab::~TStatsTab() = default;

std::vector<std::pair<QString, int>> MethodItems(const TStatList& registry, bool graphs) {
    std::vector<std::pair<QString, int>> items;
    for (int i = 0; i < registry.MethodCount(); ++i) {
        const TStatClass& cls = *registry.Method(i).StatClass;
        if (!cls.Available || !cls.Listed || !registry.IsShown(i)) continue;
        if (graphs && !cls.HasGraph) continue;
        items.emplace_back(Q(registry.MethodListText(i, !graphs)), i);
    }
    if (registry.Ordered) {
        std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
            return a.first.localeAwareCompare(b.first) < 0;
        });
    }
    return items;
}

void TStatsTab::FillMethods(bool first) {
    const int previous = m_methods->currentIndex();
    {
        const QSignalBlocker block(m_methods);
        m_methods->clear();
        for (const auto& [text, index] : MethodItems(m_workspace.Stats(), false)) {
            m_methods->addItem(text, index);
        }
        m_methods->setCurrentIndex(!first && previous >= 0 && previous < m_methods->count()
                                       ? previous
                                       : (m_methods->count() ? 0 : -1));
    }
    emit MethodsFilled(first);
}

int TStatsTab::ChosenMethod() const {
    return m_methods->currentIndex() < 0 ? -1 : m_methods->currentData().toInt();
}

bool TStatsTab::ChooseMethod(const QString& code) {
    const int method = m_workspace.Stats().FindMethod(code.toStdString());
    const int item = m_methods->findData(method);
    if (method < 0 || item < 0) return false;
    m_methods->setCurrentIndex(item);
    return true;
}

int TStatsTab::WindowLength() const {
    return m_window->value();
}

std::vector<long long> TStatsTab::Inputs() const {
    const TConfigData& config = m_workspace.Config();
    return {m_workspace.DrawCount(), m_workspace.DrawsOffset(),         WindowLength(),
            ChosenMethod(),          m_workspace.SortedDraws() ? 1 : 0, config.ChannelSize,
            config.MatrixCols};
}

void TStatsTab::Compute() {
    TStatTableRequest request = StatRequest(m_workspace, ChosenMethod(), WindowLength());
    request.ShowAllCombinations = ShowTotalLine;
    m_table = ComputeStatTableWithNorm(m_workspace, request);
    FillTable();
    FillChart();
}

std::vector<std::size_t> TStatsTab::SelectedTableRows() const {
    std::vector<std::pair<int, std::size_t>> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows()) {
        rows.emplace_back(index.row(),
                          static_cast<std::size_t>(m_rows->Row(index.row()).Data.toInt()));
    }
    std::sort(rows.begin(), rows.end());
    std::vector<std::size_t> tableRows;
    for (const auto& [listRow, tableRow] : rows) tableRows.push_back(tableRow);
    return tableRows;
}

void TStatsTab::FillTable() {
    std::vector<TListRow> rows;
    rows.reserve(m_table.Rows.size());
    for (std::size_t i = 0; i < m_table.Rows.size(); ++i) {
        const auto& texts = m_table.Rows[i].Texts;
        TListRow row;
        row.Caption = Q(texts[0]);
        for (std::size_t c = 1; c < texts.size(); ++c) row.SubItems << Q(texts[c]);
        // The row's record is its position in the computed table.
        row.Data = static_cast<int>(i);
        rows.push_back(std::move(row));
    }
    m_rows->SetRows(std::move(rows));
    m_list->Sort();
}

void TStatsTab::FillChart() {
    QChart* chart = m_chart->chart();
    ClearChart(chart);
    if (m_table.Actual.size() < 2) return;

    auto* line = new QLineSeries;
    line->setName(Tr("Фактические данные"));
    line->setPen(QPen(QColor(0, 128, 0), 2));
    auto* points = new QScatterSeries;
    points->setMarkerSize(5);
    points->setColor(Qt::magenta);
    points->setBorderColor(Qt::magenta);
    double maxY = 0;
    for (const TChartPoint& p : m_table.Actual) {
        line->append(p.X, p.Y);
        points->append(p.X, p.Y);
        maxY = std::max(maxY, p.Y);
    }
    chart->addSeries(line);
    chart->addSeries(points);
    chart->legend()->markers(points).first()->setVisible(false);
    if (!m_table.AllCombinations.empty()) {
        auto* all = new QLineSeries;
        all->setName(Tr("Все возможные комбинации"));
        all->setPen(QPen(Qt::red, 1));
        for (const TChartPoint& p : m_table.AllCombinations) {
            all->append(p.X, p.Y);
            maxY = std::max(maxY, p.Y);
        }
        chart->addSeries(all);
    }

    QAbstractAxis* xAxis = nullptr;
    const double lastX = m_table.Actual.back().X;
    if (static_cast<int>(m_table.Actual.size()) <= kMaxLabelledPoints) {
        auto* categories = new QCategoryAxis;
        categories->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        for (const TChartPoint& p : m_table.Actual) categories->append(Q(p.Label), p.X);
        categories->setRange(m_table.Actual.front().X, lastX);
        xAxis = categories;
    } else {
        auto* values = new QValueAxis;
        values->setRange(m_table.Actual.front().X, lastX);
        values->setLabelFormat(QStringLiteral("%d"));
        xAxis = values;
    }
    auto* yAxis = new QValueAxis;
    yAxis->setRange(0, maxY > 0 ? maxY * 1.1 : 1);
    yAxis->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(xAxis);
        s->attachAxis(yAxis);
    }
}

void TStatsTab::SetComparisonColumnsWidth(int width) {
    for (const int column : {scNorm, scDeviation, scDeviationPercent}) {
        m_list->setColumnWidth(column, width);
    }
}

void TStatsTab::AddToolAction(QAction* action) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // The stretch that ends the row stays last.
    m_top->insertWidget(m_top->count() - 1, button);
}

void TStatsTab::RestoreSettings(const TWindowSettings& settings) {
    m_window->setValue(std::max(1, ReadMainSetting(settings, MainWindowKey::DrawsStatLen)));
    const int chartHeight = SaneStoredSize(
        ReadMainSetting(settings, MainWindowKey::DrawsStatHeight, kDesignedChartHeight),
        kDesignedChartHeight);
    if (chartHeight > 0) m_splitter->setSizes({std::max(100, height() - chartHeight), chartHeight});
    m_list->RestoreColumnWidths(settings, kSection, kListName);
    m_list->RestoreSortState(settings, kSection, kListName);
}

void TStatsTab::SaveSettings(TWindowSettings& settings) const {
    WriteMainSetting(settings, MainWindowKey::DrawsStatLen, m_window->value());
    WriteMainSetting(settings, MainWindowKey::DrawsStatHeight, m_splitter->sizes().value(1));
    m_list->SaveColumnWidths(settings, kSection, kListName);
    m_list->SaveSortState(settings, kSection, kListName);
}

}  // namespace mv::gui
