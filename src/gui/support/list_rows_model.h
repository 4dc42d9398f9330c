#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

namespace mv::gui {

// One row of a list that holds its rows itself: the caption (column 0), the sub-items
// (column n >= 1 shows SubItems[n - 1]; a missing sub-item shows empty), the row's record and
// its check mark.
//
// Data holds the row's record by value; the record's first member is its 32-bit signed id
// (see RowId). An invalid QVariant means the row carries no record.
struct TListRow {
    QString Caption;
    QStringList SubItems;
    QVariant Data;
    Qt::CheckState Check = Qt::Unchecked;

    // The text of column n (0 = caption); empty beyond the sub-items.
    QString Cell(int column) const;
};

// The model of a report-style list whose rows live in the list itself. Read-only for the
// user except for the check marks (when the list is checkable). Rows are addressed by their
// 0-based position; every operation that reorders rows keeps the view's persistent indexes
// (selection, current row) with the rows they belonged to, unless it says otherwise.
class TListRowsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The role under which data() gives a row's Data (any column).
    static constexpr int DataRole = Qt::UserRole;

    explicit TListRowsModel(QObject* parent = nullptr);

    // Column captions; their number is the model's column count.
    void SetColumns(const QStringList& captions);
    const QStringList& Columns() const { return m_columns; }
    // Per-column text alignment (a report-style list right-aligns its number columns);
    // columns beyond the list given are left-aligned.
    void SetColumnAlignments(const QList<Qt::Alignment>& alignments);
    // Checkable rows show a check box in column 0 that the user can toggle.
    void SetCheckable(bool checkable);
    bool Checkable() const { return m_checkable; }

    int Count() const { return static_cast<int>(m_rows.size()); }
    bool IsRow(int row) const { return row >= 0 && row < Count(); }
    // The row at a valid position (precondition: IsRow(row)).
    const TListRow& Row(int row) const;
    // Replaces the complete contents of a valid row.
    void SetRow(int row, TListRow value);
    // Adds a row at the end; returns its position.
    int AppendRow(TListRow row);
    // Inserts before position index (clamped to 0..Count()); returns the new row's position.
    int InsertRow(int index, TListRow row);
    // Removes the rows at the given positions (any order; duplicates and invalid positions
    // are ignored).
    void RemoveRows(QList<int> rows);
    void RemoveRow(int row) { RemoveRows({row}); }
    // Replaces all rows at once (a model reset).
    void SetRows(std::vector<TListRow> rows);
    void Clear() { SetRows({}); }

    bool IsChecked(int row) const { return IsRow(row) && m_rows[row].Check == Qt::Checked; }
    void SetChecked(int row, bool checked);
    // Takes the record out of a row, leaving it without one.
    QVariant TakeData(int row);

    // Exchanges the complete contents of two valid rows. The view's selection stays where it
    // was (it belongs to positions here, as the rows did not move).
    void SwapRows(int i, int j);
    // Moves a row so that it lands before the row that was at position index (index may be
    // Count() for the end); returns its new position, or -1 for an invalid row or index.
    int MoveRow(int row, int index);
    // Orders the rows by compare (negative: a before b, 0: equal, positive: b before a),
    // keeping equal rows in their present order. Any comparison is accepted: an inconsistent
    // one gives some order, never a fault.
    using TRowCompare = std::function<int(const TListRow& a, const TListRow& b)>;
    void SortRows(const TRowCompare& compare);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void EmitRowChanged(int row);
    QVariant AlignmentOf(int column) const;
    // Puts the rows into the order given (order[k] = old position of the new row k) and
    // moves the persistent indexes with them.
    void Permute(const std::vector<int>& order);

    QStringList m_columns;
    QList<Qt::Alignment> m_alignments;
    bool m_checkable = false;
    std::vector<TListRow> m_rows;
};

}  // namespace mv::gui
