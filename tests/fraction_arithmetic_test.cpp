#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "platform/errors.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;

namespace {

class FractionArithmeticTest : public FormulaTest {
 protected:
  void Reduce(float numerator, float denominator) {
    p.fraction.FractionNumerator = numerator;
    p.fraction.FractionDenominator = denominator;
    lesson::ReduceFractionText(p);
  }
  void Add(float a, float b, float c, float d) {
    p.fraction.AddendNumerator1 = a;
    p.fraction.AddendDenominator1 = b;
    p.fraction.AddendNumerator2 = c;
    p.fraction.AddendDenominator2 = d;
    lesson::AddFractionsText(p);
  }
};

TEST_F(FractionArithmeticTest, ReducesAndWritesTheSignStyles) {
  const struct {
    float numerator, denominator;
    float kind, sign;
    float reduced_numerator, reduced_denominator;
    const char *given, *term, *signed_term, *step, *signed_step, *plain, *plain_signed;
  } cases[] = {
      {4, 6, 2, 1, 2, 3, "ﾀ4/6ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ4/6ﾀ=ﾀ2/3ﾀ", "+ﾀ4/6ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3"},
      {-4, 6, 2, -1, -2, 3, "ﾀ-4/6ﾀ", "-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ", "ﾀ-4/6ﾀ=-ﾀ2/3ﾀ", "ﾀ-4/6ﾀ=-ﾀ2/3ﾀ", "-2/3", "-2/3"},
      {4, -6, 2, -1, -2, 3, "ﾀ4/-6ﾀ", "-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ", "ﾀ4/-6ﾀ=-ﾀ2/3ﾀ", "ﾀ4/-6ﾀ=-ﾀ2/3ﾀ", "-2/3", "-2/3"},
      {-2, -3, 2, 1, 2, 3, "ﾀ-2/-3ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ-2/-3ﾀ=ﾀ2/3ﾀ", "+ﾀ-2/-3ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3"},
      {-2, 3, 2, -1, -2, 3, "ﾀ-2/3ﾀ", "-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ", "ﾀ-2/3ﾀ=-ﾀ2/3ﾀ", "ﾀ-2/3ﾀ=-ﾀ2/3ﾀ", "-2/3", "-2/3"},
      {2, -3, 2, -1, -2, 3, "ﾀ2/-3ﾀ", "-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ", "ﾀ2/-3ﾀ=-ﾀ2/3ﾀ", "ﾀ2/-3ﾀ=-ﾀ2/3ﾀ", "-2/3", "-2/3"},
      {2, 3, 3, 1, 2, 3, "ﾀ2/3ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "2/3", "+2/3"},
      {7, 3, 3, 1, 7, 3, "ﾀ7/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ", "7/3", "+7/3"},
      {12, 18, 2, 1, 2, 3, "ﾀ12/18ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ12/18ﾀ=ﾀ2/3ﾀ", "+ﾀ12/18ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3"},
      {6, 3, 1, 1, 2, 1, "ﾀ6/3ﾀ", "2", "+2", "ﾀ6/3ﾀ=2", "+ﾀ6/3ﾀ=+2", "2", "+2"},
      {-6, 3, 1, -1, -2, 1, "ﾀ-6/3ﾀ", "-2", "-2", "ﾀ-6/3ﾀ=-2", "ﾀ-6/3ﾀ=-2", "-2", "-2"},
      {5, 1, 1, 1, 5, 1, "ﾀ5/1ﾀ", "5", "+5", "ﾀ5/1ﾀ=5", "+ﾀ5/1ﾀ=+5", "5", "+5"},
      {-5, 1, 1, -1, -5, 1, "ﾀ-5/1ﾀ", "-5", "-5", "ﾀ-5/1ﾀ=-5", "ﾀ-5/1ﾀ=-5", "-5", "-5"},
      {0, 4, 1, 1, 0, 1, "ﾀ0/4ﾀ", "0", "+0", "ﾀ0/4ﾀ=0", "+ﾀ0/4ﾀ=+0", "0", "+0"},
      // No fraction: nothing is reduced, and the given fraction stands as it is.
      {3, 0, 0, 1, 3, 0, "ﾀ3/0ﾀ", "ﾀ3/0ﾀ", "+ﾀ3/0ﾀ", "ﾀ3/0ﾀ", "+ﾀ3/0ﾀ", "3/0", "+3/0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.numerator) + " over " + std::to_string(c.denominator));
    Reduce(c.numerator, c.denominator);
    const lesson::FractionState& f = p.fraction;
    EXPECT_EQ(f.FractionKind, c.kind);
    EXPECT_EQ(f.FractionSign, c.sign);
    EXPECT_EQ(f.FractionNumerator, c.reduced_numerator);
    EXPECT_EQ(f.FractionDenominator, c.reduced_denominator);
    EXPECT_EQ(f.OriginalNumerator, c.numerator);
    EXPECT_EQ(f.OriginalDenominator, c.denominator);
    EXPECT_EQ(f.TextA, c.given);
    EXPECT_EQ(f.TextB, c.term);
    EXPECT_EQ(f.SignedTermText, c.signed_term);
    EXPECT_EQ(f.TextC, c.step);
    EXPECT_EQ(f.SignedReductionText, c.signed_step);
    EXPECT_EQ(f.SignText, c.sign == 1 ? "+" : "");
    EXPECT_EQ(f.PlainTermText, c.plain);
    EXPECT_EQ(f.PlainSignedTermText, c.plain_signed);
  }
}

TEST_F(FractionArithmeticTest, GcdAndLcmComeFromEuclid) {
  const struct {
    float numerator, denominator, gcd, lcm;
  } cases[] = {{4, 6, 2, 12}, {12, 18, 6, 36}, {2, 3, 1, 6}, {0, 4, 4, 0}, {-4, 6, 2, 12}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.numerator) + " over " + std::to_string(c.denominator));
    Reduce(c.numerator, c.denominator);
    EXPECT_EQ(p.fraction.Gcd, c.gcd);
    EXPECT_EQ(p.fraction.Lcm, c.lcm);
  }
  // Whole-number denominators leave them alone.
  Reduce(5, 1);
  EXPECT_EQ(p.fraction.Gcd, 2);
  EXPECT_EQ(p.fraction.Lcm, 12);
  // ComputeGcdLcm works on copies.
  p.fraction.FractionNumerator = 3;
  p.fraction.FractionDenominator = 7;
  lesson::ComputeGcdLcm(p);
  EXPECT_EQ(p.fraction.Gcd, 1);
  EXPECT_EQ(p.fraction.Lcm, 21);
  EXPECT_EQ(p.fraction.FractionNumerator, 3);
  EXPECT_EQ(p.fraction.FractionDenominator, 7);
}

TEST_F(FractionArithmeticTest, OperandsBeyondSinglePrecisionAreAnOverflowNotAnEndlessLoop) {
  const float infinity = std::numeric_limits<float>::infinity();
  const float cases[][2] = {{infinity, 3}, {3, infinity}, {std::nanf(""), 3}, {1e30f, 1e30f}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c[0]) + " and " + std::to_string(c[1]));
    p.fraction.FractionNumerator = c[0];
    p.fraction.FractionDenominator = c[1];
    try {
      lesson::ComputeGcdLcm(p);
      FAIL() << "no error";
    } catch (const platform::RuntimeError& error) {
      EXPECT_EQ(error.number(), platform::kOverflow);
    }
  }
  // Through the reduction, as a sum's denominators reach it.
  try {
    Reduce(3, infinity);
    FAIL() << "no error";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::kOverflow);
  }
}

TEST(ComputeRemainder, RoundsTheQuotientDown) {
  EXPECT_EQ(lesson::ComputeRemainder(7, 3), 1);
  EXPECT_EQ(lesson::ComputeRemainder(3, 7), 3);
  EXPECT_EQ(lesson::ComputeRemainder(-7, 3), 2);
  EXPECT_EQ(lesson::ComputeRemainder(0, 5), 0);
  try {
    lesson::ComputeRemainder(1, 0);
    FAIL() << "no error for a zero divisor";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::kDivisionByZero);
  }
}

TEST_F(FractionArithmeticTest, AddsOverTheLeastCommonDenominator) {
  const struct {
    float a, b, c, d;
    float common, first, second, sum;
    const char *first_text, *signed_first, *second_text, *signed_second, *sum_text,
        *signed_sum, *written_out, *terms;
  } cases[] = {
      {1, 2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ",
       "ﾀ3+2/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
      {-1, 2, 1, 3, 6, -3, 2, -1, "-ﾀ3/6ﾀ", "-ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ1/6ﾀ",
       "ﾀ-3+2/6ﾀ", "-ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
      {1, -2, 1, 3, 6, -3, 2, -1, "-ﾀ3/6ﾀ", "-ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ1/6ﾀ",
       "ﾀ-3+2/6ﾀ", "-ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
      {-1, -2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ",
       "ﾀ3+2/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ"},
      {1, 4, -1, 6, 12, 3, -2, 1, "ﾀ3/12ﾀ", "+ﾀ3/12ﾀ", "-ﾀ2/12ﾀ", "-ﾀ2/12ﾀ", "ﾀ1/12ﾀ",
       "+ﾀ1/12ﾀ", "ﾀ3-2/12ﾀ", "ﾀ3/12ﾀ-ﾀ2/12ﾀ"},
      {2, 1, 1, 3, 3, 6, 1, 7, "ﾀ6/3ﾀ", "+ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ",
       "ﾀ6+1/3ﾀ", "ﾀ6/3ﾀ+ﾀ1/3ﾀ"},
      {1, 3, 2, 1, 3, 1, 6, 7, "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ6/3ﾀ", "+ﾀ6/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ",
       "ﾀ1+6/3ﾀ", "ﾀ1/3ﾀ+ﾀ6/3ﾀ"},
      {2, 1, 3, 1, 1, 2, 3, 5, "ﾀ2/1ﾀ", "+ﾀ2/1ﾀ", "ﾀ3/1ﾀ", "+ﾀ3/1ﾀ", "ﾀ5/1ﾀ", "+ﾀ5/1ﾀ",
       "ﾀ2+3/1ﾀ", "ﾀ2/1ﾀ+ﾀ3/1ﾀ"},
      // A zero addend or a zero sum is written as not negative.
      {0, 2, -1, 2, 2, 0, -1, -1, "ﾀ0/2ﾀ", "+ﾀ0/2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ",
       "ﾀ0-1/2ﾀ", "ﾀ0/2ﾀ-ﾀ1/2ﾀ"},
      {1, 2, -1, 2, 2, 1, -1, 0, "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "ﾀ0/2ﾀ", "+ﾀ0/2ﾀ",
       "ﾀ1-1/2ﾀ", "ﾀ1/2ﾀ-ﾀ1/2ﾀ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.a) + "/" + std::to_string(c.b) + " + " + std::to_string(c.c) +
                 "/" + std::to_string(c.d));
    Add(c.a, c.b, c.c, c.d);
    const lesson::FractionState& f = p.fraction;
    EXPECT_EQ(f.FractionDenominator, c.common);
    EXPECT_EQ(f.OriginalNumerator, c.first);
    EXPECT_EQ(f.SecondNumerator, c.second);
    EXPECT_EQ(f.SumNumerator, c.sum);
    EXPECT_EQ(f.TextA, c.first_text);
    EXPECT_EQ(f.SignedTextA, c.signed_first);
    EXPECT_EQ(f.TextB, c.second_text);
    EXPECT_EQ(f.SignedTermText, c.signed_second);
    EXPECT_EQ(f.SumText, c.sum_text);
    EXPECT_EQ(f.SignedSumText, c.signed_sum);
    EXPECT_EQ(f.TextC, c.written_out);
    EXPECT_EQ(f.SumOfTermsText, c.terms);
    EXPECT_EQ(f.FirstOverCommonText, std::string(c.first_text).substr(c.first < 0 ? 1 : 0));
    EXPECT_EQ(f.SecondOverCommonText, std::string(c.second_text).substr(c.second < 0 ? 1 : 0));
    // The addends come back with positive denominators.
    EXPECT_GT(f.AddendDenominator1, 0);
    EXPECT_GT(f.AddendDenominator2, 0);
  }
  Add(1, -2, 1, 3);
  EXPECT_EQ(p.fraction.AddendNumerator1, -1);
  EXPECT_EQ(p.fraction.AddendDenominator1, 2);
  // The general case leaves the reduction of b over d behind.
  Add(1, 4, 1, 6);
  EXPECT_EQ(p.fraction.FractionKind, 2);
  EXPECT_EQ(p.fraction.Gcd, 2);
  EXPECT_EQ(p.fraction.Lcm, 12);
}

TEST_F(FractionArithmeticTest, ASumWithAZeroDenominatorIsADivisionByZero) {
  const float denominators[][2] = {{0, 3}, {3, 0}, {0, 0}};
  for (const auto& d : denominators) {
    p.fraction.TextA = "kept";
    try {
      Add(1, d[0], 1, d[1]);
      FAIL() << "no error for " << d[0] << " and " << d[1];
    } catch (const platform::RuntimeError& error) {
      EXPECT_EQ(error.number(), platform::kDivisionByZero);
    }
    EXPECT_EQ(p.fraction.TextA, "kept");  // nothing was written
  }
}

// A program whose first screen adds 1/0 + 1/3: the run ends on the runtime-error screen.
lesson::Jump AddByZero(lesson::Program& p) {
  p.fraction.AddendNumerator1 = 1;
  p.fraction.AddendDenominator1 = 0;
  p.fraction.AddendNumerator2 = 1;
  p.fraction.AddendDenominator2 = 3;
  lesson::AddFractionsText(p);
  p.rt.PsEND();
}

TEST(AddFractionsText, AZeroDenominatorEndsOnTheRuntimeErrorScreen) {
  const lesson::ProgramDefinition program{"Sum", AddByZero, lesson::ApplyStandardGlyphRules};
  lesson::HeadlessSession session(program);
  session.Start();
  const auto& lines = session.trace().lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(lines.back().starts_with("end\truntime-error\t"));
  EXPECT_TRUE(lines.back().ends_with("\t11"));
}

}  // namespace
