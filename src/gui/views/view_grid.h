#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QTableView>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mv::gui {

// The text grid of the analysis views: the heading row and column are the table's headers,
// every body cell is painted by the grid itself (the view's fill colour, the system highlight
// for a selected or the current cell) with its text centred 2 pixels below the cell's top.
// Selections are one rectangle. Only the cells in sight are painted.
class TViewGrid : public QTableView {
    Q_OBJECT
public:
    // The fill of an unselected body cell in model coordinates; nothing keeps the base colour.
    using TFill = std::function<std::optional<QColor>(int row, int column)>;

    TViewGrid(int cellWidth, int cellHeight, QWidget* parent = nullptr);

    void SetFill(TFill fill) { m_fill = std::move(fill); }
    const TFill& Fill() const { return m_fill; }

    // The selected rectangle in model coordinates, or the current cell when nothing is
    // selected; nothing when there is neither.
    std::optional<QRect> SelectedRect() const;
    // The texts of the cells of the selected rectangle, column by column from its left column
    // to its right one and top to bottom within a column.
    std::vector<std::string> SelectedTexts() const;
    // Selects a rectangle of body cells (model coordinates) and makes its first cell current.
    void SelectRect(const QRect& cells);

private:
    TFill m_fill;
};

// A small grid of texts set all at once (the layout and the week grid).
class TTextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // cells[row][column]; missing cells are empty.
    void SetGrid(QStringList columnHeadings, QStringList rowHeadings,
                 std::vector<QStringList> cells);
    QString Text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_columns;
    QStringList m_rows;
    std::vector<QStringList> m_cells;
};

inline QColor ToQColor(std::uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace mv::gui
