// The partial-step drills' problems: three monomials joined by "*" and "/", at least one
// "/", whose fraction form reduces to a whole coefficient.
#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/mixed_multiply_divide/mixed_multiply_divide.h"

namespace varnick {

namespace {

// A coin, INT(RND·2), kept in RandomPick.
float TossCoin(lesson::Program& p) {
  p.layout.RandomPick = lesson::PickRandomWhole(p, 0, 2);
  return p.layout.RandomPick;
}

// A sign or operator code from a coin: 1 stays, 0 gives -1.
float DrawSignCode(lesson::Program& p) { return TossCoin(p) == 1 ? 1.f : -1.f; }

// Term k's opening and closing texts from its sign code: the first term is written "-…"
// when negative, the others "(-…)"; a positive term bare.
void SetBracketTexts(lesson::Program& p, float k) {
  lesson::LessonWork& w = p.work;
  const bool positive = w.AuxValues(k) == 1;
  if (k == 1) {
    w.AuxTexts(1) = positive ? "" : "-";
    w.AuxTexts(11) = "";
  } else {
    w.AuxTexts(k) = positive ? "" : "(-";
    w.AuxTexts(10 + k) = positive ? "" : ")";
  }
}

std::string OperatorText(float code) { return code == 1 ? "*" : "/"; }

}  // namespace

void MakeMixedMultiplyDivideProblem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  w.TermValues(2) = lesson::PickRandomWhole(p, 2, 6);
  w.TermValues(3) = lesson::PickRandomWhole(p, 7, 6);
  w.TermValues(1) = w.TermValues(2) * w.TermValues(3);
  w.AuxValues(1) = DrawSignCode(p);
  w.AuxValues(2) = DrawSignCode(p);
  w.AuxValues(3) = -1;
  w.AuxValues(4) = w.AuxValues(1) * w.AuxValues(2) * w.AuxValues(3);
  // Never two multiplications: a division follows the first "*".
  w.PointX(2) = DrawSignCode(p);
  w.PointX(3) = DrawSignCode(p);
  if (w.PointX(2) == 1 && w.PointX(3) == 1) w.PointX(3) = -1;
  lesson::FormatNumberArrays(p);

  std::string& TextA = p.fraction.TextA;
  std::string& TextB = p.fraction.TextB;
  const bool xy = TossCoin(p) == 0;
  TextA = xy ? "x" : "a";
  TextB = xy ? "y" : "b";
  w.TermTexts(11) = TossCoin(p) == 0 ? TextA + "^2" + TextB : TextA + TextB + "^2";
  w.TermTexts(12) = TossCoin(p) == 0 ? TextA : TextB;
  w.TermTexts(13) = TossCoin(p) == 0 ? TextB + "^2" : TextA + "^2";
  for (float k : {1.f, 2.f, 3.f}) SetBracketTexts(p, k);

  // The problem as written, and each term bare.
  const auto written = [&w](float k) {
    return w.AuxTexts(k) + w.TermTexts(k) + w.TermTexts(10 + k) + w.AuxTexts(10 + k);
  };
  const auto bare = [&w](float k) { return w.TermTexts(k) + w.TermTexts(10 + k); };
  w.PartTexts(1) = written(1);
  w.PartTexts(2) = OperatorText(w.PointX(2)) + written(2);
  w.PartTexts(3) = OperatorText(w.PointX(3)) + written(3);
  w.AuxTexts(4) = w.AuxValues(4) > 0 ? "+" : "-";

  // The fraction form: the first term and every "*" term over the bar, every "/" term under
  // it, in the problem's order.
  w.PartTexts(11) = bare(1);
  if (w.PointX(2) == 1) {
    w.PartTexts(11) += "*" + bare(2);
  } else {
    w.PartTexts(12) = bare(2);
  }
  if (w.PointX(3) == 1) {
    w.PartTexts(11) += "*" + bare(3);
  } else if (w.PointX(2) == 1) {
    w.PartTexts(12) = bare(3);
  } else {
    w.PartTexts(12) += "*" + bare(3);
  }
}

}  // namespace varnick
