#include "engine/support/ui_hooks.h"

#include "engine/core/messages.h"

namespace mv {

const char* MessageCaption(TMessageKind kind) {
    switch (kind) {
        case TMessageKind::Error:
            return Msg(TMsg::DrawsDownloadCaption).c_str();
        case TMessageKind::Info:
            return Msg(TMsg::CaptionInformation).c_str();
        case TMessageKind::Warning:
            return Msg(TMsg::CaptionAttention).c_str();
        case TMessageKind::Caution:
            return Msg(TMsg::CaptionWarning).c_str();
    }
    return "";
}

std::string AskCaption(TAskKind kind, const std::string& callerCaption) {
    switch (kind) {
        case TAskKind::YesNo:
        case TAskKind::YesNoDefaultNo: return callerCaption;
        case TAskKind::Confirm:
        case TAskKind::ConfirmDefaultNo:
            return Msg(TMsg::CaptionConfirmation);
        case TAskKind::ConfirmDelete:
            return Msg(TMsg::CaptionWarning);
    }
    return callerCaption;
}

std::string ConfirmDeleteText(int count) {
    if (count == 1) return Msg(TMsg::DeleteSelectedRecord);
    return Msg(TMsg::DeleteSelectedRecordsPrefix) + std::to_string(count) +
           Msg(TMsg::DeleteSelectedRecordsSuffix);
}

}  // namespace mv
