// The two boxes whose grey squares come from a pattern drawn at random: the
// list text that names each, the prefix of its box code, and every pattern
// code of its pool.
#pragma once

struct PatternedBox {
  const char* size;
  const char* prefix;
  const char* codes;
};

inline constexpr PatternedBox kBox88{"8 by  8", "88", "00010203040506070809101112131415161718"};
inline constexpr PatternedBox kBox810{"8 by 10", "8T", "000102030405060708091011"};
inline constexpr PatternedBox kPatternedBoxes[] = {kBox88, kBox810};
