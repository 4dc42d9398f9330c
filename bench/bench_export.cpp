// Exporting the combinations list of the full set (376,992 rows of the row number, the five
// numbers and their sum, all numbers) as an .xlsx report, file closed. Target: under 10 s.
//   bench_export --benchmark_repetitions=3

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/combs/full_set.h"
#include "engine/core/game.h"
#include "engine/export/xlsx_report.h"
#include "engine/support/ui_hooks.h"

namespace {

class TFullSetRows : public mv::IExportRows {
public:
    explicit TFullSetRows(std::vector<mv::TComb> combs) : m_combs(std::move(combs)) {}
    std::size_t RowCount() const override { return m_combs.size(); }
    void Cell(std::size_t row, int column, mv::TExportCell& cell) const override {
        const mv::TComb& c = m_combs[row];
        if (column == 0) {
            cell.SetNumber(static_cast<double>(row + 1));
        } else if (column <= 5) {
            cell.SetNumber(c.Nums[static_cast<std::size_t>(column - 1)]);
        } else if (column == 6) {
            cell.SetNumber(mv::NumbersSum(c.Nums));
        }
    }

private:
    std::vector<mv::TComb> m_combs;
};

void FullSetExport(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "bench-export-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    const std::filesystem::path dir = pattern;
    const TFullSetRows rows(mv::FullSet());
    mv::TExportParams params;
    params.Title = params.SheetName = "Комбинации";
    const char* captions[] = {"№", "N1", "N2", "N3", "N4", "N5", "Сумма"};
    for (int i = 0; i < 7; ++i) {
        params.Fields.push_back({i, mv::eaCenter, true, captions[i], "8,00", captions[i]});
    }
    mv::TReportSource source;
    source.Rows = &rows;
    mv::TSilentUiHooks hooks;
    for (auto _ : state) {
        const auto file = dir / "full.xlsx";
        if (!mv::WriteXlsxReport(file, params, source, hooks)) state.SkipWithError("stopped");
        state.PauseTiming();
        state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
        std::filesystem::remove(file);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(FullSetExport)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
