#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <vector>

#include "engine/ratings/regulars.h"

class QTreeView;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

// The regulars list: row r shows regular r in five columns.
class TRegularsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 5;
    static const int DesignedWidths[ColumnCount];

    explicit TRegularsModel(const TRegulars& regulars, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Follows the regulars after they changed.
    void Refresh();

private:
    const TRegulars& m_regulars;
    int m_rows = 0;  // the count the views know
};

// The "Регуляры" tab: the regulars in a list (lvTables) in file order, several selectable,
// not sortable.
class TRegularsTab : public QWidget {
    Q_OBJECT
public:
    explicit TRegularsTab(const TRegulars& regulars, QWidget* parent = nullptr);

    QTreeView* List() const { return m_list; }
    TRegularsModel* Model() const { return m_model; }

    // The selected rows, ascending; the focused row, or -1.
    std::vector<int> SelectedRows() const;
    int FocusedRow() const;

    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

private:
    QTreeView* m_list;
    TRegularsModel* m_model;
};

}  // namespace mv::gui
