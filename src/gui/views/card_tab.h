#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include "engine/views/card.h"

class QAction;
class QHBoxLayout;

namespace mv::gui {

class TViewGrid;

// The draw map's rows for the grid, read from the card on demand: columns 0..35 are the
// numbers 1..36 and column 36 the extra number; the heading column holds the draw numbers.
// An empty archive shows one empty row.
class TCardModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetCard(TCard card);
    const TCard& Card() const { return m_card; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TCard m_card;
};

// The "Карта" tab: the draw map, newest draw first, with its keep/remove buttons.
class TCardTab : public QWidget {
    Q_OBJECT
public:
    explicit TCardTab(QWidget* parent = nullptr);

    TViewGrid* Grid() const { return m_grid; }
    TCardModel* Model() const { return m_model; }
    void AddToolAction(QAction* action);

private:
    TViewGrid* m_grid;
    TCardModel* m_model;
    QHBoxLayout* m_top;
};

}  // namespace mv::gui
