#pragma once

#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/core/constants.h"
#include "engine/core/records.h"

namespace mv::gui {

// Cell editor of the configuration grids: a line edit that takes only the characters the
// pattern allows (control keys always work). When the edit ends, `commit` decides what the
// cell receives; without it the text is stored as typed.
class TCellEditDelegate : public QStyledItemDelegate {
public:
    using TCommit = std::function<void(const QModelIndex&, const QString&)>;
    TCellEditDelegate(const QString& allowedChars, int maxLength, QObject* parent);
    void SetCommit(TCommit commit) { m_commit = std::move(commit); }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    QRegularExpression m_pattern;
    int m_maxLength;
    TCommit m_commit;
};

// The prize table "Размеры выигрышей:": always six rows, one per match count 0..5.
class TProfitGrid : public QTableWidget {
public:
    static constexpr int RowCount = NumbersInDraw + 1;
    explicit TProfitGrid(QWidget* parent);

    // Row k shows the prize of element k, or 0.00 where the table is shorter; elements past
    // the sixth are not shown.
    void SetProfits(const std::vector<TProfitRec>& profits);
    // One element per row: Overlap = the row's key, Profit = Round(value x 10000), 0 for a
    // value that does not parse. A row whose text was not changed keeps its stored prize
    // exactly, so that opening and confirming the dialog loses no precision.
    std::vector<TProfitRec> Profits() const;

private:
    std::array<QString, RowCount> m_shown;
    std::array<TMoney, RowCount> m_stored{};
};

// The segment grid "Сегменты матрицы:": laid out like the number matrix, cell (col, row)
// holding the segment digit 1..9 of CellNumber(col, row, cols). Cells past 36 are empty
// and can be neither selected nor edited.
class TSegmentGrid : public QTableWidget {
public:
    using TDigits = std::array<std::uint8_t, MaxNumber>;
    explicit TSegmentGrid(QWidget* parent);

    void SetDigits(const TDigits& digits, int cols);
    // The 36 digits in number order; an empty or unusable cell counts as 1.
    TDigits Digits() const;
    int Columns() const { return m_cols; }
    // Reads the digits off the current layout and lays them out again in `cols` columns.
    void SetColumns(int cols);
    // The end of an edit of a cell: an empty text or an integer 1..9 is taken; anything else
    // shows the error box and sets the cell to "1".
    void CommitCellText(int col, int row, const QString& text);
    QTableWidgetItem* CellOfNumber(int number) const;
    // The width of the grid at its largest, so that the dialog can keep its size.
    int LargestWidth() const;

private:
    void Fill(const TDigits& digits);
    // Shrinks the grid around its cells, up to nine of them each way.
    void FitSize();

    int m_cols = 6;
};

}  // namespace mv::gui
