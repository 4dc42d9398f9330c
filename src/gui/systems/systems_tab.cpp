#include "gui/systems/systems_tab.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "gui/core/main_window_keys.h"
#include "gui/support/list_helpers.h"
#include "gui/support/sortable_list.h"
#include "gui/support/tr.h"
#include "gui/support/window_settings.h"

namespace mv::gui {
namespace {

constexpr const char* kListName = "lvSystems";
constexpr int kNumbersColumn = 2;
constexpr int kStatusColumn = 6;
constexpr int kDesignedWidths[SystemColumnCount] = {200, 120, 50,  45,  80, 150,
                                                    75,  70,  150, 250, 160};

QStringList ColumnCaptions() {
    return {Tr("Название"),   Tr("Автор"),         Tr("Числа"),  Tr("Блок"),
            Tr("Комбинаций"), Tr("Дата создания"), Tr("Статус"), Tr("Загрузок"),
            Tr("Последняя"),  Tr("Комментарии"),   Tr("Ссылка")};
}

// Grid lines between the cells, which a tree view does not draw by itself.
class TGridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Midlight));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

// A round mark: green for the user's own systems, blue for another author's, grey for an
// anonymous one; filled when the system is on this computer, a ring when it is not.
QIcon MakeStateIcon(const QColor& colour, bool downloaded) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(130), 1.5));
    painter.setBrush(downloaded ? QBrush(colour) : QBrush(Qt::white));
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return QIcon(pixmap);
}

}  // namespace

TSystemsModel::TSystemsModel(QObject* parent) : TListRowsModel(parent) {
    SetColumns(ColumnCaptions());
    SetColumnAlignments({Qt::AlignLeft, Qt::AlignLeft, Qt::AlignCenter, Qt::AlignCenter,
                         Qt::AlignRight, Qt::AlignCenter, Qt::AlignCenter, Qt::AlignCenter,
                         Qt::AlignCenter, Qt::AlignLeft, Qt::AlignLeft});
}

TListRow TSystemsModel::MakeRow(const TSystemRow& row) {
    // The engine gives the number and time texts; the status text is the interface's own.
    const auto texts = SystemCatalogRowTexts(row.Info, false);
    TListRow out;
    out.Caption = QString::fromStdString(texts[0]);
    for (std::size_t c = 1; c < texts.size(); ++c) out.SubItems << QString::fromStdString(texts[c]);
    if (IsDownloadedState(row.State)) out.SubItems[kStatusColumn - 1] = Tr("Загружена");
    out.Data = RowData(row);
    return out;
}

TSystemRow TSystemsModel::Record(int row) const {
    return Row(row).Data.value<TSystemRow>();
}

void TSystemsModel::SetRecord(int row, const TSystemRow& record) {
    SetRow(row, MakeRow(record));
}

QVariant TSystemsModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::DecorationRole && index.isValid() && index.column() == 0 &&
        IsRow(index.row())) {
        const QIcon icon = StateIcon(Record(index.row()).State);
        return icon.isNull() ? QVariant() : QVariant(icon);
    }
    return TListRowsModel::data(index, role);
}

QIcon TSystemsModel::StateIcon(TSystemRowState state) {
    static const std::array<QIcon, 7> icons = [] {
        const QColor own(46, 160, 67), foreign(52, 120, 200), anonymous(150, 150, 150);
        return std::array<QIcon, 7>{QIcon(),
                                    MakeStateIcon(own, true),
                                    MakeStateIcon(foreign, true),
                                    MakeStateIcon(anonymous, true),
                                    MakeStateIcon(own, false),
                                    MakeStateIcon(foreign, false),
                                    MakeStateIcon(anonymous, false)};
    }();
    return icons[static_cast<std::size_t>(state)];
}

TSystemsTab::TSystemsTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsSystems"));
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("tbSystems"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_model = new TSystemsModel(this);
    m_list = new TSortableListView(this);
    m_list->setObjectName(QString::fromLatin1(kListName));
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setItemDelegate(new TGridDelegate(m_list));
    for (int c = 0; c < SystemColumnCount; ++c) {
        m_list->setColumnWidth(c,
                               std::max(kDesignedWidths[c], m_list->header()->sectionSizeHint(c)));
    }
    m_list->SetSortColumn(kNumbersColumn);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, &TSystemsTab::ShowContextMenu);
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit RowActivated();
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_list);
}

void TSystemsTab::SetActions(const std::vector<QAction*>& toolActions,
                             const std::vector<QAction*>& menuActions, QAction* defaultAction) {
    for (QAction* action : toolActions) m_toolBar->addAction(action);
    m_menuActions = menuActions;
    m_defaultAction = defaultAction;
}

void TSystemsTab::ShowContextMenu(const QPoint& position) {
    QMenu menu(this);
    for (QAction* action : m_menuActions) {
        if (action) {
            menu.addAction(action);
        } else {
            menu.addSeparator();
        }
    }
    if (m_defaultAction) menu.setDefaultAction(m_defaultAction);
    menu.exec(m_list->viewport()->mapToGlobal(position));
}

std::vector<int> TSystemsTab::SelectedRows() const {
    const QList<int> rows = mv::gui::SelectedRows(*m_list);
    std::vector<int> out(rows.begin(), rows.end());
    std::sort(out.begin(), out.end());
    return out;
}

void TSystemsTab::RestoreSettings(const TWindowSettings& settings) {
    m_list->RestoreColumnWidths(settings, MainWindowSection, kListName);
    m_list->RestoreSortState(settings, MainWindowSection, kListName);
}

void TSystemsTab::SaveSettings(TWindowSettings& settings) const {
    m_list->SaveColumnWidths(settings, MainWindowSection, kListName);
    m_list->SaveSortState(settings, MainWindowSection, kListName);
}

}  // namespace mv::gui
