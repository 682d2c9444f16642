// Fixed-bounds arrays (all lower bounds 0): an index outside is an error.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "platform/numbers.h"

template <typename T, int... Highs>
class Bounded {
 public:
  template <typename... I>
  T& operator()(I... index) {
    static_assert(sizeof...(I) == sizeof...(Highs), "wrong number of indexes");
    return data_[offset({static_cast<long>(index)...})];
  }
  template <typename... I>
  const T& operator()(I... index) const {
    static_assert(sizeof...(I) == sizeof...(Highs), "wrong number of indexes");
    return data_[offset({static_cast<long>(index)...})];
  }
  void fill(const T& value) { data_.fill(value); }
  bool operator==(const Bounded&) const = default;

 private:
  static constexpr std::array<int, sizeof...(Highs)> kHigh{Highs...};
  static constexpr size_t kSize = ((static_cast<size_t>(Highs) + 1) * ...);

  static size_t offset(const std::array<long, sizeof...(Highs)>& index) {
    size_t at = 0;
    for (size_t d = 0; d < kHigh.size(); ++d) {
      if (index[d] < 0 || index[d] > kHigh[d]) {
        throw ProgramError("Subscript out of range (" + std::to_string(index[d]) + ")");
      }
      at = at * (kHigh[d] + 1) + static_cast<size_t>(index[d]);
    }
    return at;
  }

  std::array<T, kSize> data_{};
};
