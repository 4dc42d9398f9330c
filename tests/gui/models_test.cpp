// The list models of the desktop program on their own: each over a workspace built here on a
// temporary data directory, checked by QAbstractItemModelTester while the workspace's own
// operations change what it shows, and checked for the signals every change gives the views
// and for the cells, headers and roles the views paint.
#include <QAbstractItemModelTester>
#include <QColor>
#include <QPersistentModelIndex>
#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "engine/combs/generation.h"
#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/session/list_commands.h"
#include "engine/session/setup.h"
#include "engine/session/workspace.h"
#include "gui/combs/combs_model.h"
#include "gui/draws/draws_model.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/list_rows_model.h"
#include "gui/support/sortable_list.h"
#include "test_support.h"

using namespace mv;
using namespace mv::gui;
using namespace Qt::StringLiterals;

namespace {

using TTester = QAbstractItemModelTester;

// A workspace over a fresh data directory with recorded hooks.
struct TSession {
    mv::test::TTempDir Dir;
    mv::test::TRecordingHooks Hooks;
    TWorkspace Ws{TDataPaths{Dir.Path()}, Hooks};

    // The analysis settings and the method registry, as the program reads them at start.
    void LoadRegistry() {
        LoadAnalysisSettings(Ws);
        QVERIFY(!LoadMethodRegistry(Ws).has_value());
    }
};

TDrawRec Draw(int number, std::array<int, NumbersInDraw> nums, int extra, const char* date) {
    TDrawRec draw;
    draw.Number = number;
    for (std::size_t i = 0; i < nums.size(); ++i) draw.Nums[i] = static_cast<std::uint8_t>(nums[i]);
    draw.Extra = static_cast<std::uint8_t>(extra);
    draw.SetDate(date);
    return draw;
}

// What a model told its views since the last Take, one word per signal, grouped by kind:
// "reset", "data r0-r1 c0-c1", "insert r0-r1", "remove r0-r1", "layout", "header".
class TModelSignals {
public:
    explicit TModelSignals(QAbstractItemModel* model)
        : m_reset(model, &QAbstractItemModel::modelReset),
          m_data(model, &QAbstractItemModel::dataChanged),
          m_inserted(model, &QAbstractItemModel::rowsInserted),
          m_removed(model, &QAbstractItemModel::rowsRemoved),
          m_layout(model, &QAbstractItemModel::layoutChanged),
          m_header(model, &QAbstractItemModel::headerDataChanged) {}

    QStringList Take() {
        QStringList words;
        for (qsizetype i = 0; i < m_reset.count(); ++i) words << QStringLiteral("reset");
        for (const QList<QVariant>& args : std::as_const(m_data)) {
            const auto from = args[0].value<QModelIndex>();
            const auto to = args[1].value<QModelIndex>();
            words << QStringLiteral("data r%1-%2 c%3-%4")
                         .arg(from.row())
                         .arg(to.row())
                         .arg(from.column())
                         .arg(to.column());
        }
        for (const QList<QVariant>& args : std::as_const(m_inserted)) {
            words << QStringLiteral("insert r%1-%2").arg(args[1].toInt()).arg(args[2].toInt());
        }
        for (const QList<QVariant>& args : std::as_const(m_removed)) {
            words << QStringLiteral("remove r%1-%2").arg(args[1].toInt()).arg(args[2].toInt());
        }
        for (qsizetype i = 0; i < m_layout.count(); ++i) words << QStringLiteral("layout");
        for (qsizetype i = 0; i < m_header.count(); ++i) words << QStringLiteral("header");
        for (QSignalSpy* spy : {&m_reset, &m_data, &m_inserted, &m_removed, &m_layout, &m_header}) {
            spy->clear();
        }
        return words;
    }

private:
    QSignalSpy m_reset, m_data, m_inserted, m_removed, m_layout, m_header;
};

QString Text(const QAbstractItemModel& model, int row, int column) {
    return model.index(row, column).data().toString();
}

// The cells of a row from `first` to `last` joined by blanks, as a reader compares them.
QString RowText(const QAbstractItemModel& model, int row, int first, int last) {
    QStringList cells;
    for (int c = first; c <= last; ++c) cells << Text(model, row, c);
    return cells.join(u' ');
}

QColor ChannelQColor(int number, const TWorkspace& ws) {
    const TRgb c = ChannelColor(number, ws.Config().ChannelSize);
    return QColor(c.R, c.G, c.B);
}

// The combinations view's source: the working list of the workspace.
std::unique_ptr<TCombsModel> MakeCombsModel(TWorkspace& ws) {
    return std::make_unique<TCombsModel>(
        [&ws] {
            const auto& list = ws.Combs().CurrentList;
            return std::pair<const TComb*, std::size_t>(list.Data(), list.Count());
        },
        [&ws] { return ws.Config().ChannelSize; },
        QStringList{QStringLiteral("№ п.п."), QStringLiteral("1"), QStringLiteral("2"),
                    QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                    QStringLiteral("S")});
}

// The six combinations of my numbers 1..6, in generation order.
const char* const kMineCombs[] = {"1 2 3 4 5", "1 2 3 4 6", "1 2 3 5 6",
                                  "1 2 4 5 6", "1 3 4 5 6", "2 3 4 5 6"};

enum TListOp {
    opDeleteRows,
    opDeleteOutside,
    opUndoDelete,
    opPasteSameCount,
    opPasteFewer,
    opPasteBadLine,
    opGenerateMore,
};

}  // namespace

Q_DECLARE_METATYPE(TListOp)

class TModelsTest : public QObject {
    Q_OBJECT
private slots:
    // The draws list: newest draw on top, a reset when the archive changes, a repaint when
    // only the offset or the sorting does, and the offset row and channels in colour.
    void drawsModel() {
        TSession s;
        const QStringList captions = {
            QStringLiteral("Тираж"), QStringLiteral("1"), QStringLiteral("2"),
            QStringLiteral("3"),     QStringLiteral("4"), QStringLiteral("5"),
            QStringLiteral("E"),     QStringLiteral("S"), QStringLiteral("Дата тиража")};
        TDrawsModel model(s.Ws, captions);
        TTester tester(&model, TTester::FailureReportingMode::QtTest);
        TModelSignals told(&model);
        // The owner's rule: an archive change re-reads the rows, an offset or settings
        // change repaints them.
        TWorkspaceSubscription follow(s.Ws, [&model](TChanges c) {
            if (c & (chArchive | chOffset)) model.Refresh((c & chArchive) != 0);
            if (c & chSettings) model.Refresh(false);
        });
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 9);
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Тираж"));
        QCOMPARE(model.headerData(8, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Дата тиража"));

        s.Ws.ResetDraws({Draw(1, {5, 3, 1, 4, 2}, 7, "01.02.2024"),
                         Draw(2, {10, 20, 30, 36, 11}, 2, "05.02.2024")});
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(RowText(model, 0, 0, 8), QStringLiteral("2 10 20 30 36 11 2 107 05.02.2024"));
        QCOMPARE(RowText(model, 1, 0, 8), QStringLiteral("1 5 3 1 4 2 7 15 01.02.2024"));
        QCOMPARE(model.NumberAtRow(1), 1);
        QCOMPARE(model.NumberAtRow(2), 0);

        // A new draw goes on top of the list.
        s.Ws.StoreDraw(Draw(3, {33, 1, 17, 8, 25}, 3, "08.02.2024"));
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(RowText(model, 0, 0, 8), QStringLiteral("3 33 1 17 8 25 3 84 08.02.2024"));
        // Replacing a draw keeps the count and still re-reads every row.
        s.Ws.StoreDraw(Draw(3, {33, 1, 17, 8, 26}, 3, "08.02.2024"), 2);
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(Text(model, 0, TDrawsModel::ColSum), QStringLiteral("85"));

        const auto alignment = [&](int column) {
            return model.index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        };
        QCOMPARE(alignment(TDrawsModel::ColNumber), Qt::AlignCenter);
        QCOMPARE(alignment(TDrawsModel::ColFirstNum), Qt::AlignCenter);
        QCOMPARE(alignment(TDrawsModel::ColDate), Qt::AlignLeft | Qt::AlignVCenter);

        // The offset row is highlighted; the numbers keep their channel colours there.
        const auto background = [&](int row, int column) {
            return model.index(row, column).data(Qt::BackgroundRole);
        };
        const QColor highlight(255, 170, 170);
        QVERIFY(s.Ws.SetDrawsOffset(1));
        QCOMPARE(told.Take(), QStringList{u"data r0-2 c0-8"_s});
        QCOMPARE(background(1, TDrawsModel::ColNumber).value<QColor>(), highlight);
        QCOMPARE(background(1, TDrawsModel::ColSum).value<QColor>(), highlight);
        QCOMPARE(background(1, TDrawsModel::ColFirstNum).value<QColor>(), ChannelQColor(10, s.Ws));
        QVERIFY(!background(0, TDrawsModel::ColNumber).isValid());
        QCOMPARE(background(0, TDrawsModel::ColSum).value<QColor>(), QColor(Qt::white));
        QCOMPARE(model.index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));

        // Sorted draws: the cells and their colours show the numbers ascending.
        s.Ws.SetSortedDraws(true);
        QCOMPARE(told.Take(), QStringList{u"data r0-2 c0-8"_s});
        QCOMPARE(RowText(model, 2, 1, 5), QStringLiteral("1 2 3 4 5"));
        QCOMPARE(background(2, TDrawsModel::ColFirstNum).value<QColor>(), ChannelQColor(1, s.Ws));
        QCOMPARE(model.NumberAtRow(2), 1);

        // Without channel colours only the offset row keeps a background.
        model.SetChannelColours(false);
        QCOMPARE(told.Take(), QStringList{u"data r0-2 c0-8"_s});
        QVERIFY(!background(0, TDrawsModel::ColFirstNum).isValid());
        QVERIFY(!background(0, TDrawsModel::ColSum).isValid());
        QCOMPARE(background(1, TDrawsModel::ColFirstNum).value<QColor>(), highlight);

        // Deleting draws: fewer rows, the offset clamped inside the archive.
        s.Ws.DeleteDraws({3, 2});
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(told.Take().contains(QStringLiteral("reset")));
        QCOMPARE(Text(model, 0, TDrawsModel::ColNumber), QStringLiteral("1"));
        QCOMPARE(s.Ws.DrawsOffset(), 0);
        // An unknown number changes nothing, but the view is still told to re-read.
        QVERIFY_THROWS_EXCEPTION(EError, s.Ws.DeleteDraws({99}));
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(model.rowCount(), 1);

        s.Ws.ResetDraws({});
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(model.rowCount(), 0);
        // Nothing to repaint in an empty list.
        model.Refresh(false);
        QCOMPARE(told.Take(), QStringList{});
    }

    // The combinations list: row numbers, the numbers in stored order and their sum, the
    // channel colours, and a forced refresh.
    void combsModel() {
        TSession s;
        auto model = MakeCombsModel(s.Ws);
        TTester tester(model.get(), TTester::FailureReportingMode::QtTest);
        TModelSignals told(model.get());
        TWorkspaceSubscription follow(s.Ws, [&model](TChanges c) {
            if (c & (chList | chSettings)) model->Refresh(false);
        });
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(model->columnCount(), 7);
        QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("№ п.п."));
        QCOMPARE(model->headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("S"));

        QCOMPARE(PasteCombinations(s.Ws, "7 3 36 1 2\n4 5 6 7 8\n"), std::size_t{2});
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(RowText(*model, 0, 0, 6), QStringLiteral("1 7 3 36 1 2 49"));
        QCOMPARE(RowText(*model, 1, 0, 6), QStringLiteral("2 4 5 6 7 8 30"));
        QCOMPARE(model->index(1, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignCenter);

        const auto background = [&](int row, int column) {
            return model->index(row, column).data(Qt::BackgroundRole);
        };
        QVERIFY(!background(0, 0).isValid());
        QCOMPARE(background(0, 3).value<QColor>(), ChannelQColor(36, s.Ws));
        QCOMPARE(background(0, 6).value<QColor>(), QColor(Qt::white));
        QCOMPARE(model->index(0, 6).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
        model->SetChannelColours(false);
        QCOMPARE(told.Take(), QStringList{u"data r0-1 c0-6"_s});
        QVERIFY(!background(0, 3).isValid());
        QVERIFY(!background(0, 6).isValid());

        // A forced refresh re-reads the rows even when their count stayed.
        model->Refresh(true);
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(model->rowCount(), 2);
    }

    // Every list command: a reset when the count changes, a repaint of all rows when it
    // stays, and the rows showing the list afterwards.
    void combsModelFollowsListCommands_data() {
        QTest::addColumn<TListOp>("op");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        const QStringList reset{u"reset"_s};
        const QStringList repaint{u"data r0-5 c0-6"_s};
        QTest::newRow("delete selected rows")
            << opDeleteRows << reset << 4 << u"1 1 2 3 4 6 16"_s << u"4 1 3 4 5 6 19"_s;
        QTest::newRow("delete rows outside the list")
            << opDeleteOutside << repaint << 6 << u"1 1 2 3 4 5 15"_s << u"6 2 3 4 5 6 20"_s;
        QTest::newRow("undo a delete")
            << opUndoDelete << reset << 6 << u"1 1 2 3 4 5 15"_s << u"6 2 3 4 5 6 20"_s;
        QTest::newRow("paste as many")
            << opPasteSameCount << repaint << 6 << u"1 36 35 34 33 32 170"_s << u"6 6 5 4 3 2 20"_s;
        QTest::newRow("paste fewer")
            << opPasteFewer << reset << 1 << u"1 9 8 7 6 5 35"_s << u"1 9 8 7 6 5 35"_s;
        QTest::newRow("paste a bad line")
            << opPasteBadLine << repaint << 6 << u"1 1 2 3 4 5 15"_s << u"6 2 3 4 5 6 20"_s;
        QTest::newRow("generate anew")
            << opGenerateMore << reset << 21 << u"1 1 2 3 4 5 15"_s << u"21 3 4 5 6 7 25"_s;
    }

    void combsModelFollowsListCommands() {
        QFETCH(TListOp, op);
        TSession s;
        auto model = MakeCombsModel(s.Ws);
        TTester tester(model.get(), TTester::FailureReportingMode::QtTest);
        TWorkspaceSubscription follow(s.Ws, [&model](TChanges c) {
            if (c & (chList | chSettings)) model->Refresh(false);
        });
        QVERIFY(GenerateCombinations(s.Ws, gmOnlyMine, "1,2,3,4,5,6"));
        QCOMPARE(model->rowCount(), 6);
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(RowText(*model, row, 1, 5), QString::fromLatin1(kMineCombs[row]));
        }

        if (op == opUndoDelete) DeleteSelectedCombinations(s.Ws, {2, 3});
        TModelSignals told(model.get());
        switch (op) {
            case opDeleteRows:
                DeleteSelectedCombinations(s.Ws, {5, 0});
                break;
            case opDeleteOutside:
                DeleteSelectedCombinations(s.Ws, {6, 100});
                break;
            case opUndoDelete:
                UndoCombinations(s.Ws);
                break;
            case opPasteSameCount:
                PasteCombinations(s.Ws,
                                  "36 35 34 33 32\n1 2 3 4 5\n1 2 3 4 5\n"
                                  "1 2 3 4 5\n1 2 3 4 5\n6 5 4 3 2\n");
                break;
            case opPasteFewer:
                PasteCombinations(s.Ws, "9 8 7 6 5");
                break;
            case opPasteBadLine:
                QVERIFY_THROWS_EXCEPTION(EError, PasteCombinations(s.Ws, "9 8 7 6 5\nнет"));
                break;
            case opGenerateMore:
                GenerateCombinations(s.Ws, gmOnlyMine, "1,2,3,4,5,6,7");
                break;
        }
        QFETCH(QStringList, expected);
        QFETCH(int, rows);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QCOMPARE(told.Take(), expected);
        QCOMPARE(model->rowCount(), rows);
        QCOMPARE(RowText(*model, 0, 0, 6), first);
        QCOMPARE(RowText(*model, rows - 1, 0, 6), last);
    }

    // The statistics table: recomputing refills the rows and sorts them by the chosen column;
    // a new sort keeps the selection with its rows; each row carries its table position.
    void statsTableModel() {
        TSession s;
        s.LoadRegistry();
        s.Ws.ResetDraws({Draw(1, {1, 2, 3, 4, 5}, 1, "01.02.2024"),
                         Draw(2, {1, 2, 3, 4, 6}, 1, "02.02.2024"),
                         Draw(3, {1, 2, 7, 8, 9}, 1, "03.02.2024")});
        TStatsTab tab(s.Ws);
        TListRowsModel& rows = *tab.Rows();
        TTester tester(&rows, TTester::FailureReportingMode::QtTest);
        TModelSignals told(&rows);
        tab.FillMethods();
        QVERIFY(tab.ChooseMethod(QStringLiteral("NUMS")));
        QCOMPARE(rows.columnCount(), StatColumnCount);
        QCOMPARE(rows.headerData(scValue, Qt::Horizontal).toString(), QStringLiteral("Значение"));
        QCOMPARE(rows.headerData(scCount, Qt::Horizontal).toString(), QStringLiteral("Количество"));
        QCOMPARE(
            rows.headerData(scCount, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
            Qt::AlignRight | Qt::AlignVCenter);

        tab.Compute();
        QCOMPARE(told.Take(), (QStringList{u"reset"_s, u"layout"_s}));
        QCOMPARE(rows.rowCount(), 36);
        QCOMPARE(Text(rows, 0, scValue), QStringLiteral("1"));
        QCOMPARE(Text(rows, 0, scCount), QStringLiteral("3"));
        QCOMPARE(Text(rows, 35, scValue), QStringLiteral("36"));
        QCOMPARE(Text(rows, 35, scCount), QStringLiteral("0"));
        QCOMPARE(rows.index(0, scValue).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(rows.index(0, scCount).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignVCenter);

        // Sorting by the count, largest first: a layout change, and the row of value 5 (and
        // the view's selection on it) moves with its row.
        tab.List()->selectionModel()->select(
            rows.index(4, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        const QPersistentModelIndex five = rows.index(4, scCount);
        tab.List()->SetSortDirection(sdDescending);
        tab.List()->SetSortColumn(scCount);
        QCOMPARE(told.Take(), (QStringList{u"layout"_s, u"layout"_s}));
        QCOMPARE(rows.rowCount(), 36);
        QStringList top;
        for (int row = 0; row < 4; ++row)
            top << Text(rows, row, scValue) + u'=' + Text(rows, row, scCount);
        QCOMPARE(top, (QStringList{u"2=3"_s, u"1=3"_s, u"4=2"_s, u"3=2"_s}));
        QVERIFY(five.isValid());
        QCOMPARE(Text(rows, five.row(), scValue), QStringLiteral("5"));
        QCOMPARE(tab.SelectedTableRows(), std::vector<std::size_t>{4});
        // Each row keeps its position in the computed table, whatever the order shown.
        for (const int row : {0, 5, 35}) {
            const int position = rows.index(row, scCount).data(TListRowsModel::DataRole).toInt();
            QCOMPARE(Text(rows, row, scValue),
                     QString::fromStdString(
                         tab.Table().Rows[static_cast<std::size_t>(position)].Texts[scValue]));
        }

        // A new draw recomputes the table: the rows are refilled and the order shown stays.
        s.Ws.StoreDraw(Draw(4, {1, 10, 11, 12, 13}, 1, "04.02.2024"));
        tab.Compute();
        QCOMPARE(told.Take(), (QStringList{u"reset"_s, u"layout"_s}));
        QCOMPARE(Text(rows, 0, scValue) + u'=' + Text(rows, 0, scCount), QStringLiteral("1=4"));
        QCOMPARE(Text(rows, 1, scValue) + u'=' + Text(rows, 1, scCount), QStringLiteral("2=3"));
    }

    // The scenario list: one row per line with its normalised cells, re-read after every
    // change of the scenario (a failed one included).
    void scriptModel() {
        TSession s;
        s.LoadRegistry();
        TScriptModel model(s.Ws);
        TTester tester(&model, TTester::FailureReportingMode::QtTest);
        TModelSignals told(&model);
        TWorkspaceSubscription follow(s.Ws, [&model](TChanges c) {
            if (c & chScenario) model.Refresh();
        });
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 9);
        const auto header = [&](int section) {
            return model.headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        };
        QCOMPARE(header(0), QStringLiteral("Комментарии"));
        QCOMPARE(header(1), QStringLiteral("Опции"));
        QCOMPARE(header(8), QStringLiteral("Фильтр 7"));

        s.Ws.EditScript([](TCurrentScript& script) {
            return script.AppendLine("excl:5#first#nex|tsd1#nums:10#cmv:5#sc| | | | | | |проба");
        });
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(Text(model, 0, 0), QStringLiteral("проба"));
        QCOMPARE(Text(model, 0, 1),
                 QStringLiteral("Исключить 5 тиражей; Первая; Только новые ставки"));
        QCOMPARE(Text(model, 0, 2), QStringLiteral("TSD1#NUMS:10#CMV:5#SC:1"));
        QCOMPARE(Text(model, 0, 3), QString());
        QVERIFY(!model.index(0, 2).data(Qt::TextAlignmentRole).isValid());

        // A separator shows as an empty row; moving and replacing lines re-reads them all.
        s.Ws.EditScript([](TCurrentScript& script) { return script.AppendLine(""); });
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(RowText(model, 1, 0, 8).trimmed(), QString());
        s.Ws.EditScript([](TCurrentScript& script) { return script.MoveDown(0); });
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(Text(model, 0, 1), QString());
        QCOMPARE(Text(model, 1, 0), QStringLiteral("проба"));
        s.Ws.EditScript([](TCurrentScript& script) {
            script.ReplaceLine(0, "FULL:0#FIRST|TSD1#EVEN:10#LNO:#SF:1| | | | | | |другая");
        });
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(Text(model, 0, 0), QStringLiteral("другая"));
        QCOMPARE(Text(model, 0, 2), QStringLiteral("TSD1#EVEN:10#LNO:#SF:1"));

        // A refused edit changes nothing, and the view is told so.
        QVERIFY_THROWS_EXCEPTION(EError, s.Ws.EditScript([](TCurrentScript& script) {
            script.ReplaceLine(5, "FULL:0#FIRST");
        }));
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(model.rowCount(), 2);

        s.Ws.EditScript([](TCurrentScript& script) { script.DeleteLines({1, 0}); });
        QCOMPARE(told.Take(), QStringList{u"reset"_s});
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_MAIN(TModelsTest)
#include "models_test.moc"
