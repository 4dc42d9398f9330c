#include "gui/support/list_helpers.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>
#include <QTreeView>
#include <algorithm>
#include <cstring>
#include <vector>

#include "gui/support/window_placement.h"
#include "gui/support/window_settings.h"

namespace mv::gui {

void SetUpNumbersList(QTableView& list) {
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.setShowGrid(false);
    list.setWordWrap(false);
    list.verticalHeader()->hide();
    list.verticalHeader()->setDefaultSectionSize(20);
}

namespace {

TListRowsModel* RowsOf(const QAbstractItemView& list) {
    return qobject_cast<TListRowsModel*>(list.model());
}

// Stops the view from painting while a group of changes is made; paints once at the end.
class TUpdatesBatch {
public:
    explicit TUpdatesBatch(QWidget& widget) : m_widget(widget), m_was(widget.updatesEnabled()) {
        m_widget.setUpdatesEnabled(false);
    }
    ~TUpdatesBatch() { m_widget.setUpdatesEnabled(m_was); }
    TUpdatesBatch(const TUpdatesBatch&) = delete;
    TUpdatesBatch& operator=(const TUpdatesBatch&) = delete;

private:
    QWidget& m_widget;
    bool m_was;
};

}  // namespace

std::int32_t RecordId(const QVariant& data) {
    if (!data.isValid()) return -1;
    const QMetaType type = data.metaType();
    if (type.sizeOf() < static_cast<qsizetype>(sizeof(std::int32_t)) ||
        type.flags().testFlag(QMetaType::IsPointer)) {
        return -1;
    }
    std::int32_t id = -1;
    std::memcpy(&id, data.constData(), sizeof id);
    return id;
}

std::int32_t RowId(const TListRowsModel& rows, int row) {
    return rows.IsRow(row) ? RecordId(rows.Row(row).Data) : -1;
}

int FindRowById(const TListRowsModel& rows, std::int32_t id) {
    for (int row = 0; row < rows.Count(); ++row) {
        if (RowId(rows, row) == id) return row;
    }
    return -1;
}

void SwapRows(TListRowsModel& rows, int i, int j) {
    rows.SwapRows(i, j);
}

int SelectedRow(const QAbstractItemView& list) {
    const QList<int> rows = SelectedRows(list);
    return rows.isEmpty() ? -1 : rows.front();
}

QList<int> SelectedRows(const QAbstractItemView& list) {
    QList<int> rows;
    const QItemSelectionModel* selection = list.selectionModel();
    if (!selection) return rows;
    for (const QModelIndex& index : selection->selectedIndexes()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void SelectRow(QAbstractItemView& list, int row) {
    QAbstractItemModel* model = list.model();
    if (!model || !list.selectionModel() || row < 0 || row >= model->rowCount()) return;
    list.selectionModel()->setCurrentIndex(
        model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ScrollIntoView(QAbstractItemView& list, int row) {
    QAbstractItemModel* model = list.model();
    if (!model || row < 0 || row >= model->rowCount()) return;
    QScrollBar* horizontal = list.horizontalScrollBar();
    const int left = horizontal->value();
    list.scrollTo(model->index(row, 0), QAbstractItemView::EnsureVisible);
    horizontal->setValue(left);
}

void ScrollSelectedIntoView(QAbstractItemView& list) {
    ScrollIntoView(list, SelectedRow(list));
}

void MoveSelectedUp(QAbstractItemView& list) {
    TListRowsModel* rows = RowsOf(list);
    const int row = SelectedRow(list);
    if (!rows || row <= 0) return;
    rows->SwapRows(row, row - 1);
    SelectRow(list, row - 1);
    ScrollIntoView(list, row - 1);
}

void MoveSelectedDown(QAbstractItemView& list) {
    TListRowsModel* rows = RowsOf(list);
    const int row = SelectedRow(list);
    if (!rows || row < 0 || row >= rows->Count() - 1) return;
    rows->SwapRows(row, row + 1);
    SelectRow(list, row + 1);
    ScrollIntoView(list, row + 1);
}

int MoveRow(TListRowsModel& rows, int row, int index) {
    if (!rows.IsRow(row) || index < 0) return -1;
    return rows.MoveRow(row, std::min(index, rows.Count()));
}

int LastLeadingChecked(const TListRowsModel& rows) {
    int last = -1;
    while (rows.IsChecked(last + 1)) ++last;
    return last;
}

void CheckedRowsToTop(QAbstractItemView& list) {
    TListRowsModel* rows = RowsOf(list);
    if (!rows) return;
    const TUpdatesBatch batch(list);
    int insertAt = LastLeadingChecked(*rows) + 1;
    for (int row = insertAt; row < rows->Count(); ++row) {
        if (rows->IsChecked(row)) MoveRow(*rows, row, insertAt++);
    }
}

void SaveColumnWidths(const QTreeView& list, TWindowSettings& settings, const std::string& section,
                      const std::string& listName) {
    std::vector<int> widths;
    for (int column = 0; column < list.header()->count(); ++column) {
        widths.push_back(list.header()->sectionSize(column));
    }
    settings.WriteColumnWidths(section, listName, widths);
}

void RestoreColumnWidths(QTreeView& list, const TWindowSettings& settings,
                         const std::string& section, const std::string& listName) {
    std::vector<int> widths;
    for (int column = 0; column < list.header()->count(); ++column) {
        widths.push_back(list.header()->sectionSize(column));
    }
    widths = ReadSaneColumnWidths(settings, section, listName, std::move(widths));
    for (std::size_t column = 0; column < widths.size(); ++column) {
        list.header()->resizeSection(static_cast<int>(column), widths[column]);
    }
}

}  // namespace mv::gui
