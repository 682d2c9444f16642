// Counting tilings has a search of its own: it never writes a tiling out,
// so it carries no more than the board and the pieces used, checks only
// what is cheap, remembers the counts of positions it met before, and
// shares the work between threads.
#include <pthread.h>
#include <sched.h>
#include <sys/mman.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <numeric>
#include <system_error>
#include <thread>

#include "tiling/board.h"
#include "tiling/solver.h"

namespace tiling {
namespace {

using namespace detail;

// Options at a square are listed by which of the next kNear squares are
// already filled, so that most of the options that would not fit are
// never looked at. Fewer on large boxes, whose lists would be too long.
template <int W>
constexpr int kNear = W == 1 ? 6 : 4;

// Counts of positions met before are kept for the positions with from about
// half of a tiling's pieces set down to kMemoDepths - 1 more, in a table of
// 2^kMemoBits entries that the threads share; a newer position takes an
// older one's entry. Larger tables cost more in cache misses than they
// save. The searches among the placements that a symmetry keeps are small:
// a small table spares clearing a large one for them.
constexpr int kMemoBits = 17, kSmallMemoBits = 8;
constexpr int kMemoDepths = 5;

// Closed regions are not looked for while the last kUnchecked pieces are
// set down: what so small a search would still try costs less than the
// looking. On 6 by 10 that counts a sixth faster.
constexpr int kUnchecked = 5;

// A table in large pages where the system gives them: a fresh table of
// small pages costs a page fault for every 4 KiB, as long as a small count.
struct Release {
  void operator()(void* p) const { std::free(p); }
};
template <class T>
using Table = std::unique_ptr<T[], Release>;

template <class T>
Table<T> table(std::size_t entries) {
  constexpr std::size_t large = std::size_t{2} << 20, small = 64;
  const std::size_t page = entries * sizeof(T) < large / 4 ? small : large;
  const std::size_t bytes = (entries * sizeof(T) + page - 1) / page * page;
  void* p = std::aligned_alloc(page, bytes);
  if (!p) throw std::bad_alloc();
  if (page == large) madvise(p, bytes, MADV_HUGEPAGE);
  std::memset(p, 0, bytes);
  return Table<T>(static_cast<T*>(p));
}

// The threads of a count, started before it is set up. A thread that starts
// on an idle processor here takes from a tenth of a millisecond to several
// to get going: the set-up hides that. The helpers wait on processors other
// than the caller's, so as not to slow its set-up, and spin, so that theirs
// stay awake; once their work has come they may go anywhere.
class Crew {
 public:
  explicit Crew(int threads) {
    cpu_set_t all, others;
    CPU_ZERO(&all);
    const int here = sched_getcpu();
    const bool known = here >= 0 && sched_getaffinity(0, sizeof all, &all) == 0;
    others = all;
    if (known) CPU_CLR(here, &others);
    const bool aside = known && CPU_COUNT(&others) > 0;
    try {
      for (int t = 1; t < threads; ++t) {
        helpers_.emplace_back([this, t, aside, all, others] {
          if (aside) pthread_setaffinity_np(pthread_self(), sizeof others, &others);
          while (!go_.load(std::memory_order_acquire)) spin();
          if (aside) pthread_setaffinity_np(pthread_self(), sizeof all, &all);
          if (job_) (*job_)(t);
        });
      }
    } catch (const std::system_error&) {
      // No more threads to be had: those running share the work.
    }
  }
  Crew(const Crew&) = delete;
  ~Crew() {
    go_.store(true, std::memory_order_release);
    join();
  }

  int size() const { return static_cast<int>(helpers_.size()) + 1; }

  // Runs job(t) on every thread, the calling one as 0, and waits for all.
  void run(const std::function<void(int)>& job) {
    job_ = &job;
    go_.store(true, std::memory_order_release);
    try {
      job(0);
    } catch (...) {
      join();
      throw;
    }
    join();
  }

 private:
  void join() {
    for (std::thread& h : helpers_) h.join();
    helpers_.clear();
  }

  // A moment's wait that keeps the processor: a system call here costs the
  // count half a millisecond at best.
  static void spin() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#else
    std::this_thread::yield();
#endif
  }

  std::vector<std::thread> helpers_;
  const std::function<void(int)>* job_ = nullptr;
  std::atomic<bool> go_{false};
};

// The tilings of a box. With `keptBy`, only those that the box's symmetry
// of that number maps onto themselves: each piece is used once, so such a
// symmetry maps every piece onto itself, and only the placements it keeps
// take part.
template <int W>
class Census {
 public:
  // A position the threads take from a common list, one at a time, and how
  // many tilings each tiling that follows it stands for.
  struct Task {
    Bits<W> board;
    std::uint64_t used = 0;  // by piece
    int depth = 0;           // pieces set down
    std::uint64_t weight = 1;
    // The board numbered from the box's far end. That is the box turned half
    // round, and the pieces turn with it: a board counts the same either
    // way, so one memo serves both.
    bool far = false;
  };

  explicit Census(const Problem& p, int keptBy = -1)
      : layout_(oriented(p)), squares_(p.lines * p.columns), maps_(detail::symmetries(p, layout_)) {
    int open = filledAtStart(p, layout_, start_), area = 0, largest = 1;
    int smallest = kMaxSquares, divisor = 0;
    std::vector<std::vector<Bits<W>>> byPiece(p.pieces.size());
    for (int piece = 0; piece < static_cast<int>(p.pieces.size()); ++piece) {
      const int size = static_cast<int>(p.pieces[piece].size());
      if (size == 0) continue;
      area += size;
      smallest = std::min(smallest, size);
      divisor = std::gcd(divisor, size);
      largest = std::max(largest, size);
      pieces_ |= std::uint64_t{1} << piece;
      for (const Piece& form : orientations(p.pieces[piece])) {
        int height = 0, width = 0;
        for (const Cell& c : form) height = std::max(height, c.line + 1), width = std::max(width, c.column + 1);
        for (int line = 0; line + height <= p.lines; ++line) {
          for (int column = 0; column + width <= p.columns; ++column) {
            Bits<W> mask;
            for (const Cell& c : form) mask.set(layout_.bit(line + c.line, column + c.column));
            if (mask.intersects(start_) || (keptBy >= 0 && image(mask, maps_[keptBy]) != mask)) continue;
            byPiece[piece].push_back(mask);
          }
        }
      }
    }
    exact_ = area == open;
    reach_ = 2 * smallest - 1;
    for (int n = 0; n <= squares_; ++n) fits_.push_back(n % divisor == 0 && n >= smallest);
    lonesDead_ = smallest > 1;
    pairsDead_ = smallest > 2;
    memoDepth_ = std::max(1, open / largest / 2);
    checkedUntil_ = open / largest - kUnchecked;
    small_ = keptBy >= 0;
    bool placeless = false;  // a piece that every tiling needs has no place
    for (std::size_t piece = 0; piece < p.pieces.size(); ++piece) {
      placeless |= exact_ && !p.pieces[piece].empty() && byPiece[piece].empty();
    }
    if (area < open || placeless) return;  // no tiling
    ahead_ = Lists(byPiece, squares_, layout_.run);
    for (int b = squares_; b < W * 64; ++b) past_.set(b);
    if (exact_ && pieces_ && keptBy < 0) {
      restrict(byPiece);
    } else {
      starts_.push_back({start_, 0, 0, 1});
    }
    if (std::any_of(starts_.begin(), starts_.end(), [](const Task& t) { return t.far; })) {
      for (auto& masks : byPiece)
        for (Bits<W>& m : masks) m = turned(m);
      behind_ = Lists(byPiece, squares_, layout_.run);
    }
  }

  int symmetries() const { return static_cast<int>(maps_.size()) + 1; }

  // Shares the count between threads, the calling one among them, and sums
  // what they found; progress is called on the calling thread.
  std::uint64_t run(Crew& crew, const Limits* limits, const std::function<void(std::uint64_t)>* progress, bool& stopped) {
    const std::vector<Task> tasks = split();
    const int threads = crew.size();
    const int bits = small_ ? kSmallMemoBits : kMemoBits;
    const Table<Memo> memo = table<Memo>(std::size_t{1} << bits);
    Shared shared{limits, {}, {}, memo.get(), bits, threads > 1};
    std::vector<std::unique_ptr<Worker>> workers;
    for (int t = 0; t < threads; ++t) workers.push_back(std::make_unique<Worker>(*this, shared, t == 0 ? progress : nullptr));
    // Each thread works through a stretch of its own, then helps with the
    // others': neighbouring tasks share more positions, which the memo still
    // holds when the thread comes to them.
    std::vector<Stretch> stretches(threads);
    for (int t = 0; t < threads; ++t) {
      stretches[t].next = tasks.size() * t / threads;
      stretches[t].end = tasks.size() * (t + 1) / threads;
    }
    const auto work = [&](int t) {
      Worker& w = *workers[t];
      for (int k = 0; k < threads; ++k) {
        Stretch& s = stretches[(t + k) % threads];
        for (std::size_t i; !w.stopped() && (i = s.next.fetch_add(1)) < s.end;) w.run(tasks[i]);
      }
    };
    crew.run(work);
    std::uint64_t sum = 0;
    for (const auto& w : workers) sum += w->tilings();
    stopped = shared.stop.load();
    return sum;
  }

 private:
  struct Stretch {
    std::atomic<std::size_t> next;
    std::size_t end;
  };
  struct Memo;
  struct Shared {
    const Limits* limits;
    std::atomic<bool> stop;
    std::atomic<std::uint64_t> tilings;  // so far, for progress
    Memo* memo;
    int memoBits;
    bool threaded;  // more than one thread shares the memo
  };
  struct Lists;

  // An entry of the memo. A thread writes one only after taking it, by
  // making its sequence number odd; a reader trusts what it read only where
  // that number was even and stayed the same meanwhile. Sharing one memo,
  // two threads visit 14% fewer positions on 6 by 10 than with one each.
  struct Memo {
    std::uint64_t seq;
    Bits<W> board;
    std::uint64_t used, count;

    bool find(const Bits<W>& b, std::uint64_t u, std::uint64_t& n) {
      const std::uint64_t before = at(seq).load(std::memory_order_acquire);
      bool same = at(used).load(std::memory_order_relaxed) == u;
      for (int i = 0; i < W; ++i) same = same && at(board.w[i]).load(std::memory_order_relaxed) == b.w[i];
      n = at(count).load(std::memory_order_relaxed);
      std::atomic_thread_fence(std::memory_order_acquire);
      return same && !(before & 1) && at(seq).load(std::memory_order_relaxed) == before;
    }
    // Where another thread is writing the entry, it keeps that one's.
    void keep(const Bits<W>& b, std::uint64_t u, std::uint64_t n, bool threaded) {
      std::uint64_t s = at(seq).load(std::memory_order_relaxed);
      if (s & 1) return;
      if (!threaded) {
        at(seq).store(s + 1, std::memory_order_relaxed);
      } else if (!at(seq).compare_exchange_strong(s, s + 1, std::memory_order_relaxed)) {
        return;
      }
      std::atomic_thread_fence(std::memory_order_release);
      for (int i = 0; i < W; ++i) at(board.w[i]).store(b.w[i], std::memory_order_relaxed);
      at(used).store(u, std::memory_order_relaxed);
      at(count).store(n, std::memory_order_relaxed);
      at(seq).store(s + 2, std::memory_order_release);
    }
    static std::atomic_ref<std::uint64_t> at(std::uint64_t& x) { return std::atomic_ref<std::uint64_t>(x); }
  };

  class Worker {
   public:
    Worker(const Census& c, Shared& s, const std::function<void(std::uint64_t)>* progress)
        : c_(c), shared_(s), progress_(progress), memo_(s.memo), memoBits_(s.memoBits),
          next_(static_cast<std::size_t>(std::max(c.ahead_.widest, c.behind_.widest)) * (std::popcount(c.pieces_) + 1)),
          top_(next_.data()) {}

    bool stopped() const { return stopped_; }
    std::uint64_t tilings() const { return tilings_; }

    void run(const Task& t) {
      task_ = &t;
      lists_ = t.far ? &c_.behind_ : &c_.ahead_;
      found_ = published_ = 0;
      dive(t.board, t.used, t.depth);
      publish();
      tilings_ += t.weight * found_;
    }

   private:
    // Sets the next square to fill, lowest first, with each option that
    // fits there.
    void dive(const Bits<W> board, std::uint64_t used, int depth) {
      const int at = board.lowestClear();
      if (at >= c_.squares_) {
        ++found_;
        return;
      }
      if (c_.exact_ && (c_.pieces_ & ~used & ~lists_->later[at])) return;
      if ((++steps_ & 0xFFF) == 0) checkIn();
      if (stopped_) return;
      Memo* memo = nullptr;
      if (remembers(depth)) {
        memo = &memo_[slot(board, used)];
        if (std::uint64_t count; memo->find(board, used, count)) {
          found_ += count;
          return;
        }
      }
      const std::uint64_t before = found_;
      // The positions that follow are gathered before any is visited: first
      // every option, kept where it fits and strands no square (tested
      // without a branch to mispredict), then those that close off no
      // region, their memo entries fetched meanwhile so that the memory has
      // them by the time they are looked up.
      Position* const first = top_;
      Position* n = first;
      lists_->options(board, used, at, [&](std::uint64_t bit, const Bits<W>* m, const Bits<W>* end) {
        for (; m != end; ++m) {
          *n = {board | *m, used | bit};
          n += !m->intersects(board) && !c_.strands(n->board);
        }
      });
      Position* kept = first;
      for (const Position* p = first; p != n; ++p) {
        if (depth < c_.checkedUntil_ && c_.closesOff(p->board, p->board & ~board)) continue;
        if (remembers(depth + 1)) __builtin_prefetch(&memo_[slot(p->board, p->used)]);
        *kept++ = *p;
      }
      top_ = kept;
      for (const Position* p = first; p != kept; ++p) dive(p->board, p->used, depth + 1);
      top_ = first;
      // A position where no piece fits is soon met again, and its entry
      // would take the place of one worth more: on 6 by 10 that visits 7%
      // fewer positions.
      if (memo && kept != first && !stopped_) memo->keep(board, used, found_ - before, shared_.threaded);
    }

    bool remembers(int depth) const { return depth >= c_.memoDepth_ && depth < c_.memoDepth_ + kMemoDepths; }

    std::size_t slot(const Bits<W>& board, std::uint64_t used) {
      std::uint64_t h = used * 0x9E3779B97F4A7C15u;
      for (int i = 0; i < W; ++i) h = (h ^ board.w[i]) * 0xC2B2AE3D27D4EB4Fu;
      return h >> (64 - memoBits_);
    }

    // Now and then: gives up at a limit or when another thread did, and
    // tells how far the count is.
    void checkIn() {
      publish();
      if (shared_.stop.load(std::memory_order_relaxed) || (shared_.limits && late(*shared_.limits))) {
        shared_.stop = true;
        stopped_ = true;
      }
      if (progress_ && *progress_ && (steps_ & 0xFFFFF) == 0) (*progress_)(shared_.tilings.load());
    }
    void publish() {
      shared_.tilings += task_->weight * (found_ - published_);
      published_ = found_;
    }

    const Census& c_;
    Shared& shared_;
    const std::function<void(std::uint64_t)>* progress_;
    // The shared memo's, kept here: the shared counters beside them change.
    Memo* memo_;
    int memoBits_;
    struct Position {
      Bits<W> board;
      std::uint64_t used;
    };
    // The positions still to visit, on the way down: at most every option
    // at a square for each piece set down.
    std::vector<Position> next_;
    Position* top_;
    const Task* task_ = nullptr;
    const Lists* lists_ = nullptr;  // the task's
    std::uint64_t steps_ = 0, found_ = 0, published_ = 0, tilings_ = 0;
    bool stopped_ = false;
  };

  // The box numbered from the corner, and a square box along the side,
  // that brings its blocked squares to the ends of the runs of the
  // numbering, and to the first runs. Measured on every box of the game and
  // the 8 by 8 box with a 2x2 hole in each place, that counts about a tenth
  // faster in all than meeting the blocked squares first (the search fills
  // the lowest empty square first). A box that a mirroring across a
  // diagonal keeps is the exception: numbered from the other end, its
  // blocked squares met last, the corner hole and the game's symmetric
  // 8 by 8 patterns count about two fifths faster. The count is the same
  // whichever way the box is turned.
  static Layout oriented(const Problem& p) {
    Layout best(p.lines, p.columns);
    long bestScore = -1;
    for (int turn = 0; turn < (p.lines == p.columns ? 8 : 4); ++turn) {
      Layout l(p.lines, p.columns);
      l.flipLines = turn & 1;
      l.flipColumns = turn & 2;
      l.byColumns = l.byColumns != bool(turn & 4);
      long score = 0;
      for (int line = 0; line < p.lines; ++line) {
        for (int column = 0; column < p.columns; ++column) {
          const int b = l.bit(line, column);
          if (p.blocked[line * p.columns + column]) score += static_cast<long>(l.run - 1 - b % l.run) * kMaxSquares + b / l.run;
        }
      }
      if (bestScore < 0 || score < bestScore) best = l, bestScore = score;
    }
    if (diagonallySymmetric(p)) best.flipLines = !best.flipLines, best.flipColumns = !best.flipColumns;
    return best;
  }

  static bool diagonallySymmetric(const Problem& p) {
    const int n = p.lines;
    bool main = n == p.columns, anti = main;
    for (int line = 0; line < n && (main || anti); ++line) {
      for (int column = 0; column < n; ++column) {
        main = main && p.blocked[line * n + column] == p.blocked[column * n + line];
        anti = anti && p.blocked[line * n + column] == p.blocked[(n - 1 - column) * n + (n - 1 - line)];
      }
    }
    return main || anti;
  }

  // An empty square alone, or two side by side alone, are the commonest
  // dead ends: a few operations on the whole board find them, before any
  // region is grown. The pairs are squares with one empty neighbour each,
  // that neighbour the other.
  bool strands(const Bits<W>& board) const {
    if (!lonesDead_) return false;
    const Bits<W> e = ~board;
    const Bits<W> after = e & e.down(1) & grid_.notLast, before = e & e.up(1) & grid_.notFirst;
    const Bits<W> below = e & e.down(grid_.run), above = e & e.up(grid_.run);
    if ((e & ~(after | before | below | above)).any()) return true;
    if (!pairsDead_) return false;
    const Bits<W> one = (after ^ before ^ below ^ above) & ~(after & before) & ~(below & above);
    return ((one & after & one.down(1)) | (one & below & one.down(grid_.run))).any();
  }

  // Squares numbered from the box's far end: the box turned half round,
  // its runs kept. Each word's bits are reversed, the words taken in
  // reverse order, and the whole moved down past the squares beyond the box.
  Bits<W> turned(const Bits<W>& b) const {
    Bits<W> r;
    for (int i = 0; i < W; ++i) {
      std::uint64_t x = b.w[i];
      x = ((x >> 1) & 0x5555555555555555u) | ((x & 0x5555555555555555u) << 1);
      x = ((x >> 2) & 0x3333333333333333u) | ((x & 0x3333333333333333u) << 2);
      x = ((x >> 4) & 0x0F0F0F0F0F0F0F0Fu) | ((x & 0x0F0F0F0F0F0F0F0Fu) << 4);
      r.w[W - 1 - i] = __builtin_bswap64(x);
    }
    for (int shift = W * 64 - squares_; shift > 0; shift -= 63) r = r.down(std::min(shift, 63));
    return r;
  }

  // Whether a piece just set down closes off a region of empty squares that
  // no set of pieces fills: looked for only among regions smaller than two
  // of the smallest pieces, which a few steps of growth show.
  bool closesOff(const Bits<W>& board, const Bits<W>& mask) const {
    const Bits<W> empty = ~board;
    Bits<W> open;  // squares of regions found too large to look at
    for (Bits<W> seeds = grid_.beside(mask) & empty; seeds.any();) {
      Bits<W> region;
      region.set(seeds.lowest());
      bool closed = false;
      for (int step = 0; step < reach_ && !closed && !region.intersects(open); ++step) {
        const Bits<W> grown = grid_.grow(region) & empty;
        closed = grown == region;
        region = grown;
      }
      if (closed && !fits_[region.count()]) return true;
      if (!closed) open |= region;
      seeds &= ~region;
    }
    return false;
  }

  // The options by the square they fill first, each square's by which of
  // the squares after it are filled, then by piece.
  struct Lists {
    int lowBits = kNear<W>, highShift = 0;  // see near()
    int stride = 1;                         // pieces and one
    int widest = 0;                         // the most options listed together
    std::vector<Bits<W>> masks;             // the options' squares, in lists
    std::vector<std::uint64_t> present;     // by square and filled squares after it: pieces with options
    std::vector<std::uint32_t> bounds;      // the same, then by piece: where its options start in masks
    std::vector<std::uint64_t> later;       // by square: pieces with options there or later

    Lists() = default;
    Lists(const std::vector<std::vector<Bits<W>>>& byPiece, int squares, int run) {
      // On small boxes the two squares just after it in its line and, in the
      // next line, the square beside it, the one before and the two after
      // tell most; else the next kNear squares.
      lowBits = W == 1 && run > 5 ? 2 : kNear<W>;
      highShift = run - 2;
      stride = static_cast<int>(byPiece.size()) + 1;
      // Each option with the squares it covers of those it is listed by.
      std::vector<std::vector<std::vector<std::pair<Bits<W>, std::uint32_t>>>> at(
          squares, std::vector<std::vector<std::pair<Bits<W>, std::uint32_t>>>(byPiece.size()));
      std::vector<std::uint64_t> here(squares, 0);
      std::size_t listed = 0;  // an option is listed once for each set of the squares it misses
      for (int piece = 0; piece < static_cast<int>(byPiece.size()); ++piece) {
        for (const Bits<W>& mask : byPiece[piece]) {
          const int first = mask.lowest();
          const std::uint32_t covers = near(window<1>(mask, first + 1, 0).w[0]);
          at[first][piece].push_back({mask, covers});
          here[first] |= std::uint64_t{1} << piece;
          listed += std::size_t{1} << (kNear<W> - std::popcount(covers));
        }
      }
      // Made in one go: growing them step by step costs a fresh process
      // more in page faults than filling them.
      // Each option is written, and kept by moving past it where it fits:
      // a branch here would be mispredicted every other time.
      masks.resize(listed + 1);
      bounds.reserve(static_cast<std::size_t>(squares) * stride << kNear<W>);
      present.reserve(static_cast<std::size_t>(squares) << kNear<W>);
      later.assign(squares + 1, 0);
      for (int b = squares - 1; b >= 0; --b) later[b] = later[b + 1] | here[b];
      std::uint32_t end = 0;
      for (int b = 0; b < squares; ++b) {
        for (std::uint32_t filled = 0; filled < (1u << kNear<W>); ++filled) {
          std::uint64_t pieces = 0;
          for (int piece = 0; piece + 1 < stride; ++piece) {
            bounds.push_back(end);
            for (const auto& [mask, covers] : at[b][piece]) {
              masks[end] = mask;
              end += !(covers & filled);
            }
            pieces |= std::uint64_t{end > bounds.back()} << piece;
          }
          bounds.push_back(end);
          present.push_back(pieces);
          widest = std::max<int>(widest, bounds.back() - bounds[bounds.size() - stride]);
        }
      }
      masks.resize(end);
    }

    // Which of the squares the options are listed by are in `after`, a set
    // of the squares after a square.
    std::uint32_t near(std::uint64_t after) const {
      const std::uint64_t low = after & ((std::uint64_t{1} << lowBits) - 1);
      return static_cast<std::uint32_t>(lowBits == kNear<W> ? low : low | ((after >> highShift) & 15) << lowBits);
    }

    // Calls f(piece's bit, first, end) with the options of each unused piece
    // at square `at` that the squares near it allow.
    template <class F>
    [[gnu::always_inline]] void options(const Bits<W>& board, std::uint64_t used, int at, F&& f) const {
      const std::uint32_t key = at << kNear<W> | near(window<1>(board, at + 1, ~std::uint64_t{0}).w[0]);
      const std::uint32_t* b = bounds.data() + key * stride;
      for (std::uint64_t left = present[key] & ~used; left; left &= left - 1) {
        const int piece = std::countr_zero(left);
        f(left & -left, masks.data() + b[piece], masks.data() + b[piece + 1]);
      }
    }
  };

  // Where a symmetry sends a placement, square by square.
  static Bits<W> image(Bits<W> mask, const std::vector<int>& map) {
    Bits<W> out;
    for (int b = mask.lowest(); b < W * 64; b = mask.lowest()) {
      out.set(map[b]);
      mask.w[b >> 6] ^= std::uint64_t{1} << (b & 63);
    }
    return out;
  }

  // Placements are ordered by the first square where they differ: the one
  // that covers it comes first.
  static bool before(const Bits<W>& a, const Bits<W>& b) {
    for (int i = 0; i < W; ++i) {
      if (const std::uint64_t d = a.w[i] ^ b.w[i]) return a.w[i] & d & -d;
    }
    return false;
  }

  // Every tiling uses every piece: the one with the fewest placements is set
  // down first, in the first placement of each class only, and each tiling
  // found stands for the whole class of that placement. Where symmetries
  // keep that placement, they still map tilings onto each other: the piece
  // with the next fewest placements is then set down in the first placement
  // of each class under those symmetries.
  void restrict(const std::vector<std::vector<Bits<W>>>& byPiece) {
    const auto fewest = [&](std::uint64_t among) {
      int piece = -1;
      for (int q = 0; q < static_cast<int>(byPiece.size()); ++q) {
        if (((among >> q) & 1) && (piece < 0 || byPiece[q].size() < byPiece[piece].size())) piece = q;
      }
      return piece;
    };
    std::vector<int> every(maps_.size());
    std::iota(every.begin(), every.end(), 0);
    const int piece = fewest(pieces_), next = fewest(pieces_ & ~(std::uint64_t{1} << piece));
    for (const Bits<W>& mask : byPiece[piece]) {
      const Orbit o = orbit(mask, every);
      if (!o.first) continue;
      const Bits<W> board = start_ | mask;
      if (o.keptBy.empty() || next < 0) {
        // The search fills from the end nearer that piece: on the 8 by 8
        // box with a 2x2 hole a sixth fewer positions in all, the holes
        // that no symmetry keeps up to a third.
        const bool far = turned(mask).lowest() + layout_.run < mask.lowest();
        starts_.push_back({far ? turned(board) | past_ : board, std::uint64_t{1} << piece, 1, o.size, far});
        continue;
      }
      for (const Bits<W>& second : byPiece[next]) {
        const Orbit p = orbit(second, o.keptBy);
        if (p.first && !second.intersects(board)) {
          starts_.push_back({board | second, std::uint64_t{1} << piece | std::uint64_t{1} << next, 2, o.size * p.size});
        }
      }
    }
  }

  struct Orbit {
    bool first = true;          // the placement comes before all its images
    std::uint64_t size = 1;     // distinct images, the placement among them
    std::vector<int> keptBy;    // the symmetries that map it onto itself
  };
  // A placement's images under some of the box's symmetries, which make a
  // group with the identity.
  Orbit orbit(const Bits<W>& mask, const std::vector<int>& maps) const {
    Orbit o;
    std::vector<Bits<W>> seen{mask};
    for (int m : maps) {
      const Bits<W> i = image(mask, maps_[m]);
      o.first = o.first && !before(i, mask);
      if (i == mask) o.keptBy.push_back(m);
      if (std::find(seen.begin(), seen.end(), i) == seen.end()) seen.push_back(i);
    }
    o.size = seen.size();
    return o;
  }

  // The starting positions taken a few pieces further, for tasks enough to
  // keep every thread busy to the end.
  std::vector<Task> split() const {
    std::vector<Task> tasks;
    for (const Task& s : starts_)
      if (!strands(s.board)) tasks.push_back(s);
    for (int level = 0; level < 2 && tasks.size() < 64; ++level) {
      std::vector<Task> next;
      for (Task& t : tasks) {
        const int at = t.board.lowestClear();
        if (at >= squares_) {
          next.push_back(std::move(t));
          continue;
        }
        const Lists& lists = t.far ? behind_ : ahead_;
        if (exact_ && (pieces_ & ~t.used & ~lists.later[at])) continue;
        lists.options(t.board, t.used, at, [&](std::uint64_t bit, const Bits<W>* m, const Bits<W>* end) {
          for (; m != end; ++m) {
            const Bits<W> board = t.board | *m;
            if (m->intersects(t.board) || strands(board) || closesOff(board, *m)) continue;
            next.push_back({board, t.used | bit, t.depth + 1, t.weight, t.far});
          }
        });
      }
      tasks = std::move(next);
    }
    return tasks;
  }

  Layout layout_;
  int squares_;
  std::vector<std::vector<int>> maps_;
  Grid<Bits<W>> grid_{squares_, layout_.run};
  Bits<W> start_;
  std::uint64_t pieces_ = 0;  // the pieces to set down, by bit
  bool exact_ = false;        // every piece is needed
  bool lonesDead_ = false, pairsDead_ = false;
  int reach_ = 1;          // steps of growth that show a region smaller than two of the smallest pieces
  std::vector<char> fits_;  // by size: whether a closed region may be filled
  int checkedUntil_ = 0;     // pieces set down before closed regions are no longer looked for
  int memoDepth_ = 1;
  bool small_ = false;  // among the placements a symmetry keeps
  Lists ahead_;   // by the square each option fills first
  Lists behind_;  // the same, on the box numbered from its far end
  Bits<W> past_;  // the squares past the box's end
  std::vector<Task> starts_;
};

template <class F>
auto withCensus(const Problem& p, F&& f) {
  check(p);
  const int squares = p.lines * p.columns;
  if (squares <= 64) return f(Census<1>(p));
  if (squares <= 128) return f(Census<2>(p));
  return f(Census<4>(p));
}

int threadsFor(int asked) {
  if (asked > 0) return asked;
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

}  // namespace

Count count(const Problem& problem, const std::function<void(std::uint64_t)>& progress, int threads) {
  Crew crew(threadsFor(threads));
  return withCensus(problem, [&](auto&& census) {
    bool stopped = false;
    const std::uint64_t tilings = census.run(crew, nullptr, &progress, stopped);
    // Burnside: the classes are the average number of tilings that each
    // symmetry, the identity among them, maps onto themselves. So few
    // placements are kept by a symmetry that their search is over before
    // a second thread would have started.
    std::uint64_t kept = tilings;
    for (int m = 0; m + 1 < census.symmetries(); ++m) {
      Crew alone(1);
      kept += std::decay_t<decltype(census)>(problem, m).run(alone, nullptr, nullptr, stopped);
    }
    return Count{tilings, kept / census.symmetries(), census.symmetries()};
  });
}

Tally count(const Problem& problem, const Limits& limits, int threads) {
  Crew crew(threadsFor(threads));
  return withCensus(problem, [&](auto&& census) {
    bool stopped = false;
    const std::uint64_t tilings = census.run(crew, &limits, nullptr, stopped);
    return Tally{!stopped, tilings};
  });
}

}  // namespace tiling
