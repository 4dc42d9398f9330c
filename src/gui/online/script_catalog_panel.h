#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "engine/online/script_catalog.h"
#include "gui/support/list_rows_model.h"

class QAction;
class QComboBox;
class QLabel;
class QToolBar;

namespace mv::gui {

class TSortableListView;

// The list's rows: each row holds its entry (TScriptInfo by value, freed with the row); the
// first column shows whether the entry is public or private by its icon.
class TScriptCatalogModel : public TListRowsModel {
    Q_OBJECT
public:
    using TListRowsModel::TListRowsModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The entry of a valid row.
    TScriptInfo Entry(int row) const;
    // The row of an entry: its texts in the list's thirteen columns and the entry itself.
    static TListRow RowOf(const TScriptInfo& info);
};

// The online catalog panel under the scenario list: the filter box, the command buttons, a
// note shown while no service is configured, and the list of catalog entries.
class TScriptCatalogPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* ListName = "lvOnlineScripts";
    // The list's designed order: by the rating, ascending.
    static constexpr int RatingColumn = 7;

    explicit TScriptCatalogPanel(QWidget* parent = nullptr);

    // A button for the action beside the filter box (it shows the action's icon text).
    void AddButton(QAction* action);
    // Shows the list, or the note that no service is configured in its place.
    void SetConfigured(bool configured);
    bool Configured() const;

    // The selected entry, or nothing.
    std::optional<TScriptInfo> SelectedEntry() const;
    // Replaces the rows (in the list's present order) and selects the entry with `keepId`
    // when it is still there, scrolled into view.
    void SetEntries(const std::vector<TScriptInfo>& entries, std::int32_t keepId);
    // Adds an entry in order and selects it.
    void AddEntry(const TScriptInfo& info);
    // Replaces the row of the entry with id `id` (nothing when it is gone).
    void ReplaceEntry(std::int32_t id, const TScriptInfo& info);
    void RemoveEntry(std::int32_t id);

    QComboBox* FilterBox() const { return m_filter; }
    TSortableListView* List() const { return m_list; }
    TScriptCatalogModel* Rows() const { return m_rows; }
    QLabel* Note() const { return m_note; }

signals:
    // The selected entry changed (another row, or the same row's entry replaced).
    void SelectionChanged();

private:
    QComboBox* m_filter;
    QToolBar* m_buttons;
    QLabel* m_note;
    TSortableListView* m_list;
    TScriptCatalogModel* m_rows;
};

}  // namespace mv::gui
