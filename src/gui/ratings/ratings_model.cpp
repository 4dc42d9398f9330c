#include "gui/ratings/ratings_model.h"

namespace mv::gui {

const int TRatingsModel::DesignedWidths[RatingColumnCount] = {200, 60, 60, 60, 80, 80, 30, 30, 30,
                                                              30,  30, 30, 70, 70, 70, 70, 70, 70};

TRatingsModel::TRatingsModel(const TRatings& rows, QObject* parent)
    : QAbstractTableModel(parent), m_rows(rows), m_count(static_cast<int>(rows.size())) {}

int TRatingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_count;
}

int TRatingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RatingColumnCount;
}

QVariant TRatingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= m_rows.size()) return {};
    const TRatingRecord& row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            if (!RatingRowValid(row) && column > 0) return QString();
            return QString::fromStdString(RatingCellText(row, column, m_effMode));
        case Qt::TextAlignmentRole:
            if (column == 0) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
            if (column == 4 || column == 5) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
            return QVariant(Qt::AlignCenter);
        case Qt::ToolTipRole:
            if (column != 2) return {};
            return QString::fromStdString(RatingChanceText(row));
        default:
            return {};
    }
}

QVariant TRatingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= RatingColumnCount) return {};
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(RatingColumnCaptions()[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole) {
        if (section == 0) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        if (section == 4 || section == 5) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant(Qt::AlignCenter);
    }
    return {};
}

void TRatingsModel::SetEffMode(int mode) {
    if (mode == m_effMode) return;
    m_effMode = mode;
    if (rowCount() > 0) {
        emit dataChanged(index(0, 12), index(rowCount() - 1, RatingColumnCount - 1),
                         {Qt::DisplayRole});
    }
}

void TRatingsModel::Refresh() {
    // Rows are added, dropped and reordered under the views: they start afresh.
    beginResetModel();
    m_count = static_cast<int>(m_rows.size());
    endResetModel();
}

}  // namespace mv::gui
