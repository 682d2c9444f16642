// Timings of start-up and of the handlers: headless (the logic on the window
// model alone) and with the Qt view following the model on the offscreen
// platform, a described cursor move among them; the solver: counting (beside
// the count it replaced), a first tiling of the largest box, a hint and a
// count of the ways left, and writing every short solving video.
// Run: build/bench/karvelon_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <memory>

#include "baseline_solver.h"
#include "harness.h"
#include "play/key_codes.h"
#include "qt/form_view.h"
#include "qt/speaker.h"
#include "solve/video.h"

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

QApplication& offscreenApp() {
  static int argc = 1;
  static char name[] = "karvelon_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

void BM_StartUpWithView(benchmark::State& state) {
  offscreenApp();
  for (auto _ : state) {
    FakeServices sys;
    Form1 form(sys);
    qtview::FormView view(form.window);
    form.Form_Load();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_StartUpWithView)->Unit(benchmark::kMillisecond);

// A 6-square tile standing in the 15 by 15 box, ready to be moved about;
// state.range(0) = 1 puts the Qt view on the model.
struct PlacedTile {
  Game game;
  std::unique_ptr<qtview::FormView> view;
  explicit PlacedTile(const benchmark::State& state, const std::string& dir = KARVELON_DATA_DIR)
      : game(1920, 1080, dir) {
    if (state.range(0) == 1) {
      offscreenApp();
      view = std::make_unique<qtview::FormView>(game.f().window);
    }
    game.selectSquares(1);
    game.selectSize("15 by 15");
    game.clickTile(0);
    game.clickCell(0, 0);
  }
};

void BM_PlaceTile(benchmark::State& state) {
  PlacedTile p(state);
  for (auto _ : state) p.game.clickCell(0, 0);
}
BENCHMARK(BM_PlaceTile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RotateTile(benchmark::State& state) {
  PlacedTile p(state);
  for (auto _ : state) p.game.clickKey(4);
}
BENCHMARK(BM_RotateTile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_MoveTile(benchmark::State& state) {
  PlacedTile p(state);
  bool right = true;
  for (auto _ : state) {
    p.game.clickKey(right ? 10 : 11);
    right = !right;
  }
}
BENCHMARK(BM_MoveTile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Undoing and redoing a turn of the tile: each puts every tile button, the
// box-tile display and the labels back as they were.
void BM_UndoRedo(benchmark::State& state) {
  PlacedTile p(state);
  p.game.clickKey(4);
  for (auto _ : state) {
    p.game.f().EditUndo();
    p.game.f().EditRedo();
  }
}
BENCHMARK(BM_UndoRedo)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Undoing and redoing the change to 5 squares: each sets the other square
// count's box up again before the tiles are put back.
void BM_UndoRedoBoxChange(benchmark::State& state) {
  PlacedTile p(state);
  p.game.selectSquares(0);
  for (auto _ : state) {
    p.game.f().EditUndo();
    p.game.f().EditRedo();
  }
}
BENCHMARK(BM_UndoRedoBoxChange)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_HoverGrid(benchmark::State& state) {
  PlacedTile p(state);
  for (auto _ : state) p.game.f().FlexBox().mouseMove(0, 0, 700, 700);
}
BENCHMARK(BM_HoverGrid)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_HoverPalette(benchmark::State& state) {
  PlacedTile p(state);
  for (auto _ : state) p.game.f().ComTile(7).mouseMove(0, 0, 10, 10);
}
BENCHMARK(BM_HoverPalette)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A cursor move with descriptions on, from the key to the sentence handed to
// the voice: a real one, muted, whose thread says the newest description.
struct VoicedServices : FakeServices {
  qtview::Speaker speaker{true, 1.0};
  void describe(const std::string& text) override { speaker.describe(text); }
};

void BM_CursorMoveDescribed(benchmark::State& state) {
  VoicedServices sys;
  Form1 form(sys);
  std::unique_ptr<qtview::FormView> view;
  if (state.range(0) == 1) {
    offscreenApp();
    view = std::make_unique<qtview::FormView>(form.window);
  }
  form.Form_Load();
  form.Form_KeyDown(key::kD, 0);
  bool right = true;
  for (auto _ : state) {
    form.Form_KeyDown(right ? key::kRight : key::kLeft, 0);
    right = !right;
  }
}
BENCHMARK(BM_CursorMoveDescribed)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The guided video's two kinds of tick and the solve loop's, on the 15 by 15
// box. The line step reads and says a sentence (the fake voice returns at
// once); the pointer step glides the drawn pointer and raises the hover
// under it; a solve-loop tick clicks squares until the next tile fits.
void BM_VideoLineStep(benchmark::State& state) {
  TempDir dir;
  dir.copyShipped("PENTIPOS.TXT");
  dir.copyShipped("OBJECTS.TXT");
  std::string script;
  for (int i = 0; i < 1000; ++i) script += "S  The tile now waits above the box, ready to be turned.\r\n";
  dir.write("VIDINFO6.TXT", script);
  PlacedTile p(state, dir.path());
  p.game.sys.yesNoAnswers.assign(1000000, 6);
  for (auto _ : state) {
    if (p.game.f().VideoState == 0) {
      state.PauseTiming();
      p.game.clickKey(3);
      state.ResumeTiming();
    }
    p.game.tick();
  }
}
BENCHMARK(BM_VideoLineStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_VideoPointerStep(benchmark::State& state) {
  PlacedTile p(state);
  Form1& f = p.game.f();
  p.game.sys.pointerMovable = false;
  f.VideoState = 8;
  f.TimerState = 8;
  f.Timer1().setEnabled(true);
  for (auto _ : state) {
    if (f.StepCount >= f.StepTotal) {  // back and forth across the window
      f.StepX = f.PointerX > 900 ? -60 : 60;
      f.StepY = 0;
      f.StepTotal = 28;
      f.StepCount = 0;
    }
    p.game.tick();
  }
}
BENCHMARK(BM_VideoPointerStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SolveLoopTick(benchmark::State& state) {
  PlacedTile p(state);
  Form1& f = p.game.f();
  for (auto _ : state) {
    if (f.TimerState != 1) {
      state.PauseTiming();
      p.game.sys.yesNoAnswers = {7};
      p.game.clickKey(2);
      state.ResumeTiming();
    }
    p.game.tick();
  }
}
BENCHMARK(BM_SolveLoopTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

solve::Catalogue& catalogue() {
  static solve::Catalogue c(KARVELON_DATA_DIR);
  return c;
}

// Every 6 by 10 tiling visited one by one, turns and mirror images included.
void BM_Every6x10Tiling(benchmark::State& state) {
  const tiling::Problem p = catalogue().box(5, 0).problem;
  for (auto _ : state) {
    std::uint64_t n = 0;
    tiling::enumerate(p, [&](const tiling::Tiling&) { return ++n > 0; });
    state.counters["tilings"] = static_cast<double>(n);
  }
}
BENCHMARK(BM_Every6x10Tiling)->Unit(benchmark::kMillisecond);

// The count of tilings and of their classes on state.range(0) threads (0:
// one per core).
void BM_Count6x10(benchmark::State& state) {
  const tiling::Problem p = catalogue().box(5, 0).problem;
  for (auto _ : state) {
    const tiling::Count n = tiling::count(p, nullptr, static_cast<int>(state.range(0)));
    state.counters["tilings"] = static_cast<double>(n.tilings);
    state.counters["classes"] = static_cast<double>(n.classes);
  }
}
BENCHMARK(BM_Count6x10)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The count as it was and as it is, side by side in the same run: the
// milliseconds of each (the new one on every core) and how many times faster.
void BM_Count6x10OldAndNew(benchmark::State& state) {
  const tiling::Problem p = catalogue().box(5, 0).problem;
  const auto ms = [](auto&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  };
  if (baseline::count(p).tilings != tiling::count(p).tilings) state.SkipWithError("the two counts differ");
  double before = 0, after = 0;
  for (auto _ : state) {
    before += ms([&] { benchmark::DoNotOptimize(baseline::count(p)); });
    after += ms([&] { benchmark::DoNotOptimize(tiling::count(p)); });
  }
  state.counters["old_ms"] = before / static_cast<double>(state.iterations());
  state.counters["new_ms"] = after / static_cast<double>(state.iterations());
  state.counters["times_faster"] = before / after;
}
BENCHMARK(BM_Count6x10OldAndNew)->Unit(benchmark::kMillisecond);

// Every place of a 2 by 2 hole in the 8 by 8 box, counted one after another.
void BM_Count8x8EveryHole(benchmark::State& state) {
  const tiling::Problem box{8, 8, std::vector<bool>(64, false), catalogue().tiles(5)};
  std::uint64_t tilings = 0;
  for (auto _ : state) {
    tilings = 0;
    for (int corner = 0; corner < 56; ++corner) {
      if (corner % 8 == 7) continue;
      tiling::Problem p = box;
      for (int square : {corner, corner + 1, corner + 8, corner + 9}) p.blocked[square] = true;
      tilings += tiling::count(p).tilings;
    }
  }
  state.counters["tilings"] = static_cast<double>(tilings);
}
BENCHMARK(BM_Count8x8EveryHole)->Unit(benchmark::kMillisecond);

void BM_First15x15(benchmark::State& state) {
  const auto boxes = catalogue().everyBox();
  const tiling::Problem p =
      std::find_if(boxes.begin(), boxes.end(), [](const auto& b) { return b.size == "15 by 15"; })->problem;
  for (auto _ : state) benchmark::DoNotOptimize(tiling::solve(p));
}
BENCHMARK(BM_First15x15)->Unit(benchmark::kMillisecond);

// A hint (H) or a count (C) asked with the first tiles of a short solving
// video's tiling set by the player's clicks: from the press through the
// search in the background to the answer said.
void BM_Hint(benchmark::State& state, char key, int squares, const char* size, int placed, const char* answer) {
  const auto boxes = catalogue().everyBox();
  const solve::GameBox& box = *std::find_if(
      boxes.begin(), boxes.end(), [&](const auto& b) { return b.squares == squares && b.size == size; });
  const std::vector<solve::Step> steps = solve::plan(catalogue(), box);
  for (auto _ : state) {
    state.PauseTiming();
    Game game;
    game.selectSquares(squares - 5);
    game.selectSize(size);
    for (int i = 0; i < placed; ++i) {
      game.clickTile(steps[i].tile * squares);
      for (int k : steps[i].keys) game.clickKey(k);
      game.clickCell(steps[i].corner / box.problem.columns, steps[i].corner % box.problem.columns);
    }
    game.sys.spoken.clear();
    state.ResumeTiming();
    game.f().window.gate.submit([&] { game.f().Form_KeyDown(key, 0); });
    game.sys.finishBackground();
    state.PauseTiming();
    if (game.sys.spoken.size() != 1 || !game.sys.spoken[0].ends_with(answer)) state.SkipWithError("no answer");
    state.ResumeTiming();
  }
}
constexpr const char* kSolvable = "This box can still be solved";
constexpr const char* kWays = " ways to finish this box";
BENCHMARK_CAPTURE(BM_Hint, six_tiles_in_6_by_10, 'H', 5, "6 by 10", 6, kSolvable)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Hint, ten_tiles_in_15_by_15, 'H', 6, "15 by 15", 10, kSolvable)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Hint, count_empty_6_by_10, 'C', 5, "6 by 10", 0, kWays)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Hint, count_one_tile_in_6_by_10, 'C', 5, "6 by 10", 1, kWays)->Unit(benchmark::kMillisecond);

// The search of a hint on each empty pentomino box and pattern (the same
// problem as the hint builds from the form), and the slowest of them.
void BM_HintSearchEveryPentominoBox(benchmark::State& state) {
  std::vector<tiling::Problem> problems;
  for (const solve::GameBox& box : catalogue().everyBox())
    if (box.squares == 5) problems.push_back(box.problem);
  double slowest = 0;
  for (auto _ : state) {
    for (const tiling::Problem& p : problems) {
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(tiling::solve(p, tiling::Limits{}));
      slowest = std::max(slowest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
  }
  state.counters["boxes"] = static_cast<double>(problems.size());
  state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_HintSearchEveryPentominoBox)->Unit(benchmark::kMillisecond);

void BM_WriteEveryVideo(benchmark::State& state) {
  const auto boxes = catalogue().everyBox();
  for (auto _ : state) {
    for (const solve::GameBox& box : boxes) benchmark::DoNotOptimize(solve::video(catalogue(), box));
  }
}
BENCHMARK(BM_WriteEveryVideo)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
