// The interface language of the main window: loaded at start, chosen from the "Файл" menu.
#include <QAction>
#include <QMenu>

#include "gui/core/template_main.h"
#include "gui/support/languages.h"
#include "gui/support/tr.h"
#include "gui/update/update_commands.h"

namespace mv::gui {

void TTemplateMain::LoadInterfaceLanguage() {
    int wanted = BaseLanguageId;
    if (!m_switches.NoLanguage) {
        // An unreadable settings file keeps the base language; restoring the settings later
        // reports it.
        try {
            wanted = ReadMainSetting(Settings(), MainWindowKey::Language);
        } catch (const std::exception&) {
        }
    }
    InitLanguages(BaseLanguageId, wanted);
}

void TTemplateMain::BuildLanguageMenu(QMenu* file) {
    QMenu* languages = file->addMenu(Tr("Язык интерфейса"));
    languages->setObjectName(QStringLiteral("mnuLanguages"));
    const auto sameLanguage = [](int a, int b) { return PrimaryLanguage(a) == PrimaryLanguage(b); };
    for (const int lcid : AvailableLanguages()) {
        const QString name = LocaleLanguageName(lcid);
        QAction* item = AddAction(
            QStringLiteral("Language%1").arg(lcid), name, {}, [] { return true; },
            [this, lcid] { ChooseLanguage(lcid); });
        item->setStatusTip(name);
        item->setData(lcid);
        item->setCheckable(true);
        item->setChecked(sameLanguage(lcid, CurrentLanguage()));
        // The item's own toggle never decides the mark: only the running language does.
        connect(item, &QAction::toggled, item, [item, lcid, sameLanguage](bool checked) {
            const bool current = sameLanguage(lcid, CurrentLanguage());
            if (checked != current) item->setChecked(current);
        });
        languages->addAction(item);
    }
}

void TTemplateMain::ChooseLanguage(int lcid) {
    if (lcid == CurrentLanguage()) return;
    bool stored = false;
    RunCommand([&] {
        CheckLanguageModule(lcid);
        WriteMainSetting(Settings(), MainWindowKey::Language, lcid);
        stored = true;
    });
    if (stored) m_updateCommands->Restart();
}

}  // namespace mv::gui
