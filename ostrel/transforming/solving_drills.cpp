// The two random practices of solving an equation for a letter. Each problem is drawn at
// random, erased into the practice area at the top left and solved one step per key press;
// a new problem comes until 1 is entered at the next-step prompt.
//   練習１: k s - t = k m, solved for s by moving t and dividing by k.
//   練習２: k t = d (s + c), solved for the marked letter s by swapping the sides, dividing
//           by d and moving c.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/step_names.h"
#include "ostrel/transforming/transforming.h"
#include "platform/text_ops.h"

namespace ostrel {

namespace {

// Slot in SavedX/SavedY of the practice area's top-left corner.
constexpr float kPracticeArea = 31;

struct LetterPair {
  const char* solved;  // the letter the equation is solved for
  const char* other;
};

// A practice's start: the screen above the bottom band erased left of x 1320 (the draw width
// is left as it is) and the practice area's corner kept.
void StartPractice(Program& p) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  p.layout.ColumnX = 40;
  p.layout.LineY = 30;
  p.work.SavedX(kPracticeArea) = p.layout.ColumnX;
  p.work.SavedY(kPracticeArea) = 30;
}

// Each problem erases the practice area and starts again at its top.
void EnterPracticeArea(Program& p) {
  const float left = p.work.SavedX(kPracticeArea);
  const float top = p.work.SavedY(kPracticeArea);
  lesson::EraseFrom(p, left, top, 600, 1300);
  p.layout.MarginX = left + 80;
  p.layout.LineY = top;
}

// ---- 練習１ ----

// The letter pairs of 練習１, by their draw 1 to 3.
constexpr LetterPair kLetterPairs[] = {{"a", "b"}, {"p", "q"}, {"x", "y"}};

// Draws k (2 to 9) into TermValues(4), m (2 or 3) into TermValues(6), their product into
// TermValues(5), and then the letters into PartTexts(1) and PartTexts(2).
void DrawLetterProblem(Program& p) {
  lesson::LessonWork& w = p.work;
  w.TermValues(4) = lesson::PickRandomWhole(p, 2, 8);
  w.TermValues(6) = lesson::PickRandomWhole(p, 2, 2);
  w.TermValues(5) = w.TermValues(4) * w.TermValues(6);
  lesson::FormatNumberArrays(p);
  p.layout.RandomPick = lesson::PickRandomWhole(p, 1, 3);
  const LetterPair& pair = kLetterPairs[platform::RoundToInt(p.layout.RandomPick) - 1];
  w.PartTexts(1) = pair.solved;
  w.PartTexts(2) = pair.other;
}

// k s - t = k m, solved for s: s = m + t/k. The quotient k m / k is shown unreduced before
// the answer gives it as m.
void ShowLetterProblem(Program& p) {
  const lesson::LessonWork& w = p.work;
  const std::string& k = w.TermTexts(4);
  const std::string& km = w.TermTexts(5);
  const std::string& m = w.TermTexts(6);
  const std::string& s = w.PartTexts(1);
  const std::string& t = w.PartTexts(2);
  lesson::ShowSteps(p, {
      {kAtOnce, "練習", 3, AtColumn(), AtY(30)},
      {kAtOnce, " 次の等式を" + s + "について解きなさい。", 0},
      {kAtOnce, k + s + "-" + t + "=" + km, 3, AtMargin(32), Below(60)},
      {kKeyFirst, "-" + t + " を移項して", 7, AtMargin(36), Below(50)},
      {kAtOnce, k + s + "=" + km + "+" + t, 0, AtMargin(), Below(50)},
      {kKeyFirst, "両辺を" + k + " でわって", 7, AtMargin(36), Below(60)},
      {kAtOnce, "ﾀ" + k + s + "/" + k + "ﾀ=ﾀ" + km + "+" + t + "/" + k + "ﾀ", 0, AtMargin(),
       Below(80)},
      {kKeyFirst, s + "=ﾀ" + km + "/" + k + "ﾀ+ﾀ" + t + "/" + k + "ﾀ", 0, AtMargin(), Below(80)},
      {kKeyFirst, s + "=" + m + "+ﾀ" + t + "/" + k + "ﾀ", 5, AtMargin(), Below(90)},
  });
}

// ---- 練習２ ----

// The letter pairs of 練習２, by their draw 1 to 3.
constexpr LetterPair kMarkedLetterPairs[] = {{"a", "b"}, {"x", "y"}, {"p", "q"}};

// Draws d into TermValues(1), k into TermValues(3), c into TermValues(2) and the letters into
// TextA (solved for) and SecondLetter. d comes from the first four of the primes 2, 3, 5, 7,
// 11 (never 11); the primes after it move up over its place, so that the first four then
// hold the others, from which k comes: k differs from d, and k t / d never reduces.
void DrawMarkedLetterProblem(Program& p) {
  lesson::LessonWork& w = p.work;
  lesson::LessonLayout& l = p.layout;
  const float primes[] = {2, 3, 5, 7, 11};
  for (float i = 1; i <= 5; ++i) w.PointX(i) = primes[static_cast<int>(i) - 1];
  l.RandomPick = lesson::PickRandomWhole(p, 1, 4);
  w.TermValues(1) = w.PointX(l.RandomPick);
  for (float i = l.RandomPick; i <= 4; ++i) w.PointX(i) = w.PointX(i + 1);
  l.RandomPick = lesson::PickRandomWhole(p, 1, 4);
  w.TermValues(3) = w.PointX(l.RandomPick);
  w.TermValues(2) = lesson::PickRandomWhole(p, 2, 4);
  lesson::FormatNumberArrays(p);
  l.RandomPick = lesson::PickRandomWhole(p, 1, 3);
  const LetterPair& pair = kMarkedLetterPairs[platform::RoundToInt(l.RandomPick) - 1];
  p.fraction.TextA = pair.solved;
  l.SecondLetter = pair.other;
}

// k t = d (s + c), solved for s: s = k t / d - c.
void ShowMarkedLetterProblem(Program& p) {
  const lesson::LessonWork& w = p.work;
  const std::string& d = w.TermTexts(1);
  const std::string& c = w.TermTexts(2);
  const std::string& k = w.TermTexts(3);
  const std::string& s = p.fraction.TextA;
  const std::string& t = p.layout.SecondLetter;
  lesson::ShowSteps(p, {
      {kAtOnce, "練習", 3, AtColumn(), AtY(30)},
      {kAtOnce, " 次の等式を【】内の文字について解きなさい。", 0},
      {kAtOnce, k + t + "=" + d + "(" + s + "+" + c + ") 【" + s + "】", 3, AtMargin(32),
       Below(60)},
      {kKeyFirst, "両辺を入れかえる", 7, AtMargin(36), Below(60)},
      {kKeyFirst, d + "(" + s + "+" + c + ")=" + k + t, 0, AtMargin(), Below(60)},
      {kKeyFirst, d + "でわって", 7, AtMargin(36), Below(60)},
      {kKeyFirst, s + "+" + c + "=ﾀ" + k + t + "/" + d + "ﾀ", 0, AtMargin(), Below(80)},
      {kKeyFirst, c + "を移項する", 7, AtMargin(36), Below(60)},
      {kKeyFirst, s + "=ﾀ" + k + t + "/" + d + "ﾀ-" + c, 5, AtMargin(), Below(70)},
  });
}

}  // namespace

lesson::Jump RunSolveForLetterDrill(Program& p) {
  StartPractice(p);
  lesson::RunDrill(p, [&p] {
    DrawLetterProblem(p);
    EnterPracticeArea(p);
    ShowLetterProblem(p);
    lesson::AskNextStep(p);
  });
  return {ShowTransformingMenu};
}

lesson::Jump RunSolveForMarkedLetterDrill(Program& p) {
  StartPractice(p);
  lesson::RunDrill(p, [&p] {
    DrawMarkedLetterProblem(p);
    EnterPracticeArea(p);
    ShowMarkedLetterProblem(p);
    lesson::AskNextStep(p);
  });
  // The textbook question the practice leads to, below the last problem.
  lesson::ShowSteps(p, {{kAtOnce, "教科書P29 問4　をしなさい。", 3, AtX(352), AtY(570)}});
  return {ShowTransformingMenu};
}

}  // namespace ostrel
