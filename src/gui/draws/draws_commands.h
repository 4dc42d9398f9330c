#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "engine/core/records.h"
#include "engine/draws/archive_check.h"
#include "engine/session/workspace.h"

class QLabel;
class QSpinBox;
class QTableView;
class QWidget;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

class ICommandHost;
class TDrawsModel;

// The draws archive page (the list, newest draw on top, and the offset spin) and its commands:
// adding, editing, deleting, the draw information, sorted display, CSV import and export and
// the channel colours. It keeps the page and status panels 0..2 in step with the archive and
// its offset through the workspace's notifications.
// Runs on the user-interface thread only; the host outlives it.
class TDrawsCommands : public QObject {
    Q_OBJECT
public:
    TDrawsCommands(ICommandHost& host, const QStringList& columnCaptions);
    ~TDrawsCommands() override;

    // The page for the host's page control, which takes it over.
    QWidget* Page() const { return m_page; }
    QTableView* List() const { return m_list; }
    QSpinBox* OffsetBox() const { return m_offsetBox; }

    // Shows the archive in the list, the status panels and the offset spin; `force` resets
    // the list's rows.
    void RefreshView(bool force);
    // Hides the latest `value` draws; the spin goes back to the offset kept when it is refused.
    void SetDrawsOffset(int value);

    // The command paths behind the file dialogs (the dialogs only pick the file).
    void ImportFrom(const QString& file);
    void ExportTo(const QString& file);
    // Stores a draw from the draw dialog: appended when index < 0, else replacing it.
    void StoreDrawAt(const TDrawRec& draw, int index);

    // Checks the archive in memory (after every change of it, the load and downloads
    // included) and shows the status-bar line "Архив тиражей: найдено замечаний: %d" while
    // anything but notices is found; the findings themselves are listed by "Проверка архива".
    void CheckArchive();
    const std::vector<TArchiveFinding>& ArchiveFindings() const { return m_findings; }

    // The sorted display, the channel colours and the list's column widths.
    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

private:
    void BuildPage(const QStringList& columnCaptions);
    void BuildActions();
    void Add();
    void Edit();
    void EditDraw(const TDrawRec& draw, int index);
    void Delete();
    void ShowInfo();
    void ToggleSorted();
    void ToggleColours();
    void Import();
    void Export();
    // The row of the draw the commands act on, or -1; all selected rows in ascending order.
    int SelectedRow() const;
    QList<int> SelectedRows() const;

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    QWidget* m_page = nullptr;
    QTableView* m_list = nullptr;
    TDrawsModel* m_model = nullptr;
    QSpinBox* m_offsetBox = nullptr;
    std::unique_ptr<TWorkspaceSubscription> m_subscription;

    // The archive check.
    void ShowArchiveFindings();
    QLabel* m_checkLine = nullptr;
    std::vector<TArchiveFinding> m_findings;
};

}  // namespace mv::gui
