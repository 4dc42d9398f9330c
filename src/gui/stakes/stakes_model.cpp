#include "gui/stakes/stakes_model.h"

#include <QApplication>
#include <QColor>
#include <QPainter>

#include <algorithm>

#include "engine/stakes/stakes_file.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

// Records read at a time: a few screens of rows around the one asked for.
constexpr std::int64_t kPageSize = 256;
// Gap between the numbers a cell draws one by one, and the text's distance from the edge.
constexpr int kNumberGap = 3;
constexpr int kTextMargin = 2;

const char* const kCaptions[] = {
    TrNoop("№ тиража"),          TrNoop("Вид ставки"), TrNoop("Моя ставка"), TrNoop("Выборка"),
    TrNoop("Результаты тиража"), TrNoop("Совпадений"), TrNoop("Совпадения"), TrNoop("Профит"),
    TrNoop("Комментарий")};

const QColor kMatchedColour(0, 0, 255);
const QColor kWonColour(0, 128, 0);
const QColor kLostColour(255, 0, 0);

// The background of a kind's rows; invalid for markers, which keep the window colour.
QColor KindColour(int kind) {
    switch (kind) {
        case skManual:
            return {234, 255, 234};
        case skRegular:
            return {255, 234, 234};
        case skScript:
            return {234, 255, 255};
        case skSystem:
            return {252, 253, 217};
        default:
            return {};
    }
}

QVariant IntList(std::span<const std::uint8_t> numbers) {
    QList<int> list;
    for (const std::uint8_t n : numbers) list << n;
    return QVariant::fromValue(list);
}

QString NumbersText(std::span<const std::uint8_t> numbers, const char* separator = ";") {
    return Q(StakeNumbersText(numbers, separator));
}

}  // namespace

const int TStakesModel::DesignedWidths[ColumnCount] = {60, 60, 120, 60, 120, 60, 60, 60, 1000};

TStakesModel::TStakesModel(const TStakesFile& file, QObject* parent)
    : QAbstractTableModel(parent), m_file(file) {}

int TStakesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TStakesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

bool TStakesModel::Refresh() {
    m_pageFirst = -1;
    m_page.clear();
    std::int64_t count = 0;
    try {
        if (m_file.IsOpen()) count = m_file.Count();
    } catch (const std::exception&) {
        count = 0;
    }
    const int rows = static_cast<int>(std::min<std::int64_t>(count, INT32_MAX));
    if (rows == m_rows) {
        if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1));
        return false;
    }
    if (rows > m_rows) {
        // What was shown may have been checked meanwhile: repaint it too.
        if (m_rows > 0) emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }
    return true;
}

const TStakeRecord* TStakesModel::Cached(int row) const {
    if (row < 0 || row >= m_rows) return nullptr;
    const std::int64_t r = row;
    if (m_pageFirst < 0 || r < m_pageFirst ||
        r >= m_pageFirst + static_cast<std::int64_t>(m_page.size())) {
        // Centre the page on the row so that scrolling either way stays inside it.
        const std::int64_t first = std::max<std::int64_t>(0, r - kPageSize / 2);
        try {
            m_page = m_file.ReadRange(first, kPageSize);
        } catch (const std::exception&) {
            m_page.clear();
        }
        m_pageFirst = first;
        m_recordsRead += static_cast<std::int64_t>(m_page.size());
        if (r >= m_pageFirst + static_cast<std::int64_t>(m_page.size())) return nullptr;
    }
    return &m_page[static_cast<std::size_t>(r - m_pageFirst)];
}

TStakeRecord TStakesModel::Record(int row) const {
    const TStakeRecord* rec = Cached(row);
    return rec ? *rec : MakeStakeMarker();
}

QVariant TStakesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        if (column == colProfit) return int(Qt::AlignRight | Qt::AlignVCenter);
        if (column == colComment) return int(Qt::AlignLeft | Qt::AlignVCenter);
        return int(Qt::AlignCenter);
    }
    const TStakeRecord* rec = Cached(index.row());
    if (!rec || rec->IsMarker()) return {};
    const bool checked = rec->Checked != 0;
    switch (role) {
        case Qt::DisplayRole:
            switch (column) {
                case colDraw:
                    return QString::number(rec->DrawNumber);
                case colKind:
                    return QString::fromUtf8(StakeKindText(rec->Kind));
                case colStake:
                    return NumbersText(rec->Numbers.Used());
                case colSample:
                    return QString::number(rec->SampleSize);
                case colResult:
                    return checked ? NumbersText(rec->DrawResult) : QString();
                case colMatchCount:
                    return checked ? QString::number(rec->Matches.Count) : QString();
                case colMatches:
                    return checked ? NumbersText(rec->Matches.Used(), " ") : QString();
                case colProfit:
                    return Q(MoneyText(rec->Profit));
                case colComment:
                    return Q(rec->Comment);
                default:
                    return {};
            }
        case Qt::BackgroundRole: {
            const QColor colour = KindColour(rec->Kind);
            return colour.isValid() ? QVariant(colour) : QVariant();
        }
        case Qt::ForegroundRole:
            if (checked &&
                (column == colMatchCount || column == colMatches || column == colProfit)) {
                return rec->Profit > 0 ? kWonColour : kLostColour;
            }
            return {};
        case NumbersRole:
            if (column == colStake) return IntList(rec->Numbers.Used());
            if (column == colResult && checked) return IntList(rec->DrawResult);
            return {};
        case MatchedRole:
            if (column == colStake || column == colResult) return IntList(rec->Matches.Used());
            return {};
        default:
            return {};
    }
}

QVariant TStakesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return Tr(kCaptions[section]);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

void TStakesDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const bool selected = (opt.state & QStyle::State_Selected) != 0;
    const QPalette::ColorGroup group =
        (opt.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    painter->save();
    const QVariant kind = index.data(Qt::BackgroundRole);
    const QColor background = selected ? opt.palette.color(group, QPalette::Highlight)
                              : kind.canConvert<QColor>()
                                  ? kind.value<QColor>()
                                  : opt.palette.color(group, QPalette::Base);
    painter->fillRect(opt.rect, background);
    const QColor normalText =
        opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    // A selected row is read in the highlight's text colour: green, red and blue would not
    // stand out against the highlight.
    const QVariant foreground = index.data(Qt::ForegroundRole);
    const QColor textColour =
        !selected && foreground.canConvert<QColor>() ? foreground.value<QColor>() : normalText;
    painter->setClipRect(opt.rect);
    const QRect area = opt.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    // The left end of a text of `width` pixels placed by the alignment, never left of the cell.
    const auto start = [&](int width, Qt::Alignment alignment) {
        int x = area.left();
        if (alignment & Qt::AlignHCenter) x = opt.rect.left() + (opt.rect.width() - width) / 2;
        if (alignment & Qt::AlignRight) x = area.right() + 1 - width;
        return std::max(x, opt.rect.left());
    };

    const QList<int> numbers = index.data(TStakesModel::NumbersRole).value<QList<int>>();
    if (!numbers.isEmpty()) {
        const QList<int> matched = index.data(TStakesModel::MatchedRole).value<QList<int>>();
        QFont bold = opt.font;
        bold.setBold(true);
        const QFontMetrics normalMetrics(opt.font);
        const QFontMetrics boldMetrics(bold);
        int total = 0;
        for (int i = 0; i < numbers.size(); ++i) {
            const QString text = QString::number(numbers[i]);
            total += (matched.contains(numbers[i]) ? boldMetrics : normalMetrics)
                         .horizontalAdvance(text);
            if (i > 0) total += kNumberGap;
        }
        int x = start(total, Qt::AlignHCenter);
        for (const int n : numbers) {
            const bool hit = matched.contains(n);
            const QString text = QString::number(n);
            painter->setFont(hit ? bold : opt.font);
            painter->setPen(hit && !selected ? kMatchedColour : normalText);
            const int width = (hit ? boldMetrics : normalMetrics).horizontalAdvance(text);
            painter->drawText(QRect(x, opt.rect.top(), width, opt.rect.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, text);
            x += width + kNumberGap;
        }
    } else if (!opt.text.isEmpty()) {
        const Qt::Alignment alignment(index.data(Qt::TextAlignmentRole).toInt());
        const int width = opt.fontMetrics.horizontalAdvance(opt.text);
        const int x = start(width, alignment);
        painter->setFont(opt.font);
        painter->setPen(textColour);
        painter->drawText(QRect(x, opt.rect.top(), std::max(width, 1), opt.rect.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, opt.text);
    }
    painter->restore();
}

}  // namespace mv::gui
