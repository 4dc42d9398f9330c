#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <array>
#include <vector>

class QAction;
class QLabel;
class QSplitter;
class QToolBar;
class QTreeView;

namespace mv {
class TWorkspace;
class TWindowSettings;
}

namespace mv::gui {

// The scenario list: row i shows line i of the current scenario, normalised (nine columns).
class TScriptModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TScriptModel(TWorkspace& workspace, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The lines changed: the row count follows the scenario.
    void Refresh();

private:
    TWorkspace& m_workspace;
    // The rows' cell texts, parsed once per refresh rather than once per painted cell.
    std::vector<std::array<QString, 9>> m_cells;
};

// The "Сценарий" tab: the commands' tool bar, the scenario list and its status bar.
class TScriptTab : public QWidget {
    Q_OBJECT
public:
    explicit TScriptTab(TWorkspace& workspace, QWidget* parent = nullptr);

    // Each call adds one row of command buttons above the list (nullptr: a separator), so
    // that the commands need not hide behind the tool bar's overflow arrow.
    void AddToolActions(const QList<QAction*>& actions);
    // Puts `panel` under the scenario list, the two parted by a splitter that gives the list
    // what the tab gains in height; returns the splitter (owned by the tab).
    QSplitter* AddPanelBelowList(QWidget* panel);
    void Refresh();
    // The focused line, or -1; the selected lines in ascending order.
    int FocusedLine() const;
    QList<int> SelectedLines() const;
    void FocusLine(int index);
    QTreeView* List() const { return m_list; }
    TScriptModel* Model() const { return m_model; }
    QString StatusText(int panel) const;
    // Panels 1 "Цикл", 2 "Строка", 3 "Ставок" and 4, the free text, of a running scenario.
    void SetStatusText(int panel, const QString& text);

    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

signals:
    void LineActivated();

private:
    TWorkspace& m_workspace;
    QList<QToolBar*> m_tools;
    QTreeView* m_list;
    TScriptModel* m_model;
    std::array<QLabel*, 5> m_panels{};
};

}  // namespace mv::gui
