#pragma once

#include <QAbstractTableModel>

#include "engine/ratings/ratings.h"

namespace mv::gui {

// The ratings list: row r shows row r of the workspace's ratings in 18 columns, the
// efficiency columns in the chosen mode. A row that cannot be shown says so in its first
// column and leaves the others empty. The "Угадано" cell's tooltip tells how far the row's
// matches stand from chance.
class TRatingsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The designed widths of the columns, in pixels.
    static const int DesignedWidths[RatingColumnCount];

    explicit TRatingsModel(const TRatings& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int EffMode() const { return m_effMode; }
    void SetEffMode(int mode);
    // Follows the rows after they changed (added, rebuilt, sorted, loaded).
    void Refresh();

private:
    const TRatings& m_rows;
    int m_count = 0;  // the row count the views know
    int m_effMode = remAbsolute;
};

}  // namespace mv::gui
