#include "lessonlib/exact_number.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "platform/errors.h"

namespace lesson {

namespace {

using Int = std::int64_t;

Int Times(Int a, Int b) {
  Int product = 0;
  if (__builtin_mul_overflow(a, b, &product)) platform::RaiseRuntimeError(platform::kOverflow);
  return product;
}

Int Plus(Int a, Int b) {
  Int sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) platform::RaiseRuntimeError(platform::kOverflow);
  return sum;
}

Int PowerOfTen(int exponent) {
  Int power = 1;
  for (int k = 0; k < exponent; ++k) power = Times(power, 10);
  return power;
}

// A decimal number read from the start of a text as PfVAL reads it: blanks, a sign, digits,
// a point and more digits; anything after them is ignored. Its value is digits / scale.
struct Decimal {
  Int digits = 0;
  Int scale = 1;
};

Decimal ReadDecimal(std::string_view text) {
  size_t k = 0;
  const auto at = [&](size_t i) { return i < text.size() ? text[i] : '\0'; };
  const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
  while (at(k) == ' ') ++k;
  const bool negative = at(k) == '-';
  if (at(k) == '-' || at(k) == '+') ++k;
  Decimal d;
  for (; is_digit(at(k)); ++k) d.digits = Plus(Times(d.digits, 10), at(k) - '0');
  if (at(k) == '.') {
    for (++k; is_digit(at(k)); ++k) {
      d.digits = Plus(Times(d.digits, 10), at(k) - '0');
      d.scale = Times(d.scale, 10);
    }
  }
  if (negative) d.digits = -d.digits;
  return d;
}

int DigitCount(Int value) {
  int count = 1;
  while (value >= 10) value /= 10, ++count;
  return count;
}

// `scaled` / 10^places written with its point, without trailing zeros after it.
std::string DecimalText(Int scaled, int places) {
  std::string text = std::to_string(scaled);
  if (places == 0) return text;
  if (static_cast<int>(text.size()) <= places) {
    text.insert(0, static_cast<size_t>(places) + 1 - text.size(), '0');
  }
  text.insert(text.size() - static_cast<size_t>(places), ".");
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

// Decimals beyond which a value is rounded: a typed decimal has at most nine.
constexpr int kMostPlaces = 9;
constexpr int kSignificantDigits = 7;

}  // namespace

ExactNumber::ExactNumber(Int numerator, Int denominator) {
  constexpr Int kLowest = std::numeric_limits<Int>::min();
  if (denominator == 0) platform::RaiseRuntimeError(platform::kDivisionByZero);
  // The lowest value has no positive counterpart.
  if (numerator == kLowest || denominator == kLowest) {
    platform::RaiseRuntimeError(platform::kOverflow);
  }
  if (denominator < 0) numerator = -numerator, denominator = -denominator;
  const Int common = std::gcd(numerator, denominator);
  numerator_ = numerator / common;
  denominator_ = denominator / common;
}

ExactNumber ExactNumber::FromEntry(std::string_view entry) {
  const size_t slash = entry.find('/');
  const Decimal upper = ReadDecimal(entry.substr(0, slash));
  if (slash == std::string_view::npos) return ExactNumber(upper.digits, upper.scale);
  const Decimal lower = ReadDecimal(entry.substr(slash + 1));
  // (a / s) / (b / t) = (a t) / (s b)
  return ExactNumber(Times(upper.digits, lower.scale), Times(upper.scale, lower.digits));
}

ExactNumber operator+(const ExactNumber& a, Int whole) {
  return ExactNumber(Plus(a.numerator_, Times(whole, a.denominator_)), a.denominator_);
}

ExactNumber operator*(Int whole, const ExactNumber& a) {
  return ExactNumber(Times(whole, a.numerator_), a.denominator_);
}

float ExactNumber::Value() const {
  return static_cast<float>(static_cast<double>(numerator_) /
                            static_cast<double>(denominator_));
}

std::string ExactNumber::Text() const {
  const Int size = numerator_ < 0 ? -numerator_ : numerator_;
  Int scaled = 0;
  int places = 0;
  const Int ending = PowerOfTen(kMostPlaces);
  if (ending % denominator_ == 0) {
    // The decimals end: as many places as the denominator needs.
    while (PowerOfTen(places) % denominator_ != 0) ++places;
    scaled = Times(size, PowerOfTen(places) / denominator_);
  } else {
    const Int whole_part = size / denominator_;
    if (whole_part > 0) {
      places = std::max(0, kSignificantDigits - DigitCount(whole_part));
    } else {
      // Below 1: the zeros after the point do not count.
      places = kSignificantDigits;
      while (Times(size, PowerOfTen(places - kSignificantDigits + 1)) < denominator_) ++places;
    }
    // Rounded to the nearest, a half away from zero.
    const Int twice = Times(Times(size, PowerOfTen(places)), 2);
    scaled = Plus(twice, denominator_) / Times(denominator_, 2);
  }
  if (scaled == 0) return "0";
  const std::string digits = DecimalText(scaled, places);
  return numerator_ < 0 ? "-" + digits : digits;
}

}  // namespace lesson
