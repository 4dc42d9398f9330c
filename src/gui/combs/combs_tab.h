#pragma once

#include <QWidget>
#include <vector>

class QAction;
class QHBoxLayout;
class QSpinBox;
class QSplitter;
class QTableView;
class QTreeWidget;

namespace mv {
class TWorkspace;
class TWindowSettings;
}

namespace mv::gui {

class TCombsModel;
class TSplitterPane;

// The "Комбинации" tab: the working list of combinations, the operations applied to it, and
// the box giving how many latest draws to exclude.
class TCombsTab : public QWidget {
    Q_OBJECT
public:
    TCombsTab(TWorkspace& workspace, const QStringList& captions, QWidget* parent = nullptr);

    // Puts commands in the tab's button row (nullptr: a gap).
    void AddToolActions(const QList<QAction*>& actions);
    // Follows the working list (row count, repaint) and the operations list.
    void Refresh(bool force);
    std::vector<std::size_t> SelectedRows() const;
    int CurrentRow() const;

    QTableView* List() const { return m_list; }
    TCombsModel* Model() const { return m_model; }
    QTreeWidget* Operations() const { return m_operations; }
    QSpinBox* ExcludeBox() const { return m_exclude; }

    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

signals:
    // Enter in the exclusion box.
    void ExcludeRequested();
    void RowActivated();

private:
    void RefreshOperations();

    TWorkspace& m_workspace;
    QHBoxLayout* m_tools;
    QTableView* m_list;
    TCombsModel* m_model;
    QTreeWidget* m_operations;
    QSplitter* m_splitter;
    TSplitterPane* m_operationsPane;
    QSpinBox* m_exclude;
};

}  // namespace mv::gui
