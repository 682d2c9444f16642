// The keys the window answers, by the classic virtual-key numbers (letters
// and digits are their upper-case characters), and the shift state's bits.
// The view maps its toolkit's keys to these.
#pragma once

#include <cstdint>

namespace key {
inline constexpr int16_t kTab = 9, kEnter = 13, kSpace = 32, kPageUp = 33, kPageDown = 34;
inline constexpr int16_t kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kDelete = 46;
inline constexpr int16_t kFive = '5', kSix = '6', kF = 'F', kH = 'H', kN = 'N', kR = 'R', kS = 'S';
inline constexpr int16_t kY = 'Y', kZ = 'Z', kC = 'C';
inline constexpr int16_t kD = 'D', kM = 'M', kW = 'W';
inline constexpr int16_t kF1 = 112;

inline constexpr int16_t kShift = 1, kCtrl = 2, kAlt = 4;
}  // namespace key
