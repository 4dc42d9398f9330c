#include "gui/views/view_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace mv::gui {
namespace {

class TViewGridDelegate : public QStyledItemDelegate {
public:
    explicit TViewGridDelegate(TViewGrid& grid) : QStyledItemDelegate(&grid), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool marked =
            (option.state & QStyle::State_Selected) || index == m_grid.currentIndex();
        const QPalette& palette = option.palette;
        QColor fill = palette.color(QPalette::Base);
        QColor ink = palette.color(QPalette::Text);
        if (marked) {
            fill = palette.color(QPalette::Highlight);
            ink = palette.color(QPalette::HighlightedText);
        } else if (m_grid.Fill()) {
            if (const auto colour = m_grid.Fill()(index.row(), index.column())) fill = *colour;
        }
        painter->fillRect(option.rect, fill);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty()) return;
        painter->setPen(ink);
        painter->setFont(option.font);
        const int width = option.fontMetrics.horizontalAdvance(text);
        const QPoint origin(option.rect.left() + (option.rect.width() - width) / 2,
                            option.rect.top() + 2 + option.fontMetrics.ascent());
        painter->drawText(origin, text);
    }

private:
    TViewGrid& m_grid;
};

}  // namespace

TViewGrid::TViewGrid(int cellWidth, int cellHeight, QWidget* parent) : QTableView(parent) {
    setItemDelegate(new TViewGridDelegate(*this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    horizontalHeader()->setDefaultSectionSize(cellWidth);
    horizontalHeader()->setMinimumSectionSize(8);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(cellHeight);
    verticalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setHighlightSections(false);
    // Every row has the same height: scrolling needs no measuring of the rows.
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

std::optional<QRect> TViewGrid::SelectedRect() const {
    if (!model() || !selectionModel()) return std::nullopt;
    const QItemSelection selection = selectionModel()->selection();
    if (!selection.isEmpty()) {
        QRect rect;
        for (const QItemSelectionRange& range : selection) {
            rect |= QRect(QPoint(range.left(), range.top()), QPoint(range.right(), range.bottom()));
        }
        return rect;
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return std::nullopt;
    return QRect(current.column(), current.row(), 1, 1);
}

std::vector<std::string> TViewGrid::SelectedTexts() const {
    std::vector<std::string> texts;
    const auto rect = SelectedRect();
    if (!rect) return texts;
    for (int c = rect->left(); c <= rect->right(); ++c) {
        for (int r = rect->top(); r <= rect->bottom(); ++r) {
            texts.push_back(model()->index(r, c).data().toString().toStdString());
        }
    }
    return texts;
}

void TViewGrid::SelectRect(const QRect& cells) {
    const QModelIndex topLeft = model()->index(cells.top(), cells.left());
    const QModelIndex bottomRight = model()->index(cells.bottom(), cells.right());
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(topLeft, bottomRight),
                             QItemSelectionModel::ClearAndSelect);
}

void TTextGridModel::SetGrid(QStringList columnHeadings, QStringList rowHeadings,
                             std::vector<QStringList> cells) {
    beginResetModel();
    m_columns = std::move(columnHeadings);
    m_rows = std::move(rowHeadings);
    m_cells = std::move(cells);
    endResetModel();
}

QString TTextGridModel::Text(int row, int column) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_cells.size()) return {};
    return m_cells[static_cast<std::size_t>(row)].value(column);
}

int TTextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TTextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant TTextGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return Text(index.row(), index.column());
}

QVariant TTextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? m_columns.value(section) : m_rows.value(section);
}

}  // namespace mv::gui
