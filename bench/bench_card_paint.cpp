// The card's paint of one screen over a 10,000-draw archive: the grid scrolled to the middle
// of the archive and painted into an image the size of a full-HD window's grid, with both
// colour options on. Runs on the offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include "engine/core/game.h"
#include "gui/views/card_tab.h"
#include "gui/views/view_grid.h"

namespace {

constexpr int kDraws = 10000;

mv::TDrawsArray MakeDraws() {
    mv::TDrawsArray draws(kDraws);
    for (int i = 0; i < kDraws; ++i) {
        mv::TDrawRec& d = draws[static_cast<std::size_t>(i)];
        d.Number = i + 1;
        for (int k = 0; k < mv::NumbersInDraw; ++k) {
            d.Nums[static_cast<std::size_t>(k)] =
                static_cast<std::uint8_t>(1 + (i * 7 + k * 3) % mv::MaxNumber);
        }
        d.Extra = 1;
    }
    return draws;
}

void CardPaint(benchmark::State& state) {
    mv::gui::TCardTab tab;
    tab.resize(1100, 1000);
    tab.Model()->SetCard(mv::TCard(MakeDraws()));
    const mv::TCard& card = tab.Model()->Card();
    tab.Grid()->SetFill([&card](int row, int column) -> std::optional<QColor> {
        const auto rgb = mv::CardCellColour(card, row, column + 1, true, true, 6);
        if (!rgb) return std::nullopt;
        return QColor(rgb->R, rgb->G, rgb->B);
    });
    tab.show();
    QApplication::processEvents();
    QScrollBar* bar = tab.Grid()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    QWidget* viewport = tab.Grid()->viewport();
    QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        viewport->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["rows"] = viewport->height() / 18.0;
}
BENCHMARK(CardPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
