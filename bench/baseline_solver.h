// The solver's count as it was before it got its own search, for the
// benchmark's side-by-side figures.
#pragma once

#include "tiling/solver.h"

namespace baseline {

tiling::Count count(const tiling::Problem& problem, const std::function<void(std::uint64_t)>& progress = {});

}  // namespace baseline
