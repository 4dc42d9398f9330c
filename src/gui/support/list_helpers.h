#pragma once

#include <QList>
#include <QVariant>
#include <cstdint>
#include <string>
#include <type_traits>

#include "gui/support/list_rows_model.h"

class QAbstractItemView;
class QTableView;
class QTreeView;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

// The look of the draws and combinations lists: whole rows selected, several at a time,
// read-only, no grid, no word wrap, no row headers, rows 20 pixels high.
void SetUpNumbersList(QTableView& list);

// Helpers for report-style lists whose rows carry a record. Rows are 0-based positions; -1
// stands for "no row". The helpers that take a view act only when its model is a
// TListRowsModel, and do nothing otherwise.

// A row's record for TListRow::Data. The record is stored by value; its first member must be
// its 32-bit signed id (what RowId reads).
template <class TRecord>
QVariant RowData(const TRecord& record) {
    static_assert(std::is_standard_layout_v<TRecord> && sizeof(TRecord) >= sizeof(std::int32_t),
                  "a row's record is a plain struct that starts with its 32-bit id");
    return QVariant::fromValue(record);
}

// The id of a record held in a QVariant: its first 32-bit signed integer; -1 for no record.
std::int32_t RecordId(const QVariant& data);
// The row's id; -1 for a row without a record and for no row.
std::int32_t RowId(const TListRowsModel& rows, int row);
// The first row from the top whose id equals id, or -1.
int FindRowById(const TListRowsModel& rows, std::int32_t id);
// Exchanges the complete contents of two rows when both exist.
void SwapRows(TListRowsModel& rows, int i, int j);

// The first selected row, or -1.
int SelectedRow(const QAbstractItemView& list);
// All selected rows in ascending order.
QList<int> SelectedRows(const QAbstractItemView& list);
// Makes row the only selected row and the current one (nothing for no row).
void SelectRow(QAbstractItemView& list, int row);

// Scrolls the list vertically by as little as needed for the row to be fully visible; the
// horizontal position stays.
void ScrollIntoView(QAbstractItemView& list, int row);
void ScrollSelectedIntoView(QAbstractItemView& list);
// Swaps the selected row with its neighbour, selects the neighbour's place and scrolls it
// into view; nothing at the first (last) row or without a selection.
void MoveSelectedUp(QAbstractItemView& list);
void MoveSelectedDown(QAbstractItemView& list);

// Moves a row to just before the row at position index (Count() for the end); an index past
// the end appends. Returns the row's new position, or -1 for no row or a negative index.
// The selection and the current row go with the moved row.
int MoveRow(TListRowsModel& rows, int row, int index);
// The last row of the unbroken run of checked rows at the top; -1 when the first row is not
// checked.
int LastLeadingChecked(const TListRowsModel& rows);
// Moves every checked row below the leading run of checked rows, in its order, to just after
// that run; the selection goes with the moved rows. The view is repainted once at the end.
void CheckedRowsToTop(QAbstractItemView& list);

// "%s.Column%d" of every column of the list in the window-settings file. Restoring leaves a
// column without a usable stored width as it is.
void SaveColumnWidths(const QTreeView& list, TWindowSettings& settings, const std::string& section,
                      const std::string& listName);
void RestoreColumnWidths(QTreeView& list, const TWindowSettings& settings,
                         const std::string& section, const std::string& listName);

}  // namespace mv::gui
