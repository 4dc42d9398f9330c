#pragma once

#include "engine/support/operation_log.h"

namespace mv::gui {

// Shows a finished file operation in the message viewer: its name and summary (bold; in the
// alert colour when it ended with a warning or an error), then every step that ended with a
// warning or an error, in the alert colour. User-interface thread only.
void ShowOperationMessages(const TOperation& operation);

// The sink that AddStep's "show message" flag sends warning and error texts to: the message
// viewer.
TViewerSink MessageViewerSink();

}  // namespace mv::gui
