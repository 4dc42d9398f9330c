#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <initializer_list>

#include "engine/core/errors.h"
#include "engine/support/busy.h"
#include "gui/support/list_helpers.h"
#include "gui/support/sortable_list.h"
#include "gui/support/window_settings.h"
#include "gui_test_support.h"

using namespace mv::gui;
using namespace Qt::StringLiterals;

namespace {

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList result;
    for (const char* text : texts) result << QString::fromUtf8(text);
    return result;
}

struct TRecord {
    std::int32_t Id = 0;
    double Value = 0;
};

// A list holding its rows, shown in a sortable view: rows "caption|sub1|sub2...".
struct TSample {
    TListRowsModel Rows;
    TSortableListView View;

    TSample(std::initializer_list<const char*> rows,
            std::initializer_list<const char*> columns = {"Имя", "Значение", "Ещё"})
        : TSample(Texts(rows), Texts(columns)) {}

    TSample(const QStringList& rows, const QStringList& columns) {
        Rows.SetColumns(columns);
        for (const QString& text : rows) {
            const QStringList cells = text.split(u'|');
            Rows.AppendRow(TListRow{cells.front(), cells.mid(1), QVariant(), Qt::Unchecked});
        }
        View.setModel(&Rows);
    }

    QStringList Captions() const {
        QStringList captions;
        for (int row = 0; row < Rows.Count(); ++row) captions << Rows.Row(row).Caption;
        return captions;
    }

    void ClickHeader(int column) {
        QHeaderView* header = View.header();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
};

void CheckRows(TListRowsModel& rows, const QList<bool>& checked) {
    for (qsizetype row = 0; row < checked.size(); ++row) {
        rows.SetChecked(static_cast<int>(row), checked[row]);
    }
}

}  // namespace

class TSortableListTest : public QObject {
    Q_OBJECT

private slots:
    void SortsByColumn_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QStringList>("expected");

        // The cells would sort the other way as plain texts.
        QTest::newRow("10 and 9 are numbers")
            << Texts({"a|10", "b|9"}) << 1 << false << Texts({"b", "a"});
        QTest::newRow("first comma is a decimal point")
            << Texts({"a|1,5", "b|1.25", "c|-3"}) << 1 << false << Texts({"c", "b", "a"});
        // As a number "1,5,7" would be 1.5 and follow 1.4; as a text "," precedes ".".
        QTest::newRow("1,5,7 is a text")
            << Texts({"b|1.4", "a|1,5,7"}) << 1 << false << Texts({"a", "b"});
        QTest::newRow("number and word compare as texts")
            << Texts({"w|abc", "n|12"}) << 1 << false << Texts({"n", "w"});
        QTest::newRow("case is ignored")
            << Texts({"y|B", "x|a"}) << 1 << false << Texts({"x", "y"});
        QTest::newRow("equal cells fall back to captions")
            << Texts({"c|5", "a|5,0", "d|4", "b|5"}) << 1 << false << Texts({"d", "a", "b", "c"});
        QTest::newRow("descending inverts the fallback too")
            << Texts({"c|5", "a|5,0", "d|4", "b|5"}) << 1 << true << Texts({"c", "b", "a", "d"});
        QTest::newRow("captions") << Texts({"10|x", "9|y", "Б|z", "а|w"}) << 0 << false
                                  << Texts({"9", "10", "а", "Б"});
        QTest::newRow("missing sub-item sorts by captions")
            << Texts({"b|1|9", "c|1", "a|1|5"}) << 2 << false << Texts({"a", "b", "c"});
        QTest::newRow("-1 keeps the present order")
            << Texts({"b|2", "c|1", "a|3"}) << -1 << false << Texts({"b", "c", "a"});
    }

    void SortsByColumn() {
        QFETCH(QStringList, rows);
        QFETCH(int, column);
        QFETCH(bool, descending);
        QFETCH(QStringList, expected);
        TSample list(rows, Texts({"Имя", "Значение", "Ещё"}));
        list.View.SetSortColumn(column);
        list.View.SetSortDirection(descending ? sdDescending : sdAscending);
        QVERIFY(list.View.Sort());
        QCOMPARE(list.Captions(), expected);
    }

    void CompareCellTextsGivesSign() {
        QCOMPARE(CompareCellTexts(u"10"_s, u"9"_s), 1);
        QCOMPARE(CompareCellTexts(u"9"_s, u"10"_s), -1);
        QCOMPARE(CompareCellTexts(u" 5 "_s, u"5,0"_s), 0);
        QCOMPARE(CompareCellTexts(u"abc"_s, u"ABC"_s), 0);
        QCOMPARE(CompareCellTexts(u"abd"_s, u"ABC"_s), 1);
        QCOMPARE(CompareCellTexts(u"1 000"_s, u"999"_s), -1);  // no group separators: a text
        QCOMPARE(CompareCellTexts(u"nan"_s, u"5"_s), 1);       // not a number either
    }

    void OnCompareHasTheLastWord() {
        TSample list({"a|1", "b|2", "c|3"});
        int calls = 0;
        list.View.OnCompare = [&](const TListRow&, const TListRow&, int column, int& result) {
            ++calls;
            QCOMPARE(column, 1);
            result = -result;
        };
        list.View.SetSortColumn(1);
        QVERIFY(calls > 0);
        QCOMPARE(list.Captions(), (Texts({"c", "b", "a"})));
    }

    void InconsistentComparisonKeepsEveryRow() {
        QStringList rows;
        for (int row = 0; row < 300; ++row) rows << QString::number(row);
        TSample list(rows, Texts({"Имя"}));
        unsigned seed = 12345;
        list.View.OnCompare = [&](const TListRow&, const TListRow&, int, int& result) {
            seed = seed * 1103515245u + 12345u;  // any answer, also contradicting itself
            result = static_cast<int>(seed >> 16) % 3 - 1;
        };
        list.View.SetSortDirection(sdDescending);
        QStringList sorted = list.Captions();
        QCOMPARE(sorted.size(), rows.size());
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
        QCOMPARE(sorted, rows);
    }

    void HeaderClicksSortAndInvert() {
        TSample list({"a|2|x", "b|3|z", "c|1|y"});
        list.View.resize(400, 200);
        list.View.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list.View));
        QStringList orderAtSignal;
        connect(&list.View, &TSortableListView::ColumnClicked, this,
                [&](int) { orderAtSignal = list.Captions(); });
        QSignalSpy clicked(&list.View, &TSortableListView::ColumnClicked);

        list.ClickHeader(1);
        QCOMPARE(list.View.SortColumn(), 1);
        QCOMPARE(list.View.SortDirection(), sdAscending);
        QCOMPARE(list.Captions(), (Texts({"c", "a", "b"})));
        QCOMPARE(orderAtSignal, list.Captions());  // handlers see the sorted list
        QCOMPARE(list.View.header()->sortIndicatorSection(), 1);
        QCOMPARE(list.View.header()->sortIndicatorOrder(), Qt::AscendingOrder);

        list.ClickHeader(1);
        QCOMPARE(list.View.SortDirection(), sdDescending);
        QCOMPARE(list.Captions(), (Texts({"b", "a", "c"})));
        QCOMPARE(list.View.header()->sortIndicatorOrder(), Qt::DescendingOrder);

        list.ClickHeader(2);
        QCOMPARE(list.View.SortColumn(), 2);
        QCOMPARE(list.View.SortDirection(), sdAscending);
        QCOMPARE(list.Captions(), (Texts({"a", "c", "b"})));
        QCOMPARE(clicked.count(), 3);
        QCOMPARE(clicked.at(2).at(0).toInt(), 2);
    }

    void BadSortColumnFails() {
        TSample list({"a|1", "b|2"});
        for (const int column : {3, -2}) {
            try {
                list.View.SetSortColumn(column);
                QFAIL("an invalid sort column was accepted");
            } catch (const mv::EError& e) {
                QCOMPARE(QString::fromUtf8(e.what()),
                         QStringLiteral("Некорректное занчение номера столбца сортировки (%1)")
                             .arg(column));
            }
        }
        QCOMPARE(list.View.SortColumn(), 0);
        list.View.SetSortColumn(2);  // the last column is fine
        QCOMPARE(list.View.SortColumn(), 2);
    }

    void DeleteSelectedSelectsTheNextRow() {
        TSample list({"a", "b", "c", "d", "e"});
        list.View.setSelectionMode(QAbstractItemView::ExtendedSelection);
        SelectRow(list.View, 4);  // the last row: its predecessor becomes the selection
        list.View.DeleteSelected();
        QCOMPARE(list.Captions(), (Texts({"a", "b", "c", "d"})));
        QCOMPARE(SelectedRows(list.View), QList<int>{3});

        SelectRow(list.View, 1);  // a middle row: the row that takes its place
        list.View.DeleteSelected();
        QCOMPARE(list.Captions(), (Texts({"a", "c", "d"})));
        QCOMPARE(SelectedRows(list.View), QList<int>{1});

        // Several rows: the first selected one decides.
        SelectRow(list.View, 0);
        list.View.selectionModel()->select(list.Rows.index(2, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        list.View.DeleteSelected();
        QCOMPARE(list.Captions(), Texts({"c"}));
        QCOMPARE(SelectedRows(list.View), QList<int>{0});

        list.View.selectionModel()->clearSelection();
        list.View.DeleteSelected();
        QCOMPARE(list.Captions(), Texts({"c"}));
        SelectRow(list.View, 0);
        list.View.DeleteSelected();  // the only row: nothing left to select
        QCOMPARE(list.Rows.Count(), 0);
        QVERIFY(SelectedRows(list.View).isEmpty());
    }

    void CheckedRowsMoveToTop() {
        TSample list({"a", "b", "c", "d", "e", "f"});
        list.Rows.SetCheckable(true);
        CheckRows(list.Rows, {false, true, false, true, false, true});
        QCOMPARE(LastLeadingChecked(list.Rows), -1);
        SelectRow(list.View, 3);
        CheckedRowsToTop(list.View);
        QCOMPARE(list.Captions(), (Texts({"b", "d", "f", "a", "c", "e"})));
        QCOMPARE(LastLeadingChecked(list.Rows), 2);
        QCOMPARE(SelectedRows(list.View), QList<int>{1});
        QCOMPARE(list.View.currentIndex().row(), 1);
        QVERIFY(list.View.updatesEnabled());

        // A leading run stays; only the rows below it move.
        CheckRows(list.Rows, {true, false, false, false, true, false});
        SelectRow(list.View, 2);
        CheckedRowsToTop(list.View);
        QCOMPARE(list.Captions(), (Texts({"b", "c", "d", "f", "a", "e"})));
        QCOMPARE(SelectedRows(list.View), QList<int>{3});
    }

    void MoveSelectedAndMoveRow() {
        TSample list({"a", "b", "c"});
        for (int row = 0; row < 3; ++row) {
            TListRow value = list.Rows.Row(row);
            value.Data = RowData(TRecord{row + 10, 0.5});
            list.Rows.SetRow(row, value);
        }
        SelectRow(list.View, 1);
        MoveSelectedUp(list.View);
        QCOMPARE(list.Captions(), (Texts({"b", "a", "c"})));
        QCOMPARE(SelectedRow(list.View), 0);
        QCOMPARE(RowId(list.Rows, 0), 11);  // the record went with its row
        MoveSelectedUp(list.View);
        QCOMPARE(list.Captions(), (Texts({"b", "a", "c"})));
        SelectRow(list.View, 1);
        MoveSelectedDown(list.View);
        QCOMPARE(list.Captions(), (Texts({"b", "c", "a"})));
        QCOMPARE(SelectedRow(list.View), 2);
        MoveSelectedDown(list.View);
        QCOMPARE(list.Captions(), (Texts({"b", "c", "a"})));

        // MoveRow puts the row before the one at index and returns where it landed.
        QCOMPARE(MoveRow(list.Rows, 0, 2), 1);
        QCOMPARE(list.Captions(), (Texts({"c", "b", "a"})));
        QCOMPARE(MoveRow(list.Rows, 0, 99), 2);
        QCOMPARE(list.Captions(), (Texts({"b", "a", "c"})));
        QCOMPARE(SelectedRow(list.View), 1);  // the selection stayed with "a"
        QCOMPARE(MoveRow(list.Rows, 0, -1), -1);
        QCOMPARE(MoveRow(list.Rows, 5, 0), -1);
        QCOMPARE(list.Captions(), (Texts({"b", "a", "c"})));
    }

    void FindsRowsById() {
        TSample list({"a", "b", "c", "d"});
        const int ids[] = {7, -5, 7};
        for (int row = 0; row < 3; ++row) {
            TListRow value = list.Rows.Row(row);
            value.Data = RowData(TRecord{ids[row], 1.0});
            list.Rows.SetRow(row, value);
        }
        QCOMPARE(FindRowById(list.Rows, 7), 0);
        QCOMPARE(FindRowById(list.Rows, -5), 1);
        QCOMPARE(FindRowById(list.Rows, 8), -1);
        QCOMPARE(RowId(list.Rows, 3), -1);  // no record
        QCOMPARE(RowId(list.Rows, 4), -1);  // no row
        QCOMPARE(FindRowById(list.Rows, -1), 3);
        QCOMPARE(RecordId(QVariant::fromValue(std::int32_t{42})), 42);
        QCOMPARE(RecordId(QVariant::fromValue(char{1})), -1);  // too small to hold an id
        QCOMPARE(RecordId(list.Rows.TakeData(0)), 7);
        QCOMPARE(RowId(list.Rows, 0), -1);  // its record was taken
    }

    void OwnerSortsRowsSuppliedOnDemand() {
        QStandardItemModel model(3, 2);
        TSortableListView view;
        view.setModel(&model);
        view.resize(300, 150);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(!view.Sort());  // nobody to sort

        QList<QPair<int, TSortDirection>> calls;
        bool busyInside = false;
        view.OnOwnerSort = [&](TSortableListView& sender, int column, TSortDirection direction) {
            QCOMPARE(&sender, &view);
            busyInside = !mv::IsIdle() && QApplication::overrideCursor() != nullptr;
            calls.append({column, direction});
        };
        QVERIFY(view.Sort());
        QVERIFY(busyInside);
        QVERIFY(mv::IsIdle());
        QVERIFY(!QApplication::overrideCursor());
        view.SetSortColumn(1);
        view.SetSortDirection(sdDescending);
        QHeaderView* header = view.header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
        const QList<QPair<int, TSortDirection>> expected{
            {0, sdAscending}, {1, sdAscending}, {1, sdDescending}, {0, sdAscending}};
        QCOMPARE(calls, expected);
    }

    void FailingSortIsShownNotThrown() {
        mv::gui::test::EnableMessageTestMode();
        TSample list({"a|1", "b|2"});
        list.View.OnCompare = [](const TListRow&, const TListRow&, int, int&) {
            throw mv::EError("сбой сравнения");
        };
        QSignalSpy clicked(&list.View, &TSortableListView::ColumnClicked);
        list.View.resize(300, 150);
        list.View.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list.View));
        list.ClickHeader(1);
        QCOMPARE(mv::gui::test::LastMessageText(), QStringLiteral("сбой сравнения"));
        QCOMPARE(clicked.count(), 0);
        QVERIFY(mv::IsIdle());
    }

    void StoresSortStateAndWidths() {
        QTemporaryDir dir;
        mv::TWindowSettings settings(dir.filePath(u"Marvolet_5z36.frm"_s).toStdString());
        {
            TSample list({"a|2", "b|1"});
            list.View.SetSortColumn(1);
            list.View.SetSortDirection(sdDescending);
            list.View.header()->resizeSection(0, 77);
            list.View.header()->resizeSection(2, 55);
            list.View.SaveSortState(settings, "TFormTest", "lvTest");
            list.View.SaveColumnWidths(settings, "TFormTest", "lvTest");
        }
        QVERIFY(settings.ReadSortType("TFormTest", "lvTest") == (mv::TSortState{1, 1}));
        TSample list({"a|1", "b|3", "c|2"});
        list.View.RestoreSortState(settings, "TFormTest", "lvTest");
        list.View.RestoreColumnWidths(settings, "TFormTest", "lvTest");
        QCOMPARE(list.View.SortColumn(), 1);
        QCOMPARE(list.View.SortDirection(), sdDescending);
        QCOMPARE(list.Captions(), (Texts({"b", "c", "a"})));
        QCOMPARE(list.View.header()->sectionSize(0), 77);
        QCOMPARE(list.View.header()->sectionSize(2), 55);

        // A stored state that does not fit the list keeps the present one.
        settings.WriteSortType("TFormTest", "lvOther", mv::TSortState{5, 0});
        settings.WriteSortType("TFormTest", "lvThird", mv::TSortState{0, 7});
        list.View.RestoreSortState(settings, "TFormTest", "lvOther");
        list.View.RestoreSortState(settings, "TFormTest", "lvThird");
        QCOMPARE(list.View.SortColumn(), 1);
        QCOMPARE(list.View.SortDirection(), sdDescending);
    }

    void ScrollIntoViewShowsTheRow() {
        QStringList rows;
        for (int row = 0; row < 100; ++row) rows << QString::number(row);
        TSample list(rows, Texts({"Имя"}));
        list.View.resize(200, 150);
        list.View.header()->resizeSection(0, 400);
        list.View.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list.View));
        list.View.horizontalScrollBar()->setValue(30);
        const auto fullyVisible = [&](int row) {
            const QRect cell = list.View.visualRect(list.Rows.index(row, 0));
            return cell.top() >= 0 && cell.bottom() < list.View.viewport()->height();
        };
        QVERIFY(!fullyVisible(80));
        ScrollIntoView(list.View, 80);
        QVERIFY(fullyVisible(80));
        QVERIFY(!fullyVisible(60));  // scrolled no further than needed
        QCOMPARE(list.View.horizontalScrollBar()->value(), 30);
        SelectRow(list.View, 3);
        ScrollSelectedIntoView(list.View);
        QVERIFY(fullyVisible(3));
        QVERIFY(!fullyVisible(80));
    }

    void ModelPassesTheModelTester() {
        TListRowsModel rows;
        QAbstractItemModelTester tester(&rows,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        rows.SetColumns(Texts({"Имя", "Значение"}));
        rows.SetCheckable(true);
        rows.AppendRow({u"b"_s, {u"2"_s}, QVariant(), Qt::Unchecked});
        rows.AppendRow({u"a"_s, {u"1"_s}, RowData(TRecord{3, 0}), Qt::Checked});
        rows.InsertRow(-4, {u"c"_s, {}, QVariant(), Qt::Unchecked});
        rows.SwapRows(0, 2);
        QVERIFY(rows.setData(rows.index(1, 0), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(!rows.setData(rows.index(1, 1), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(rows.data(rows.index(1, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(rows.data(rows.index(0, 1)).toString(), u"1"_s);
        QCOMPARE(rows.data(rows.index(2, 1)).toString(), QString());  // no sub-item
        QVERIFY(rows.flags(rows.index(0, 0)).testFlag(Qt::ItemIsUserCheckable));
        QVERIFY(!rows.flags(rows.index(0, 0)).testFlag(Qt::ItemIsEditable));
        QCOMPARE(MoveRow(rows, 2, 0), 0);
        rows.SortRows([](const TListRow& a, const TListRow& b) {
            return CompareCellTexts(a.Caption, b.Caption);
        });
        QCOMPARE(rows.Row(0).Caption, u"a"_s);
        rows.RemoveRows({2, 0, 0, 9});
        QCOMPARE(rows.Count(), 1);
        rows.SetColumns(Texts({"Один", "Два", "Три"}));
        rows.Clear();
        QCOMPARE(rows.rowCount(), 0);
    }

    void SampleListPicture() {
        TSample list({"Система 5 из 7|21|1 250,50|Полная", "Система 5 из 8|56|3 100|Полная",
                      "Система 5 из 6|6|360|Сокращённая", "Ряд 12|10|600|Полная"},
                     {"Название", "Ставок", "Стоимость", "Тип"});
        list.Rows.SetCheckable(true);
        list.Rows.SetColumnAlignments({Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight});
        CheckRows(list.Rows, {true, false, true, false});
        list.View.resize(460, 160);
        for (const auto& [column, width] : {std::pair{0, 160}, {1, 70}, {2, 100}, {3, 100}}) {
            list.View.header()->resizeSection(column, width);
        }
        list.View.SetSortColumn(1);
        list.View.SetSortDirection(sdDescending);
        SelectRow(list.View, 1);
        list.View.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list.View));
        QCOMPARE(list.Captions(),
                 (Texts({"Система 5 из 8", "Система 5 из 7", "Ряд 12", "Система 5 из 6"})));
        mv::gui::test::SaveScreenshot(&list.View, u"sortable_list.png"_s);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TSortableListTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "sortable_list_test.moc"
