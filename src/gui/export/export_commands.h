#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "gui/export/export_source.h"

class QWidget;

namespace mv::gui {

class ICommandHost;

// The spreadsheet export of the main window's tables: one action per table, the export
// dialog, the folder the reports go to, and the written report opened afterwards.
class TExportCommands : public QObject {
    Q_OBJECT
public:
    // One exportable table and the action that exports it.
    struct TTable {
        const char* Action;
        QString Caption;
        QString Hint;  // empty for none
        TExportSource Source;
        // Besides having rows: when the table may be exported (its tab shown, ...).
        std::function<bool()> Ready;
    };

    TExportCommands(ICommandHost& host, std::vector<TTable> tables, QObject* parent = nullptr);

    // Exports one table: the dialog, the folder, the report, then opening it.
    void Export(const TExportSource& source);

    // Asks for the folder the report goes to, starting in `start`; empty when cancelled.
    std::function<QString(const QString& start)> ChooseFolder;
    // Shows a written report in the desktop's application for .xlsx files (nothing on the
    // offscreen platform).
    std::function<void(const QString& file)> OpenReport;
    // The last report written.
    const QString& LastReport() const { return m_lastReport; }

private:
    ICommandHost& m_host;
    std::vector<TTable> m_tables;
    QString m_lastReport;
};

}  // namespace mv::gui
