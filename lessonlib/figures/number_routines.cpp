// Material for lessons on square roots, prime factors and divisors; nothing is drawn.
#include <array>
#include <cmath>
#include <string>

#include "lessonlib/figures/figure_calls.h"
#include "lessonlib/figures/figures.h"
#include "lessonlib/screen.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

// n MOD m on whole numbers: both rounded, the quotient truncated, the sign the dividend's.
int Remainder(float n, float m) { return platform::RoundToInt(n) % platform::RoundToInt(m); }

// Whether m divides n. A number that rounds to 0 is taken to have no factor: every trial
// would divide it and the taking out would never end.
bool Divides(float m, float n) { return platform::RoundToInt(n) != 0 && Remainder(n, m) == 0; }

constexpr std::array<float, 10> kPrimes{2, 3, 5, 7, 11, 13, 17, 19, 23, 29};

}  // namespace

void SimplifySquareRoot(Program& p) {
  GeometryState& g = p.geometry;
  g.R1A = 1;
  g.R1B1 = g.R1B;
  // Square factors come out smallest first; the trial starts again at 2 after each one, so
  // it ends only after a pass from 2 to 200 finds none.
  g.R1I = 2;
  while (g.R1I != 201) {
    const float square = g.R1I * g.R1I;
    if (Divides(square, g.R1B)) {
      g.R1A *= g.R1I;
      g.R1B /= square;
      g.R1I = 2;
    } else {
      g.R1I += 1;
    }
  }
  g.R1A1 = g.R1B == 1 ? "" : "!" + platform::PfSTR244(g.R1B);
  if (g.R1B == 1 && g.R1A == 1) {
    g.CoefficientText = "1";
  } else {
    g.CoefficientText = g.R1A == 1 ? "" : platform::PfSTR244(g.R1A);
  }
  g.RAB = g.CoefficientText + g.R1A1 + "ﾝ";
  g.RABM = g.R1B == g.R1B1 ? "" : "!" + platform::PfSTR244(g.R1B1) + "ﾝ=";
  g.RemainingRootText = g.R1A1 + "ﾝ";
  g.CoefficientText = TextWithoutBlanks(p, g.CoefficientText);
  g.RAB = TextWithoutBlanks(p, g.RAB);
  g.RABM = TextWithoutBlanks(p, g.RABM);
  g.RemainingRootText = TextWithoutBlanks(p, g.RemainingRootText);
}

void FactorIntoPrimes(Program& p) {
  GeometryState& g = p.geometry;
  LessonWork& w = p.work;
  for (int k = 1; k <= 10; ++k) {
    w.GraphValues(k, 1) = 0;
    w.GraphValues(k, 2) = 0;
  }
  for (int k = 1; k <= 10; ++k) w.RadiusValues(k) = kPrimes[static_cast<size_t>(k - 1)];
  g.SOSU = std::fabs(g.SOSU);
  g.SOSU1 = g.SOSU;
  float& prime = p.layout.RandomPick;
  prime = 1;
  g.Q = 1;
  // The test for the end comes before a division by the tenth prime: 29 is never tried and
  // stays in the rest.
  while (prime != 10) {
    const float factor = w.RadiusValues(prime);
    if (Divides(factor, g.SOSU)) {
      w.GraphValues(g.Q, 1) = factor;
      w.GraphValues(g.Q, 2) += 1;
      g.SOSU /= factor;
    } else {
      if (w.GraphValues(g.Q, 1) != 0) g.Q += 1;
      prime += 1;
    }
  }
  g.Q -= 1;
  w.GraphValues(10, 1) = g.SOSU;
  w.GraphValues(10, 2) = 1;
  g.SOSU = g.SOSU1;
}

void ListDivisorPairs(Program& p) {
  GeometryState& g = p.geometry;
  LessonWork& w = p.work;
  float& count = p.layout.RandomPick;
  g.DY = std::fabs(g.DY);
  count = 0;
  const float n = g.DY;
  // Every d up to the number is tried; the pass for 1 runs whatever the number. The table
  // holds 40 pairs: a number with more divisors lists its first 40.
  RunCountedLoop(p.values.TableIndex, 1, n, [&](float d) {
    const float quotient = n / d;
    if (quotient - platform::PnFInt(quotient) != 0 || count == 40) return;
    count += 1;
    w.PointX(count) = d;
    w.PointY(count) = quotient;
  });
  g.KOSUU = static_cast<float>(platform::RoundToInt(count / 2));
}

}  // namespace lesson
