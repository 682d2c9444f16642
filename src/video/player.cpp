// The guided-video player: a script run line by line on Timer1, the pointer
// gliding to each control it names, and the handlers' contract with it.
#include "app/form1.h"

namespace {
const char* const kCrLf = "\r\n";
}

void Form1::ComVideo_Click() {
  if (!VideoStopped()) {
    script_.close();
    VideoPath = AppDir + "VIDINFO" + SqText + ".TXT";
    VideoState = 0;
    TimerState = 0;
    window.scaleMode = 1;
    Timer1().setEnabled(false);
    window.setSubtitle("");
    window.hidePointer();
    return;
  }
  ComClear_Click();
  MsgAnswer = toInt16(Ask("Do you want to hear the sound" + std::string(kCrLf) + "after the start of the Video?"));
  // A script that cannot be opened reads as one without lines: the first
  // line step ends the video as a "." line would.
  script_.close();
  script_.clear();
  script_.open(VideoPath, std::ios::binary);
  TimerState = 7;
  VideoState = 7;
  Timer1().setInterval(VideoInterval);
  Timer1().setEnabled(true);
}

void Form1::ComSolve_Click() {
  MsgAnswer = toInt16(Ask("Do you want to a short video" + std::string(kCrLf) + "or longer Solve Loop?"));
  if (MsgAnswer == 6) {
    VideoPath = AppDir + "VID" + SqText + BoxCode + ".TXT";
    ComVideo_Click();
  } else {
    // A video running under the loop would come back when the loop ends,
    // on top of its tiles: it ends here for good, as "Watch Video" ends it.
    if (!VideoStopped()) ComVideo_Click();
    SolveLoopStart();
  }
}

bool Form1::RefusedDuringPlayback(const std::string& what) {
  if (TimerState == 1) {
    Speak(what + " are ready when the solve loop has ended");
  } else if (!VideoStopped()) {
    Speak(what + " are ready when the video has ended");
  } else {
    return false;
  }
  return true;
}

void Form1::NVidCheck() {
  if (!Timer1().enabled() && !VideoStopped() && ClickFlag == "Y") {
    StepCount = 0;
    TimerState = VideoState;
    Timer1().setEnabled(true);
  }
}

void Form1::Reset_Timer() {
  Timer1().setEnabled(false);
  StepCount = 0;
}

void Form1::Timer1_Timer() {
  try {
    switch (TimerState) {
      case 1: SolveStep(); break;
      case 7: LineStep(); break;
      case 8: PointerStep(); break;
      default: break;
    }
  } catch (...) {
    // Ended for good before the error is shown: a faulty step is reported
    // once, and the game is left at rest, speaking, recording its steps and
    // ready to start a video.
    if (!VideoStopped()) ComVideo_Click();
    TimerState = 0;
    Timer1().setEnabled(false);
    throw;
  }
  if (TimerState == 0) Timer1().setEnabled(false);
  NVidCheck();
}

void Form1::LineStep() {
  ScriptLine.clear();
  if (!std::getline(script_, ScriptLine)) {
    // A missing script, or one that ends without a "." line, ends here.
    ComVideo_Click();
    return;
  }
  if (!ScriptLine.empty() && ScriptLine.back() == '\r') ScriptLine.pop_back();
  const std::string kind = mid(ScriptLine, 1, 1);
  DoEvents();
  if (VideoStopped()) return;
  SpeakFlag = MsgAnswer == 6 ? "Y" : mid(ScriptLine, 2, 1);
  if (kind == "M") {
    MoveLine();
  } else if (kind == "S") {
    if (SpeakFlag != "Y") return;
    MsgText = trimBlanks(mid(ScriptLine, 4, 60));
    ComSpeak_Click();
    DoEvents();
  } else if (kind == ".") {
    ComVideo_Click();
  }
}

// An "M" line: say where the pointer goes, then plan its glide.
void Form1::MoveLine() {
  // A number too large for its field, or a tile whose first button's number
  // would be, makes a damaged line: it is skipped.
  int16_t messageNo = 0, index = 0;
  try {
    messageNo = readInt16(mid(ScriptLine, 4, 3));
    index = readInt16(mid(ScriptLine, 9, 3));
    if (mid(ScriptLine, 7, 1) == "T") toInt16(TileSquares * index);
  } catch (const ProgramError&) {
    return;
  }
  ScriptMsgNo = messageNo;
  ActionLetter = mid(ScriptLine, 7, 1);
  MsgText = "Move the Mouse to ";
  ActionIndex = index;
  const int i = ActionIndex;
  const bool named = ScriptElementExists(i);  // else the sentence leaves the control out
  if (ActionLetter == "B") {
    MsgText += " Select Box Tile";
  } else if (ActionLetter == "O") {
    MsgText += "Set Tile Size " + (named ? OptSq(i).caption() : "");
  } else if (ActionLetter == "K") {
    MsgText += named ? ComKey(i).caption() : "";
  } else if (ActionLetter == "M") {
    MsgText += "Information Label";
  } else if (ActionLetter == "L") {
    MsgText += "ListBox and Scroll down to ";
    // The size of the slot that entry i stands for.
    if (named) {
      const int slot = ListBoxSize().itemData(i);
      MsgText += formatRight(SizeLines(SqVariant, slot), 1) + " by " + formatRight(SizeCols(SqVariant, slot), 2);
    }
  } else if (ActionLetter == "S") {
    MsgText += "Box square" + mid(ScriptLine, 9, 3);
  } else if (ActionLetter == "T") {
    MsgText += "Tile " + mid(ScriptLine, 9, 3);
    ActionIndex = toInt16(TileSquares * ActionIndex);
  }
  ClickFlag = mid(ScriptLine, 8, 1);
  MsgText += ClickFlag == "Y" ? " and Click" : " and You Click";
  if (SpeakFlag == "Y") {
    ComSpeak_Click();
    DoEvents();
    if (VideoStopped()) return;
  }
  SetMouse();
  TimerState = 8;
  VideoState = 8;
}

void Form1::PointerStep() {
  if (StepCount < StepTotal) {
    PointerX += static_cast<float>(StepX);
    PointerY += static_cast<float>(StepY);
    window.scaleMode = 3;
    MoveMouse(PointerX, PointerY);
    StepCount = toInt16(StepCount + 1);
    return;
  }
  MoveMouse(TargetX, TargetY);
  PointerX = TargetX;
  PointerY = TargetY;
  VideoState = 7;
  window.scaleMode = 1;
  DoEvents();
  if (VideoStopped()) return;
  Reset_Timer();
  if (ClickFlag == "Y") ActionLink();
}
