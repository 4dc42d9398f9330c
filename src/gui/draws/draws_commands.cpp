#include "gui/draws/draws_commands.h"

#include <QAction>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMainWindow>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "engine/core/game.h"
#include "engine/stats/draw_graph_values.h"
#include "gui/core/command_host.h"
#include "gui/draws/draw_dialog.h"
#include "gui/draws/draw_info_dialog.h"
#include "gui/draws/draws_model.h"
#include "gui/support/list_helpers.h"
#include "gui/support/message_viewer.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"
#include "gui/support/window_placement.h"

namespace mv::gui {
namespace {
constexpr int kDrawsPanel = 0;
constexpr int kNextPanel = 1;
constexpr int kHiddenPanel = 2;
const char* const kListName = "lvDraws";
const char* const kCsvFilter = TrNoop("Файлы тиражей (*.csv)");

std::vector<int> ColumnWidths(const QTableView* list) {
    std::vector<int> widths;
    for (int c = 0; c < list->model()->columnCount(); ++c) widths.push_back(list->columnWidth(c));
    return widths;
}
}  // namespace

TDrawsCommands::TDrawsCommands(ICommandHost& host, const QStringList& columnCaptions)
    : m_host(host), m_workspace(host.Workspace()) {
    BuildPage(columnCaptions);
    m_subscription = std::make_unique<TWorkspaceSubscription>(m_workspace, [this](TChanges c) {
        if (c & (chArchive | chOffset)) RefreshView((c & chArchive) != 0);
        if (c & chArchive) CheckArchive();
        // Sorted display and the channel size change how the rows look.
        if (c & chSettings) m_model->Refresh(false);
    });
    BuildActions();
}

TDrawsCommands::~TDrawsCommands() = default;

void TDrawsCommands::BuildPage(const QStringList& columnCaptions) {
    m_page = new QWidget(m_host.Window());
    m_page->setObjectName(QStringLiteral("tsDraws"));
    m_model = new TDrawsModel(m_workspace, columnCaptions, m_page);
    m_list = new QTableView(m_page);
    m_list->setObjectName(QString::fromLatin1(kListName));
    m_list->setModel(m_model);
    SetUpNumbersList(*m_list);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {50, 28, 28, 28, 28, 28, 28, 34, 84};
    for (int c = 0; c < 9; ++c) m_list->setColumnWidth(c, widths[c]);
    connect(m_list, &QTableView::doubleClicked, this, [this] {
        if (QAction* info = m_host.Action(QStringLiteral("DrawsInfo")); info && info->isEnabled()) {
            info->trigger();
        }
    });

    m_offsetBox = new QSpinBox(m_page);
    m_offsetBox->setObjectName(QStringLiteral("seDrawsOffset"));
    m_offsetBox->setRange(0, 0);
    connect(m_offsetBox, &QSpinBox::valueChanged, this, [this](int v) { SetDrawsOffset(v); });

    auto* offsetRow = new QHBoxLayout;
    offsetRow->addWidget(new QLabel(Tr("Смещение назад:"), m_page));
    offsetRow->addWidget(m_offsetBox);
    offsetRow->addStretch();

    auto* layout = new QVBoxLayout(m_page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_list, 1);
    layout->addLayout(offsetRow);
}

void TDrawsCommands::BuildActions() {
    const auto always = [] { return true; };
    const auto hasRow = [this] { return SelectedRow() >= 0; };
    const auto hasDraws = [this] { return m_workspace.DrawCount() > 0; };
    AddActions(
        m_host,
        {
            {"DrawsAdd", Tr("Добавить"), "", always, [this] { Add(); }},
            {"DrawsEdit", Tr("Изменить"), "", hasRow, [this] { Edit(); }},
            {"DrawsDel", Tr("Удалить"), "", hasRow, [this] { Delete(); }},
            {"DrawsInfo", Tr("Сведения о тираже"), "", hasRow, [this] { ShowInfo(); }},
            {"DrawsSorted", Tr("Упорядочить MIN->MAX"), "", always, [this] { ToggleSorted(); }},
            {"DrawsImport", Tr("Импорт из CSV-файла"), "", always, [this] { Import(); }},
            {"DrawsExport", Tr("Экспорт в CSV-файл"), "", hasDraws, [this] { Export(); }},
            {"ViewColorDraws", Tr("Выделять каналы в списке тиражей"), "", always,
             [this] { ToggleColours(); }},
        });
    m_host.Action(QStringLiteral("DrawsSorted"))->setCheckable(true);

    QAction* check = m_host.AddAction(QStringLiteral("DrawsCheck"), Tr("Проверка архива"), {},
                                      hasDraws, [this] { ShowArchiveFindings(); });
    check->setStatusTip(
        Tr("Проверить архив тиражей: повторы и пропуски номеров, некорректные числа и даты"));
    QAction* colours = m_host.Action(QStringLiteral("ViewColorDraws"));
    colours->setCheckable(true);
    colours->setChecked(true);
}

void TDrawsCommands::RefreshView(bool force) {
    TWorkspace& ws = m_workspace;
    m_model->Refresh(force);
    ws.RebuildHiddenDrawNumbers();
    m_host.SetPanelText(kDrawsPanel, Tr("Архив тиражей: %1").arg(ws.DrawCount()));
    m_host.SetPanelText(kNextPanel,
                        Tr("Следующий тираж: %1").arg(ws.NextDrawNumber(ws.DrawsOffset())));
    QString hidden;
    if (ws.DrawsOffset() > 0) hidden = Q(DrawNumbersText(ws.DrawAtPosition(ws.DrawsOffset() - 1)));
    m_host.SetPanelText(kHiddenPanel, hidden);
    const QSignalBlocker block(m_offsetBox);
    m_offsetBox->setMaximum(std::max(0, ws.DrawCount() - 1));
    m_offsetBox->setValue(ws.DrawsOffset());
}

void TDrawsCommands::CheckArchive() {
    m_findings = mv::CheckArchive(m_workspace.DrawArchive());
    if (!m_checkLine) {
        auto* window = qobject_cast<QMainWindow*>(m_host.Window());
        if (!window) return;
        m_checkLine = new QLabel(window);
        m_checkLine->setObjectName(QStringLiteral("lbArchiveCheck"));
        m_checkLine->setStyleSheet(QStringLiteral("QLabel { color: #800000; }"));
        m_checkLine->setToolTip(Tr("Подробности: \"Архив тиражей\" - \"Проверка архива\""));
        window->statusBar()->addPermanentWidget(m_checkLine);
    }
    // Notices (gaps in the numbering) alone are no reason to worry anyone.
    const int problems = ArchiveProblemCount(m_findings);
    m_checkLine->setText(Tr("Архив тиражей: найдено замечаний: %1").arg(problems));
    m_checkLine->setVisible(problems > 0);
}

void TDrawsCommands::ShowArchiveFindings() {
    CheckArchive();
    QString text;
    for (const TArchiveFinding& f : m_findings)
        text += Q(ArchiveFindingLine(f)) + QLatin1Char('\r');
    text += Q(ArchiveCheckSummary(m_workspace.DrawCount(), m_findings));
    ShowMessage(Tr("Проверка архива"), text,
                ArchiveProblemCount(m_findings) > 0 ? MessageAlertColor() : QColor(Qt::black));
}

void TDrawsCommands::SetDrawsOffset(int value) {
    if (!m_workspace.SetDrawsOffset(value)) {
        const QSignalBlocker block(m_offsetBox);
        m_offsetBox->setValue(m_workspace.DrawsOffset());
    }
}

int TDrawsCommands::SelectedRow() const {
    if (!m_list->selectionModel()) return -1;
    const QModelIndex current = m_list->selectionModel()->currentIndex();
    if (current.isValid() && m_list->selectionModel()->isRowSelected(current.row())) {
        return current.row();
    }
    const auto rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QList<int> TDrawsCommands::SelectedRows() const {
    QList<int> rows;
    if (!m_list->selectionModel()) return rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TDrawsCommands::Add() {
    TDrawRec draw;
    draw.Number = m_workspace.NextDrawNumber(0);
    EditDraw(draw, -1);
}

void TDrawsCommands::Edit() {
    const int index = m_workspace.IndexAtPosition(SelectedRow());
    if (index >= 0) EditDraw(m_workspace.DrawArchive()[static_cast<std::size_t>(index)], index);
}

void TDrawsCommands::EditDraw(const TDrawRec& draw, int index) {
    std::optional<TDrawRec> result;
    m_host.RunCommand([&] {
        TDrawDialog dialog(draw, m_host.Window());
        dialog.setWindowTitle(Tr("Введите данные следующего тиража"));
        if (m_host.ExecDialog(dialog, {})) result = dialog.Result();
    });
    if (result) StoreDrawAt(*result, index);
}

void TDrawsCommands::StoreDrawAt(const TDrawRec& draw, int index) {
    m_host.RunBusy({}, [&] { m_workspace.StoreDraw(draw, index); });
}

void TDrawsCommands::Delete() {
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty() ||
        !TMessages::ConfirmDelete(static_cast<int>(rows.size()), m_host.Window())) {
        return;
    }
    m_host.RunBusy(Tr("Удаление выделенных тиражей...."), [this, rows] {
        std::vector<std::int32_t> numbers;
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            numbers.push_back(m_model->NumberAtRow(*it));
        }
        m_workspace.DeleteDraws(numbers);
        m_list->clearSelection();
    });
}

void TDrawsCommands::ShowInfo() {
    const int row = SelectedRow();
    if (row < 0) return;
    const TDrawRec draw = m_workspace.DrawAtPosition(row);
    TDrawInfoDialog dialog(draw, m_workspace.Config().MatrixCols, m_workspace.Config().ChannelSize,
                           m_host.Window());
    m_host.RunCommand([&] {
        const int index = m_workspace.IndexAtPosition(row);
        for (const auto& [name, value] :
             DrawGraphValues(m_workspace.Stats(), index, m_workspace.SortedDraws())) {
            dialog.AddProperty(Q(name), QString::number(value));
        }
    });
    m_host.ExecDialog(dialog, {});
}

void TDrawsCommands::ToggleSorted() {
    m_workspace.SetSortedDraws(!m_workspace.SortedDraws());
    m_host.Action(QStringLiteral("DrawsSorted"))->setChecked(m_workspace.SortedDraws());
    m_host.StoreSetting(MainWindowKey::SortedDraws, m_workspace.SortedDraws());
}

void TDrawsCommands::ToggleColours() {
    const bool on = !m_model->ChannelColours();
    m_model->SetChannelColours(on);
    m_host.Action(QStringLiteral("ViewColorDraws"))->setChecked(on);
    m_host.StoreSetting(MainWindowKey::ColorDraws, on);
}

void TDrawsCommands::Import() {
    const QString file = QFileDialog::getOpenFileName(m_host.Window(), Tr("Импорт из CSV-файла"),
                                                      QString(), Tr(kCsvFilter));
    if (file.isEmpty()) return;
    ImportFrom(file);
}

void TDrawsCommands::ImportFrom(const QString& file) {
    m_host.RunBusy({}, [this, file] { m_workspace.ImportDrawsCsv(file.toStdString()); });
}

void TDrawsCommands::Export() {
    QFileDialog dialog(m_host.Window(), Tr("Экспорт в CSV-файл"), QString(), Tr(kCsvFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    ExportTo(dialog.selectedFiles().first());
}

void TDrawsCommands::ExportTo(const QString& file) {
    m_host.RunBusy({}, [this, file] { m_workspace.ExportDrawsCsv(file.toStdString()); });
}

void TDrawsCommands::RestoreSettings(const TWindowSettings& settings) {
    m_workspace.SetSortedDraws(ReadMainFlag(settings, MainWindowKey::SortedDraws));
    m_host.Action(QStringLiteral("DrawsSorted"))->setChecked(m_workspace.SortedDraws());
    const bool colours = ReadMainFlag(settings, MainWindowKey::ColorDraws);
    m_model->SetChannelColours(colours);
    m_host.Action(QStringLiteral("ViewColorDraws"))->setChecked(colours);
    const auto widths =
        ReadSaneColumnWidths(settings, MainWindowSection, kListName, ColumnWidths(m_list));
    for (std::size_t c = 0; c < widths.size(); ++c) {
        m_list->setColumnWidth(static_cast<int>(c), widths[c]);
    }
}

void TDrawsCommands::SaveSettings(TWindowSettings& settings) const {
    settings.WriteColumnWidths(MainWindowSection, kListName, ColumnWidths(m_list));
}

}  // namespace mv::gui
