// The window as designed: every control's design geometry (twips), colour,
// caption and font before the window is stretched over the screen.
#pragma once

#include <array>
#include <cstdint>

namespace design {

// Designed client area of the window, twips.
inline constexpr int kClientWidth = 18960;
inline constexpr int kClientHeight = 11415;

inline constexpr int32_t kFormBackColor = 0x00C0FFC0;
inline constexpr int32_t kButtonFace = 0x00E0E0E0;
inline constexpr int32_t kWindowText = static_cast<int32_t>(0x80000008u);

struct Rect {
  int left, top, width, height;
};

struct Point {
  int left, top;
};

// The 6-square palette: tile t owns buttons 6t..6t+5, 480 twips square.
struct PaletteTile {
  int32_t color;
  std::array<Point, 6> squares;
};

inline constexpr int kPaletteButtonSize = 480;

inline constexpr std::array<PaletteTile, 35> kPalette = {{
    {0x0000FFFF, {{{14280,120}, {14760,120}, {15240,120}, {15720,120}, {16200,120}, {16680,120}}}},  // tile 0
    {0x00FFC0FF, {{{18240,240}, {16320,720}, {16800,720}, {17280,720}, {17760,720}, {18240,720}}}},  // tile 1
    {0x0080C0FF, {{{11760,120}, {11760,600}, {12240,600}, {11760,1080}, {11760,1560}, {11760,2040}}}},  // tile 2
    {0x00FFFF00, {{{17520,1320}, {18000,1320}, {17520,1800}, {18000,1800}, {17520,2280}, {17520,2760}}}},  // tile 3
    {0x00FF8050, {{{14280,2280}, {14760,2280}, {15240,2280}, {14280,2760}, {14760,2760}, {15240,2760}}}},  // tile 4
    {0x000000FF, {{{18240,2880}, {16800,3360}, {17280,3360}, {17760,3360}, {18240,3360}, {18240,3840}}}},  // tile 5
    {0x0000FF00, {{{13920,3360}, {14400,3360}, {14880,3360}, {13920,3840}, {13920,4320}, {13920,4800}}}},  // tile 6
    {0x00C000C0, {{{16800,1320}, {16320,1800}, {16800,1800}, {16320,2280}, {16800,2280}, {16320,2760}}}},  // tile 7
    {0x000040C0, {{{14640,4680}, {15120,4680}, {15600,4680}, {15120,5160}, {15600,5160}, {15600,5640}}}},  // tile 8
    {0x00008000, {{{17640,4440}, {18120,4440}, {17160,4920}, {17640,4920}, {18120,4920}, {17160,5400}}}},  // tile 9
    {0x00404040, {{{13440,5880}, {13920,5880}, {13440,6360}, {13920,6360}, {14400,6360}, {13920,6840}}}},  // tile 10
    {0x00808000, {{{16200,5880}, {15240,6360}, {15720,6360}, {16200,6360}, {16680,6360}, {15720,6840}}}},  // tile 11
    {0x008080FF, {{{12840,120}, {12840,600}, {13320,600}, {12840,1080}, {13320,1080}, {12840,1560}}}},  // tile 12
    {0x00FFC0C0, {{{12840,2160}, {13320,2160}, {12840,2640}, {12840,3120}, {12840,3600}, {13320,3600}}}},  // tile 13
    {0x00FF80FF, {{{11760,2640}, {11760,3120}, {11760,3600}, {12240,3600}, {12240,4080}, {12240,4560}}}},  // tile 14
    {0x00008080, {{{12840,4200}, {12840,4680}, {12840,5160}, {13320,5160}, {12840,5640}, {12840,6120}}}},  // tile 15
    {0x0000C000, {{{15840,3480}, {15360,3960}, {15840,3960}, {16320,3960}, {16320,4440}, {16320,4920}}}},  // tile 16
    {0x00C0E0FF, {{{17760,5520}, {18240,5520}, {17280,6000}, {17760,6000}, {17760,6480}, {18240,6480}}}},  // tile 17
    {0x00C0FFFF, {{{12840,6720}, {12840,7200}, {12360,7680}, {12840,7680}, {13320,7680}, {12840,8160}}}},  // tile 18
    {0x00FF00FF, {{{11640,7080}, {11160,7560}, {11640,7560}, {11640,8040}, {11640,8520}, {11160,8520}}}},  // tile 19
    {0x00FF8080, {{{12240,8640}, {12240,9120}, {11280,9600}, {11760,9600}, {12240,9600}, {12240,10080}}}},  // tile 20
    {0x000080FF, {{{11640,4560}, {11640,5040}, {11640,5520}, {11160,6000}, {11640,6000}, {11160,6480}}}},  // tile 21
    {0x0080FF80, {{{13440,8640}, {12960,9120}, {13440,9120}, {12960,9600}, {12960,10080}, {13440,10080}}}},  // tile 22
    {0x00806880, {{{14520,7080}, {15000,7080}, {14040,7560}, {14520,7560}, {14040,8040}, {14040,8520}}}},  // tile 23
    {0x00C0C0FF, {{{16080,7440}, {15120,7920}, {15600,7920}, {16080,7920}, {15120,8400}, {15120,8880}}}},  // tile 24
    {0x00FF50D7, {{{16680,7080}, {17160,7080}, {16680,7560}, {16680,8040}, {16200,8520}, {16680,8520}}}},  // tile 25
    {0x00EC8000, {{{17760,7080}, {18240,7080}, {17760,7560}, {17280,8040}, {17760,8040}, {17760,8520}}}},  // tile 26
    {0x0000C0C0, {{{14040,9120}, {14520,9120}, {14040,9600}, {14520,9600}, {15000,9600}, {14040,10080}}}},  // tile 27
    {0x00C08000, {{{15720,9120}, {16200,9120}, {16680,9120}, {15720,9600}, {15720,10080}, {16200,10080}}}},  // tile 28
    {0x000040F1, {{{17280,9120}, {17760,9120}, {18240,9120}, {17760,9600}, {17280,10080}, {17760,10080}}}},  // tile 29
    {0x000CFFC0, {{{6840,120}, {7320,120}, {6840,600}, {6360,1080}, {6840,1080}, {6360,1560}}}},  // tile 30
    {0x00EE82EE, {{{7920,120}, {7920,600}, {8400,600}, {7440,1080}, {7920,1080}, {7440,1560}}}},  // tile 31
    {0x00FFF000, {{{9120,720}, {9600,720}, {8640,1200}, {9120,1200}, {8160,1680}, {8640,1680}}}},  // tile 32
    {0x0000DBFF, {{{10200,120}, {10200,600}, {10680,600}, {11160,600}, {10680,1080}, {10680,1560}}}},  // tile 33
    {0x000080C0, {{{14280,720}, {14280,1200}, {14760,1200}, {15240,1200}, {15720,1200}, {14760,1680}}}},  // tile 34
}};

// Pointer shapes over the controls: no-drop, north-south, west-east and
// four-way arrows.
inline constexpr int16_t kNoDrop = 12, kNorthSouth = 7, kWestEast = 9, kFourWay = 15;

struct KeyDesign {
  const char* caption;
  Rect rect;
  float fontSize;
  int16_t pointer = kFourWay;
};

inline constexpr std::array<KeyDesign, 12> kKeys = {{
    {"Clear Puzzle", {240, 120, 1095, 855}, 14.25f},
    {"Reset Tile", {1440, 120, 1095, 855}, 14.25f},
    {"Solve Puzzle", {240, 1080, 1095, 735}, 14.25f},
    {"Watch Video", {1440, 1080, 1095, 735}, 14.25f},
    {"Rotate Right", {240, 1920, 1095, 855}, 14.25f},
    {"Rotate Left", {1440, 1920, 1095, 855}, 14.25f},
    {"Flip Vertical", {120, 2880, 1095, 735}, 12.0f, kWestEast},
    {"Flip Horizontal", {1320, 2880, 1455, 735}, 12.0f, kNorthSouth},
    {"Move Up", {240, 3720, 1095, 855}, 14.25f},
    {"Move Down", {1440, 3720, 1095, 855}, 14.25f},
    {"Move Right", {240, 4680, 1095, 855}, 14.25f},
    {"Move Left", {1440, 4680, 1095, 855}, 14.25f},
}};

// Status-panel labels in creation order (LabTip last).
enum class LabelStyle { Caption, Value, Tip };

struct LabelDesign {
  const char* name;
  Rect rect;
  const char* caption;
  const char* toolTip;
  LabelStyle style;
};

inline constexpr std::array<LabelDesign, 13> kLabels = {{
    {"LabTNo", {4800, 10080, 840, 600}, "", "Current Tile Lines", LabelStyle::Value},
    {"LabT", {3720, 10080, 1080, 600}, "Tile", "", LabelStyle::Caption},
    {"LabBLine", {8040, 9480, 600, 600}, "", "Current Tile Box Line", LabelStyle::Value},
    {"LabBL", {6960, 9480, 1080, 600}, "Line", "", LabelStyle::Caption},
    {"LabTCols", {10320, 10080, 600, 600}, "", "Current Tile Columns", LabelStyle::Value},
    {"LabTC", {7560, 10080, 2760, 600}, "Tile Columns", "", LabelStyle::Caption},
    {"LabTLines", {6960, 10080, 600, 600}, "", "Current Tile Lines", LabelStyle::Value},
    {"LabTL", {5640, 10080, 1320, 600}, "Lines", "", LabelStyle::Caption},
    {"LabBCol", {10320, 9480, 600, 600}, "", "Current Tile Box Column", LabelStyle::Value},
    {"LabBC", {8640, 9480, 1680, 600}, "Column", "", LabelStyle::Caption},
    {"LabBSq", {6120, 9480, 840, 600}, "", "Current Tile Box Line", LabelStyle::Value},
    {"LabBS", {3720, 9480, 2400, 600}, "Box Square", "", LabelStyle::Caption},
    {"LabTip", {120, 9120, 3255, 1575}, "", "", LabelStyle::Tip},
}};

inline constexpr Rect kComBlock = {2520, 7680, 855, 615};
inline constexpr Rect kListBoxSize = {600, 6720, 1575, 2370};
inline constexpr Rect kOptSq0 = {480, 5640, 1815, 495};
inline constexpr Rect kOptSq1 = {480, 6120, 1815, 495};
inline constexpr Rect kFlexBox = {3480, 2520, 6750, 6750};
inline constexpr int kBoxTileLeft = 2880;  // ComBT(i) at 2880 + 600 i
inline constexpr int kBoxTileTop = 120;
inline constexpr int kBoxTileSize = 600;

// The free band below the lowest controls, where a running video shows the
// sentence being spoken.
inline constexpr Rect kSubtitleBand = {120, 10755, 18600, 600};

}  // namespace design
