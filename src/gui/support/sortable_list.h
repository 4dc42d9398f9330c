#pragma once

#include <QTreeView>
#include <functional>
#include <string>

#include "gui/support/list_rows_model.h"

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

enum TSortDirection { sdAscending = 0, sdDescending = 1 };

// Compares two cell texts for sorting: numerically when both read as numbers once their first
// "," is taken as the decimal point ("1,5" and "1.25" are numbers, "1,5,7" is not), otherwise
// alphabetically without regard to case by the locale's rules. Returns -1, 0 or 1.
int CompareCellTexts(const QString& a, const QString& b);

// The comparison of two rows by a sort column: -1 = all rows equal, 0 = captions, n >= 1 =
// the n-th sub-items with the captions deciding between equal ones (captions alone when a
// row has fewer than n sub-items). Descending inverts the sign.
int CompareRows(const TListRow& a, const TListRow& b, int sortColumn, TSortDirection direction);

class TSortableListView;

// Lets the owner change the result of a row comparison; called last, with the result so far.
using TLVCompareEvent =
    std::function<void(const TListRow& row1, const TListRow& row2, int sortColumn, int& result)>;
// Sorts rows that the owner's model supplies on demand.
using TLVOwnerSortEvent =
    std::function<void(TSortableListView& sender, int sortColumn, TSortDirection direction)>;

// A report-style list whose rows are ordered by a chosen column: a click on a column header
// sorts by it (a second click on the same column reverses the order), and the order is shown
// in the header.
//
// It works with two kinds of model. A TListRowsModel holds its rows, and the view sorts them
// itself with CompareRows (and OnCompare). Any other model supplies its rows on demand; the
// view then hands the sorting to OnOwnerSort and repaints.
//
// Runs on the user-interface thread only.
class TSortableListView : public QTreeView {
    Q_OBJECT

public:
    explicit TSortableListView(QWidget* parent = nullptr);

    // The model as a list that holds its rows, or nullptr for rows supplied on demand.
    TListRowsModel* RowsModel() const;

    int SortColumn() const { return m_sortColumn; }
    TSortDirection SortDirection() const { return m_sortDirection; }
    // Nothing when unchanged; a value below -1 or not below the column count throws EError
    // "Некорректное занчение номера столбца сортировки (%d)". Otherwise sets it and sorts.
    void SetSortColumn(int column);
    // Sorts when the direction changes.
    void SetSortDirection(TSortDirection direction);

    TLVCompareEvent OnCompare;
    TLVOwnerSortEvent OnOwnerSort;

    // Sorts the rows inside the busy state. Returns whether a sort took place (false for rows
    // supplied on demand without OnOwnerSort).
    bool Sort();

    // Deletes every selected row of a list that holds its rows, then selects the row that
    // took the place of the first deleted one (or the new last row when the last row went).
    void DeleteSelected();

    // "%s.SortType" ("%d,%d": column and direction) of this list in the window-settings file.
    // Restoring takes the stored state only when it is valid for the present columns, and
    // sorts when it changes the state. Call after the model and its columns are set.
    void SaveSortState(TWindowSettings& settings, const std::string& section,
                       const std::string& listName) const;
    void RestoreSortState(const TWindowSettings& settings, const std::string& section,
                          const std::string& listName);
    // "%s.Column%d": the width of every column.
    void SaveColumnWidths(TWindowSettings& settings, const std::string& section,
                          const std::string& listName) const;
    void RestoreColumnWidths(const TWindowSettings& settings, const std::string& section,
                             const std::string& listName);

    void setModel(QAbstractItemModel* model) override;

signals:
    // After a header click has changed the order and the rows were sorted: the list's own
    // column-click handlers.
    void ColumnClicked(int column);

private:
    void OnHeaderClicked(int column);
    int CompareForSort(const TListRow& a, const TListRow& b) const;
    void UpdateSortIndicator();
    void ShowSelectionWithoutFocus();

    int m_sortColumn = 0;
    TSortDirection m_sortDirection = sdAscending;
};

}  // namespace mv::gui
