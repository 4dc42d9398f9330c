#include "gui/ratings/ratings_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QTreeView>

#include <algorithm>

#include "engine/draws/run_identity.h"
#include "engine/session/rating_commands.h"
#include "engine/support/atomic_file.h"
#include "gui/core/command_host.h"
#include "gui/core/main_window_keys.h"
#include "gui/ratings/ratings_model.h"
#include "gui/ratings/ratings_tab.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui/support/tr.h"
#include "gui/views/chart_window.h"
#include "gui/views/views_commands.h"

namespace mv::gui {
namespace {
const char* const kCharting = TrNoop("Создание графиков...");
const char* const kEffActions[] = {"RatingsEffMode0", "RatingsEffMode1", "RatingsEffMode2"};
}  // namespace

TRatingsCommands::TRatingsCommands(ICommandHost& host, TViewsCommands& views,
                                   std::function<void()> showScript, QWidget* parent)
    : m_host(host),
      m_workspace(host.Workspace()),
      m_views(views),
      m_showScript(std::move(showScript)),
      m_tab(new TRatingsTab(m_workspace.Ratings(), parent)) {
    m_subscription = std::make_unique<TWorkspaceSubscription>(m_workspace, [this](TChanges c) {
        if (c & chRatings) Refresh();
    });
    m_tab->List()->OnOwnerSort = [this](TSortableListView&, int column, TSortDirection direction) {
        SortByOwner(column, direction == sdDescending);
    };
    BuildActions();
    Refresh();
}

TRatingsCommands::~TRatingsCommands() = default;

void TRatingsCommands::Refresh() {
    m_tab->Model()->Refresh();
    m_host.SetPanelText(CountPanel, Tr("Рейтинг: %1").arg(m_tab->Model()->rowCount()));
}

bool TRatingsCommands::HasRows() const {
    return !m_workspace.Ratings().empty();
}

bool TRatingsCommands::HasSelection() const {
    const auto* selection = m_tab->List()->selectionModel();
    return HasRows() && selection && selection->hasSelection();
}

std::vector<std::string> TRatingsCommands::SelectedNames() const {
    std::vector<std::string> names;
    const TRatings& rows = m_workspace.Ratings();
    for (const int row : m_tab->SelectedRows()) {
        if (row >= 0 && static_cast<std::size_t>(row) < rows.size())
            names.push_back(rows[static_cast<std::size_t>(row)].Name);
    }
    return names;
}

void TRatingsCommands::BuildActions() {
    const auto idle = [] { return true; };
    const auto rows = [this] { return HasRows(); };
    const auto selected = [this] { return HasSelection(); };
    const auto stakesAndSelected = [this] {
        return m_workspace.Stakes().IsOpen() && !m_workspace.Stakes().Empty() && HasSelection();
    };
    AddActions(
        m_host,
        {
            {"RatingsRefresh", Tr("Обновить рейтинг"), "F5",
             [this] { return m_workspace.Stakes().IsOpen(); }, [this] { Rebuild(); }},
            {"RatingsEffMode0", Tr("Ожидаемые значения совпадений"), "", idle,
             [this] { SetEffMode(remExpected); }},
            {"RatingsEffMode1", Tr("Абсолютные значения эффективности"), "", idle,
             [this] { SetEffMode(remAbsolute); }},
            {"RatingsEffMode2", Tr("Относительные значения эффективности"), "", idle,
             [this] { SetEffMode(remRelative); }},
            {"StakesGraphOverlap", Tr("График совпадений ставок"), "Ctrl+F6", stakesAndSelected,
             [this] { ShowStakeChart(TStakeChartValue::Matches); }},
            {"StakesGraphProfits", Tr("График профита ставок"), "Alt+F6", stakesAndSelected,
             [this] { ShowStakeChart(TStakeChartValue::Profit); }},
            {"RatingsGraphOverlap", Tr("Количество совпадений"), "", selected,
             [this] { ShowMatchChart(); }},
            {"RatingsToScript", Tr("Добавить в сценарий"), "", selected, [this] { ToScript(); }},
            {"RatingsExport", Tr("Экспорт рейтинга в CSV-файл"), "", rows, [this] { Export(); }},
        });
    for (int mode = 0; mode < 3; ++mode) {
        QAction* a = m_host.Action(QString::fromLatin1(kEffActions[mode]));
        a->setCheckable(true);
        a->setChecked(mode == m_tab->Model()->EffMode());
    }
    m_host.Action(QStringLiteral("StakesGraphOverlap"))
        ->setStatusTip(QString::fromUtf8(StakesOverlapChartTitle));
    m_host.Action(QStringLiteral("StakesGraphProfits"))
        ->setStatusTip(QString::fromUtf8(StakesProfitChartTitle));
    m_host.Action(QStringLiteral("RatingsGraphOverlap"))
        ->setStatusTip(QString::fromUtf8(RatingsOverlapChartTitle));
    // A double click draws the selected rows' match counts, when that command may run.
    connect(m_tab->List(), &QAbstractItemView::doubleClicked, this, [this] {
        m_host.UpdateActions();
        QAction* chart = m_host.Action(QStringLiteral("RatingsGraphOverlap"));
        if (chart && chart->isEnabled()) chart->trigger();
    });
}

void TRatingsCommands::SortByOwner(int column, bool descending) {
    m_workspace.RatingsSortColumn = column;
    m_workspace.RatingsSortDescending = descending;
    // A stored order restored before the data files are open only sets the order: the load
    // sorts by it, and a save now would replace the file with the empty list.
    if (m_workspace.DataFilesLocked()) SortAndSaveRatings(m_workspace);
}

void TRatingsCommands::SetEffMode(int mode) {
    m_tab->Model()->SetEffMode(mode);
    for (int m = 0; m < 3; ++m) {
        m_host.Action(QString::fromLatin1(kEffActions[m]))->setChecked(m == mode);
    }
    m_host.StoreSetting(MainWindowKey::RatingsEffMode, mode);
}

void TRatingsCommands::Rebuild() {
    if (HasRows() &&
        !TMessages::Ask(TAskKind::Confirm, QString(),
                        DisplayText(std::string(RebuildRatingsQuestion)), m_host.Window())) {
        return;
    }
    m_host.RunBusy({}, [this] { RebuildRatingsFromStakes(m_workspace); });
}

// Qt's own file dialog, so that the identity option sits under the file name; it stays off
// until the user asks, because the extra comment line is not part of the 12-field layout.
void TRatingsCommands::Export() {
    QFileDialog dialog(m_host.Window(), Tr("Экспорт в CSV-файл"), QString(),
                       Tr("CSV-файлы (*.csv)"));
    dialog.setObjectName(QStringLiteral("FormRatingsExport"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    auto* identity = new QCheckBox(
        Tr("Добавить в конец файла идентификатор данных (архив, настройки, версия)"), &dialog);
    identity->setObjectName(QStringLiteral("cbIdentity"));
    identity->setToolTip(
        Tr("Последняя строка-комментарий с контрольной суммой архива тиражей, смещением, "
           "таблицей выигрышей, стоимостью ставки и версией программы"));
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(identity, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (!m_host.ExecDialog(dialog, {}) || dialog.selectedFiles().isEmpty()) return;
    ExportTo(dialog.selectedFiles().first(), identity->isChecked());
}

void TRatingsCommands::ExportTo(const QString& file, bool withIdentity) {
    m_host.RunBusy(Tr("Экспорт в CSV-файл..."), [&] {
        std::optional<TRunIdentity> identity;
        if (withIdentity) {
            identity = MakeRunIdentity(m_workspace.Paths().Archive(), m_workspace.DrawsOffset(),
                                       m_workspace.Config());
        }
        WriteFileAtomically(file.toStdString(), RatingsCsv(m_workspace.Ratings(), identity));
    });
}

void TRatingsCommands::ToScript() {
    const std::vector<std::string> names = SelectedNames();
    int added = 0;
    m_host.RunBusy({}, [&] {
        added = RatingsToScript(m_workspace, names, [this](const std::string& refused) {
            TMessages::ShowError(DisplayText(refused), m_host.Window());
        });
    });
    if (added > 0 && m_showScript) m_showScript();
}

void TRatingsCommands::ShowStakeChart(TStakeChartValue value) {
    const std::vector<std::string> names = SelectedNames();
    TChartWindow* chart = nullptr;
    m_host.RunBusy(Tr(kCharting), [&] {
        const std::vector<TRatingChartLine> lines =
            StakeChartByDraw(m_workspace.Stakes(), names, value);
        chart = m_views.NewChartWindow();
        chart->setWindowTitle(QString::fromUtf8(
            value == TStakeChartValue::Matches ? StakesOverlapChartTitle : StakesProfitChartTitle));
        for (const TRatingChartLine& line : lines) {
            const QString title = QString::fromStdString(line.Title);
            for (const TRatingChartPoint& p : line.Points) {
                chart->AddGraphPoint(static_cast<std::int32_t>(p.X), title, p.Y, true, true);
            }
        }
    });
    if (chart) chart->ShowChartModal();
}

void TRatingsCommands::ShowMatchChart() {
    std::vector<TRatingRecord> rows;
    for (const int row : m_tab->SelectedRows()) {
        if (static_cast<std::size_t>(row) < m_workspace.Ratings().size())
            rows.push_back(m_workspace.Ratings()[static_cast<std::size_t>(row)]);
    }
    TChartWindow* chart = nullptr;
    m_host.RunBusy(Tr(kCharting), [&] {
        const std::vector<TRatingChartLine> lines = RatingMatchChart(rows);
        chart = m_views.NewChartWindow();
        chart->setWindowTitle(QString::fromUtf8(RatingsOverlapChartTitle));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QString title = QString::fromStdString(lines[i].Title);
            // The chance line is grey; the rows take the chart's own colours.
            const QColor colour = i == 0 ? QColor(128, 128, 128) : QColor();
            for (const TRatingChartPoint& p : lines[i].Points) {
                chart->AddGraphPoint(static_cast<std::int32_t>(p.X), title, p.Y, true, false,
                                     colour);
            }
        }
    });
    if (chart) chart->ShowChartModal();
}

void TRatingsCommands::RestoreSettings(const TWindowSettings& settings) {
    const int mode = std::clamp(ReadMainSetting(settings, MainWindowKey::RatingsEffMode), 0, 2);
    m_tab->Model()->SetEffMode(mode);
    for (int m = 0; m < 3; ++m) {
        m_host.Action(QString::fromLatin1(kEffActions[m]))->setChecked(m == mode);
    }
    m_tab->RestoreSettings(settings);
}

void TRatingsCommands::SaveSettings(TWindowSettings& settings) const {
    m_tab->SaveSettings(settings);
}

}  // namespace mv::gui
