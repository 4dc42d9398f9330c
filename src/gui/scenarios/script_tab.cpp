#include "gui/scenarios/script_tab.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "engine/scenarios/script_line.h"
#include "engine/session/workspace.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"
#include "gui/support/window_placement.h"
#include "gui/support/window_settings.h"

namespace mv::gui {
static_assert(ScriptFieldCount == 9);

namespace {
const char* const kListName = "lvScript";
constexpr int kColumnWidth = 200;
}  // namespace

TScriptModel::TScriptModel(TWorkspace& workspace, QObject* parent)
    : QAbstractTableModel(parent), m_workspace(workspace) {}

int TScriptModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_cells.size());
}

int TScriptModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ScriptFieldCount;
}

QVariant TScriptModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ScriptFieldCount) {
        return Q(ScriptColumnCaptions()[static_cast<std::size_t>(section)]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant TScriptModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return m_cells[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
}

void TScriptModel::Refresh() {
    beginResetModel();
    m_cells.clear();
    for (int i = 0; i < m_workspace.Script().Count(); ++i) {
        const auto texts = ScriptRowTexts(m_workspace.Script().Line(i), m_workspace.Stats());
        auto& row = m_cells.emplace_back();
        for (std::size_t c = 0; c < texts.size(); ++c) row[c] = Q(texts[c]);
    }
    endResetModel();
}

TScriptTab::TScriptTab(TWorkspace& workspace, QWidget* parent)
    : QWidget(parent), m_workspace(workspace) {
    setObjectName(QStringLiteral("tsScript"));
    m_model = new TScriptModel(workspace, this);
    m_list = new QTreeView(this);
    m_list->setObjectName(QString::fromLatin1(kListName));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setDefaultSectionSize(kColumnWidth);
    m_list->header()->setStretchLastSection(false);
    connect(m_list, &QTreeView::doubleClicked, this, [this] { emit LineActivated(); });

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("sbScript"));
    status->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i] = new QLabel(status);
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_panels[i]->setMinimumWidth(120);
        status->addWidget(m_panels[i], i + 1 == m_panels.size() ? 1 : 0);
    }
    m_panels[1]->setText(Tr("Цикл: 0"));
    m_panels[2]->setText(Tr("Строка: 0"));
    m_panels[3]->setText(Tr("Ставок: 0"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_list, 1);
    layout->addWidget(status);
    Refresh();
}

void TScriptTab::AddToolActions(const QList<QAction*>& actions) {
    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("tbScript%1").arg(m_tools.size() + 1));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QAction* action : actions) {
        if (action) {
            tools->addAction(action);
        } else {
            tools->addSeparator();
        }
    }
    // The rows stand above the list in the order they were added.
    static_cast<QVBoxLayout*>(layout())->insertWidget(static_cast<int>(m_tools.size()), tools);
    m_tools << tools;
}

QSplitter* TScriptTab::AddPanelBelowList(QWidget* panel) {
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    const int at = layout->indexOf(m_list);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("splScript"));
    splitter->setChildrenCollapsible(false);
    layout->insertWidget(at, splitter, 1);
    splitter->addWidget(m_list);
    splitter->addWidget(panel);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    return splitter;
}

void TScriptTab::Refresh() {
    m_model->Refresh();
    m_panels[0]->setText(Tr("Строк: %1").arg(m_workspace.Script().Count()));
}

int TScriptTab::FocusedLine() const {
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QList<int> TScriptTab::SelectedLines() const {
    QList<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TScriptTab::FocusLine(int index) {
    if (index < 0 || index >= m_model->rowCount()) {
        m_list->clearSelection();
        return;
    }
    const QModelIndex row = m_model->index(index, 0);
    m_list->selectionModel()->setCurrentIndex(
        row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(row);
}

QString TScriptTab::StatusText(int panel) const {
    return panel >= 0 && panel < static_cast<int>(m_panels.size()) ? m_panels[panel]->text()
                                                                   : QString();
}

void TScriptTab::SetStatusText(int panel, const QString& text) {
    if (panel > 0 && panel < static_cast<int>(m_panels.size())) m_panels[panel]->setText(text);
}

void TScriptTab::RestoreSettings(const TWindowSettings& settings) {
    std::vector<int> widths(ScriptFieldCount, kColumnWidth);
    widths = ReadSaneColumnWidths(settings, MainWindowSection, kListName, widths);
    for (std::size_t c = 0; c < widths.size(); ++c)
        m_list->setColumnWidth(static_cast<int>(c), widths[c]);
}

void TScriptTab::SaveSettings(TWindowSettings& settings) const {
    std::vector<int> widths;
    for (int c = 0; c < ScriptFieldCount; ++c) widths.push_back(m_list->columnWidth(c));
    settings.WriteColumnWidths(MainWindowSection, kListName, widths);
}

}  // namespace mv::gui
