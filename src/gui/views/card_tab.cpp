#include "gui/views/card_tab.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/views/view_grid.h"

namespace mv::gui {
namespace {
constexpr int kCellSize = 18;
constexpr int kColumns = CardExtraColumn;  // the numbers and the extra number
}  // namespace

void TCardModel::SetCard(TCard card) {
    beginResetModel();
    m_card = std::move(card);
    endResetModel();
}

int TCardModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(1, m_card.RowCount());
}

int TCardModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant TCardModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return QString::fromStdString(m_card.CellText(index.row(), index.column() + 1));
}

QVariant TCardModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return QString::fromStdString(m_card.CellText(section, 0));
    return section + 1 == CardExtraColumn ? QStringLiteral("E") : QString::number(section + 1);
}

TCardTab::TCardTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsCard"));
    m_grid = new TViewGrid(kCellSize, kCellSize, this);
    m_grid->setObjectName(QStringLiteral("sgCard"));
    m_model = new TCardModel(this);
    m_grid->setModel(m_model);

    m_top = new QHBoxLayout;
    m_top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(m_top);
    layout->addWidget(m_grid, 1);
}

void TCardTab::AddToolAction(QAction* action) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_top->insertWidget(m_top->count() - 1, button);
}

}  // namespace mv::gui
