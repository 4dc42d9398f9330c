#include "gui/draws/draw_info_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/core/game.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {

TDrawInfoDialog::TDrawInfoDialog(const TDrawRec& draw, int matrixCols, int channelSize,
                                 QWidget* parent, bool drawRows)
    : QDialog(parent), m_draw(draw), m_channelSize(channelSize) {
    setObjectName(QStringLiteral("TFormDrawInfo"));
    setWindowTitle(Tr("Подробная информация"));

    m_columns = new QSpinBox(this);
    m_columns->setObjectName(QStringLiteral("seColumns"));
    m_columns->setRange(1, MaxNumber);
    m_columns->setValue(std::clamp(matrixCols, 1, MaxNumber));

    m_card = new QTableWidget(this);
    m_card->setObjectName(QStringLiteral("sgCard"));
    m_card->horizontalHeader()->hide();
    m_card->verticalHeader()->hide();
    m_card->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_card->setSelectionMode(QAbstractItemView::NoSelection);
    m_card->horizontalHeader()->setDefaultSectionSize(28);
    m_card->verticalHeader()->setDefaultSectionSize(24);

    m_properties = new QTreeWidget(this);
    m_properties->setObjectName(QStringLiteral("lvProperties"));
    m_properties->setRootIsDecorated(false);
    m_properties->setHeaderLabels({Tr("Свойство"), Tr("Значение")});
    m_properties->header()->resizeSection(0, 220);
    if (drawRows) {
        AddProperty(Tr("Номер тиража:"), QString::number(draw.Number));
        AddProperty(Tr("Дата тиража:"), Q(draw.Date()));
    }

    auto* columnsRow = new QHBoxLayout;
    columnsRow->addWidget(new QLabel(Tr("Количество столбцов:"), this));
    columnsRow->addWidget(m_columns);
    columnsRow->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(columnsRow);
    left->addWidget(m_card, 1);
    // The card keeps the width of its cells; the property list takes the rest.
    m_card->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(m_properties, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(Tr("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    resize(720, 420);

    connect(m_columns, &QSpinBox::valueChanged, this, &TDrawInfoDialog::RebuildCard);
    RebuildCard();
}

void TDrawInfoDialog::AddProperty(const QString& name, const QString& value) {
    auto* item = new QTreeWidgetItem(m_properties);
    item->setText(0, name);
    item->setText(1, value);
}

void TDrawInfoDialog::RebuildCard() {
    const int cols = m_columns->value();
    const int rows = MatrixRows(cols);
    m_card->clear();
    m_card->setColumnCount(cols);
    m_card->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const int number = CellNumber(col, row, cols);
            if (number > MaxNumber) continue;
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            const TRgb c = ChannelColor(number, m_channelSize);
            item->setBackground(QColor(c.R, c.G, c.B));
            m_card->setItem(row, col, item);
        }
    }
    for (const auto n : m_draw.Nums) {
        if (n < 1 || n > MaxNumber) continue;
        const TCardCell cell = NumberCell(n, cols);
        if (auto* item = m_card->item(cell.Row, cell.Col)) {
            item->setText(QString::number(n));
        }
    }
    // Room for a vertical scroll bar too: few columns make many rows.
    m_card->setFixedWidth(std::min(cols, 12) * 28 + 2 * m_card->frameWidth() +
                          m_card->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void TDrawInfoDialog::showEvent(QShowEvent* event) {
    // The property names (method names, some long) are shown whole: the name column takes
    // their width, and the dialog widens as far as the screen allows to show both columns.
    m_properties->resizeColumnToContents(0);
    m_properties->resizeColumnToContents(1);
    const int needed = m_properties->header()->sectionSize(0) +
                       m_properties->header()->sectionSize(1) + 2 * m_properties->frameWidth() +
                       m_properties->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int missing = needed - m_properties->width();
    if (missing > 0) {
        const int available = screen() ? screen()->availableGeometry().width() : width() + missing;
        resize(std::min(width() + missing, available), height());
    }
    QDialog::showEvent(event);
}

}  // namespace mv::gui
