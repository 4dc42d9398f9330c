#include "gui/draws/draws_model.h"

#include <QColor>

#include "engine/core/game.h"
#include "engine/session/workspace.h"
#include "gui/support/messages.h"

namespace mv::gui {
namespace {
const QColor kHighlight(255, 170, 170);

QColor ToQColor(const TRgb& c) { return QColor(c.R, c.G, c.B); }
}  // namespace

TDrawsModel::TDrawsModel(TWorkspace& workspace, QStringList captions, QObject* parent)
    : QAbstractTableModel(parent), m_workspace(workspace), m_captions(std::move(captions)) {}

int TDrawsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TDrawsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_captions.size());
}

QVariant TDrawsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_captions.size()) {
        return m_captions[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant TDrawsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_workspace.DrawCount()) return {};
    const int col = index.column();
    const TDrawRec draw = m_workspace.DrawAtPosition(index.row());
    const bool isNumberCell = col >= ColFirstNum && col < ColFirstNum + NumbersInDraw;
    switch (role) {
        case Qt::DisplayRole:
            if (col == ColNumber) return draw.Number;
            if (isNumberCell) return draw.Nums[static_cast<std::size_t>(col - ColFirstNum)];
            if (col == ColExtra) return draw.Extra;
            if (col == ColSum) return DrawSum(draw);
            if (col == ColDate) return Q(draw.Date());
            return {};
        case Qt::TextAlignmentRole:
            return col == ColDate ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                  : QVariant(Qt::AlignCenter);
        case Qt::BackgroundRole: {
            const bool highlighted = index.row() == m_workspace.DrawsOffset();
            if (m_channelColours && isNumberCell) {
                const int n = draw.Nums[static_cast<std::size_t>(col - ColFirstNum)];
                return ToQColor(ChannelColor(n, m_workspace.Config().ChannelSize));
            }
            if (highlighted) return kHighlight;
            if (m_channelColours && col != ColNumber) return QColor(Qt::white);
            return {};
        }
        case Qt::ForegroundRole:
            return QColor(Qt::black);
        default:
            return {};
    }
}

void TDrawsModel::Refresh(bool force) {
    const int rows = m_workspace.DrawCount();
    if (force || rows != m_rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    } else if (m_rows > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1));
    }
}

void TDrawsModel::SetChannelColours(bool on) {
    m_channelColours = on;
    Refresh(false);
}

int TDrawsModel::NumberAtRow(int row) const {
    if (row < 0 || row >= m_workspace.DrawCount()) return 0;
    return m_workspace.DrawAtPosition(row).Number;
}

}  // namespace mv::gui
