// The one window of the program: its form state and every handler. The
// methods are defined in the folder of the subsystem that owns them:
//   app/        start-up, shutdown, controls, screen adjustment
//   catalogue/  the piece data file
//   box/        square count and box size, box set-up, availability checks
//   tiles/      selection, placement, transformations, action buttons
//   guidance/   information label and hover hints
//   video/      messages, speech, guided-video hooks
//   play/       other ways in: drag, wheel, keyboard, undo, hints
#pragma once

#include <chrono>
#include <cstdint>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/bounded.h"
#include "platform/control.h"
#include "platform/grid.h"
#include "platform/list_box.h"
#include "platform/services.h"
#include "platform/window.h"

namespace tiling {
struct Placement;
struct Problem;
struct Cell;
struct Limits;
}

// Window positions in twips. Kept 32-bit: on screens wider than about 2500
// pixels a scaled palette position no longer fits 16 bits.
using Twips = int32_t;

class Form1 {
 public:
  explicit Form1(Services& services);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  Services& sys;
  FormWindow window;

  // ---- Controls (creation order is the collection order) ----
  Control& ComBlock() { return *comBlock_; }
  Control& ComBT(int i);
  Control& ComTile(int i);
  ListBoxControl& ListBoxSize() { return *listBoxSize_; }
  TimerControl& Timer1() { return *timer1_; }
  OptionControl& OptSq(int i);
  Control& ComKey(int i);
  GridControl& FlexBox() { return *flexBox_; }
  Control& LabTNo() { return *labels_[0]; }
  Control& LabT() { return *labels_[1]; }
  Control& LabBLine() { return *labels_[2]; }
  Control& LabBL() { return *labels_[3]; }
  Control& LabTCols() { return *labels_[4]; }
  Control& LabTC() { return *labels_[5]; }
  Control& LabTLines() { return *labels_[6]; }
  Control& LabTL() { return *labels_[7]; }
  Control& LabBCol() { return *labels_[8]; }
  Control& LabBC() { return *labels_[9]; }
  Control& LabBSq() { return *labels_[10]; }
  Control& LabBS() { return *labels_[11]; }
  Control& LabTip() { return *labels_[12]; }

  // ---- Application shell (app/) ----
  void Form_Load();
  void CheckSize();
  void ScreenAdj();
  void Form_MouseMove(int16_t button, int16_t shift, float x, float y);
  void Form_Unload();

  // ---- Piece catalogue (catalogue/) ----
  void ReadControl();

  // ---- Puzzle box (box/) ----
  void ComClear_Click();
  void ClearPuzzle();
  void SetNotAvail();
  void SetBoxAvail();
  void ClearInfo();
  void OptSq_Click(int16_t Index);
  void ListBoxSize_Click();
  void ExtractDels();
  void ComTileCheck();
  void CheckAvailable();
  void CalcNx(int16_t N);

  // ---- Tile handling (tiles/) ----
  void ComTile_Click(int16_t Index);
  void ShowComTile();
  void ComBT_Click(int16_t Index);
  void FlexBox_Click();
  void ResetOld();
  void ComRotate_Click(int16_t Dir);
  void ComFlip_Click(int16_t Dir);
  void ShiftDig();
  void ComMoveUp_Click();
  void ComMoveDown_Click();
  void ComMoveRight_Click();
  void ComMoveLeft_Click();
  void ComMoveMouse();
  void ComKey_Click(int16_t Index);
  void ComReset_Click();

  // ---- Other ways in (play/) ----
  // H: whether the box can still be solved, asked in the background; pressed
  // again soon after a yes, it sets one more tile of such a solution. Not
  // while a video or the solve loop runs.
  void Hint_Press();
  // C: how many ways there are to finish the box from the tiles as they
  // stand, counted in the background, said and shown.
  void Count_Press();

  // ---- Guidance (guidance/) ----
  void ComKey_MouseMove(int16_t Index, int16_t button, int16_t shift, float x, float y);
  void ComBT_MouseMove(int16_t Index, int16_t button, int16_t shift, float x, float y);
  void FlexBox_MouseMove(int16_t button, int16_t shift, float x, float y);
  void ComTile_MouseMove(int16_t Index, int16_t button, int16_t shift, float x, float y);
  void OptSq_MouseMove(int16_t Index, int16_t button, int16_t shift, float x, float y);
  void ListBoxSize_MouseMove(int16_t button, int16_t shift, float x, float y);
  void LabTip_MouseMove(int16_t button, int16_t shift, float x, float y);
  void LabTip_Click();
  std::string KeyTip(int16_t Index);  // what the information label says of an action key
  // The game in words, for the spoken descriptions and screen readers:
  // "Square 47, line 4, column 7: free" (or ": grey", ": tile 7",
  // ": tiles 3 and 7"); "Tile 7, 3 by 2: filled filled; filled empty; ...";
  // "in the palette", "selected", "in the box at square 23"; "32 of 60
  // squares covered. Tiles left: 1, 4 and 9". Out of range gives "".
  std::string DescribeSquare(int square);
  std::string DescribeShape(int tile);
  std::string DescribeShapeSquare(int tile, int line, int column);  // "filled" or "empty"
  std::string DescribePlace(int tile);
  std::string DescribeStanding();
  std::vector<int> TilesOnSquare(int square);  // the tiles in the box covering it
  // D turns the spoken descriptions on and off, M the tile marks (every
  // square of a tile shows its number); both are kept for the next start.
  // W says where the player stands, descriptions on or off.
  void Descriptions_Press();
  void Marks_Press();
  void Where_Press();

  // ---- Other ways in (play/): each ends in a click of the button it stands for ----
  // Dragging a tile by one of its buttons (a ComTile, or a ComBT of the
  // selected tile), grabbed at (x, y) of that button's own twips; false when
  // the button shows no tile to drag. Moves and the drop are in window twips.
  bool TileDrag_Start(Control& source, float x, float y);
  void TileDrag_Move(float x, float y);
  void TileDrag_Drop(float x, float y);
  // The wheel (notches away from the player positive) and the right button
  // at a point of the window, in twips.
  void Form_MouseWheel(int16_t notches, float x, float y);
  void Form_RightClick(int16_t shift, float x, float y);
  // A key with its shift state (1 Shift, 2 Ctrl, 4 Alt); codes in keyboard.cpp.
  void Form_KeyDown(int16_t KeyCode, int16_t Shift);

  // ---- Guided video: messages, speech, player, pointer, solve loop (video/) ----
  void GetObjMsg();
  void MerlinCode();
  void ComSpeak_Click();
  // Message n into MsgText; a missing message file is reported once and gives "".
  void LoadMessage(int32_t messageNo);
  void Announce(int32_t messageNo);  // LoadMessage, then ComSpeak_Click
  void ComVideo_Click();
  void ComSolve_Click();
  void NVidCheck();
  void Reset_Timer();
  void Timer1_Timer();
  void SetMouse();
  void MoveMouse(float X, float Y);
  void ActionLink();

  // ---- Undo and redo of the player's tile actions (play/) ----
  void EditUndo();
  void EditRedo();

  // ======== Form state ========
  // Screen factors and measures (start-up, read-only afterwards)
  int32_t DesignHeight = 0, DesignWidth = 0;
  float ScaleY = 0, ScaleX = 0, ScaleMin = 0;
  float TwipsPerPixel = 0, BlankTwips = 0, BlankPixels = 0;
  Twips BTLeft = 0, BTTop = 0;
  int16_t BtnH5 = 0, BtnW5 = 0, BtnH6 = 0, BtnW6 = 0;

  // Paths of the data files beside the executable
  std::string AppDir, PentiposPath, ObjectsPath;

  // Piece catalogue (ReadControl)
  Bounded<int16_t, 1, 16> SizeLines, SizeCols, SizeCellH, SizeCellW;
  Bounded<Twips, 1, 16> SizeLeft, SizeTop;
  Bounded<std::string, 18> Dels88;
  Bounded<std::string, 12> Dels810;
  Bounded<int32_t, 34> TileColor;
  Bounded<Twips, 1, 209> PalLeft, PalTop;
  Bounded<int16_t, 46> TileKind;
  Bounded<int16_t, 1, 34, 5> ShapeOrig;
  Bounded<int16_t, 1, 34> LinesOrig, ColsOrig;
  Bounded<int16_t, 8, 7> KindOrient;
  std::string CText, ErrText;
  int32_t ColorWork = 0;
  int16_t LineLen = 0, KindIx = 0;

  // Square count and selected box
  int16_t SqVariant = 0, TileSquares = 0, LastTile = 0, LastBtn = 0, SizeIndex = 0;
  std::string SqText, BoxSize, BoxCode;
  int16_t BoxLines = 0, BoxColumns = 0, BoxSquares = 0, AvailSquares = 0;
  Twips BoxLeft = 0, BoxTop = 0;
  int16_t CellHeight = 0, CellWidth = 0, GridRowHeight = 0, GridColWidth = 0;
  int16_t SizeClickSeen = 0;

  // Patterns of unavailable squares and their pools
  std::string Pool88, Pool810, DelList;
  int16_t Pool88Count = 0, Pool810Count = 0, DelCount = 0, BlockLine = 0, BlockCol = 0;

  // Tiles: shapes, places and the selected tile
  Bounded<int16_t, 34, 5> Shape;
  Bounded<int16_t, 34> LinesOf, ColsOf, TileAnchor, TileFirstBtn;
  Bounded<int16_t, 5> CurShape, CurBoxSq, CurBtn;
  int16_t CurTile = 0, TileNo = 0, FirstBtn = 0, TileLines = 0, TileCols = 0;
  int16_t AnchorSq = 0, AnchorRow = 0, AnchorCol = 0;
  bool TileSelected = false, TileFits = false;

  // Occupancy of the box
  Bounded<int16_t, 224> BtnBoxSq, SqCount;
  int16_t Overlaps = 0, PlacedSquares = 0;

  // Transformations and moves
  int16_t NewLine = 0, NewCol = 0, ShiftLine = 0, ShiftCol = 0, MoveTarget = 0, LastKey = 0;
  bool MoveOK = false;

  // Hover scratch
  int16_t HoverSq = 0;

  // The keyboard's cell cursor in the box
  int16_t CursorRow = 0, CursorCol = 0;

  // The player's aids: spoken descriptions and tile marks
  bool DescriptionsOn = false, MarksOn = false;

  // Shared scratch
  int16_t Ix = 0, Jx = 0, Kx = 0, TileBtn = 0, SqBox = 0, SqLine = 0;
  std::string WorkStr1, WorkStr2, MsgSuffix, CtlName;

  // Messages and speech
  std::string MsgText, ObjRecord;
  int32_t ObjRecNo = 0;

  // Guided video and solve loop
  std::string ClickFlag, VideoPath, ScriptLine, SpeakFlag, ObjSign, ObjBlankFlag, ActionLetter, ObjCode;
  int16_t VideoInterval = 0, VideoState = 0, TimerState = 0, MsgAnswer = 0, ScriptMsgNo = 0;
  int16_t CtlIndex = 0, ObjTabNo = 0, ActionIndex = 0, StepCount = 0, StepTotal = 0;
  int16_t SolveAnchor = 0, SolveStart = 0, PieceKind = 0, OrientKey1 = 0, OrientKey2 = 0, SolveTile = 0;
  int16_t SolveOrient = 0;  // orientation entry the loop tries for SolveTile (0 = as in the palette)
  int32_t StepX = 0, StepY = 0;
  float PointerX = 0, PointerY = 0, TargetX = 0, TargetY = 0, PointerWork = 0;
  int16_t StepLength = 0;
  Bounded<int16_t, 40> CtlByTab;

 private:
  void CreateControls();
  // Runs an event handler; an unexpected error is shown and the program goes on.
  void Guarded(const std::function<void()>& handler);
  // The calls that let the window's events run; meanwhile the player's input
  // waits at the window's gate until the running handler has finished.
  void DoEvents();
  void Tell(const std::string& text);  // message box, OK only
  int Ask(const std::string& text);    // Yes/No message box: 6 or 7
  void ReadLine();
  // The guided video's steps and the solve loop's.
  void LineStep();
  void PointerStep();
  void MoveLine();
  void SolveLoopStart();
  void SolveStep();
  void SelectSolveTile();
  void HoverAt(int x, int y);  // the hover the system pointer would raise there
  // Whether the control array of ActionLetter has element i. A damaged script
  // may name one it has not: that line names no control and clicks nothing.
  bool ScriptElementExists(int i);
  bool VideoStopped() const { return VideoState == 0; }
  std::ifstream script_;  // the open guided-video script
  // The turn of an action key (LastKey: 5 and 6 rotate, 7 and 8 mirror), and
  // where it sends a square of the n x n frame of a tile.
  enum class Turn { Right, Left, LeftToRight, TopToBottom };
  static Turn KeyTurn(int16_t Dir);
  static std::pair<int16_t, int16_t> Turned(Turn turn, int16_t N, int16_t line, int16_t column);
  void Transform(Turn turn);  // rotations and mirrorings share their steps
  void PlaceAtAnchor();       // FlexBox_Click at AnchorSq
  void DrawPattern(const char* prefix, std::string& pool, int16_t& poolCount, const std::string& full);
  // Undo history: a player's click on an action key, the box, an option or
  // the size list runs through Recorded; when it changed the tiles, the
  // state before it becomes a step.
  struct TileState;  // play/undo.cpp
  struct UndoStep {
    std::string undone, redone;  // what undo and redo say they brought back
    std::shared_ptr<const TileState> before;
    std::shared_ptr<const TileState> after;  // where its undo left from, for the redo
  };
  // A choice of box or square count (choosesBox) sets the box up anew: a
  // step while a tile stands in the box, named by the entries it swaps.
  void Recorded(const std::string& action, const std::function<void()>& handler, bool choosesBox = false);
  void StartHistory();
  std::shared_ptr<const TileState> CaptureTiles();
  void RestoreTiles(const TileState& state);
  std::vector<UndoStep> undoSteps_;
  bool recording_ = false;  // within a recorded action
  size_t stepsDone_ = 0;  // undoSteps_ before this one are done, the rest undone and redoable
  bool messageFileReported_ = false;
  bool OverBoxOrDisplay(float x, float y);
  void ShowCursor();                  // the cell cursor, kept inside the box
  void SelectNextPaletteTile(int step);
  Control* dragSource_ = nullptr;     // the button a drag started on
  struct Hints;  // the questions in flight and what the last answer found
  std::shared_ptr<Hints> hints_;
  tiling::Problem HintPosition();
  bool SolverMayAsk();
  // Runs search on the position in the background within time from now, then
  // answer on the window's thread; open is set meanwhile.
  struct SolverJob;
  void AskSolver(bool& open, tiling::Problem position, std::chrono::steady_clock::duration time,
                 std::function<void(const tiling::Problem&, const tiling::Limits&)> search,
                 std::function<void(tiling::Problem)> answer);
  void HintSolvable(tiling::Problem position);
  int16_t HintKeys(int16_t tile, const std::vector<tiling::Cell>& goal);
  void HintSet(const tiling::Placement& placement);
  void Say(const std::string& sentence);  // speaks a sentence of the program's own
  void Speak(std::string sentence);        // ComSpeak_Click's speaking, heard while the loop runs too
  // While a video or the solve loop runs, says that `what` (for instance
  // "Hints") are ready when it has ended, and returns true; at rest, false.
  bool RefusedDuringPlayback(const std::string& what);
  void RecallAids();  // the aids as the player left them last time
  // Says a description when they are on and the game is not playing itself
  // (a video, the solve loop); the game goes on meanwhile.
  void Describe(const std::string& text);
  // A tile button's number (on its first square, or on all with marks on)
  // and the colour it is drawn in; ShowMarks redraws every tile button so.
  void ShowTileNumber(Control& button, int tile, bool first);
  void ShowMarks();

  Control* comBlock_ = nullptr;
  Control* comBT_[6] = {};
  Control* comTile_[210] = {};
  ListBoxControl* listBoxSize_ = nullptr;
  TimerControl* timer1_ = nullptr;
  OptionControl* optSq_[2] = {};
  Control* comKey_[12] = {};
  GridControl* flexBox_ = nullptr;
  Control* labels_[13] = {};
};
