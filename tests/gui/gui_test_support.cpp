#include "gui_test_support.h"

#include <QDir>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "gui/core/form_main.h"
#include "gui/support/messages.h"

namespace mv::gui::test {

TDrawsArray SyntheticDraws(int count) {
    TDrawsArray draws;
    for (int i = 0; i < count; ++i) {
        TDrawRec d;
        d.Number = i + 1;
        for (int k = 0; k < NumbersInDraw; ++k) {
            d.Nums[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(1 + (i * 5 + k) % 36);
        }
        d.Extra = 1;
        draws.push_back(d);
    }
    return draws;
}

std::unique_ptr<TFormMain> StartMainWindow(const QString& dir, std::vector<std::string> args) {
    auto window = std::make_unique<TFormMain>(TDataPaths{dir.toStdString()}, std::move(args));
    window->show();
    QSignalSpy finished(window.get(), &TTemplateMain::DeferredInitFinished);
    QSignalSpy terminated(window.get(), &TTemplateMain::TerminateRequested);
    [[maybe_unused]] const bool started =
        QTest::qWaitFor([&] { return finished.count() + terminated.count() > 0; }, 10000);
    return window;
}

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
    // Charts lay their items out on the event loop and drop old ones by deferred deletion,
    // which a plain processEvents() outside an event loop does not run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return widget->grab().save(path) ? path : QString();
}

}  // namespace mv::gui::test
