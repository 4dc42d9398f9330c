#include "gui/support/operation_viewer.h"

#include "gui/support/message_viewer.h"
#include "gui/support/messages.h"

namespace mv::gui {
namespace {

QColor ColourOf(TRgb rgb) {
    return QColor(rgb.R, rgb.G, rgb.B);
}

bool Failed(std::uint8_t status) {
    return status == ssWarning || status == ssError;
}

}  // namespace

void ShowOperationMessages(const TOperation& operation) {
    const QColor summaryColour =
        Failed(operation.Status) ? ColourOf(StepMessageColour) : QColor(Qt::black);
    ShowMessage(QString(), Q(operation.Name + "\r\n" + operation.Text), summaryColour,
                {true, false, false, false});
    for (const TTransaction& step : operation.Steps) {
        if (step.Status == ssWarning) {
            ShowMessage(QString(), Q(StepWarningMessage(step)), ColourOf(StepMessageColour));
        } else if (step.Status == ssError) {
            ShowMessage(QString(), Q(StepErrorMessage(step)), ColourOf(StepMessageColour));
        }
    }
}

TViewerSink MessageViewerSink() {
    return [](const std::string& text, TRgb colour) {
        ShowMessage(QString(), Q(text), ColourOf(colour));
    };
}

}  // namespace mv::gui
