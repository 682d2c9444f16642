// Reads PENTIPOS.TXT: box sizes, patterns, colours, palette positions, shapes
// and orientation codes. Any faulty line stops reading with its text shown.
#include <fstream>
#include <iterator>
#include <vector>

#include "app/form1.h"
#include "app/window_design.h"

namespace {

// Splits the file into lines. A line ends at CR (a following LF belongs to
// the break) or at a lone LF; a last line without a break counts too.
std::vector<std::string> splitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char ch = bytes[i];
    if (ch == '\r' || ch == '\n') {
      lines.push_back(line);
      line.clear();
      if (ch == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += ch;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

int16_t field(const std::string& line, int start, int length) { return readInt16(mid(line, start, length)); }

// A design twips value of the file scaled to the screen.
int32_t scaled(int16_t value, float factor) { return roundInt32(value * static_cast<double>(factor)); }

}  // namespace

void Form1::ReadControl() {
  ErrText = "No PENTIPOS File";
  TileFits = true;
  try {
    std::ifstream file(PentiposPath, std::ios::binary);
    if (!file) throw ProgramError("cannot open " + PentiposPath);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw ProgramError("cannot read " + PentiposPath);
    for (const std::string& line : splitLines(bytes)) {
      CText = line;
      ErrText = "Error in CText " + CText;
      ReadLine();
    }
  } catch (const std::exception&) {
    Tell(ErrText);
    TileFits = false;
  }
}

void Form1::ReadLine() {
  const std::string& t = CText;
  if (t.empty()) return;
  switch (t[0]) {
    case 'B': {
      const int16_t v = field(t, 2, 1), e = field(t, 3, 2);
      SizeLines(v, e) = field(t, 5, 2);
      SizeCols(v, e) = field(t, 8, 2);
      // A box the grid and the square tables cannot hold, or one that leaves
      // the designed window, is a faulty line.
      const int lines = SizeLines(v, e), cols = SizeCols(v, e);
      if (lines != 0 && (lines < 1 || cols < 1 || lines * cols > 225)) throw ProgramError("box size");
      const int16_t left = field(t, 11, 4), top = field(t, 16, 4), cell = field(t, 21, 3);
      if (lines != 0 && (left < 0 || top < 0 || cell < 0 || left + cols * cell > design::kClientWidth ||
                         top + lines * cell > design::kClientHeight)) {
        throw ProgramError("box outside the window");
      }
      SizeLeft(v, e) = scaled(left, ScaleX);
      SizeTop(v, e) = scaled(top, ScaleY);
      SizeCellH(v, e) = roundInt16(cell * static_cast<double>(ScaleY));
      SizeCellW(v, e) = roundInt16(cell * static_cast<double>(ScaleX));
      break;
    }
    case 'D':
      Dels810(field(t, 2, 2)) = mid(t, 5, 30);
      break;
    case 'E':
      Dels88(field(t, 2, 2)) = mid(t, 5, 10);
      break;
    case 'I':
      ColorWork = roundInt32(leadingNumber(mid(t, 5, 8)));
      TileColor(field(t, 3, 2)) = ColorWork;
      break;
    case 'T': {
      const int16_t v = field(t, 2, 1), c = field(t, 3, 3);
      BtnBoxSq(c) = -1;
      BoxLeft = scaled(field(t, 7, 5), ScaleX);
      BoxTop = scaled(field(t, 12, 5), ScaleY);
      PalLeft(v, c) = BoxLeft;
      PalTop(v, c) = BoxTop;
      break;
    }
    case 'S': {
      const int16_t v = field(t, 2, 1), tile = field(t, 3, 2);
      KindIx = toInt16(v * 12 + tile);
      TileKind(KindIx) = field(t, 6, 1);
      const int w = v + 5;
      LineLen = toInt16(static_cast<long long>(t.size()));
      int16_t square = 0;
      for (int column = 8; column <= LineLen; ++column) {
        if (t[column - 1] != '1') continue;
        const int16_t p = toInt16(column - 8);
        if (p >= w * w) throw ProgramError("square outside the tile's frame");
        ShapeOrig(v, tile, square) = p;
        if (p / w + 1 > LinesOrig(v, tile)) LinesOrig(v, tile) = toInt16(p / w + 1);
        if (p % w + 1 > ColsOrig(v, tile)) ColsOrig(v, tile) = toInt16(p % w + 1);
        ++square;
      }
      break;
    }
    case 'P': {
      const int16_t kind = field(t, 3, 1);
      LineLen = toInt16(static_cast<long long>(t.size()) - 4);
      const int16_t codes = roundInt16(LineLen / 2.0);
      for (int j = 1; j <= codes; ++j) KindOrient(kind, j) = field(t, 5 + 2 * (j - 1), 2);
      break;
    }
    default:
      break;  // any other line is a comment
  }
}
