#include "gui/views/layout_tab.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

#include "gui/core/main_window_keys.h"
#include "gui/support/enter_spin_box.h"
#include "gui/support/sortable_list.h"
#include "gui/support/tr.h"
#include "gui/support/window_placement.h"
#include "gui/views/view_grid.h"

namespace mv::gui {
namespace {

constexpr int kRowHeight = 18;
constexpr int kCountColumnWidth = 50;
constexpr int kColumnWidth = 40;
constexpr int kDesignedCompareHeight = 200;

const TSettingKey kCompareKeys[LayoutCompareLists] = {
    MainWindowKey::LayoutCompareLen1, MainWindowKey::LayoutCompareLen2,
    MainWindowKey::LayoutCompareLen3, MainWindowKey::LayoutCompareLen4,
    MainWindowKey::LayoutCompareLen5};

TEnterSpinBox* WindowSpinBox(QWidget* parent, int value, const QString& hint) {
    auto* box = new TEnterSpinBox(parent);
    box->setRange(1, std::numeric_limits<int>::max());
    box->setValue(value);
    box->setKeyboardTracking(false);
    box->setToolTip(hint);
    box->setStatusTip(hint);
    return box;
}

QToolButton* ActionButton(QWidget* parent, QAction* action) {
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

}  // namespace

TLayoutTab::TLayoutTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsLayout"));
    m_window = WindowSpinBox(this, MainWindowKey::LayoutLen.Default,
                             Tr("Количество тиражей, использующихся для расчета статистики"));
    m_window->setObjectName(QStringLiteral("seLayoutLen"));
    m_window->OnEnter = [this] { emit LayoutRequested(); };

    m_grid = new TViewGrid(kColumnWidth, kRowHeight, this);
    m_grid->setObjectName(QStringLiteral("sgLayout"));
    m_model = new TTextGridModel(this);
    m_grid->setModel(m_model);
    m_grid->verticalHeader()->setMinimumWidth(kCountColumnWidth);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    m_top = new QHBoxLayout;
    m_top->addWidget(new QLabel(Tr("Тиражей:"), this));
    m_top->addWidget(m_window);
    m_top->addStretch();
    auto* upper = new QWidget(this);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addLayout(m_top);
    upperLayout->addWidget(m_grid, 1);

    auto* lower = new QWidget(this);
    lower->setObjectName(QStringLiteral("pnLayoutCompare"));
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    m_compareTop = new QHBoxLayout;
    auto* lists = new QHBoxLayout;
    lists->setSpacing(2);
    for (int i = 0; i < LayoutCompareLists; ++i) {
        auto* column = new QVBoxLayout;
        TEnterSpinBox* box = WindowSpinBox(
            lower, kCompareKeys[i].Default,
            Tr("Количество тиражей, использующихся для расчета статистики в списке %1").arg(i + 1));
        box->setObjectName(QStringLiteral("seLayoutCompareLen%1").arg(i + 1));
        box->OnEnter = [this] { emit CompareRequested(); };
        auto* list = new TSortableListView(lower);
        list->setObjectName(QStringLiteral("lvLayoutCompare%1").arg(i + 1));
        auto* model = new TListRowsModel(list);
        model->SetColumns({Tr("Кол-во"), QString()});
        list->setModel(model);
        list->SetSortColumn(0);
        list->SetSortDirection(sdDescending);
        list->header()->resizeSection(0, 50);
        column->addWidget(box);
        column->addWidget(list, 1);
        lists->addLayout(column, 1);
        m_compareBoxes[static_cast<std::size_t>(i)] = box;
        m_lists[static_cast<std::size_t>(i)] = list;
    }
    m_compareTop->addStretch();
    lowerLayout->addLayout(m_compareTop);
    lowerLayout->addLayout(lists, 1);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("splLayout"));
    m_splitter->addWidget(upper);
    m_splitter->addWidget(lower);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setSizes({300, kDesignedCompareHeight});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_splitter);
}

void TLayoutTab::ShowLayout(const TLayoutGrid& grid) {
    QStringList columns, rows;
    for (const std::int32_t draw : grid.LastDraws) columns << QString::number(draw);
    for (const std::int32_t count : grid.Counts) rows << QString::number(count);
    std::vector<QStringList> cells;
    for (const auto& row : grid.Cells) {
        QStringList texts;
        for (const std::string& text : row) texts << QString::fromStdString(text);
        cells.push_back(texts);
    }
    m_bracketed = grid.Bracketed;
    m_model->SetGrid(columns, rows, std::move(cells));
    // A column is widened to its longest text.
    const QFontMetrics metrics(m_grid->font());
    for (int c = 0; c < m_model->columnCount(); ++c) {
        int width = kColumnWidth;
        for (int r = 0; r < m_model->rowCount(); ++r) {
            width = std::max(width, metrics.horizontalAdvance(m_model->Text(r, c)) + 10);
        }
        m_grid->setColumnWidth(c, width);
    }
}

void TLayoutTab::ShowCompareList(int list, const TCompareList& content) {
    TSortableListView* view = m_lists[static_cast<std::size_t>(list)];
    TListRowsModel* model = view->RowsModel();
    if (!content.Caption.empty()) {
        model->SetColumns({Tr("Кол-во"), QString::fromStdString(content.Caption)});
    }
    std::vector<TListRow> rows;
    for (const TCompareRow& row : content.Rows) {
        rows.push_back({QString::number(row.Count), {QString::fromStdString(row.Numbers)}, {}, {}});
    }
    model->SetRows(std::move(rows));
    view->Sort();
}

int TLayoutTab::WindowLength() const {
    return m_window->value();
}

int TLayoutTab::CompareLength(int list) const {
    return m_compareBoxes[static_cast<std::size_t>(list)]->value();
}

bool TLayoutTab::Bracketed(int row, int column) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_bracketed.size()) return false;
    const auto& cells = m_bracketed[static_cast<std::size_t>(row)];
    return column >= 0 && static_cast<std::size_t>(column) < cells.size() &&
           cells[static_cast<std::size_t>(column)];
}

void TLayoutTab::AddToolAction(QAction* action) {
    m_top->insertWidget(m_top->count() - 1, ActionButton(this, action));
}

void TLayoutTab::AddCompareAction(QAction* action) {
    m_compareTop->insertWidget(m_compareTop->count() - 1, ActionButton(this, action));
}

void TLayoutTab::RestoreSettings(const TWindowSettings& settings) {
    m_window->setValue(std::max(1, ReadMainSetting(settings, MainWindowKey::LayoutLen)));
    for (int i = 0; i < LayoutCompareLists; ++i) {
        m_compareBoxes[static_cast<std::size_t>(i)]->setValue(
            std::max(1, ReadMainSetting(settings, kCompareKeys[i])));
    }
    const int height = SaneStoredSize(
        ReadMainSetting(settings, MainWindowKey::LayoutCompareHeight, kDesignedCompareHeight),
        kDesignedCompareHeight);
    if (height > 0) m_splitter->setSizes({std::max(100, this->height() - height), height});
}

void TLayoutTab::SaveSettings(TWindowSettings& settings) const {
    WriteMainSetting(settings, MainWindowKey::LayoutLen, m_window->value());
    for (int i = 0; i < LayoutCompareLists; ++i) {
        WriteMainSetting(settings, kCompareKeys[i], CompareLength(i));
    }
    WriteMainSetting(settings, MainWindowKey::LayoutCompareHeight, m_splitter->sizes().value(1));
}

}  // namespace mv::gui
