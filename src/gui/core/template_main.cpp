#include "gui/combs/combs_commands.h"
#include "gui/core/template_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/combs/combs_tab.h"
#include "gui/core/busy_frame.h"
#include "engine/core/game.h"
#include "gui/core/gui_hooks.h"
#include "gui/core/shortcut_router.h"
#include "gui/support/window_settings.h"
#include "engine/session/workspace.h"
#include "gui/draws/draws_model.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stats/stats_tab.h"
#include "engine/support/busy.h"
#include "gui/support/elided_label.h"
#include "gui/support/messages.h"

namespace mv::gui {
namespace {

// A usual text of each counting panel: the panel is at least that wide in the window's font,
// so that it does not jitter as its number changes, wider only for a longer text; the
// status panel takes the rest of the bar.
const char* const kPanelUsualTexts[] = {"Архив тиражей: 99999", "Следующий тираж: 99999",
                                        "36;36;36;36;36",       "Комбинаций: 376992",
                                        "Ставок: 99999",        "Рейтинг: 99999"};
static_assert(std::size(kPanelUsualTexts) == TTemplateMain::PanelStatus);

// The right page control's tabs in their order.
const char* const kRightTabs[] = {"Статистика", "Графики", "Карта",   "Схема",   "Неделя",
                                  "Ставки",     "Рейтинг", "Регуляры", "Системы", "Сценарий"};

// A page of a feature still to come: it says so instead of looking broken.
QWidget* PendingPage(const QString& caption, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(caption);
    auto* note = new QLabel(QStringLiteral("«%1»: раздел в разработке").arg(caption), page);
    note->setObjectName(QStringLiteral("PendingNote"));
    note->setAlignment(Qt::AlignCenter);
    note->setEnabled(false);
    (new QVBoxLayout(page))->addWidget(note);
    return page;
}

}  // namespace

class TTemplateMain::TGuiHooks : public TGuiUiHooks {
public:
    explicit TGuiHooks(TTemplateMain& window)
        : TGuiUiHooks([&window](const QString& text) { window.ShowStatus(text); }, &window) {}
};

TTemplateMain::TTemplateMain(TDataPaths paths, std::vector<std::string> args, QWidget* parent)
    : QMainWindow(parent),
      m_paths(std::move(paths)),
      m_args(std::move(args)),
      m_switches(ParseSwitches(m_args)),
      m_hooks(std::make_unique<TGuiHooks>(*this)),
      m_workspace(std::make_unique<TWorkspace>(m_paths, *m_hooks)) {
    setObjectName(QStringLiteral("TFormMain"));
    m_shortcuts = new TShortcutRouter(this);
    resize(1200, 760);
}

TTemplateMain::~TTemplateMain() { Shutdown(); }

IUiHooks& TTemplateMain::Hooks() { return *m_hooks; }

QAction* TTemplateMain::Action(const QString& name) const { return m_actions.value(name); }

QString TTemplateMain::PanelText(int panel) const {
    return panel >= 0 && panel < StatusPanelCount && m_panels[panel] ? m_panels[panel]->text()
                                                                      : QString();
}

void TTemplateMain::BuildLayout() {
    m_leftPages = new QTabWidget(this);
    m_leftPages->setObjectName(QStringLiteral("pcLeft"));
    m_leftPages->addTab(BuildDrawsPage(), QStringLiteral("Архив тиражей"));
    m_leftPages->addTab(PendingPage(QStringLiteral("Комбинации"), m_leftPages),
                        QStringLiteral("Комбинации"));
    BuildCombsTab();

    m_rightPages = new QTabWidget(this);
    m_rightPages->setObjectName(QStringLiteral("pcRight"));
    for (const char* caption : kRightTabs) {
        m_rightPages->addTab(PendingPage(QString::fromUtf8(caption), m_rightPages),
                             QString::fromUtf8(caption));
    }
    BuildStatsTab();
    BuildScriptTab();
    connect(m_rightPages, &QTabWidget::currentChanged, this, [this] { Recalculate(false); });

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splMain"));
    m_splitter->addWidget(m_leftPages);
    m_splitter->addWidget(m_rightPages);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({LeftPanelDesignedWidth, 820});
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);
}

QWidget* TTemplateMain::BuildDrawsPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsDraws"));
    m_drawsModel = new TDrawsModel(*m_workspace, DrawsColumnCaptions(), this);
    m_drawsList = new QTableView(page);
    m_drawsList->setObjectName(QStringLiteral("lvDraws"));
    m_drawsList->setModel(m_drawsModel);
    m_drawsList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_drawsList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_drawsList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_drawsList->setShowGrid(false);
    m_drawsList->setWordWrap(false);
    m_drawsList->verticalHeader()->hide();
    m_drawsList->verticalHeader()->setDefaultSectionSize(20);
    m_drawsList->horizontalHeader()->setHighlightSections(false);
    m_drawsList->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {50, 28, 28, 28, 28, 28, 28, 34, 84};
    for (int c = 0; c < 9; ++c) m_drawsList->setColumnWidth(c, widths[c]);
    connect(m_drawsList, &QTableView::doubleClicked, this, [this] {
        if (QAction* info = Action(QStringLiteral("DrawsInfo")); info && info->isEnabled()) {
            info->trigger();
        }
    });

    m_offsetBox = new QSpinBox(page);
    m_offsetBox->setObjectName(QStringLiteral("seDrawsOffset"));
    m_offsetBox->setRange(0, 0);
    connect(m_offsetBox, &QSpinBox::valueChanged, this, [this](int v) { SetDrawsOffset(v); });

    auto* offsetRow = new QHBoxLayout;
    offsetRow->addWidget(new QLabel(QStringLiteral("Смещение назад:"), page));
    offsetRow->addWidget(m_offsetBox);
    offsetRow->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_drawsList, 1);
    layout->addLayout(offsetRow);
    return page;
}

void TTemplateMain::BuildStatsTab() {
    m_statsTab = new TStatsTab(*m_workspace, m_rightPages);
    QWidget* pending = m_rightPages->widget(0);
    m_rightPages->removeTab(0);
    pending->deleteLater();
    m_rightPages->insertTab(0, m_statsTab, QStringLiteral("Статистика"));
    m_rightPages->setCurrentIndex(0);
    m_recalc.Register(QStringLiteral("Статистика"), m_statsTab,
                      [this] {
                          const auto inputs = m_statsTab->Inputs();
                          return TRecalcDispatcher::TInputs(inputs.begin(), inputs.end());
                      },
                      [this] { m_statsTab->Compute(); });
    connect(m_statsTab, &TStatsTab::RecalculateRequested, this, [this](bool force) {
        QAction* calc = Action(QStringLiteral("DrawsStatCalc"));
        if (force) {
            m_recalc.Force(QStringLiteral("Статистика"));
        } else if (calc && calc->isEnabled()) {
            Recalculate(false);
        }
    });
}

void TTemplateMain::BuildScriptTab() {
    m_scriptTab = new TScriptTab(*m_workspace, m_rightPages);
    const int index = m_rightPages->count() - 1;  // "Сценарий" is the last tab
    QWidget* pending = m_rightPages->widget(index);
    m_rightPages->removeTab(index);
    pending->deleteLater();
    m_rightPages->insertTab(index, m_scriptTab, QStringLiteral("Сценарий"));
}

int TTemplateMain::ExcludeDrawsDefault() const {
    return m_combsTab ? m_combsTab->ExcludeBox()->value() : 0;
}

void TTemplateMain::BuildStatusBar() {
    for (int i = 0; i < StatusPanelCount; ++i) {
        // The status panel's texts (file names, long hints) may be longer than any window:
        // they are shortened in the middle rather than cut off.
        QLabel* label = i == PanelStatus ? new TElidedLabel(this) : new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i == PanelHidden) label->setAlignment(Qt::AlignCenter);
        if (i == PanelStatus) {
            statusBar()->addWidget(label, 1);
        } else {
            label->setText(QString::fromUtf8(kPanelUsualTexts[i]));
            label->setMinimumWidth(label->sizeHint().width() + 4);
            label->clear();
            statusBar()->addWidget(label);
        }
        m_panels[static_cast<std::size_t>(i)] = label;
    }
    statusBar()->setSizeGripEnabled(true);
}

void TTemplateMain::ShowStatus(const QString& text) {
    if (QLabel* panel = m_panels[PanelStatus]) {
        panel->setText(text);
        panel->repaint();
    }
    QCoreApplication::processEvents();
}

void TTemplateMain::RefreshDrawsView(bool force) {
    TWorkspace& ws = *m_workspace;
    m_drawsModel->Refresh(force);
    ws.RebuildHiddenDrawNumbers();
    m_panels[PanelDraws]->setText(QStringLiteral("Архив тиражей: %1").arg(ws.DrawCount()));
    m_panels[PanelNext]->setText(
        QStringLiteral("Следующий тираж: %1").arg(ws.NextDrawNumber(ws.DrawsOffset())));
    QString hidden;
    if (ws.DrawsOffset() > 0) hidden = Q(DrawNumbersText(ws.DrawAtPosition(ws.DrawsOffset() - 1)));
    m_panels[PanelHidden]->setText(hidden);
    const QSignalBlocker block(m_offsetBox);
    m_offsetBox->setMaximum(std::max(0, ws.DrawCount() - 1));
    m_offsetBox->setValue(ws.DrawsOffset());
}

void TTemplateMain::SetDrawsOffset(int value) {
    if (!m_workspace->SetDrawsOffset(value)) {
        const QSignalBlocker block(m_offsetBox);
        m_offsetBox->setValue(m_workspace->DrawsOffset());
    }
}

void TTemplateMain::Recalculate(bool force) { m_recalc.Recalculate(force); }

void TTemplateMain::FollowWorkspace(TChanges changes) {
    if (changes & (chArchive | chOffset)) {
        RefreshDrawsView((changes & chArchive) != 0);
        Recalculate(false);
    }
    if (changes & chSettings) {
        m_drawsModel->Refresh(false);
        Recalculate(true);
    }
    if (changes & chScenario) m_scriptTab->Refresh();
}

void TTemplateMain::SetPanelText(int panel, const QString& text) {
    if (panel >= 0 && panel < StatusPanelCount && m_panels[static_cast<std::size_t>(panel)]) {
        m_panels[static_cast<std::size_t>(panel)]->setText(text);
    }
}

void TTemplateMain::RunCommand(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        TMessages::ShowError(DisplayText(std::string(e.what())), this);
    }
    UpdateActions();
}

void TTemplateMain::RunBusy(const QString& status, const std::function<void()>& work) {
    RunCommand([&] {
        TBusyFrame busy(*this, status);
        work();
    });
}

bool TTemplateMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        if (IsIdle() && m_panels[PanelStatus]) {
            m_panels[PanelStatus]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        }
        return true;
    }
    return QMainWindow::event(event);
}

void TTemplateMain::closeEvent(QCloseEvent* event) {
    Shutdown();
    QMainWindow::closeEvent(event);
}

}  // namespace mv::gui
