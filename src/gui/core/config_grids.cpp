#include "gui/core/config_grids.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyle>

#include "engine/core/game.h"
#include "engine/core/text_utils.h"
#include "engine/support/config_file.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

constexpr int SegmentCellWidth = 28;
// Larger layouts scroll.
constexpr int SegmentVisibleCells = 9;
constexpr int SegmentMaxLength = 3;
constexpr int ProfitMaxLength = 15;
// Typing starts an edit; merely moving through the grid does not.
constexpr QAbstractItemView::EditTriggers GridEditTriggers =
    QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;

int CompactRowHeight(const QWidget* widget) {
    return widget->fontMetrics().height() + 8;
}

QString DecimalSeparatorText() {
    return QString(QLatin1Char(DecimalSeparator()));
}

QString ProfitText(TMoney profit) {
    return Q(FormatFloat(static_cast<long double>(profit) / MoneyScale, 2));
}

}  // namespace

TCellEditDelegate::TCellEditDelegate(const QString& allowedChars, int maxLength, QObject* parent)
    : QStyledItemDelegate(parent),
      m_pattern(QStringLiteral("[%1]*").arg(QRegularExpression::escape(allowedChars))),
      m_maxLength(maxLength) {}

QWidget* TCellEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("CellEditor"));
    editor->setFrame(false);
    editor->setMaxLength(m_maxLength);
    editor->setAlignment(Qt::Alignment::fromInt(index.data(Qt::TextAlignmentRole).toInt()));
    editor->setValidator(new QRegularExpressionValidator(m_pattern, editor));
    return editor;
}

void TCellEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) return;
    // The editor may be destroyed while `commit` shows a box; only its text is used.
    const QString text = line->text();
    if (m_commit) {
        m_commit(index, text);
    } else {
        model->setData(index, text, Qt::EditRole);
    }
}

TProfitGrid::TProfitGrid(QWidget* parent) : QTableWidget(RowCount, 2, parent) {
    setObjectName(QStringLiteral("ProfitGrid"));
    setHorizontalHeaderLabels({Tr("Совпадений"), Tr("Сумма выигрыша")});
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(CompactRowHeight(this));
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(GridEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* delegate = new TCellEditDelegate(QStringLiteral("0123456789") + DecimalSeparatorText(),
                                           ProfitMaxLength, this);
    setItemDelegateForColumn(1, delegate);
    for (int row = 0; row < RowCount; ++row) {
        auto* key = new QTableWidgetItem(QString::number(row));
        key->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        key->setTextAlignment(Qt::AlignCenter);
        setItem(row, 0, key);
        auto* value = new QTableWidgetItem;
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, 1, value);
    }
    const int height = horizontalHeader()->sizeHint().height() +
                       RowCount * verticalHeader()->defaultSectionSize() + 2 * frameWidth();
    setFixedHeight(height);
}

void TProfitGrid::SetProfits(const std::vector<TProfitRec>& profits) {
    for (int row = 0; row < RowCount; ++row) {
        const auto k = static_cast<std::size_t>(row);
        m_stored[k] = k < profits.size() ? profits[k].Profit : 0;
        m_shown[k] = ProfitText(m_stored[k]);
        item(row, 1)->setText(m_shown[k]);
    }
}

std::vector<TProfitRec> TProfitGrid::Profits() const {
    std::vector<TProfitRec> profits;
    for (int row = 0; row < RowCount; ++row) {
        const auto k = static_cast<std::size_t>(row);
        const QString text = item(row, 1)->text();
        TProfitRec rec;
        rec.Overlap = static_cast<std::uint8_t>(StrToIntDef(item(row, 0)->text().toStdString(), 0));
        if (text == m_shown[k]) {
            rec.Profit = m_stored[k];
        } else {
            // The typed digits decide a tie exactly, not their binary approximation.
            rec.Profit = ParseMoneyText(text.toStdString()).value_or(0);
        }
        profits.push_back(rec);
    }
    return profits;
}

TSegmentGrid::TSegmentGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("SegmentGrid"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(SegmentCellWidth);
    verticalHeader()->setDefaultSectionSize(CompactRowHeight(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(GridEditTriggers);
    auto* delegate = new TCellEditDelegate(QStringLiteral("0123456789"), SegmentMaxLength, this);
    delegate->SetCommit([this](const QModelIndex& index, const QString& text) {
        CommitCellText(index.column(), index.row(), text);
    });
    setItemDelegate(delegate);
}

void TSegmentGrid::SetDigits(const TDigits& digits, int cols) {
    m_cols = std::clamp(cols, 1, MaxNumber);
    Fill(digits);
}

void TSegmentGrid::Fill(const TDigits& digits) {
    clear();
    setColumnCount(m_cols);
    setRowCount(MatrixRows(m_cols));
    for (int row = 0; row < rowCount(); ++row) {
        for (int col = 0; col < m_cols; ++col) {
            const int number = CellNumber(col, row, m_cols);
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            if (number <= MaxNumber) {
                cell->setText(QString::number(digits[static_cast<std::size_t>(number - 1)]));
                cell->setToolTip(QString::number(number));
            } else {
                cell->setFlags(Qt::NoItemFlags);
                cell->setBackground(palette().window());
            }
            setItem(row, col, cell);
        }
    }
    setCurrentCell(0, 0);
    FitSize();
}

int TSegmentGrid::LargestWidth() const {
    const int scroll = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return SegmentVisibleCells * SegmentCellWidth + scroll + 2 * frameWidth();
}

void TSegmentGrid::FitSize() {
    const bool scrollsAcross = columnCount() > SegmentVisibleCells;
    const bool scrollsDown = rowCount() > SegmentVisibleCells;
    const int scroll = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int width = std::min(columnCount(), SegmentVisibleCells) * SegmentCellWidth +
                      (scrollsDown ? scroll : 0) + 2 * frameWidth();
    const int height =
        std::min(rowCount(), SegmentVisibleCells) * verticalHeader()->defaultSectionSize() +
        (scrollsAcross ? scroll : 0) + 2 * frameWidth();
    setFixedSize(width, height);
}

QTableWidgetItem* TSegmentGrid::CellOfNumber(int number) const {
    if (number < 1 || number > MaxNumber) return nullptr;
    const TCardCell cell = NumberCell(number, m_cols);
    return item(cell.Row, cell.Col);
}

TSegmentGrid::TDigits TSegmentGrid::Digits() const {
    TDigits digits{};
    for (int number = 1; number <= MaxNumber; ++number) {
        const QTableWidgetItem* cell = CellOfNumber(number);
        const int value = cell ? StrToIntDef(cell->text().trimmed().toStdString(), 1) : 1;
        digits[static_cast<std::size_t>(number - 1)] =
            static_cast<std::uint8_t>(value >= 1 && value <= 9 ? value : 1);
    }
    return digits;
}

void TSegmentGrid::SetColumns(int cols) {
    cols = std::clamp(cols, 1, MaxNumber);
    if (cols == m_cols) return;
    const TDigits digits = Digits();
    m_cols = cols;
    Fill(digits);
}

void TSegmentGrid::CommitCellText(int col, int row, const QString& text) {
    QTableWidgetItem* cell = item(row, col);
    if (!cell || !(cell->flags() & Qt::ItemIsEditable)) return;
    const QString trimmed = text.trimmed();
    const int value = StrToIntDef(trimmed.toStdString(), 0);
    if (trimmed.isEmpty() || (value >= 1 && value <= 9)) {
        cell->setText(trimmed.isEmpty() ? QString() : QString::number(value));
        return;
    }
    cell->setText(QStringLiteral("1"));
    // The box takes the focus from the editor; the view does not commit that editor again
    // while this commit runs, so one box is shown per edit.
    TMessages::ShowError(
        Tr("Некорректное значение: %1!\r\rУкажите любое число от 1 до 9").arg(text), window());
}

}  // namespace mv::gui
