// karvelon-solve: tilings of the game's boxes by its tiles, counted, listed,
// and written as the short solving videos. Reads PENTIPOS.TXT beside itself.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

#include "solve/catalogue.h"
#include "solve/video.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage = R"(usage: karvelon-solve [--squares 5|6] [BOX] [--count] [--unique] [--print N]
       karvelon-solve [--squares 5|6] --entry E [--pattern CODE] --video FILE
       karvelon-solve --videos DIR

Tiles the open squares of a box with the game's tiles of 5 or 6 squares
(default 5), each tile at most once (all of them where the areas match),
turned and mirrored at will.

BOX is either
  --box LxC [--holes N,N,...]   L lines by C columns; the holes are box
                                squares (line x C + column) left uncovered
  --entry E [--pattern CODE]    entry E (from 0) of the game's size list for
                                the square count, with its grey squares; the
                                "8 by  8" and "8 by 10" boxes need a pattern
                                code (00..18 and 00..11)
and is the game's first box when none is given.

With no other option, prints one tiling as a grid of letters (A is tile 0,
B tile 1, ..., a tile 26; a dot is a hole).
  --count        counts every tiling
  --unique       counts one tiling per class of tilings that the box's turns
                 and mirrorings map onto each other
  --print N      prints the first N tilings; without --count or --unique the
                 search stops there
  --threads N    threads a count runs on (default: one per core)
  --video FILE   writes the short solving video of the box (needs --entry)
  --videos DIR   writes the short solving video of every box and pattern
  --help         shows this text
The last line of a count is the number alone; a count that takes longer than
a second shows its progress on standard error.

Exit status: 0 done, 1 no tiling (or the data files cannot be read), 2 bad
arguments.
)";

struct Arguments {
  int squares = 5;
  std::optional<std::pair<int, int>> box;
  std::vector<int> holes;
  std::optional<int> entry;
  std::string pattern;
  bool count = false, unique = false;
  std::optional<long> print;
  int threads = 0;
  std::string video, videos;
};

struct BadArguments : std::invalid_argument {
  using std::invalid_argument::invalid_argument;
};

long number(const std::string& text, const std::string& what) {
  std::size_t used = 0;
  long n = -1;
  try {
    n = std::stol(text, &used);
  } catch (const std::exception&) {
  }
  if (used != text.size() || n < 0) throw BadArguments(what + " must be a number: " + text);
  return n;
}

Arguments parse(int argc, char** argv) {
  Arguments a;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw BadArguments(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "--squares") {
      a.squares = static_cast<int>(number(value(), arg));
      if (a.squares != 5 && a.squares != 6) throw BadArguments("tiles have 5 or 6 squares");
    } else if (arg == "--box") {
      const std::string v = value();
      const std::size_t x = v.find('x');
      if (x == std::string::npos) throw BadArguments("--box takes LINESxCOLUMNS, such as 6x10");
      a.box = {{static_cast<int>(number(v.substr(0, x), arg)), static_cast<int>(number(v.substr(x + 1), arg))}};
    } else if (arg == "--holes") {
      std::stringstream list(value());
      for (std::string n; std::getline(list, n, ',');) a.holes.push_back(static_cast<int>(number(n, arg)));
    } else if (arg == "--entry") {
      a.entry = static_cast<int>(number(value(), arg));
    } else if (arg == "--pattern") {
      a.pattern = value();
    } else if (arg == "--count") {
      a.count = true;
    } else if (arg == "--unique") {
      a.unique = true;
    } else if (arg == "--print") {
      a.print = number(value(), arg);
    } else if (arg == "--threads") {
      a.threads = static_cast<int>(number(value(), arg));
      if (a.threads < 1 || a.threads > 256) throw BadArguments("--threads takes 1 to 256");
    } else if (arg == "--video") {
      a.video = value();
    } else if (arg == "--videos") {
      a.videos = value();
    } else {
      throw BadArguments("unknown argument " + arg);
    }
  }
  if (a.box && a.entry) throw BadArguments("give --box or --entry, not both");
  if (!a.box && !a.holes.empty()) throw BadArguments("--holes goes with --box");
  if (!a.entry && !a.pattern.empty()) throw BadArguments("--pattern goes with --entry");
  if (!a.video.empty() && !a.entry) throw BadArguments("--video needs --entry");
  return a;
}

std::string dataDir(const char* argv0) {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return (ec ? fs::absolute(argv0) : self).parent_path().string();
}

tiling::Problem problemOf(const Arguments& a, solve::Catalogue& catalogue) {
  if (!a.box) return catalogue.box(a.squares, a.entry.value_or(0), a.pattern).problem;
  const auto [lines, columns] = *a.box;
  if (lines < 1 || columns < 1 || lines * columns > 256) throw BadArguments("a box has 1 to 256 squares");
  tiling::Problem p{lines, columns, std::vector<bool>(lines * columns, false), catalogue.tiles(a.squares)};
  for (int h : a.holes) {
    if (h >= lines * columns) throw BadArguments("hole " + std::to_string(h) + " lies outside the box");
    p.blocked[h] = true;
  }
  return p;
}

void printTiling(const tiling::Problem& p, const tiling::Tiling& t) {
  std::vector<std::string> grid(p.lines, std::string(p.columns, '.'));
  for (const tiling::Placement& placed : t) {
    for (const tiling::Cell& c : placed.squares) {
      grid[c.line][c.column] = static_cast<char>(placed.piece < 26 ? 'A' + placed.piece : 'a' + placed.piece - 26);
    }
  }
  for (const std::string& line : grid) std::cout << line << '\n';
  std::cout << '\n';
}

long printFirst(const tiling::Problem& p, long wanted) {
  if (wanted == 1) {  // the search for a first tiling is the faster
    const std::optional<tiling::Tiling> t = tiling::solve(p);
    if (t) printTiling(p, *t);
    return t ? 1 : 0;
  }
  long printed = 0;
  if (wanted > 0) {
    tiling::enumerate(p, [&](const tiling::Tiling& t) {
      printTiling(p, t);
      return ++printed < wanted;
    });
  }
  return printed;
}

void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

int writeEveryVideo(solve::Catalogue& catalogue, const fs::path& dir) {
  fs::create_directories(dir);
  const std::vector<solve::GameBox> boxes = catalogue.everyBox();
  for (const solve::GameBox& box : boxes) {
    writeFile(dir / box.video, solve::video(catalogue, box));
    std::cout << box.video << '\n';
  }
  std::cout << boxes.size() << '\n';
  return 0;
}

int run(const Arguments& a, solve::Catalogue& catalogue) {
  if (!a.videos.empty()) return writeEveryVideo(catalogue, a.videos);
  if (!a.video.empty()) {
    writeFile(a.video, solve::video(catalogue, catalogue.box(a.squares, *a.entry, a.pattern)));
    return 0;
  }
  const tiling::Problem problem = problemOf(a, catalogue);
  if (!a.count && !a.unique) {
    const long wanted = a.print.value_or(1);
    const long printed = printFirst(problem, wanted);
    if (a.print) std::cout << printed << '\n';
    if (printed == 0 && wanted > 0) {
      std::cerr << "This box has no tiling with these tiles.\n";
      return 1;
    }
    return 0;
  }
  if (a.print) printFirst(problem, *a.print);
  const auto start = std::chrono::steady_clock::now();
  bool shown = false;
  const tiling::Count n = tiling::count(problem, [&](std::uint64_t sofar) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (seconds < 1) return;
    std::fprintf(stderr, "\rcounting: %llu tilings so far, %.0f s", static_cast<unsigned long long>(sofar), seconds);
    shown = true;
  }, a.threads);
  if (shown) std::fputc('\n', stderr);
  std::cerr << n.tilings << " tilings, " << n.classes << " up to the box's " << n.symmetries << " symmetries\n";
  std::cout << (a.unique ? n.classes : n.tilings) << '\n';
  return n.tilings > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--help") {
      std::cout << kUsage;
      return 0;
    }
  }
  Arguments args;
  try {
    args = parse(argc, argv);
  } catch (const BadArguments& e) {
    std::cerr << "karvelon-solve: " << e.what() << "\n\n" << kUsage;
    return 2;
  }
  try {
    solve::Catalogue catalogue(dataDir(argv[0]));
    return run(args, catalogue);
  } catch (const std::invalid_argument& e) {
    std::cerr << "karvelon-solve: " << e.what() << "\n\n" << kUsage;
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "karvelon-solve: " << e.what() << '\n';
    return 1;
  }
}
