// A number typed in the number field, held exactly.
//
// Program values are single precision, which keeps only about seven significant digits: a
// typed 16777217 reads as 16777216, and 0.1 + 3 is 3.1000001. Lessons that work out terms
// and sums from a typed number and write them as digits take the entry as typed instead:
// a fraction of two 64-bit whole numbers read from its decimal digits. An entry of the
// field (at most ten characters) and its sums and small multiples stay far inside that range.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lesson {

class ExactNumber {
 public:
  // The entry read as ParseNumberInput reads it, without rounding: the number at its start
  // ("12", "-0.5", "3-4" is 3, "" and "-" are 0), and for "a/b" the value before the first
  // "/" divided by the value after it. A zero denominator is runtime error 11, digits beyond
  // the 64-bit range are runtime error 6.
  static ExactNumber FromEntry(std::string_view entry);
  static ExactNumber Whole(std::int64_t value) { return ExactNumber(value, 1); }

  friend ExactNumber operator+(const ExactNumber& a, std::int64_t whole);
  friend ExactNumber operator*(std::int64_t whole, const ExactNumber& a);

  bool IsWhole() const { return denominator_ == 1; }
  // The value in single precision, as the program's values hold it.
  float Value() const;
  // The decimal text without blanks: "-" when negative, the digits, a point and the
  // decimals without trailing zeros ("12", "-3", "0.5", "1000000001"), never an exponent.
  // A value whose decimals do not end within nine places is rounded to seven significant
  // digits, its whole part always kept ("0.3333333", "1.333333", "14285714").
  std::string Text() const;

  std::int64_t numerator() const { return numerator_; }
  std::int64_t denominator() const { return denominator_; }

 private:
  // Reduced, the denominator positive.
  ExactNumber(std::int64_t numerator, std::int64_t denominator);

  std::int64_t numerator_;
  std::int64_t denominator_;
};

}  // namespace lesson
