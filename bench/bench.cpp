// Timings of start-up and of the handlers, headless (the logic on the window
// model alone). Run: build/bench/karvelon_bench
#include <benchmark/benchmark.h>

#include "harness.h"

namespace {

void BM_ReadControl(benchmark::State& state) {
  Game game;
  for (auto _ : state) game.f().ReadControl();
}
BENCHMARK(BM_ReadControl)->Unit(benchmark::kMicrosecond);

void BM_StartUpHeadless(benchmark::State& state) {
  for (auto _ : state) {
    FakeServices sys;
    Form1 form(sys);
    form.Form_Load();
    benchmark::DoNotOptimize(form.AvailSquares);
  }
}
BENCHMARK(BM_StartUpHeadless)->Unit(benchmark::kMicrosecond);

void BM_SetUpLargestBox(benchmark::State& state) {
  Game game;
  game.selectSquares(1);
  for (auto _ : state) game.selectSize("15 by 15");
}
BENCHMARK(BM_SetUpLargestBox)->Unit(benchmark::kMicrosecond);

// A 6-square tile standing in the box, ready to be moved about.
struct PlacedTile {
  Game game;
  PlacedTile() {
    game.selectSquares(1);
    game.selectSize("15 by 15");
    game.clickTile(0);
    game.clickCell(0, 0);
  }
};

void BM_PlaceTile(benchmark::State& state) {
  PlacedTile p;
  for (auto _ : state) p.game.clickCell(0, 0);
}
BENCHMARK(BM_PlaceTile)->Unit(benchmark::kMicrosecond);

void BM_RotateTile(benchmark::State& state) {
  PlacedTile p;
  for (auto _ : state) p.game.clickKey(4);
}
BENCHMARK(BM_RotateTile)->Unit(benchmark::kMicrosecond);

void BM_MoveTile(benchmark::State& state) {
  PlacedTile p;
  bool right = true;
  for (auto _ : state) {
    p.game.clickKey(right ? 10 : 11);
    right = !right;
  }
}
BENCHMARK(BM_MoveTile)->Unit(benchmark::kMicrosecond);

void BM_HoverGrid(benchmark::State& state) {
  PlacedTile p;
  for (auto _ : state) p.game.f().FlexBox().mouseMove(0, 0, 700, 700);
}
BENCHMARK(BM_HoverGrid)->Unit(benchmark::kMicrosecond);

void BM_HoverPalette(benchmark::State& state) {
  PlacedTile p;
  for (auto _ : state) p.game.f().ComTile(7).mouseMove(0, 0, 10, 10);
}
BENCHMARK(BM_HoverPalette)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
