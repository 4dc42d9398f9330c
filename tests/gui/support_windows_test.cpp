#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

#include "engine/core/errors.h"
#include "engine/support/busy.h"
#include "gui/support/message_viewer.h"
#include "gui/support/operation_viewer.h"
#include "gui/support/progress_window.h"
#include "gui/support/wait_window.h"
#include "gui_test_support.h"

using namespace mv::gui;

namespace {

void FlushDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class TSupportWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        HideProgress();
        HideWait();
        if (TMessageViewer::Instance()) TMessageViewer::Instance()->close();
        FlushDeferredDeletes();
        TMessageViewer::SetIdleCheck({});
    }

    void ProgressStepStopsAtMaximum() {
        ShowProgress(QStringLiteral("Копирование..."), 100);
        StepProgress(95);
        QCOMPARE(ProgressState().Position, 95);
        StepProgress(10);
        QCOMPARE(ProgressState().Position, 100);
        StepProgress(-500);
        QCOMPARE(ProgressState().Position, 0);
        SetProgressText(QStringLiteral("Запись..."));
        mv::gui::test::SaveScreenshot(ProgressWindow(), QStringLiteral("progress_window.png"));
        QCOMPARE(ProgressState().Text, QStringLiteral("Запись..."));
        QCOMPARE(ProgressState().Maximum, 100);
    }

    void SecondProgressFailsAndFirstStays() {
        ShowProgress(QStringLiteral("Первое"), 10);
        QWidget* first = ProgressWindow();
        StepProgress(3);
        try {
            ShowProgress(QStringLiteral("Второе"), 50);
            QFAIL("a second progress window was created");
        } catch (const mv::EError& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Окно индикатора уже создано!"));
        }
        QCOMPARE(ProgressWindow(), first);
        StepProgress(2);
        const TProgressState state = ProgressState();
        QCOMPARE(state.Text, QStringLiteral("Первое"));
        QCOMPARE(state.Position, 5);
        QCOMPARE(state.Maximum, 10);
        HideProgress();
        QVERIFY(!ProgressState().Shown);
        // Without a window the calls do nothing, and a new window may be made.
        StepProgress(1);
        SetProgressText(QStringLiteral("x"));
        HideProgress();
        QVERIFY(ProgressWindow() == nullptr);
        ShowProgress(QStringLiteral("Снова"), 5);
        QCOMPARE(ProgressState().Position, 0);
    }

    void WaitWindowIsReusedAndCentred() {
        HideWait();
        ShowWait(QStringLiteral("Загрузка тиражей..."));
        QWidget* window = WaitWindow();
        QVERIFY(window && window->isVisible());
        ShowWait(QStringLiteral("Обработка тиражей..."));
        QCOMPARE(WaitWindow(), window);
        QCOMPARE(WaitText(), QStringLiteral("Обработка тиражей..."));
        mv::gui::test::SaveScreenshot(window, QStringLiteral("wait_window.png"));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((window->frameGeometry().center() - screen.center()).manhattanLength() <= 2);
        HideWait();
        QVERIFY(WaitWindow() == nullptr);
        HideWait();
    }

    void ViewerAppendsWithSeparatorAndCounts() {
        ShowMessage(QString(), QStringLiteral("Первое\rсообщение"));
        TMessageViewer* viewer = TMessageViewer::Instance();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Сообщения"));
        ShowMessage(QStringLiteral("Удаление файлов"), QStringLiteral("Второе"), QColor(128, 0, 0),
                    {true, false, false, false});
        QCOMPARE(TMessageViewer::Instance(), viewer);
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Удаление файлов"));
        QCOMPARE(viewer->PlainText(), QStringLiteral("Первое\nсообщение\n\nВторое"));
        QCOMPARE(viewer->StatusText(), QStringLiteral("Всего сообщений: 2"));
        ShowMessage(QString(), QStringLiteral("  \r\n "));
        QCOMPARE(viewer->Count(), 2);
        QCOMPARE(viewer->StatusText(), QStringLiteral("Всего сообщений: 2"));
        QCOMPARE(viewer->PlainText(), QStringLiteral("Первое\nсообщение\n\nВторое"));
        mv::gui::test::SaveScreenshot(viewer, QStringLiteral("message_viewer.png"));
    }

    void ClosingViewerRestartsCount() {
        ShowMessage(QString(), QStringLiteral("a"));
        ShowMessage(QString(), QStringLiteral("b"));
        QCOMPARE(TMessageViewer::Instance()->Count(), 2);
        TMessageViewer::Instance()->CloseAction()->trigger();
        FlushDeferredDeletes();
        QVERIFY(TMessageViewer::Instance() == nullptr);
        ShowMessage(QString(), QStringLiteral("c"));
        QCOMPARE(TMessageViewer::Instance()->Count(), 1);
        QCOMPARE(TMessageViewer::Instance()->PlainText(), QStringLiteral("c"));
    }

    void CloseCommandFollowsBusyState() {
        mv::BeginBusy();
        ShowMessage(QString(), QStringLiteral("a"));
        TMessageViewer* viewer = TMessageViewer::Instance();
        QVERIFY(!viewer->CloseAction()->isEnabled());
        viewer->CloseAction()->trigger();
        FlushDeferredDeletes();
        QCOMPARE(TMessageViewer::Instance(), viewer);
        mv::EndBusy();
        QTRY_VERIFY(viewer->CloseAction()->isEnabled());
        QCOMPARE(viewer->CloseAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
        QCOMPARE(viewer->CloseAction()->statusTip(), QStringLiteral("Закрыть окно"));
    }

    void OperationSummaryAndFailingSteps() {
        mv::TOperation operation = mv::StartOperation("Удаление \"*.log\"");
        operation.Total = 3;
        auto step = [&](const char* name, std::uint8_t status, const char* text) {
            mv::TTransaction t = mv::StartStep(name);
            t.Status = status;
            t.Text = text;
            t.Finished = t.Started;
            mv::AddStep(operation, t, mv::sfShowMessage, MessageViewerSink());
        };
        step("Удаление \"a.log\"", mv::ssDone, "Готово.");
        step("Удаление \"b.log\"", mv::ssWarning, "Файл занят");
        step("Удаление \"c.log\"", mv::ssError, "Отказано в доступе");
        // The sink showed the warning and the error as they happened.
        QCOMPARE(TMessageViewer::Instance()->Count(), 2);
        mv::FinishOperation(operation, mv::fkNothingIsFine);
        TMessageViewer::Instance()->close();
        FlushDeferredDeletes();
        ShowOperationMessages(operation);
        TMessageViewer* viewer = TMessageViewer::Instance();
        QCOMPARE(viewer->Count(), 3);
        const QStringList parts = viewer->PlainText().split(QStringLiteral("\n\n"));
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts[0], QString::fromStdString(operation.Name + "\n" + operation.Text));
        QVERIFY(parts[1].contains(QStringLiteral("Предупреждение при выполнении операции")));
        QVERIFY(parts[1].endsWith(QStringLiteral("Файл занят!")));
        QVERIFY(parts[2].contains(QStringLiteral("Ошибка при выполнении операции")));
        QVERIFY(!viewer->PlainText().contains(QStringLiteral("a.log")));
    }

    void SelectAllAndCopy() {
        ShowMessage(QString(), QStringLiteral("строка"));
        TMessageViewer* viewer = TMessageViewer::Instance();
        viewer->SelectAllAction()->trigger();
        QCOMPARE(viewer->List()->textCursor().selectedText(), QStringLiteral("строка"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    mv::gui::test::EnableMessageTestMode();
    TSupportWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "support_windows_test.moc"
