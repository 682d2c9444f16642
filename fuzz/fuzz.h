// Shared by the fuzz targets: a private folder holding the shipped data
// files, where each input is written in place of one of them, and the checks
// whose failure libFuzzer reports as a crash.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "harness.h"

namespace fuzz {

// Made once per process and removed at its end; inputs overwrite its files.
inline const TempDir& dataDir() {
  static const TempDir dir;
  static const bool filled = [] {
    for (const char* name : {"PENTIPOS.TXT", "OBJECTS.TXT", "VIDINFO5.TXT", "VIDINFO6.TXT"}) dir.copyShipped(name);
    return true;
  }();
  (void)filled;
  return dir;
}

inline std::string text(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

[[noreturn]] inline void fail(const std::string& what) {
  std::fprintf(stderr, "fuzz: %s\n", what.c_str());
  std::abort();
}

// The window's bookkeeping and tiles as they must stay, and no internal error
// shown: each is a fault that the input revealed.
inline void check(Game& g) {
  const std::string wrong = checkBookkeeping(g.f()) + checkTiles(g.f());
  if (!wrong.empty()) fail(wrong);
  for (const std::string& m : g.sys.messages) {
    if (m.rfind("Something went wrong", 0) == 0) fail(m);
  }
}

}  // namespace fuzz
