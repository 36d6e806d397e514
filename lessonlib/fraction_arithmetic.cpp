// Fraction arithmetic that writes formula text: reducing a fraction, Euclid's greatest common
// divisor and least common multiple, and the sum of two fractions over their least common
// denominator. Numbers are whole throughout; nothing is rounded.
#include <cmath>
#include <string>

#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "platform/errors.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

// A number as the runtime writes it, without the blank before a value that is not negative.
std::string NumberText(Program& p, float value) {
  p.text.WorkText = platform::PfSTR244(value);
  RemoveSpaces(p);
  return p.text.WorkText;
}

std::string Fraction(const std::string& numerator, const std::string& denominator) {
  return "ﾀ" + numerator + "/" + denominator + "ﾀ";
}

std::string Plain(Program& p, const std::string& text) {
  p.text.WorkText = text;
  StripMarkup(p);
  return p.text.WorkText;
}

}  // namespace

float ComputeRemainder(float a, float b) {
  if (b == 0) platform::RaiseRuntimeError(platform::kDivisionByZero);
  return a - b * platform::PnFInt(a / b);
}

void ComputeGcdLcm(Program& p) {
  FractionState& f = p.fraction;
  float x = f.FractionNumerator;
  float y = f.FractionDenominator;
  const float product = x * y;
  // An operand or a product beyond single precision is an overflow, as a failed calculation
  // is anywhere; Euclid's loop would never end on it.
  if (!std::isfinite(product)) platform::RaiseRuntimeError(platform::kOverflow);
  while (y != 0) {
    x = ComputeRemainder(x, y);
    std::swap(x, y);
  }
  // Only two zeros leave a divisor of 0.
  if (x == 0) platform::RaiseRuntimeError(platform::kDivisionByZero);
  f.Gcd = x;
  f.Lcm = product / x;
}

void ReduceFractionText(Program& p) {
  FractionState& f = p.fraction;
  f.OriginalDenominator = f.FractionDenominator;
  f.OriginalNumerator = f.FractionNumerator;
  f.FractionSign = f.FractionDenominator * f.FractionNumerator < 0 ? -1.0f : 1.0f;
  float numerator = f.FractionNumerator;
  float denominator = f.FractionDenominator;
  if (f.FractionDenominator == 0) {
    // No fraction: nothing is reduced and nothing divided.
    f.FractionKind = 0;
  } else if (f.FractionDenominator == 1) {
    f.FractionKind = 1;
  } else {
    f.FractionNumerator = std::fabs(f.FractionNumerator);
    f.FractionDenominator = std::fabs(f.FractionDenominator);
    ComputeGcdLcm(p);
    numerator = f.FractionSign * f.FractionNumerator / f.Gcd;
    denominator = f.FractionDenominator / f.Gcd;
    if (numerator == 0 || denominator == 1) {
      f.FractionKind = 1;
    } else if (denominator == f.OriginalDenominator && f.FractionSign == 1) {
      f.FractionKind = 3;
    } else {
      f.FractionKind = 2;
    }
  }
  f.FractionNumerator = numerator;
  f.FractionDenominator = denominator;

  const std::string given_numerator = NumberText(p, f.OriginalNumerator);
  const std::string given_denominator = NumberText(p, f.OriginalDenominator);
  const std::string reduced_denominator = NumberText(p, denominator);
  std::string reduced_numerator = NumberText(p, numerator);
  const std::string given = Fraction(given_numerator, given_denominator);
  f.TextA = given;
  if (!reduced_numerator.empty() && reduced_numerator[0] == '-') reduced_numerator.erase(0, 1);

  const bool negative = f.FractionSign == -1;
  f.SignText = negative ? "" : "+";
  if (f.FractionKind == 1 || f.FractionKind == 2) {
    const std::string value = f.FractionKind == 1
                                  ? reduced_numerator
                                  : Fraction(reduced_numerator, reduced_denominator);
    f.TextB = (negative ? "-" : "") + value;
    f.SignedTermText = (negative ? "-" : "+") + value;
    f.TextC = given + "=" + f.TextB;
    f.SignedReductionText = f.SignText + given + "=" + f.SignedTermText;
  } else {
    // Already in lowest terms, or (denominator 0) no fraction at all: the given fraction
    // stands as it is.
    f.TextB = given;
    f.SignedTermText = "+" + given;
    f.TextC = f.TextB;
    f.SignedReductionText = f.SignedTermText;
  }
  f.PlainTermText = Plain(p, f.TextB);
  f.PlainSignedTermText = Plain(p, f.SignedTermText);
}

void AddFractionsText(Program& p) {
  FractionState& f = p.fraction;
  // A sum with a zero denominator has no value.
  if (f.AddendDenominator1 == 0 || f.AddendDenominator2 == 0) {
    platform::RaiseRuntimeError(platform::kDivisionByZero);
  }
  // Each addend gets a positive denominator; its numerator carries the sign.
  const auto normalise = [](float& numerator, float& denominator) {
    const bool negative = numerator * denominator < 0;
    numerator = negative ? -std::fabs(numerator) : std::fabs(numerator);
    denominator = std::fabs(denominator);
  };
  normalise(f.AddendNumerator1, f.AddendDenominator1);
  normalise(f.AddendNumerator2, f.AddendDenominator2);
  const float a = f.AddendNumerator1, b = f.AddendDenominator1;
  const float c = f.AddendNumerator2, d = f.AddendDenominator2;

  float common = 0, first = 0, second = 0;
  if (b == 1 && d == 1) {
    common = 1;
    first = a;
    second = c;
  } else if (b == 1) {
    common = d;
    first = a * d;
    second = c;
  } else if (d == 1) {
    common = b;
    first = a;
    second = c * b;
  } else {
    f.FractionNumerator = b;
    f.FractionDenominator = d;
    ReduceFractionText(p);
    common = f.Lcm;
    first = a * d / f.Gcd;
    second = c * b / f.Gcd;
  }
  const float sum = first + second;
  f.FractionDenominator = common;
  f.OriginalNumerator = first;
  f.SecondNumerator = second;
  f.SumNumerator = sum;

  const std::string first_text = NumberText(p, std::fabs(first));
  const std::string common_text = NumberText(p, common);
  const std::string second_text = NumberText(p, std::fabs(second));
  const std::string sum_text = NumberText(p, std::fabs(sum));

  // A value that is not negative is written with "+" where the sign is always written.
  const auto sign = [](float value) { return value < 0 ? "-" : ""; };
  const auto signed_sign = [](float value) { return value < 0 ? "-" : "+"; };
  const std::string first_over = Fraction(first_text, common_text);
  const std::string second_over = Fraction(second_text, common_text);
  f.TextA = sign(a) + first_over;
  f.SignedTextA = signed_sign(a) + first_over;
  f.TextB = sign(c) + second_over;
  f.SignedTermText = signed_sign(c) + second_over;
  f.SumText = sign(sum) + Fraction(sum_text, common_text);
  f.SignedSumText = signed_sign(sum) + Fraction(sum_text, common_text);
  f.TextC = Fraction(sign(a) + first_text + signed_sign(c) + second_text, common_text);
  f.SumOfTermsText = f.TextA + f.SignedTermText;
  f.FirstOverCommonText = first_over;
  f.SecondOverCommonText = second_over;
}

}  // namespace lesson
