// The view and help commands of the main window: optional tabs, the configuration dialog,
// help and the about box.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>

#include "core/form_config.h"
#include "core/template_main.h"
#include "core/workspace.h"
#include "draws/draws_model.h"
#include "support/messages.h"
#include "support/window_placement.h"

namespace mv::gui {

const std::vector<TTemplateMain::TOptionalTab>& TTemplateMain::OptionalTabs() {
    static const std::vector<TOptionalTab> tabs = {
        {"TabGraps", "Вкладка \"Графики\"", MainWindowKey::TabGraphs, 1},
        {"TabCard", "Вкладка \"Карта\"", MainWindowKey::TabCard, 2},
        {"TabLayout", "Вкладка \"Схема\"", MainWindowKey::TabLayout, 3},
        {"TabWeek", "Вкладка \"Неделя\"", MainWindowKey::TabWeek, 4},
        {"TabTables", "Вкладка \"Регуляры\"", MainWindowKey::TabTables, 7},
    };
    return tabs;
}

void TTemplateMain::ShowOptionalTab(const TOptionalTab& tab, bool shown) {
    m_rightPages->setTabVisible(tab.TabIndex, shown);
    Action(QString::fromLatin1(tab.Action))->setChecked(shown);
}

void TTemplateMain::ToggleOptionalTab(const TOptionalTab& tab) {
    const bool shown = !m_rightPages->isTabVisible(tab.TabIndex);
    ShowOptionalTab(tab, shown);
    StoreSetting(tab.Key, shown);
    // A tab that comes back shows current data at once.
    if (shown) m_recalc.Force(m_rightPages->tabText(tab.TabIndex));
}

QString TTemplateMain::HelpFile() const {
    const QString dir = QString::fromStdString(m_paths.Dir.string());
    const QString exeDir = QFileInfo(QString::fromStdString(ExecutablePath().string())).path();
    for (const QString& candidate :
         {dir + QStringLiteral("/help/index.html"), exeDir + QStringLiteral("/help/index.html"),
          exeDir + QStringLiteral("/../help/index.html")}) {
        if (QFileInfo::exists(candidate)) return QFileInfo(candidate).absoluteFilePath();
    }
    return {};
}

void TTemplateMain::OpenHelp() {
    const QString file = HelpFile();
    if (!file.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void TTemplateMain::ShowAbout() {
    QMessageBox::about(this, QStringLiteral("О программе"),
                       QStringLiteral("<h3>%1</h3><p>Версия %2</p><p>Анализ архива тиражей "
                                      "лотереи «5 из 36» и подбор комбинаций.</p>")
                           .arg(GameCaption(), QStringLiteral(MV_VERSION)));
}

void TTemplateMain::SetAutoDownloadMode(int mode) {
    for (int m = 0; m < 3; ++m) Action(QStringLiteral("AutoDownload%1").arg(m))->setChecked(m == mode);
    StoreSetting(MainWindowKey::DownloadDrawsOnStart, mode);
}

bool TTemplateMain::ExecDialog(QDialog& dialog, const std::string& formerSection) {
    const std::string section = dialog.objectName().toStdString();
    RunCommand([&] {
        if (!RestoreWindowPlacement(dialog, Settings(), section) && !formerSection.empty()) {
            RestoreWindowPlacement(dialog, Settings(), formerSection);
        }
    });
    const bool accepted = dialog.exec() == QDialog::Accepted;
    RunCommand([&] { SaveWindowPlacement(dialog, Settings(), section); });
    return accepted;
}

void TTemplateMain::EditConfig() {
    std::optional<TConfigData> edited;
    RunCommand([&] {
        TFormConfig dialog(m_workspace->Config(), this);
        // Earlier versions stored this dialog's placement under "FormConfig".
        const bool accepted =
            ConfigDialogHook ? ConfigDialogHook(dialog) : ExecDialog(dialog, "FormConfig");
        if (accepted) edited = dialog.Result();
    });
    if (edited) RunBusy({}, [&] { ApplyConfig(*edited); });
}

}  // namespace mv::gui
