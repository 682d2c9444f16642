// Undo and redo of what the player did to the tiles: setting a tile into the
// box, the turns, mirrorings and moves, "Reset Tile" and "Clear Puzzle".
// Each step keeps the whole state of the tiles as it was before the action,
// what the player sees included, and an undo puts it back as it was: exact,
// whatever the handlers did on the way. Selections are no steps of their
// own: an undo also gives up those made since the step it undoes, and a redo
// returns to the state the undo left, giving up those made since the undo.
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

}  // namespace

struct Form1::TileState {
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

// The box stays the same within one history: its size is not part of it.
void Form1::RestoreTiles(const TileState& state) {
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
void Form1::Recorded(const std::string& action, const std::function<void()>& handler) {
  const auto automatic = [this] { return !VideoStopped() || TimerState == 1; };
  // The clicks of a recorded action (a hint's select, keys and square) are
  // part of its one step.
  if (automatic() || recording_) return handler();
  const auto before = CaptureTiles();
  recording_ = true;
  try {
    handler();
  } catch (...) {
    recording_ = false;
    throw;
  }
  recording_ = false;
  if (automatic()) return StartHistory();
  // A refusal is no step, even where it redrew a label or a button.
  if (before->fields == tileFields(*this)) return;
  undoSteps_.resize(stepsDone_);
  undoSteps_.push_back({action, before, nullptr});
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
  Say("Undone: " + step.action);
}

void Form1::EditRedo() {
  if (stepsDone_ == undoSteps_.size()) return Say("Nothing to redo");
  const UndoStep& step = undoSteps_[stepsDone_++];
  RestoreTiles(*step.after);
  Say("Redone: " + step.action);
}
