#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "engine/core/game.h"
#include "engine/core/text_utils.h"
#include "gui/core/config_grids.h"
#include "gui/core/form_config.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

// Segments 1..9 repeating, so that a misplaced digit shows.
TConfigData ConfigWithSegments() {
    TConfigData config;
    for (int i = 0; i < MaxNumber; ++i)
        config.MatrixSegments[i] = static_cast<std::uint8_t>(i % 9 + 1);
    return config;
}

QString DecimalSeparatorText() {
    return QString(QLatin1Char(DecimalSeparator()));
}

QString MoneyText(TMoney value) {
    return QString::fromStdString(FormatFloat(static_cast<long double>(value) / MoneyScale, 2));
}

// Types into a cell the way a user does: open the editor, type, press Enter.
void TypeIntoCell(QTableWidget* grid, int row, int col, const QString& text) {
    grid->setCurrentCell(row, col);
    grid->editItem(grid->item(row, col));
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(row, col)));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // Enter commits through a queued call and the editor goes with deleteLater.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!grid->indexWidget(grid->model()->index(row, col)));
}

}  // namespace

class TFormConfigTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::EnableMessageTestMode(); }

    void SegmentRelayoutKeepsDigitsPerNumber() {
        const TConfigData config = ConfigWithSegments();
        TFormConfig form(config);
        TSegmentGrid* grid = form.SegmentGrid();
        QCOMPARE(grid->columnCount(), 6);
        QCOMPARE(grid->rowCount(), 6);
        form.MatrixColsEdit()->setValue(5);
        QCOMPARE(grid->columnCount(), 5);
        QCOMPARE(grid->rowCount(), 8);
        QCOMPARE(form.MatrixRowsBox()->text(), QStringLiteral("8"));
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int col = 0; col < 5; ++col) {
                const int number = CellNumber(col, row, 5);
                const QTableWidgetItem* cell = grid->item(row, col);
                if (number > MaxNumber) {
                    QVERIFY(cell->text().isEmpty());
                    QVERIFY(!(cell->flags() & (Qt::ItemIsSelectable | Qt::ItemIsEnabled)));
                } else {
                    QCOMPARE(cell->text(), QString::number(number % 9 == 0 ? 9 : number % 9));
                }
            }
        }
        form.MatrixColsEdit()->setValue(36);
        QCOMPARE(grid->rowCount(), 1);
        const TConfigData result = form.Result();
        QCOMPARE(result.MatrixCols, 36);
        QVERIFY(result.MatrixSegments == config.MatrixSegments);
    }

    void SegmentEditRules_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("error");
        QTest::newRow("two digits") << QStringLiteral("12") << QStringLiteral("1") << true;
        QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("1") << true;
        QTest::newRow("valid") << QStringLiteral("7") << QStringLiteral("7") << false;
        QTest::newRow("letters filtered") << QStringLiteral("x5") << QStringLiteral("5") << false;
        QTest::newRow("empty") << QString() << QString() << false;
    }

    void SegmentEditRules() {
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        QFETCH(bool, error);
        TFormConfig form(ConfigWithSegments());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        TSegmentGrid* grid = form.SegmentGrid();
        // Number 8 sits in column 1 of row 1 of the 6-column matrix.
        TypeIntoCell(grid, 1, 1, typed);
        QCOMPARE(grid->item(1, 1)->text(), cell);
        const QStringList shown = test::RecordedMessageTexts();
        if (error) {
            QCOMPARE(shown,
                     QStringList{QStringLiteral(
                                     "Некорректное значение: %1!\n\nУкажите любое число от 1 до 9")
                                     .arg(typed)});
        } else {
            QVERIFY(shown.isEmpty());
        }
        // An empty or reset cell counts as 1 on OK; the neighbours are untouched.
        const TConfigData result = form.Result();
        QCOMPARE(int(result.MatrixSegments[7]), cell == QStringLiteral("7")   ? 7
                                                : cell == QStringLiteral("5") ? 5
                                                                              : 1);
        QCOMPARE(int(result.MatrixSegments[6]), 7);
        QCOMPARE(int(result.MatrixSegments[8]), 9);
    }

    // With a real box, which takes the focus from the cell editor, the user sees one box and
    // the editor goes away safely.
    void SegmentErrorShownOnceWithRealBox() {
        TMessages::SetTestMode(false);
        int boxes = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&boxes] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                ++boxes;
                box->close();
            }
        });
        closer.start(20);
        TFormConfig form(ConfigWithSegments());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        TypeIntoCell(form.SegmentGrid(), 0, 2, QStringLiteral("0"));
        QTest::qWait(100);
        TMessages::SetTestMode(true);
        QCOMPARE(boxes, 1);
        QCOMPARE(form.SegmentGrid()->item(0, 2)->text(), QStringLiteral("1"));
    }

    void PrizeGridHasSixRows() {
        TConfigData config;
        for (int k = 0; k < 8; ++k) {
            config.Profits.push_back({static_cast<std::uint8_t>(k), (k + 1) * 12345LL});
        }
        TFormConfig form(config);
        TProfitGrid* grid = form.ProfitGrid();
        QCOMPARE(grid->rowCount(), 6);
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(grid->item(row, 0)->text(), QString::number(row));
            QCOMPARE(grid->item(row, 1)->text(), MoneyText((row + 1) * 12345LL));
        }
        const TConfigData result = form.Result();
        QCOMPARE(result.Profits.size(), std::size_t{6});
        for (std::size_t k = 0; k < 6; ++k) {
            QCOMPARE(int(result.Profits[k].Overlap), int(k));
            // Untouched rows keep the stored prize, not its two-decimal display.
            QCOMPARE(result.Profits[k].Profit, TMoney(k + 1) * 12345);
        }
    }

    void PrizeGridEditsAndShortTable() {
        TConfigData config;
        config.Profits = {{3, 20000}, {7, 10000}};
        TFormConfig form(config);
        TProfitGrid* grid = form.ProfitGrid();
        QCOMPARE(grid->item(1, 1)->text(), MoneyText(10000));
        QCOMPARE(grid->item(5, 1)->text(), MoneyText(0));
        const QString sep = DecimalSeparatorText();
        grid->item(2, 1)->setText(QStringLiteral("12") + sep + QStringLiteral("5"));
        grid->item(3, 1)->setText(sep + sep);
        const auto profits = form.Result().Profits;
        QCOMPARE(profits.size(), std::size_t{6});
        QCOMPARE(int(profits[0].Overlap), 0);
        QCOMPARE(profits[0].Profit, TMoney(20000));
        QCOMPARE(int(profits[1].Overlap), 1);
        QCOMPARE(profits[2].Profit, TMoney(125000));
        QCOMPARE(profits[3].Profit, TMoney(0));
        QCOMPARE(profits[5].Profit, TMoney(0));
    }

    void PrizeTypingAcceptsDigitsAndSeparatorOnly() {
        TFormConfig form(TConfigData{});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QString sep = DecimalSeparatorText();
        TypeIntoCell(form.ProfitGrid(), 4, 1, QStringLiteral("1a5-0") + sep + QStringLiteral("25"));
        QCOMPARE(form.ProfitGrid()->item(4, 1)->text(),
                 QStringLiteral("150") + sep + QStringLiteral("25"));
        QCOMPARE(form.Result().Profits[4].Profit, TMoney(1502500));
    }

    void CostAndPassThrough() {
        TConfigData config;
        config.Cost = 1234;  // 0.1234: more precise than the field shows
        config.MaxStake = 7;
        config.Weights = {0.12345L, -1.0L, 2.5L, true, false};
        TFormConfig form(config);
        QCOMPARE(form.CostEdit()->value(), 0.12);
        TConfigData result = form.Result();
        QCOMPARE(result.Cost, TMoney(1234));
        QVERIFY(result.Weights == config.Weights);
        QCOMPARE(result.MaxStake, 7);
        form.CostEdit()->setValue(0.5);
        form.ChannelSizeEdit()->setValue(1);
        result = form.Result();
        QCOMPARE(result.Cost, TMoney(5000));
        QCOMPARE(result.ChannelSize, 2);
        QCOMPARE(result.MaxStake, 7);
    }

    void PrizeRoundsHalfToEven_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("profit");
        QTest::newRow("half down to even") << QStringLiteral("0,00005") << qint64(0);
        QTest::newRow("half up to even") << QStringLiteral("0,00015") << qint64(2);
        QTest::newRow("above half") << QStringLiteral("0,000251") << qint64(3);
        QTest::newRow("point also read") << QStringLiteral("1.5") << qint64(15000);
        QTest::newRow("empty") << QString() << qint64(0);
    }

    void PrizeRoundsHalfToEven() {
        QFETCH(QString, typed);
        QFETCH(qint64, profit);
        TFormConfig form(TConfigData{});
        form.ProfitGrid()->item(2, 1)->setText(typed);
        QCOMPARE(qint64(form.Result().Profits[2].Profit), profit);
    }

    void Screenshot() {
        TConfigData config = ConfigWithSegments();
        config.Cost = 500000;
        config.Profits = {{0, 0},       {1, 0},         {2, 1000000},
                          {3, 5000000}, {4, 100000000}, {5, 12345678900LL}};
        TFormConfig form(config);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        test::SaveScreenshot(&form, QStringLiteral("form_config.png"));
        for (int cols : {5, 1, 36}) {
            form.MatrixColsEdit()->setValue(cols);
            QTest::qWait(20);
            test::SaveScreenshot(&form, QStringLiteral("form_config_%1.png").arg(cols));
        }
    }
};

QTEST_MAIN(TFormConfigTest)
#include "form_config_test.moc"
