#include "gui/core/form_main.h"
#include "gui/support/tr.h"

namespace mv::gui {

TFormMain::TFormMain(TDataPaths paths, std::vector<std::string> args, QWidget* parent)
    : TTemplateMain(std::move(paths), std::move(args), parent) {
    Create();
}

QString TFormMain::GameCaption() const {
    return Tr("Марволет: Лото 5 из 36");
}

QStringList TFormMain::DrawsColumnCaptions() const {
    return {Tr("Тираж"),         QStringLiteral("1"), QStringLiteral("2"),
            QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
            QStringLiteral("E"), QStringLiteral("S"), Tr("Дата тиража")};
}

QStringList TFormMain::CombsColumnCaptions() const {
    return {Tr("№ п.п."),        QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
            QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("S")};
}

}  // namespace mv::gui
