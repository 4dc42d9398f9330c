#include "gui/support/list_rows_model.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace mv::gui {

namespace {

// The stable order of n items under compare, as old positions. A bottom-up merge sort that
// only ever looks at positions inside its runs, so a comparison that is not a strict weak
// order (an owner's OnCompare, texts that mix numbers and words) cannot make it misbehave.
std::vector<int> StableOrder(int n, const std::function<int(int, int)>& compare) {
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::vector<int> merged(order.size());
    for (int width = 1; width < n; width *= 2) {
        for (int lo = 0; lo < n; lo += 2 * width) {
            const int mid = std::min(lo + width, n);
            const int hi = std::min(lo + 2 * width, n);
            int i = lo, j = mid, k = lo;
            while (i < mid && j < hi) {
                // The right item goes first only when it is strictly smaller: equal items
                // keep their order.
                merged[k++] = compare(order[j], order[i]) < 0 ? order[j++] : order[i++];
            }
            while (i < mid) merged[k++] = order[i++];
            while (j < hi) merged[k++] = order[j++];
        }
        order.swap(merged);
    }
    return order;
}

}  // namespace

QString TListRow::Cell(int column) const {
    if (column == 0) return Caption;
    return column > 0 && column <= SubItems.size() ? SubItems[column - 1] : QString();
}

TListRowsModel::TListRowsModel(QObject* parent) : QAbstractTableModel(parent) {}

void TListRowsModel::SetColumns(const QStringList& captions) {
    if (captions.size() != m_columns.size()) {
        beginResetModel();
        m_columns = captions;
        endResetModel();
        return;
    }
    m_columns = captions;
    if (!m_columns.isEmpty()) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void TListRowsModel::SetColumnAlignments(const QList<Qt::Alignment>& alignments) {
    m_alignments = alignments;
    if (Count() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(Count() - 1, columnCount() - 1),
                         {Qt::TextAlignmentRole});
    }
}

void TListRowsModel::SetCheckable(bool checkable) {
    if (checkable == m_checkable) return;
    m_checkable = checkable;
    if (Count() > 0) emit dataChanged(index(0, 0), index(Count() - 1, 0), {Qt::CheckStateRole});
}

const TListRow& TListRowsModel::Row(int row) const {
    Q_ASSERT(IsRow(row));
    return m_rows[static_cast<std::size_t>(row)];
}

void TListRowsModel::SetRow(int row, TListRow value) {
    if (!IsRow(row)) return;
    m_rows[static_cast<std::size_t>(row)] = std::move(value);
    EmitRowChanged(row);
}

int TListRowsModel::AppendRow(TListRow row) {
    return InsertRow(Count(), std::move(row));
}

int TListRowsModel::InsertRow(int index, TListRow row) {
    const int at = std::clamp(index, 0, Count());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.insert(m_rows.begin() + at, std::move(row));
    endInsertRows();
    return at;
}

void TListRowsModel::RemoveRows(QList<int> rows) {
    rows.erase(std::remove_if(rows.begin(), rows.end(), [&](int r) { return !IsRow(r); }),
               rows.end());
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the bottom up, one contiguous block at a time.
    for (qsizetype k = 0; k < rows.size();) {
        const int last = rows[k];
        int first = last;
        while (++k < rows.size() && rows[k] == first - 1) first = rows[k];
        beginRemoveRows(QModelIndex(), first, last);
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
        endRemoveRows();
    }
}

void TListRowsModel::SetRows(std::vector<TListRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void TListRowsModel::SetChecked(int row, bool checked) {
    if (!IsRow(row)) return;
    m_rows[static_cast<std::size_t>(row)].Check = checked ? Qt::Checked : Qt::Unchecked;
    emit dataChanged(index(row, 0), index(row, 0), {Qt::CheckStateRole});
}

QVariant TListRowsModel::TakeData(int row) {
    if (!IsRow(row)) return QVariant();
    QVariant data = std::exchange(m_rows[static_cast<std::size_t>(row)].Data, QVariant());
    emit dataChanged(index(row, 0), index(row, std::max(0, columnCount() - 1)), {DataRole});
    return data;
}

void TListRowsModel::SwapRows(int i, int j) {
    if (!IsRow(i) || !IsRow(j) || i == j) return;
    std::swap(m_rows[static_cast<std::size_t>(i)], m_rows[static_cast<std::size_t>(j)]);
    EmitRowChanged(i);
    EmitRowChanged(j);
}

int TListRowsModel::MoveRow(int row, int index) {
    if (!IsRow(row) || index < 0 || index > Count()) return -1;
    if (index == row || index == row + 1) return row;  // already there
    const int target = index > row ? index - 1 : index;
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), index);
    TListRow moved = std::move(m_rows[static_cast<std::size_t>(row)]);
    m_rows.erase(m_rows.begin() + row);
    m_rows.insert(m_rows.begin() + target, std::move(moved));
    endMoveRows();
    return target;
}

void TListRowsModel::SortRows(const TRowCompare& compare) {
    if (Count() < 2) return;
    Permute(StableOrder(Count(), [&](int a, int b) { return compare(Row(a), Row(b)); }));
}

void TListRowsModel::Permute(const std::vector<int>& order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPosition(order.size());
    std::vector<TListRow> rows;
    rows.reserve(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        newPosition[static_cast<std::size_t>(order[k])] = static_cast<int>(k);
        rows.push_back(std::move(m_rows[static_cast<std::size_t>(order[k])]));
    }
    m_rows = std::move(rows);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& old : from) {
        to << index(newPosition[static_cast<std::size_t>(old.row())], old.column());
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QVariant TListRowsModel::AlignmentOf(int column) const {
    if (column < 0 || column >= m_alignments.size()) return QVariant();
    return static_cast<int>((m_alignments[column] | Qt::AlignVCenter).toInt());
}

void TListRowsModel::EmitRowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, std::max(0, columnCount() - 1)));
}

int TListRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TListRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant TListRowsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return QVariant();
    }
    const TListRow& row = Row(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return row.Cell(index.column());
        case Qt::CheckStateRole:
            if (m_checkable && index.column() == 0) return static_cast<int>(row.Check);
            return QVariant();
        case Qt::TextAlignmentRole:
            return AlignmentOf(index.column());
        case DataRole:
            return row.Data;
        default:
            return QVariant();
    }
}

bool TListRowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !m_checkable || index.column() != 0 ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return false;
    }
    SetChecked(index.row(), static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked);
    return true;
}

Qt::ItemFlags TListRowsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_checkable && index.column() == 0) result |= Qt::ItemIsUserCheckable;
    return result;
}

QVariant TListRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size()) {
        return QVariant();
    }
    if (role == Qt::TextAlignmentRole) return AlignmentOf(section);
    return role == Qt::DisplayRole ? QVariant(m_columns[section]) : QVariant();
}

}  // namespace mv::gui
