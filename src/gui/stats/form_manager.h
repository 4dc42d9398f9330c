#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "engine/session/method_names.h"

class QAction;
class QCheckBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace mv::gui {

class ICommandHost;

// "Менеджер избранных методов расчета статистики": the methods of the registry grouped by
// statistic group, each with its favourite mark and the name it is listed under, and the
// options of how method lists show names. The tree is built from the registry when the
// dialog opens and after an import; only confirming the dialog (Choices, Display) and the
// import and export of names reach the registry. Created for one use.
class TFormManager : public QDialog {
    Q_OBJECT
public:
    // `describe` shows the description page of a method (its registry index).
    TFormManager(ICommandHost& host, std::function<void(int)> describe, QWidget* parent = nullptr);

    // Every method node in tree order with its mark and text.
    std::vector<TMethodChoice> Choices() const;
    TMethodDisplay Display() const;

    QTreeWidget* Tree() const { return m_tree; }
    QLabel* CountLabel() const { return m_count; }
    // The dialog's commands by name ("CheckNone", "Rename", "NamesImport", ...).
    QAction* Command(const QString& name) const;
    // The method node of a registry index, or nullptr.
    QTreeWidgetItem* MethodNode(int method) const;
    // Toggles a method node's mark, as a click on it does.
    void ToggleNode(QTreeWidgetItem* node);
    // Refreshes the commands' enabled state (after a change of the selection).
    void UpdateCommands();

private:
    void FillTree();
    void SetGroupMarks(bool checked);
    void SetAllMarks(bool checked);
    void Rename();
    void ResetName();
    void ShowInfo();
    void ImportNames();
    void ExportNames();
    // The selected node's group node, or nullptr.
    QTreeWidgetItem* SelectedGroup() const;
    QTreeWidgetItem* SelectedMethod() const;
    // Runs a change of many nodes in the busy frame with the tree's painting frozen.
    void RunFrozen(const std::function<void()>& work);
    // Asks for a names file; empty when cancelled.
    QString PickNamesFile(bool save);

    ICommandHost& m_host;
    std::function<void(int)> m_describe;
    QTreeWidget* m_tree;
    QLabel* m_count;
    QCheckBox* m_ordered;
    QCheckBox* m_groupName;
    QCheckBox* m_flags;
    std::vector<QAction*> m_commands;
};

}  // namespace mv::gui
