#include "gui/ratings/regulars_tab.h"

#include <QHeaderView>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/support/list_helpers.h"
#include "gui/support/window_placement.h"
#include "gui/support/window_settings.h"

namespace mv::gui {
namespace {
constexpr const char* kListName = "lvTables";

std::vector<int> Widths(const QTreeView& list) {
    std::vector<int> widths;
    for (int c = 0; c < TRegularsModel::ColumnCount; ++c) widths.push_back(list.columnWidth(c));
    return widths;
}
}  // namespace

const int TRegularsModel::DesignedWidths[ColumnCount] = {220, 140, 50, 140, 60};

TRegularsModel::TRegularsModel(const TRegulars& regulars, QObject* parent)
    : QAbstractTableModel(parent),
      m_regulars(regulars),
      m_rows(static_cast<int>(regulars.size())) {}

int TRegularsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TRegularsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TRegularsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= m_regulars.size()) return {};
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(
            RegularCellText(m_regulars[static_cast<std::size_t>(index.row())], index.column()));
    }
    if (role == Qt::TextAlignmentRole && index.column() > 0) return QVariant(Qt::AlignCenter);
    return {};
}

QVariant TRegularsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(RegularColumnCaptions()[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole && section > 0) return QVariant(Qt::AlignCenter);
    return {};
}

void TRegularsModel::Refresh() {
    // Regulars edited in place keep the selection and the focused row; a changed count
    // starts the list afresh.
    const int rows = static_cast<int>(m_regulars.size());
    if (rows == m_rows) {
        if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1));
        return;
    }
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

TRegularsTab::TRegularsTab(const TRegulars& regulars, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsTables"));
    m_model = new TRegularsModel(regulars, this);
    m_list = new QTreeView(this);
    m_list->setObjectName(QString::fromLatin1(kListName));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->setStretchLastSection(false);
    // No caption is cut off, whatever the font.
    for (int c = 0; c < TRegularsModel::ColumnCount; ++c) {
        m_list->setColumnWidth(
            c, std::max(TRegularsModel::DesignedWidths[c], m_list->header()->sectionSizeHint(c)));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_list);
}

std::vector<int> TRegularsTab::SelectedRows() const {
    const QList<int> rows = mv::gui::SelectedRows(*m_list);
    return {rows.begin(), rows.end()};
}

int TRegularsTab::FocusedRow() const {
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() && current.row() < m_model->rowCount() ? current.row() : -1;
}

void TRegularsTab::RestoreSettings(const TWindowSettings& settings) {
    const auto widths =
        ReadSaneColumnWidths(settings, MainWindowSection, kListName, Widths(*m_list));
    for (std::size_t c = 0; c < widths.size(); ++c) {
        m_list->setColumnWidth(static_cast<int>(c), widths[c]);
    }
}

void TRegularsTab::SaveSettings(TWindowSettings& settings) const {
    settings.WriteColumnWidths(MainWindowSection, kListName, Widths(*m_list));
}

}  // namespace mv::gui
