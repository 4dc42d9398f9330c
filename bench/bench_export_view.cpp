// Exporting the combinations list of the full set as the desktop program does it: the cells
// read from the list's model through the view's row source (376,992 rows of seven columns),
// the report written and closed. Runs on the offscreen platform. Target: under 10 s.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QStringList>
#include <QTableView>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/combs/full_set.h"
#include "engine/export/xlsx_report.h"
#include "engine/support/ui_hooks.h"
#include "gui/combs/combs_model.h"
#include "gui/export/export_source.h"

namespace {

void ViewExport(benchmark::State& state) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "bench-export-view-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    const std::filesystem::path dir = pattern;
    const std::vector<mv::TComb> combs = mv::FullSet();
    mv::gui::TCombsModel model(
        [&] { return std::make_pair(combs.data(), combs.size()); }, [] { return 4; },
        {QStringLiteral("№"), QStringLiteral("N1"), QStringLiteral("N2"), QStringLiteral("N3"),
         QStringLiteral("N4"), QStringLiteral("N5"), QStringLiteral("Сумма")});
    model.Refresh(true);
    QTableView view;
    view.setModel(&model);
    const mv::gui::TExportSource source{&view, mv::gui::TExportKind::List,
                                        QStringLiteral("lvCombs"), QStringLiteral("Комбинации")};
    mv::TExportParams params;
    params.Title = params.SheetName = "Комбинации";
    params.Fields = mv::gui::SourceFields(source);
    const mv::gui::TViewExportRows rows(source);
    mv::TReportSource report;
    report.Rows = &rows;
    mv::TSilentUiHooks hooks;
    for (auto _ : state) {
        const auto file = dir / "full.xlsx";
        if (!mv::WriteXlsxReport(file, params, report, hooks)) state.SkipWithError("stopped");
        state.PauseTiming();
        state.counters["rows"] = static_cast<double>(rows.RowCount());
        std::filesystem::remove(file);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(ViewExport)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
