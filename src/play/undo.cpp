// Undo and redo of what the player did to the tiles: setting a tile into the
// box, the turns, mirrorings and moves, "Reset Tile" and "Clear Puzzle", and
// the choice of another box or square count while a tile stands in the box.
// Each step keeps the whole state of the tiles as it was before the action,
// what the player sees included, with the box they stood in, and an undo
// puts it back as it was: exact, whatever the handlers did on the way.
// Selections are no steps of their own: an undo also gives up those made
// since the step it undoes, and a redo returns to the state the undo left,
// giving up those made since the undo.
#include <array>
#include <tuple>
#include <utility>

#include "app/form1.h"

namespace {

// The form state the tile handlers keep between events: places, shapes,
// occupancy and the selection.
auto tileFields(Form1& f) {
  return std::tie(f.Shape, f.LinesOf, f.ColsOf, f.TileAnchor, f.TileFirstBtn, f.BtnBoxSq, f.SqCount, f.Overlaps,
                  f.PlacedSquares, f.CurShape, f.CurBoxSq, f.CurBtn, f.CurTile, f.TileNo, f.FirstBtn, f.TileLines,
                  f.TileCols, f.AnchorSq, f.TileSelected);
}
template <typename... T>
std::tuple<T...> valuesOf(const std::tuple<T&...>&);  // the type of a copy, for decltype only

struct Look {
  float left, top, width, height;
  bool visible;
  int32_t backColor;
};

// Set for a scope, cleared on every way out.
struct Within {
  explicit Within(bool& flag) : flag_(flag) { flag_ = true; }
  ~Within() { flag_ = false; }
  Within(const Within&) = delete;
  Within& operator=(const Within&) = delete;
  bool& flag_;
};

// The box as the player chose it: the square count, the list's slot and the
// code that names its pattern of grey squares (equal when chosen alike);
// with the entry's text.
struct Box {
  int16_t variant, slot;
  std::string code, entry;
  bool operator==(const Box& other) const {
    return variant == other.variant && slot == other.slot && code == other.code;
  }
};

Box boxOf(const Form1& f) { return {f.SqVariant, f.SizeIndex, f.BoxCode, f.BoxSize}; }

// Sets the box up again as the player's choice of square count and entry
// does; a box with a pattern gets its own back, and the pools are left as
// they were: putting a box back draws nothing.
void setUpBox(Form1& f, const Box& box) {
  const auto pools = std::make_tuple(f.Pool88, f.Pool88Count, f.Pool810, f.Pool810Count);
  if (f.SqVariant != box.variant) f.OptSq(box.variant).setValue(true);
  ListBoxControl& list = f.ListBoxSize();
  for (int i = 0; i < list.listCount() && f.SizeIndex != box.slot; ++i) {
    if (list.itemData(i) == box.slot) list.setListIndex(i);
  }
  std::tie(f.Pool88, f.Pool88Count, f.Pool810, f.Pool810Count) = pools;
  if (f.BoxCode != box.code) {
    f.BoxCode = box.code;
    f.ComClear_Click();
  }
}

}  // namespace

struct Form1::TileState {
  Box box;
  bool tileInBox;
  decltype(valuesOf(tileFields(std::declval<Form1&>()))) fields;
  // The palette buttons and the box-tile display; the captions of the
  // box-tile display, of the labels that show the selected tile and of the
  // information label, whose figures go with the tiles.
  std::array<Look, 216> looks;
  std::array<std::string, 13> captions;
  std::string cellTexts;  // a solved box shows no numbers; one line per cell
};

namespace {

// Each control with the number of its look or caption in a TileState.
template <typename Visit>
void eachButton(Form1& f, Visit visit) {
  for (int b = 0; b < 210; ++b) visit(f.ComTile(b), b);
  for (int i = 0; i < 6; ++i) visit(f.ComBT(i), 210 + i);
}

template <typename Visit>
void eachCaption(Form1& f, Visit visit) {
  int k = 0;
  for (int i = 0; i < 6; ++i) visit(f.ComBT(i), k++);
  for (Control* label :
       {&f.LabBSq(), &f.LabBLine(), &f.LabBCol(), &f.LabTNo(), &f.LabTLines(), &f.LabTCols(), &f.LabTip()}) {
    visit(*label, k++);
  }
}

}  // namespace

std::shared_ptr<const Form1::TileState> Form1::CaptureTiles() {
  auto state = std::make_shared<TileState>();
  state->box = boxOf(*this);
  state->tileInBox = PlacedSquares > 0;
  state->fields = tileFields(*this);
  eachButton(*this, [&](Control& c, int k) {
    state->looks[k] = {c.left(), c.top(), c.width(), c.height(), c.visible(), c.backColor()};
  });
  eachCaption(*this, [&](Control& c, int k) { state->captions[k] = c.caption(); });
  GridControl& grid = FlexBox();
  for (int r = 0; r < grid.rows(); ++r) {
    for (int c = 0; c < grid.cols(); ++c) state->cellTexts.append(grid.textAt(r, c)).push_back('\n');
  }
  return state;
}

void Form1::RestoreTiles(const TileState& state) {
  if (!(boxOf(*this) == state.box)) {
    Within recording(recording_);  // the choice's handlers are part of this, no steps of their own
    setUpBox(*this, state.box);
  }
  tileFields(*this) = state.fields;
  eachButton(*this, [&](Control& c, int k) {
    const Look& look = state.looks[k];
    c.setLeft(look.left);
    c.setTop(look.top);
    c.setWidth(look.width);
    c.setHeight(look.height);
    c.setVisible(look.visible);
    c.setBackColor(look.backColor);
  });
  eachCaption(*this, [&](Control& c, int k) { c.setCaption(state.captions[k]); });
  GridControl& grid = FlexBox();
  size_t at = 0;
  for (int r = 0; r < grid.rows(); ++r) {
    for (int c = 0; c < grid.cols(); ++c) {
      const size_t end = state.cellTexts.find('\n', at);
      grid.setRow(r);
      grid.setCol(c);
      grid.setText(state.cellTexts.substr(at, end - at));
      at = end + 1;
    }
  }
  ShowMarks();  // marks may have been switched since
}

// A guided video or the solve loop plays on its own: its clicks are no steps
// (nor is the state taken for them: the loop clicks many squares a tick),
// and once one starts the box's history starts anew.
void Form1::Recorded(const std::string& action, const std::function<void()>& handler, bool choosesBox) {
  const auto automatic = [this] { return !VideoStopped() || TimerState == 1; };
  // The clicks of a recorded action (a hint's select, keys and square) are
  // part of its one step.
  if (automatic() || recording_) return handler();
  const auto before = CaptureTiles();
  {
    Within recording(recording_);
    handler();
  }
  if (automatic()) return StartHistory();
  std::string undone = action, redone = action;
  if (choosesBox) {
    // The box set up anew: with no tile in the old one there is nothing to
    // take back, but the steps so far stay, so a stray second key on the
    // list cannot lose the box the first one left. Undo and redo name the
    // entry each brings back.
    if (!before->tileInBox) return;
    undone = before->box.entry;
    redone = BoxSize;
  } else if (before->fields == tileFields(*this)) {
    return;  // a refusal is no step, even where it redrew a label or a button
  }
  undoSteps_.resize(stepsDone_);
  undoSteps_.push_back({undone, redone, before, nullptr});
  stepsDone_ = undoSteps_.size();
}

void Form1::StartHistory() {
  undoSteps_.clear();
  stepsDone_ = 0;
}

void Form1::EditUndo() {
  if (stepsDone_ == 0) return Say("Nothing to undo");
  UndoStep& step = undoSteps_[--stepsDone_];
  step.after = CaptureTiles();
  RestoreTiles(*step.before);
  Say("Undone: " + step.undone);
}

void Form1::EditRedo() {
  if (stepsDone_ == undoSteps_.size()) return Say("Nothing to redo");
  const UndoStep& step = undoSteps_[stepsDone_++];
  RestoreTiles(*step.after);
  Say("Redone: " + step.redone);
}
