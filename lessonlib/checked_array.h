// Arrays of the lesson work area, indexed as the lessons index them: by a program value
// rounded to a whole number, from 0 to the array's bound. An index outside is a runtime
// error (subscript out of range), never a stray read or write.
#pragma once

#include <array>
#include <concepts>
#include <type_traits>
#include <source_location>

#include "platform/errors.h"
#include "platform/text_ops.h"

namespace lesson {

template <typename T, int Bound>
class CheckedArray {
 public:
  static constexpr int kBound = Bound;

  T& operator()(std::floating_point auto index,
                std::source_location where = std::source_location::current()) {
    return items_[Slot(static_cast<float>(index), where)];
  }
  T& operator()(std::integral auto index,
                std::source_location where = std::source_location::current()) {
    return items_[Slot(static_cast<float>(index), where)];
  }
  const T& operator()(std::floating_point auto index,
                      std::source_location where = std::source_location::current()) const {
    return items_[Slot(static_cast<float>(index), where)];
  }
  const T& operator()(std::integral auto index,
                      std::source_location where = std::source_location::current()) const {
    return items_[Slot(static_cast<float>(index), where)];
  }

 private:
  static size_t Slot(float index, const std::source_location& where) {
    const int slot = platform::RoundToInt(index, where);
    if (slot < 0 || slot > Bound) throw platform::RuntimeError(platform::kSubscriptOutOfRange, where);
    return static_cast<size_t>(slot);
  }
  std::array<T, Bound + 1> items_{};
};

template <typename T, int Bound1, int Bound2>
class CheckedArray2 {
 public:
  template <typename I, typename J>
    requires std::is_arithmetic_v<I> && std::is_arithmetic_v<J>
  T& operator()(I i, J j, std::source_location where = std::source_location::current()) {
    return items_[Slot(static_cast<float>(i), Bound1, where)][Slot(static_cast<float>(j), Bound2, where)];
  }
  template <typename I, typename J>
    requires std::is_arithmetic_v<I> && std::is_arithmetic_v<J>
  const T& operator()(I i, J j, std::source_location where = std::source_location::current()) const {
    return items_[Slot(static_cast<float>(i), Bound1, where)][Slot(static_cast<float>(j), Bound2, where)];
  }

 private:
  static size_t Slot(float index, int bound, const std::source_location& where) {
    const int slot = platform::RoundToInt(index, where);
    if (slot < 0 || slot > bound) throw platform::RuntimeError(platform::kSubscriptOutOfRange, where);
    return static_cast<size_t>(slot);
  }
  std::array<std::array<T, Bound2 + 1>, Bound1 + 1> items_{};
};

}  // namespace lesson
