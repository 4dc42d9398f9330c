#pragma once

#include <QIcon>
#include <QWidget>
#include <string>
#include <vector>

#include "engine/online/system_catalog.h"
#include "gui/support/list_rows_model.h"

class QAction;
class QToolBar;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

class TSortableListView;

// One row of the systems list: the catalog entry and the state its icon shows. The state is
// decided when the row is added or refreshed, not on every paint.
struct TSystemRow {
    TSystemInfo Info;
    TSystemRowState State = TSystemRowState::Placeholder;
};

// The systems list's rows: the entries' texts in eleven columns and, in the first, the icon of
// the row's state.
class TSystemsModel : public TListRowsModel {
    Q_OBJECT
public:
    explicit TSystemsModel(QObject* parent = nullptr);

    // The row as the list shows it.
    static TListRow MakeRow(const TSystemRow& row);
    // The record of a valid row.
    TSystemRow Record(int row) const;
    // Replaces a valid row's record and texts.
    void SetRecord(int row, const TSystemRow& record);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The icon of a state; a null icon for the placeholder.
    static QIcon StateIcon(TSystemRowState state);
};

// The "Системы" tab: a tool bar over the catalog's list (lvSystems: sortable, several rows
// selectable, sorted by "Числа" until the user picks another order).
class TSystemsTab : public QWidget {
    Q_OBJECT
public:
    explicit TSystemsTab(QWidget* parent = nullptr);

    TSortableListView* List() const { return m_list; }
    TSystemsModel* Model() const { return m_model; }
    QToolBar* ToolBar() const { return m_toolBar; }

    // The tool bar's buttons, and the list's context menu with `defaultAction` in bold.
    void SetActions(const std::vector<QAction*>& toolActions,
                    const std::vector<QAction*>& menuActions, QAction* defaultAction);

    // The selected rows, ascending (list order).
    std::vector<int> SelectedRows() const;

    // The column widths and the sort column and direction.
    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

signals:
    // A double click on a row.
    void RowActivated();

private:
    void ShowContextMenu(const QPoint& position);

    QToolBar* m_toolBar;
    TSortableListView* m_list;
    TSystemsModel* m_model;
    std::vector<QAction*> m_menuActions;
    QAction* m_defaultAction = nullptr;
};

}  // namespace mv::gui
