#include "gui/combs/combs_tab.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/session/workspace.h"
#include "gui/combs/combs_model.h"
#include "gui/core/main_window_keys.h"
#include "gui/support/enter_spin_box.h"
#include "gui/support/list_helpers.h"
#include "gui/support/messages.h"
#include "gui/support/splitter_pane.h"
#include "gui/support/tr.h"
#include "gui/support/window_placement.h"
#include "gui/support/window_settings.h"

namespace mv::gui {
namespace {
const std::string kSection = MainWindowSection;
constexpr int kDesignedOperationsHeight = 120;

// Measures a row at the width its column has, so that a wrapped text gets the lines it needs
// (the tree view itself measures rows as if their columns were unbounded).
class TWrappingDelegate : public QStyledItemDelegate {
public:
    explicit TWrappingDelegate(QTreeView* view) : QStyledItemDelegate(view), m_view(view) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem column(option);
        // The style wraps only within a valid rectangle; the height does not bound the text.
        column.rect = QRect(0, 0, m_view->columnWidth(index.column()), QWIDGETSIZE_MAX);
        return QStyledItemDelegate::sizeHint(column, index);
    }

private:
    QTreeView* m_view;
};

std::vector<int> Widths(const QTableView* list) {
    std::vector<int> widths;
    for (int c = 0; c < list->model()->columnCount(); ++c) widths.push_back(list->columnWidth(c));
    return widths;
}
}  // namespace

TCombsTab::TCombsTab(TWorkspace& workspace, const QStringList& captions, QWidget* parent)
    : QWidget(parent), m_workspace(workspace) {
    setObjectName(QStringLiteral("tsCombs"));
    auto* exclude = new TEnterSpinBox(this);
    exclude->setObjectName(QStringLiteral("edCombsExclude"));
    exclude->setRange(0, 100000);
    exclude->setToolTip(Tr("Количество последних тиражей для исключения"));
    exclude->OnEnter = [this] { emit ExcludeRequested(); };
    m_exclude = exclude;
    m_tools = new QHBoxLayout;
    m_tools->setSpacing(2);

    m_model = new TCombsModel(
        [this] {
            const auto& list = m_workspace.Combs().CurrentList;
            return std::pair<const TComb*, std::size_t>(list.Data(), list.Count());
        },
        [this] { return m_workspace.Config().ChannelSize; }, captions, this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("lvCombs"));
    m_list->setModel(m_model);
    SetUpNumbersList(*m_list);
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->horizontalHeader()->setStretchLastSection(false);
    const int widths[] = {64, 28, 28, 28, 28, 28, 40};
    for (int c = 0; c < m_model->columnCount() && c < 7; ++c) m_list->setColumnWidth(c, widths[c]);
    connect(m_list, &QTableView::doubleClicked, this, [this] { emit RowActivated(); });

    m_operations = new QTreeWidget(this);
    m_operations->setObjectName(QStringLiteral("lvFilters"));
    m_operations->setRootIsDecorated(false);
    m_operations->setHeaderLabels({Tr("Примененные фильтры"), Tr("Значения"), Tr("Комбинаций")});
    // Method names are longer than the panel is wide: they take whatever width the values
    // and counts leave, and wrap onto further lines rather than being cut off.
    m_operations->setWordWrap(true);
    m_operations->setItemDelegate(new TWrappingDelegate(m_operations));
    connect(m_operations->header(), &QHeaderView::sectionResized, m_operations,
            [this] { m_operations->doItemsLayout(); });
    const auto headerWidth = [this](int column) {
        const QFontMetrics metrics = m_operations->header()->fontMetrics();
        return metrics.horizontalAdvance(m_operations->headerItem()->text(column)) +
               2 * metrics.horizontalAdvance(QLatin1Char('x')) + 8;
    };
    m_operations->header()->setStretchLastSection(false);
    m_operations->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_operations->header()->resizeSection(1, headerWidth(1));
    m_operations->header()->resizeSection(2, headerWidth(2));

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("splFilters"));
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_operations);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setSizes({500, kDesignedOperationsHeight});
    m_operationsPane = new TSplitterPane(m_splitter, 1, 100);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(m_tools);
    layout->addWidget(m_splitter, 1);
}

void TCombsTab::AddToolActions(const QList<QAction*>& actions) {
    for (QAction* action : actions) {
        if (!action) {
            m_tools->addSpacing(6);
            continue;
        }
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        m_tools->addWidget(button);
        // The exclusion box stands right after its command.
        if (action->objectName() == QStringLiteral("CombsDelExists")) m_tools->addWidget(m_exclude);
    }
    m_tools->addStretch();
}

void TCombsTab::Refresh(bool force) {
    m_model->Refresh(force);
    RefreshOperations();
}

void TCombsTab::RefreshOperations() {
    const auto& lines = m_workspace.Combs().FilterLines();
    if (m_operations->topLevelItemCount() == static_cast<int>(lines.size())) return;
    m_operations->clear();
    for (const TFilterLine& line : lines) {
        auto* item = new QTreeWidgetItem(m_operations);
        item->setText(0, Q(line.Caption));
        item->setText(1, Q(line.Values));
        item->setText(2, QString::number(line.Count));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        const QStyle::StandardPixmap icon =
            line.Mark == TFilterMark::Kept      ? QStyle::SP_DialogApplyButton
            : line.Mark == TFilterMark::Removed ? QStyle::SP_DialogDiscardButton
                                                : QStyle::SP_ArrowBack;
        item->setIcon(0, style()->standardIcon(icon));
    }
    if (m_operations->topLevelItemCount() > 0) {
        m_operations->scrollToItem(
            m_operations->topLevelItem(m_operations->topLevelItemCount() - 1));
    }
}

std::vector<std::size_t> TCombsTab::SelectedRows() const {
    std::vector<std::size_t> rows;
    if (!m_list->selectionModel()) return rows;
    for (const QItemSelectionRange& range : m_list->selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows.push_back(static_cast<std::size_t>(r));
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int TCombsTab::CurrentRow() const {
    const QModelIndex current = m_list->currentIndex();
    if (current.isValid() &&
        m_list->selectionModel()->isRowSelected(current.row(), QModelIndex())) {
        return current.row();
    }
    const auto rows = SelectedRows();
    return rows.empty() ? -1 : static_cast<int>(rows.front());
}

void TCombsTab::RestoreSettings(const TWindowSettings& settings) {
    m_exclude->setValue(ReadMainSetting(settings, MainWindowKey::DrawsExclude));
    const int height = SaneStoredSize(
        ReadMainSetting(settings, MainWindowKey::FiltersHeight, kDesignedOperationsHeight),
        kDesignedOperationsHeight);
    if (height > 0) m_operationsPane->Restore(height);
    const auto widths = ReadSaneColumnWidths(settings, kSection, "lvCombs", Widths(m_list));
    for (std::size_t c = 0; c < widths.size(); ++c)
        m_list->setColumnWidth(static_cast<int>(c), widths[c]);
    std::vector<int> opWidths;
    for (int c = 0; c < 3; ++c) opWidths.push_back(m_operations->columnWidth(c));
    opWidths = ReadSaneColumnWidths(settings, kSection, "lvFilters", opWidths);
    for (std::size_t c = 0; c < opWidths.size(); ++c) {
        m_operations->setColumnWidth(static_cast<int>(c), opWidths[c]);
    }
}

void TCombsTab::SaveSettings(TWindowSettings& settings) const {
    WriteMainSetting(settings, MainWindowKey::DrawsExclude, m_exclude->value());
    WriteMainSetting(settings, MainWindowKey::FiltersHeight, m_operationsPane->Size());
    settings.WriteColumnWidths(kSection, "lvCombs", Widths(m_list));
    std::vector<int> opWidths;
    for (int c = 0; c < 3; ++c) opWidths.push_back(m_operations->columnWidth(c));
    settings.WriteColumnWidths(kSection, "lvFilters", opWidths);
}

}  // namespace mv::gui
