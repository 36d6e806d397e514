#include "varnick/division_practices.h"

#include "lessonlib/chapter_frame.h"

namespace varnick {

namespace {

std::string CompactPower(float exponent, const std::string& letter) {
  if (exponent <= 0) return {};
  return exponent == 1 ? letter : letter + "^2";
}

std::string ExpandedPower(float exponent, const std::string& letter) {
  if (exponent == 0) return {};
  return exponent == 1 ? "*" + letter : "*" + letter + "*" + letter;
}

}  // namespace

void StartPrimeList(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  w.PointX(1) = 2;
  w.PointX(2) = 3;
  w.PointX(3) = 5;
  w.PointX(4) = 7;
}

float PickFromPrimeList(lesson::Program& p, float count) {
  p.layout.RandomPick = lesson::PickRandomWhole(p, 1, count);
  return p.work.PointX(p.layout.RandomPick);
}

void CloseUpPrimeList(lesson::Program& p, float count) {
  float& TableIndex = p.values.TableIndex;
  TableIndex = p.layout.RandomPick;
  do {
    p.work.PointX(TableIndex) = p.work.PointX(TableIndex + 1);
    ++TableIndex;
  } while (TableIndex <= count);
}

void DrawExponentPair(lesson::Program& p, float first_slot, float count) {
  lesson::LessonWork& w = p.work;
  w.AuxValues(first_slot) = lesson::PickRandomWhole(p, 0, count);
  w.AuxValues(first_slot + 1) = lesson::PickRandomWhole(p, 0, count);
  if (w.AuxValues(first_slot) == 0 && w.AuxValues(first_slot + 1) == 0) w.AuxValues(first_slot) = 1;
}

float DrawSign(lesson::Program& p) { return lesson::PickRandomWhole(p, 1, 2) == 2 ? -1 : 1; }

std::string SignPrefix(float sign) { return sign == 1 ? "" : "-"; }

float ApplyLastSignRule(lesson::Program& p, float drawn_sign) {
  float& LastSign = p.practice.LastSign;
  if (drawn_sign == LastSign) return -drawn_sign;
  LastSign = drawn_sign;
  return drawn_sign;
}

void SetQuotientExponents(lesson::Program& p, float base) {
  lesson::LessonWork& w = p.work;
  for (float letter : {1.f, 2.f}) {
    w.AuxValues(base + letter + 2) = w.AuxValues(base + letter) - w.AuxValues(base + letter + 10);
    w.AuxValues(base + letter + 12) = w.AuxValues(base + letter + 10) - w.AuxValues(base + letter);
  }
}

void BuildLetterPowerTexts(lesson::Program& p, float base, const std::string& first_letter,
                           const std::string& second_letter) {
  lesson::LessonWork& w = p.work;
  // The given exponents are never negative, so one form serves the compact and the
  // remaining texts; the numerator side's slots, then the denominator side's 10 later.
  for (float side : {0.f, 10.f}) {
    const float at = base + side;
    for (const auto& [letter, text] :
         {std::pair{1.f, first_letter}, std::pair{2.f, second_letter}}) {
      w.AuxTexts(at + letter) = CompactPower(w.AuxValues(at + letter), text);
      w.AuxTexts(at + letter + 2) = CompactPower(w.AuxValues(at + letter + 2), text);
      w.AuxTexts(at + letter + 4) = ExpandedPower(w.AuxValues(at + letter), text);
    }
  }
}

}  // namespace varnick
