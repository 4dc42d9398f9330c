#include "engine/views/layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace mv {
namespace {

std::uint8_t Channel(double value) {
    // Rounded to the nearest integer, halves to even (the default rounding mode).
    return static_cast<std::uint8_t>(std::clamp(std::nearbyint(value), 0.0, 255.0));
}

// Indices whose last decimal digit is 1..5, up to 95: the checkerboard's bands.
bool InBand(int i) {
    return i <= 95 && i % 10 >= 1 && i % 10 <= 5;
}

template <class T>
int PositionOf(const std::vector<T>& values, T value) {
    return static_cast<int>(std::find(values.begin(), values.end(), value) - values.begin());
}

}  // namespace

TShemaArray CountShema(const TDrawsArray& draws, TDrawWindow window) {
    TShemaArray shema;
    std::array<int, MaxNumber + 1> position;
    position.fill(-1);
    for (int i = window.Last; i >= window.First; --i) {
        const TDrawRec& draw = draws[static_cast<std::size_t>(i)];
        for (const std::uint8_t n : draw.Nums) {
            if (n < 1 || n > MaxNumber) continue;
            if (position[n] >= 0) {
                ++shema[static_cast<std::size_t>(position[n])].Count;
            } else {
                position[n] = static_cast<int>(shema.size());
                shema.push_back({n, 1, draw.Number});
            }
        }
    }
    return shema;
}

TLayoutGrid BuildLayoutGrid(const TDrawsArray& draws, int drawsOffset, int windowLength,
                            const THiddenNumbers& hidden) {
    TLayoutGrid grid;
    const TShemaArray shema = CountShema(
        draws, RecentDrawsWindow(static_cast<int>(draws.size()), drawsOffset, windowLength));
    for (const TShemaRec& rec : shema) {
        if (std::find(grid.Counts.begin(), grid.Counts.end(), rec.Count) == grid.Counts.end()) {
            grid.Counts.push_back(rec.Count);
        }
        if (std::find(grid.LastDraws.begin(), grid.LastDraws.end(), rec.LastDraw) ==
            grid.LastDraws.end()) {
            grid.LastDraws.push_back(rec.LastDraw);
        }
    }
    std::sort(grid.Counts.begin(), grid.Counts.end(), std::greater<>());
    std::sort(grid.LastDraws.begin(), grid.LastDraws.end(), std::greater<>());
    grid.Cells.assign(grid.Counts.size(), std::vector<std::string>(grid.LastDraws.size()));
    grid.Bracketed.assign(grid.Counts.size(), std::vector<bool>(grid.LastDraws.size(), false));
    for (const TShemaRec& rec : shema) {
        const auto row = static_cast<std::size_t>(PositionOf(grid.Counts, rec.Count));
        const auto col = static_cast<std::size_t>(PositionOf(grid.LastDraws, rec.LastDraw));
        std::string& cell = grid.Cells[row][col];
        if (!cell.empty()) cell += ", ";
        const std::string text = std::to_string(rec.Number);
        if (hidden.test(static_cast<std::size_t>(rec.Number))) {
            cell += "[" + text + "]";
            grid.Bracketed[row][col] = true;
        } else {
            cell += text;
        }
    }
    return grid;
}

TCompareList BuildCompareList(const TDrawsArray& draws, int drawsOffset, int windowLength) {
    TCompareList list;
    const TDrawWindow window =
        RecentDrawsWindow(static_cast<int>(draws.size()), drawsOffset, windowLength);
    if (window.Empty()) return list;
    list.Caption = std::to_string(draws[static_cast<std::size_t>(window.First)].Number) + " - " +
                   std::to_string(draws[static_cast<std::size_t>(window.Last)].Number);
    for (const TShemaRec& rec : CountShema(draws, window)) {
        auto row = std::find_if(list.Rows.begin(), list.Rows.end(),
                                [&](const TCompareRow& r) { return r.Count == rec.Count; });
        if (row == list.Rows.end()) {
            list.Rows.push_back({rec.Count, std::to_string(rec.Number)});
        } else {
            row->Numbers += ", " + std::to_string(rec.Number);
        }
    }
    std::stable_sort(list.Rows.begin(), list.Rows.end(),
                     [](const TCompareRow& a, const TCompareRow& b) { return a.Count > b.Count; });
    return list;
}

TRgb LayoutCellColour(int r, int c, int rows, int columns, bool gradient, bool bracketed) {
    if (bracketed) return {0, 255, 0};
    if (gradient) {
        const double down = 155.0 * r / std::max(rows, 1);
        const double across = 155.0 * c / std::max(columns, 1);
        return {Channel(255 - down), Channel(255 - across), Channel(100 + down)};
    }
    if (InBand(c) != InBand(r)) return {255, 233, 234};
    return {234, 255, 234};
}

}  // namespace mv
