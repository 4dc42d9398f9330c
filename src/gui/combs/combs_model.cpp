#include "gui/combs/combs_model.h"

#include <QColor>

#include "engine/core/game.h"

namespace mv::gui {

TCombsModel::TCombsModel(TSource source, std::function<int()> channelSize, QStringList captions,
                         QObject* parent)
    : QAbstractTableModel(parent),
      m_source(std::move(source)),
      m_channelSize(std::move(channelSize)),
      m_captions(std::move(captions)) {}

int TCombsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int TCombsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_captions.size());
}

QVariant TCombsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_captions.size()) {
        return m_captions[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant TCombsModel::data(const QModelIndex& index, int role) const {
    const auto [combs, count] = m_source();
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= count) return {};
    const TComb& comb = combs[index.row()];
    const int col = index.column();
    const bool numberCell = col >= 1 && col <= NumbersInDraw;
    switch (role) {
        case Qt::DisplayRole:
            if (col == 0) return index.row() + 1;
            if (numberCell) return comb.Nums[static_cast<std::size_t>(col - 1)];
            if (col == NumbersInDraw + 1) {
                return NumbersSum(comb.Nums);
            }
            return {};
        case Qt::TextAlignmentRole:
            return QVariant(Qt::AlignCenter);
        case Qt::BackgroundRole:
            if (!m_channelColours || col == 0) return {};
            if (numberCell) {
                const TRgb c =
                    ChannelColor(comb.Nums[static_cast<std::size_t>(col - 1)], m_channelSize());
                return QColor(c.R, c.G, c.B);
            }
            return QColor(Qt::white);
        case Qt::ForegroundRole:
            return QColor(Qt::black);
        default:
            return {};
    }
}

void TCombsModel::Refresh(bool force) {
    const int rows = static_cast<int>(m_source().second);
    if (force || rows != m_rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    } else if (m_rows > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1));
    }
}

void TCombsModel::SetChannelColours(bool on) {
    m_channelColours = on;
    Refresh(false);
}

}  // namespace mv::gui
