#include "engine/support/ui_hooks.h"

namespace mv {

const char* MessageCaption(TMessageKind kind) {
    switch (kind) {
        case TMessageKind::Error: return "Ошибка";
        case TMessageKind::Info: return "Информация";
        case TMessageKind::Warning: return "Внимание!";
        case TMessageKind::Caution: return "Предупреждение";
    }
    return "";
}

std::string AskCaption(TAskKind kind, const std::string& callerCaption) {
    switch (kind) {
        case TAskKind::YesNo:
        case TAskKind::YesNoDefaultNo: return callerCaption;
        case TAskKind::Confirm:
        case TAskKind::ConfirmDefaultNo: return "Подтверждение";
        case TAskKind::ConfirmDelete: return "Предупреждение";
    }
    return callerCaption;
}

std::string ConfirmDeleteText(int count) {
    if (count == 1) return "Удалить выделенную запись?";
    return "Удалить все выделенные записи (всего будет удалено " + std::to_string(count) +
           " записи(ей))?";
}

}  // namespace mv
