#include "gui/stakes/stakes_tab.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QVBoxLayout>

#include "engine/stakes/stake_record.h"
#include "gui/core/main_window_keys.h"
#include "gui/stakes/stakes_model.h"
#include "gui/support/window_placement.h"
#include "gui/support/window_settings.h"

namespace mv::gui {
namespace {
const std::string kSection = MainWindowSection;
constexpr const char* kGridName = "sgStakes";
constexpr int kRowHeight = 20;
// Room around a caption: the header's own margins and the sort indicator's gap.
constexpr int kCaptionMargin = 14;

std::vector<int> Widths(const QTableView& grid) {
    std::vector<int> widths;
    for (int c = 0; c < grid.model()->columnCount(); ++c) widths.push_back(grid.columnWidth(c));
    return widths;
}
}  // namespace

TStakesTab::TStakesTab(const TStakesFile& file, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsStakes"));
    m_model = new TStakesModel(file, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QString::fromLatin1(kGridName));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new TStakesDelegate(m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setTabKeyNavigation(false);
    m_grid->verticalHeader()->hide();
    // Every row has the same height, so the view never measures rows: a long file scrolls
    // as fast as a short one.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->horizontalHeader()->setHighlightSections(false);
    // The designed widths suit a small font; in a larger one a column is as wide as its
    // caption (and the kind column as its longest kind), so that no caption is cut off.
    const QFontMetrics header = m_grid->horizontalHeader()->fontMetrics();
    const QFontMetrics cells = m_grid->fontMetrics();
    for (int c = 0; c < TStakesModel::ColumnCount; ++c) {
        int width =
            std::max(TStakesModel::DesignedWidths[c],
                     header.horizontalAdvance(
                         m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) +
                         kCaptionMargin);
        if (c == TStakesModel::colKind) {
            for (int kind = skManual; kind <= skSystem; ++kind) {
                width = std::max(width,
                                 cells.horizontalAdvance(QString::fromUtf8(StakeKindText(kind))) +
                                     kCaptionMargin);
            }
        }
        m_grid->setColumnWidth(c, width);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_grid);
}

bool TStakesTab::Refresh() {
    const bool changed = m_model->Refresh();
    m_grid->viewport()->update();
    return changed;
}

void TStakesTab::ScrollToLast() {
    const int rows = m_model->rowCount();
    if (rows == 0) return;
    const QModelIndex last = m_model->index(rows - 1, 0);
    m_grid->selectionModel()->setCurrentIndex(
        last, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(last);
}

std::optional<std::pair<int, int>> TStakesTab::SelectedRange() const {
    const QItemSelectionModel* selection = m_grid->selectionModel();
    if (!selection || !selection->hasSelection()) return std::nullopt;
    int first = -1;
    int last = -1;
    for (const QItemSelectionRange& range : selection->selection()) {
        if (first < 0 || range.top() < first) first = range.top();
        last = std::max(last, range.bottom());
    }
    if (first < 0) return std::nullopt;
    return std::pair{first, last};
}

void TStakesTab::RestoreSettings(const TWindowSettings& settings) {
    const auto widths = ReadSaneColumnWidths(settings, kSection, kGridName, Widths(*m_grid));
    for (std::size_t c = 0; c < widths.size(); ++c) {
        m_grid->setColumnWidth(static_cast<int>(c), widths[c]);
    }
}

void TStakesTab::SaveSettings(TWindowSettings& settings) const {
    settings.WriteColumnWidths(kSection, kGridName, Widths(*m_grid));
}

}  // namespace mv::gui
