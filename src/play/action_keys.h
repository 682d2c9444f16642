// The action buttons by what their captions say: the index of each in ComKey.
#pragma once

#include <cstdint>

namespace action {
inline constexpr int16_t kClearPuzzle = 0, kResetTile = 1, kSolvePuzzle = 2, kWatchVideo = 3;
inline constexpr int16_t kRotateRight = 4, kRotateLeft = 5, kFlipVertical = 6, kFlipHorizontal = 7;
inline constexpr int16_t kMoveUp = 8, kMoveDown = 9, kMoveRight = 10, kMoveLeft = 11;
}  // namespace action
