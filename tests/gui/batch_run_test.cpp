// The batch switches on a machine without a display: the built program is started as a
// scheduled run would start it. Nobody can answer a message box there, so every message goes
// to standard error and the run ends with the command line's exit statuses.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "engine/support/data_lock.h"
#include "gui/support/messages.h"
#include "operator_site.h"

using namespace mv;
using namespace mv::gui;

namespace {

// What the data directory holds before the run.
enum class TSetup { Empty, LockHeld, ConfigIsFolder, ArchiveIsFolder, OperatorSite };

struct TRun {
    int ExitCode = -1;
    QString Errors;
};

// Runs the program with `switchArg` on `dir`. Without `platform` the program must choose the
// offscreen platform itself (no display at all); with it, a display is named but the platform
// is forced. A run that does not end in time is killed and reported as hung.
TRun RunProgram(const QString& dir, const QString& switchArg, const QString& platform) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (platform.isEmpty()) {
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    } else {
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":99"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(MV_DESKTOP_PATH), {QStringLiteral("--data-dir"), dir, switchArg});
    TRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.Errors = QStringLiteral("hung");
        return run;
    }
    run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

}  // namespace

Q_DECLARE_METATYPE(TSetup)

class TBatchRunTest : public QObject {
    Q_OBJECT
private slots:
    void endsWithoutWaitingForAnyone_data() {
        QTest::addColumn<TSetup>("setup");
        QTest::addColumn<QString>("switchArg");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString lock = QStringLiteral("Невозможно получить монопольный доступ");
        QTest::newRow("lock held, no display")
            << TSetup::LockHeld << QStringLiteral("loadonly") << QString() << 3 << lock;
        QTest::newRow("lock held, offscreen forced")
            << TSetup::LockHeld << QStringLiteral("--fullrefresh") << QStringLiteral("offscreen")
            << 3 << lock;
        QTest::newRow("configuration file is a folder")
            << TSetup::ConfigIsFolder << QStringLiteral("/loadonly") << QString() << 1
            << QStringLiteral("Ошибка чтения файла конфигурации!");
        QTest::newRow("archive is a folder")
            << TSetup::ArchiveIsFolder << QStringLiteral("fullrefresh")
            << QStringLiteral("offscreen") << 1 << QStringLiteral("Ошибка чтения файла тиражей!");
        QTest::newRow("nothing wrong")
            << TSetup::OperatorSite << QStringLiteral("loadonly") << QString() << 0 << QString();
        QTest::newRow("no operator address") << TSetup::Empty << QStringLiteral("loadonly")
                                             << QString() << 1 << QStringLiteral("DrawsUrl");
    }

    void endsWithoutWaitingForAnyone() {
        QFETCH(TSetup, setup);
        QFETCH(QString, switchArg);
        QFETCH(QString, platform);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        // The desktop program holding the data files is stood in for by a lock of our own.
        TDataLock holder;
        std::unique_ptr<mv::test::TOperatorSite> site;
        switch (setup) {
            case TSetup::Empty:
                break;
            case TSetup::LockHeld:
                holder.Acquire((dir.path() + QStringLiteral("/Marvolet_5z36.lsk")).toStdString());
                break;
            case TSetup::ConfigIsFolder:
                QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Marvolet_5z36.ini")));
                break;
            case TSetup::ArchiveIsFolder:
                QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Marvolet_5z36.ldr")));
                break;
            case TSetup::OperatorSite: {
                // A sheet of two draws on the local operator site, its address configured.
                const std::string book = (dir.path() + QStringLiteral("/site.xlsx")).toStdString();
                mv::test::WriteWorkbook(
                    book,
                    {mv::test::HeadingRow(), mv::test::DrawRow(1, "01.02.2024", {1, 2, 3, 4, 5}, 1),
                     mv::test::DrawRow(2, "02.02.2024", {6, 7, 8, 9, 10}, 1)});
                mv::test::TOperatorSiteOptions options;
                options.Workbook = book;
                site = std::make_unique<mv::test::TOperatorSite>(options);
                QFile ini(dir.path() + QStringLiteral("/Marvolet_5z36.ini"));
                QVERIFY(ini.open(QIODevice::WriteOnly));
                ini.write(
                    ("[DOWNLOAD]\r\nDrawsUrl=" + site->Url("/results.xlsx") + "\r\n").c_str());
                break;
            }
        }
        const TRun run = RunProgram(dir.path(), switchArg, platform);
        QVERIFY2(run.Errors != QStringLiteral("hung"), "the batch run waited for an answer");
        if (setup == TSetup::OperatorSite) {
            QCOMPARE(QFileInfo(dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).size(),
                     qint64(2 * 24));
        }
        QVERIFY2(run.ExitCode == exitCode, qPrintable(run.Errors));
        if (message.isEmpty()) {
            QVERIFY2(!run.Errors.contains(QStringLiteral("Ошибка")), qPrintable(run.Errors));
        } else {
            QVERIFY2(run.Errors.contains(QStringLiteral("Ошибка: ") + message) ||
                         run.Errors.contains(message),
                     qPrintable(run.Errors));
        }
    }

    // In console mode questions take their default answer without asking anyone, and the
    // first failure decides the exit status.
    void consoleModeAnswersWithTheDefault() {
        TMessages::SetTestMode(false);
        TMessages::SetConsoleMode(true);
        QVERIFY(TMessages::Ask(TAskKind::Confirm, QString(), QStringLiteral("Продолжить?")));
        QVERIFY(!TMessages::Ask(TAskKind::YesNoDefaultNo, QStringLiteral("Вопрос"),
                                QStringLiteral("Удалить?")));
        TMessages::ShowInfo(QStringLiteral("Готово"));
        QCOMPARE(TMessages::ExitStatus(), 0);
        TMessages::ShowError(QStringLiteral("Ошибка записи"));
        TMessages::NoteFailure(3);
        QCOMPARE(TMessages::ExitStatus(), 1);
        TMessages::SetConsoleMode(false);
        QCOMPARE(TMessages::ExitStatus(), 0);
    }
};

QTEST_MAIN(TBatchRunTest)
#include "batch_run_test.moc"
