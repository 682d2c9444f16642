// Choosing the square count and the box size, and drawing the patterns of
// unavailable squares without repetition.
#include <algorithm>

#include "app/form1.h"
#include "box/patterns.h"

void Form1::OptSq_Click(int16_t Index) {
  SqVariant = Index;
  OptSq(SqVariant).setValue(true);
  TileSquares = toInt16(SqVariant + 5);
  SqText = formatRight(TileSquares, 1);
  VideoPath = AppDir + "VIDINFO" + SqText + ".TXT";
  ListBoxSize().clear();
  for (Ix = 0; Ix <= 16; ++Ix) {
    WorkStr2 = formatRight(SizeLines(SqVariant, Ix), 1) + " by " + formatRight(SizeCols(SqVariant, Ix), 2);
    WorkStr1 = WorkStr2.substr(0, 1);
    // Each entry keeps its slot: a file may leave slots empty between used ones.
    if (WorkStr1 != "0") ListBoxSize().addItem(WorkStr2, Ix);
  }
  if (SqVariant == 0) {
    LastTile = 11;
    LastBtn = 59;
  } else {
    LastTile = 34;
    LastBtn = 209;
  }
  if (ListBoxSize().listCount() > 0) {
    ListBoxSize().setListIndex(0);
  } else {
    // A square count without any box size (a damaged piece file) has nothing
    // to select; the list's first event is then no longer to come, so the
    // next selection must set its box up.
    SizeClickSeen = 1;
  }
  ClickFlag = "Y";
  NVidCheck();
}

void Form1::ListBoxSize_Click() {
  if (SizeClickSeen == 0) {
    SizeClickSeen = 1;
  } else {
    SizeIndex = toInt16(ListBoxSize().itemData(ListBoxSize().listIndex()));
    BoxColumns = SizeCols(SqVariant, SizeIndex);
    BoxLines = SizeLines(SqVariant, SizeIndex);
    BoxSize = ListBoxSize().list(ListBoxSize().listIndex());
    if (BoxSize == kBox88.size) {
      DrawPattern(kBox88.prefix, Pool88, Pool88Count, kBox88.codes);
    } else if (BoxSize == kBox810.size) {
      DrawPattern(kBox810.prefix, Pool810, Pool810Count, kBox810.codes);
    } else {
      BoxCode = formatZero(BoxLines, 2) + formatZero(BoxColumns, 2);
    }
    BoxTop = SizeTop(SqVariant, SizeIndex);
    CellWidth = SizeCellW(SqVariant, SizeIndex);
    CellHeight = SizeCellH(SqVariant, SizeIndex);
    BoxLeft = SizeLeft(SqVariant, SizeIndex);
    FlexBox().setLeft(BoxLeft);
    FlexBox().setTop(BoxTop);
    FlexBox().setRows(BoxLines + 1);
    FlexBox().setCols(BoxColumns + 1);
    ComClear_Click();
  }
  ClickFlag = "Y";
  NVidCheck();
}

// Draws the next pattern code from a pool into BoxCode, refilling the pool
// with every code once it is empty.
void Form1::DrawPattern(const char* prefix, std::string& pool, int16_t& poolCount, const std::string& full) {
  BoxCode = prefix;
  if (poolCount == 0) {
    pool = full;
    poolCount = toInt16(static_cast<long long>(full.size() / 2));
  }
  DelCount = poolCount;
  DelList = pool;
  ExtractDels();
  pool = DelList;
  poolCount = DelCount;
}

void Form1::ExtractDels() {
  const int k = std::min(static_cast<int>(sys.rnd() * DelCount), DelCount - 1);
  const int at = 2 * k;  // 0-based start of the drawn code
  BoxCode += DelList.substr(at, 2);
  DelList = DelList.substr(0, at) + DelList.substr(at + 2);
  DelCount = toInt16(DelCount - 1);
}
