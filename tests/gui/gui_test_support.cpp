#include "gui_test_support.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

#include "support/messages.h"

namespace mv::gui::test {

void EnableMessageTestMode() {
    TMessages::SetTestMode(true);
}

QStringList RecordedMessageTexts() {
    QStringList texts;
    for (const TShownMessage& message : TMessages::Recorded()) texts << message.Text;
    return texts;
}

QString LastMessageText() {
    const auto& recorded = TMessages::Recorded();
    return recorded.empty() ? QString() : recorded.back().Text;
}

QString SaveScreenshot(QWidget* widget, const QString& fileName) {
    const QString dir = qEnvironmentVariable("MV_GUI_SCREENSHOT_DIR");
    if (dir.isEmpty()) return QString();
    const QString path = QDir(dir).filePath(fileName);
    return widget->grab().save(path) ? path : QString();
}

}  // namespace mv::gui::test
