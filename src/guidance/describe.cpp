// The game in words: a box square, a tile's shape and place, how far the
// player has come. The spoken descriptions and the screen reader's names
// both come from here, so they can never disagree.
#include "app/form1.h"

namespace {

constexpr int32_t kUnavailable = 0x00C0C0C0;

// "1", "1 and 4", "1, 4 and 9".
std::string listed(const std::vector<int>& numbers) {
  std::string text;
  for (size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text += i + 1 == numbers.size() ? " and " : ", ";
    text += std::to_string(numbers[i]);
  }
  return text;
}

}  // namespace

std::vector<int> Form1::TilesOnSquare(int square) {
  std::vector<int> tiles;
  for (int t = 0; t <= LastTile; ++t) {
    if (TileAnchor(t) == -1) continue;
    for (int i = 0; i < TileSquares; ++i) {
      if (BtnBoxSq(t * TileSquares + i) == square) {
        tiles.push_back(t);
        break;
      }
    }
  }
  return tiles;
}

std::string Form1::DescribeSquare(int square) {
  if (BoxColumns <= 0 || square < 0 || square >= BoxSquares) return "";
  const int line = square / BoxColumns, column = square % BoxColumns;
  std::string text = "Square " + std::to_string(square) + ", line " + std::to_string(line) + ", column " +
                     std::to_string(column) + ": ";
  const std::vector<int> tiles = TilesOnSquare(square);
  if (tiles.size() == 1) return text + "tile " + listed(tiles);
  if (!tiles.empty()) return text + "tiles " + listed(tiles);
  return text + (FlexBox().backColorAt(line, column) == kUnavailable ? "grey" : "free");
}

// The selected tile is drawn as it is turned now; the others as they were
// last set down or left in the palette.
std::string Form1::DescribeShapeSquare(int tile, int line, int column) {
  if (tile < 0 || tile > LastTile) return "";
  const bool current = TileSelected && tile == CurTile;
  const int lines = current ? TileLines : LinesOf(tile);
  const int columns = current ? TileCols : ColsOf(tile);
  if (line < 0 || line >= lines || column < 0 || column >= columns) return "";
  for (int i = 0; i < TileSquares; ++i) {
    const int code = current ? CurShape(i) : Shape(tile, i);
    if (code / TileSquares == line && code % TileSquares == column) return "filled";
  }
  return "empty";
}

std::string Form1::DescribeShape(int tile) {
  if (tile < 0 || tile > LastTile) return "";
  const bool current = TileSelected && tile == CurTile;
  const int lines = current ? TileLines : LinesOf(tile);
  const int columns = current ? TileCols : ColsOf(tile);
  std::string text = "Tile " + std::to_string(tile) + ", " + std::to_string(lines) + " by " +
                     std::to_string(columns) + ":";
  for (int line = 0; line < lines; ++line) {
    text += line == 0 ? " " : "; ";
    for (int column = 0; column < columns; ++column) {
      if (column > 0) text += ' ';
      text += DescribeShapeSquare(tile, line, column);
    }
  }
  return text;
}

std::string Form1::DescribePlace(int tile) {
  if (tile < 0 || tile > LastTile) return "";
  const bool selected = TileSelected && tile == CurTile;
  if (TileAnchor(tile) != -1) {
    return std::string(selected ? "selected, " : "") + "in the box at square " + std::to_string(TileAnchor(tile));
  }
  return selected ? "selected" : "in the palette";
}

std::string Form1::DescribeStanding() {
  int covered = 0;
  for (int s = 0; s < BoxSquares; ++s) covered += SqCount(s) > 0;
  std::vector<int> left;
  for (int t = 0; t <= LastTile; ++t) {
    if (TileAnchor(t) == -1) left.push_back(t);
  }
  return std::to_string(covered) + " of " + std::to_string(AvailSquares) + " squares covered. Tiles left: " +
         (left.empty() ? "none" : listed(left));
}
