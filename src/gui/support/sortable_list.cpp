#include "gui/support/sortable_list.h"

#include <QCollator>
#include <QHeaderView>
#include <QLocale>
#include <QPalette>
#include <cmath>
#include <exception>
#include <optional>

#include "engine/core/errors.h"
#include "gui/core/busy_frame.h"
#include "gui/support/list_helpers.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"
#include "gui/support/window_settings.h"

namespace mv::gui {

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// The text as a number with "." as the decimal point, the whole text being the number (blanks
// around it aside); a text that does not read, or reads as infinity or NaN, is no number.
std::optional<double> ReadCellNumber(QString text) {
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0) text[comma] = u'.';
    QLocale reader = QLocale::c();
    reader.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = reader.toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

// Alphabetical order without regard to case by the rules of the program's locale. The
// collator is kept between calls (a sort makes many) and rebuilt when the locale changes.
int CompareAlphabetically(const QString& a, const QString& b) {
    static std::optional<QCollator> collator;
    const QLocale locale;
    if (!collator || collator->locale() != locale) {
        collator.emplace(locale);
        collator->setCaseSensitivity(Qt::CaseInsensitive);
    }
    return Sign(collator->compare(a, b));
}

// The busy state with the wait cursor for the length of a sort, also when it throws.
class TSortBusy {
public:
    TSortBusy() { GuiBeginBusy(); }
    ~TSortBusy() { GuiEndBusy(); }
    TSortBusy(const TSortBusy&) = delete;
    TSortBusy& operator=(const TSortBusy&) = delete;
};

}  // namespace

int CompareCellTexts(const QString& a, const QString& b) {
    const std::optional<double> x = ReadCellNumber(a);
    const std::optional<double> y = ReadCellNumber(b);
    if (x && y) return (*x > *y) - (*x < *y);
    return CompareAlphabetically(a, b);
}

int CompareRows(const TListRow& a, const TListRow& b, int sortColumn, TSortDirection direction) {
    int result = 0;
    if (sortColumn == 0) {
        result = CompareCellTexts(a.Caption, b.Caption);
    } else if (sortColumn > 0) {
        if (a.SubItems.size() >= sortColumn && b.SubItems.size() >= sortColumn) {
            result = CompareCellTexts(a.SubItems[sortColumn - 1], b.SubItems[sortColumn - 1]);
        }
        if (result == 0) result = CompareCellTexts(a.Caption, b.Caption);
    }
    return direction == sdDescending ? -result : result;
}

TSortableListView::TSortableListView(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);  // the order is ours, not QTreeView's
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setHighlightSections(false);
    header()->setStretchLastSection(false);  // widths are the user's and are stored
    header()->setSortIndicatorShown(true);
    ShowSelectionWithoutFocus();
    connect(header(), &QHeaderView::sectionClicked, this, &TSortableListView::OnHeaderClicked);
    UpdateSortIndicator();
}

TListRowsModel* TSortableListView::RowsModel() const {
    return qobject_cast<TListRowsModel*>(model());
}

void TSortableListView::setModel(QAbstractItemModel* model) {
    QTreeView::setModel(model);
    UpdateSortIndicator();
}

void TSortableListView::SetSortColumn(int column) {
    if (column == m_sortColumn) return;
    const int count = model() ? model()->columnCount() : 0;
    if (column < -1 || column >= count) {
        throw EError(
            Tr("Некорректное занчение номера столбца сортировки (%1)").arg(column).toStdString());
    }
    m_sortColumn = column;
    UpdateSortIndicator();
    Sort();
}

void TSortableListView::SetSortDirection(TSortDirection direction) {
    if (direction == m_sortDirection) return;
    m_sortDirection = direction;
    UpdateSortIndicator();
    Sort();
}

bool TSortableListView::Sort() {
    const TSortBusy busy;
    if (TListRowsModel* rows = RowsModel()) {
        rows->SortRows(
            [this](const TListRow& a, const TListRow& b) { return CompareForSort(a, b); });
        return true;
    }
    if (!OnOwnerSort) return false;
    OnOwnerSort(*this, m_sortColumn, m_sortDirection);
    viewport()->update();
    return true;
}

int TSortableListView::CompareForSort(const TListRow& a, const TListRow& b) const {
    int result = CompareRows(a, b, m_sortColumn, m_sortDirection);
    if (OnCompare) OnCompare(a, b, m_sortColumn, result);
    return result;
}

void TSortableListView::OnHeaderClicked(int column) {
    if (column == m_sortColumn) {
        m_sortDirection = m_sortDirection == sdAscending ? sdDescending : sdAscending;
    } else {
        m_sortColumn = column;
        m_sortDirection = sdAscending;
    }
    UpdateSortIndicator();
    // A header click is a command of its own: a failure (an owner's sort or comparison
    // throwing) is shown here and must not travel through the event loop.
    try {
        Sort();
        emit ColumnClicked(column);
    } catch (const std::exception& e) {
        TMessages::ShowError(DisplayText(std::string(e.what())), this);
    }
}

void TSortableListView::UpdateSortIndicator() {
    const Qt::SortOrder order =
        m_sortDirection == sdAscending ? Qt::AscendingOrder : Qt::DescendingOrder;
    header()->setSortIndicator(m_sortColumn, order);  // -1 shows no indicator
}

void TSortableListView::ShowSelectionWithoutFocus() {
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);
}

void TSortableListView::DeleteSelected() {
    TListRowsModel* rows = RowsModel();
    if (!rows) return;
    const QList<int> selected = SelectedRows(*this);
    if (selected.isEmpty()) return;
    int keep = selected.front();
    if (keep == rows->Count() - 1) --keep;
    rows->RemoveRows(selected);
    if (rows->IsRow(keep)) SelectRow(*this, keep);
}

void TSortableListView::SaveSortState(TWindowSettings& settings, const std::string& section,
                                      const std::string& listName) const {
    settings.WriteSortType(section, listName, TSortState{m_sortColumn, m_sortDirection});
}

void TSortableListView::RestoreSortState(const TWindowSettings& settings,
                                         const std::string& section, const std::string& listName) {
    const std::optional<TSortState> state = settings.ReadSortType(section, listName);
    if (!state) return;
    const int count = model() ? model()->columnCount() : 0;
    const bool validColumn = state->Column >= -1 && state->Column < count;
    const bool validDirection = state->Direction == sdAscending || state->Direction == sdDescending;
    if (!validColumn || !validDirection) return;  // a damaged value keeps the present order
    const auto direction = static_cast<TSortDirection>(state->Direction);
    if (state->Column == m_sortColumn && direction == m_sortDirection) return;
    m_sortColumn = state->Column;
    m_sortDirection = direction;
    UpdateSortIndicator();
    Sort();
}

void TSortableListView::SaveColumnWidths(TWindowSettings& settings, const std::string& section,
                                         const std::string& listName) const {
    mv::gui::SaveColumnWidths(*this, settings, section, listName);
}

void TSortableListView::RestoreColumnWidths(const TWindowSettings& settings,
                                            const std::string& section,
                                            const std::string& listName) {
    mv::gui::RestoreColumnWidths(*this, settings, section, listName);
}

}  // namespace mv::gui
