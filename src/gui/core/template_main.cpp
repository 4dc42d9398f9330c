#include "gui/core/template_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>

#include "engine/session/workspace.h"
#include "engine/support/busy.h"
#include "gui/combs/combs_commands.h"
#include "gui/combs/combs_tab.h"
#include "gui/core/busy_frame.h"
#include "gui/core/gui_hooks.h"
#include "gui/core/shortcut_router.h"
#include "gui/draws/download_commands.h"
#include "gui/draws/draws_commands.h"
#include "gui/export/export_commands.h"
#include "gui/online/script_catalog_commands.h"
#include "gui/ratings/ratings_commands.h"
#include "gui/ratings/ratings_tab.h"
#include "gui/ratings/regulars_commands.h"
#include "gui/ratings/regulars_tab.h"
#include "gui/scenarios/script_commands.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stakes/stakes_commands.h"
#include "gui/stakes/stakes_tab.h"
#include "gui/stats/stats_commands.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/elided_label.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"
#include "gui/support/window_settings.h"
#include "gui/systems/systems_commands.h"
#include "gui/systems/systems_tab.h"
#include "gui/update/update_commands.h"
#include "gui/views/graphs_tab.h"
#include "gui/views/views_commands.h"

namespace mv::gui {
namespace {

// A usual text of each counting panel: the panel is at least that wide in the window's font,
// so that it does not jitter as its number changes, wider only for a longer text; the
// status panel takes the rest of the bar.
const char* const kPanelUsualTexts[] = {
    TrNoop("Архив тиражей: 99999"), TrNoop("Следующий тираж: 99999"), "36;36;36;36;36",
    TrNoop("Комбинаций: 376992"),   TrNoop("Ставок: 99999"),          TrNoop("Рейтинг: 99999")};
static_assert(std::size(kPanelUsualTexts) == TTemplateMain::PanelStatus);

// The right page control's tabs in their order; the first and the last are the statistics
// and the scenario. The key names the page whatever the language: its view in the
// recalculation dispatcher and its help topic.
struct TRightTab {
    const char* Key;
    const char* Caption;
};
const TRightTab kRightTabs[] = {
    {"stats", TrNoop("Статистика")}, {"graphs", TrNoop("Графики")},
    {"card", TrNoop("Карта")},       {"layout", TrNoop("Схема")},
    {"week", TrNoop("Неделя")},      {"stakes", TrNoop("Ставки")},
    {"ratings", TrNoop("Рейтинг")},  {"regulars", TrNoop("Регуляры")},
    {"systems", TrNoop("Системы")},  {"script", TrNoop("Сценарий")},
};

constexpr int kStakesTab = 5;
constexpr int kRatingsTab = 6;
constexpr int kRegularsTab = 7;
constexpr int kSystemsTab = 8;

}  // namespace

const char* const TTemplateMain::kHelpTopic = "helpTopic";

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

TTemplateMain::~TTemplateMain() {
    Shutdown();
}

IUiHooks& TTemplateMain::Hooks() {
    return *m_hooks;
}

QAction* TTemplateMain::Action(const QString& name) const {
    return m_actions.value(name);
}

QString TTemplateMain::PanelText(int panel) const {
    return panel >= 0 && panel < StatusPanelCount && m_panels[panel] ? m_panels[panel]->text()
                                                                     : QString();
}

QTableView* TTemplateMain::DrawsList() const {
    return m_drawsCommands->List();
}

QSpinBox* TTemplateMain::OffsetBox() const {
    return m_drawsCommands->OffsetBox();
}

TStatsTab* TTemplateMain::StatsTab() const {
    return m_statsCommands->Tab();
}

TScriptTab* TTemplateMain::ScriptTab() const {
    return m_scriptCommands->Tab();
}

void TTemplateMain::BuildLayout() {
    m_leftPages = new QTabWidget(this);
    m_leftPages->setObjectName(QStringLiteral("pcLeft"));
    m_drawsCommands = std::make_unique<TDrawsCommands>(*this, DrawsColumnCaptions());
    m_drawsCommands->Page()->setProperty(kHelpTopic, QStringLiteral("draws"));
    m_leftPages->addTab(m_drawsCommands->Page(), Tr("Архив тиражей"));
    m_combsTab = new TCombsTab(*m_workspace, CombsColumnCaptions(), m_leftPages);
    m_combsTab->setProperty(kHelpTopic, QStringLiteral("combs"));
    m_leftPages->addTab(m_combsTab, Tr("Комбинации"));

    m_rightPages = new QTabWidget(this);
    m_rightPages->setObjectName(QStringLiteral("pcRight"));
    m_statsCommands = std::make_unique<TStatsCommands>(*this, m_rightPages);
    m_viewsCommands = std::make_unique<TViewsCommands>(*this, *StatsTab(), m_rightPages);
    m_scriptCommands =
        std::make_unique<TScriptCommands>(*this, *StatsTab(), *m_combsTab, m_rightPages);
    m_scriptCatalogCommands = std::make_unique<TScriptCatalogCommands>(*this, *ScriptTab());
    m_stakesCommands =
        std::make_unique<TStakesCommands>(*this, *m_combsTab, *m_viewsCommands, m_rightPages);
    m_ratingsCommands = std::make_unique<TRatingsCommands>(
        *this, *m_viewsCommands, [this] { m_rightPages->setCurrentWidget(ScriptTab()); },
        m_rightPages);
    m_regularsCommands = std::make_unique<TRegularsCommands>(*this, *m_combsTab, m_rightPages);
    m_systemsCommands = std::make_unique<TSystemsCommands>(*this, *m_rightPages);
    const int last = static_cast<int>(std::size(kRightTabs)) - 1;
    for (int i = 0; i <= last; ++i) {
        const QString key = QString::fromLatin1(kRightTabs[i].Key);
        const QString caption = Tr(kRightTabs[i].Caption);
        QWidget* page = nullptr;
        if (i == 0) {
            page = StatsTab();
        } else if (QWidget* view = m_viewsCommands->PageFor(key)) {
            page = view;
        } else if (i == kStakesTab) {
            page = m_stakesCommands->Tab();
        } else if (i == kRatingsTab) {
            page = m_ratingsCommands->Tab();
        } else if (i == kRegularsTab) {
            page = m_regularsCommands->Tab();
        } else if (i == kSystemsTab) {
            page = m_systemsCommands->Tab();
        } else if (i == last) {
            page = ScriptTab();
        }
        page->setProperty(kHelpTopic, key);
        m_rightPages->addTab(page, caption);
    }
    connect(m_rightPages, &QTabWidget::currentChanged, this,
            [this] { RunCommand([this] { Recalculate(false); }); });

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splMain"));
    m_splitter->addWidget(m_leftPages);
    m_splitter->addWidget(m_rightPages);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({LeftPanelDesignedWidth, 820});
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);
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
            label->setText(Tr(kPanelUsualTexts[i]));
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

void TTemplateMain::Recalculate(bool force) {
    m_recalc.Recalculate(force);
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
    // A running scenario is asked to stop first; the window closes once it has ended.
    if (m_scriptCommands && !m_scriptCommands->MayClose()) {
        event->ignore();
        return;
    }
    Shutdown();
    QMainWindow::closeEvent(event);
}

}  // namespace mv::gui
