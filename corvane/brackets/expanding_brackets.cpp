// Expanding brackets: 例3, a(bx+cy)+d(ex+fy) with every product written out, and 例4,
// a(bx+cy)+d(ex+fy+g). Random problems revealed a line at every key press until 1 is entered
// at the next-step prompt; 例3 ends with the method beside its last problem, 例4 with the
// textbook question.
#include <cmath>

#include "corvane/brackets/brackets.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// How a coefficient is written in a line of a generated problem: 1 and -1 by texts of their
// own where the form gives them, any other value by its number text (as FormatNumberArrays
// writes it) between a head and a tail that depend on its sign. 0 is written as nothing.
struct CoefficientForm {
  const char* one;        // null: written as any other positive value
  const char* minus_one;  // null: written as any other negative value
  const char* positive_head;
  const char* positive_tail;
  const char* negative_head;
  const char* negative_tail;
};

std::string WriteCoefficient(const CoefficientForm& form, float value, const std::string& number) {
  if (value == 0) return "";
  if (value == 1 && form.one != nullptr) return form.one;
  if (value == -1 && form.minus_one != nullptr) return form.minus_one;
  if (value > 0) return form.positive_head + number + form.positive_tail;
  return form.negative_head + number + form.negative_tail;
}

// How each coefficient is written (n: its number text).
constexpr CoefficientForm kNumber{nullptr, nullptr, "", "", "", ""};         // n
constexpr CoefficientForm kSignedNumber{nullptr, nullptr, "+", "", "", ""};  // +n, -n
// In the problem: a bracket opens with its x term and closes after its y term.
constexpr CoefficientForm kOpeningX{"(x", "(-x", "(", "x", "(", "x"};
constexpr CoefficientForm kClosingY{"+y)", "-y)", "+", "y)", "", "y)"};
constexpr CoefficientForm kSignedY{"+y", "-y", "+", "y", "", "y"};
// 例4's second bracket closes after its constant, which keeps its 1 ("+1)").
constexpr CoefficientForm kClosingConstant{nullptr, nullptr, "+", ")", "", ")"};
// The factor line: each coefficient after "*", bracketed when negative; a 1 in the first
// bracket's x term is bracketed too, a 1 in the second's is not.
constexpr CoefficientForm kFirstTimesX{"*(x)", "*(-x)", "*", "x", "*(", "x)"};
constexpr CoefficientForm kSecondTimesX{"*x", "*(-x)", "*", "x", "*(", "x)"};
constexpr CoefficientForm kTimesY{"*y", "*(-y)", "*", "y", "*(", "y)"};
// The products (never 0, 1 or -1); the first opens the line.
constexpr CoefficientForm kProductLeadingX{nullptr, nullptr, "", "x", "", "x"};
constexpr CoefficientForm kProductX{nullptr, nullptr, "+", "x", "", "x"};
constexpr CoefficientForm kProductY{nullptr, nullptr, "+", "y", "", "y"};
// The sums: the x sum opens the result.
constexpr CoefficientForm kSumX{"x", "-x", "", "x", "", "x"};

struct EntryForm {
  float entry;
  const CoefficientForm& form;
};

// The entries both practices write alike: the first bracket and the factors of the problem,
// the second bracket's x term, the products and the sums.
constexpr EntryForm kCommonForms[] = {
    {1, kNumber},           {2, kOpeningX},  {3, kClosingY},  {4, kSignedNumber},
    {5, kOpeningX},         {7, kProductLeadingX}, {8, kProductY}, {9, kProductX},
    {10, kProductY},        {11, kSumX},     {12, kSignedY},
};
// 例3: the second bracket closes in its y term; the copies 21 to 26 write the factor line.
constexpr EntryForm kTwoBracketsForms[] = {
    {6, kClosingY},      {21, kSignedNumber}, {22, kFirstTimesX}, {23, kTimesY},
    {24, kSignedNumber}, {25, kSecondTimesX}, {26, kTimesY},
};
// 例4: the second bracket closes after the constant.
constexpr EntryForm kWithConstantForms[] = {{6, kSignedY}};

void WriteEntries(lesson::Program& p, std::span<const EntryForm> forms) {
  for (const EntryForm& f : forms) {
    p.work.TermTexts(f.entry) =
        WriteCoefficient(f.form, p.work.TermValues(f.entry), p.work.TermTexts(f.entry));
  }
}

void WriteAuxEntry(lesson::Program& p, float entry, const CoefficientForm& form) {
  p.work.AuxTexts(entry) = WriteCoefficient(form, p.work.AuxValues(entry), p.work.AuxTexts(entry));
}

// The result line never opens with "+": with no x term, a positive y term loses its sign.
void OpenResultWithoutPlus(lesson::Program& p) {
  auto& texts = p.work.TermTexts;
  if (texts(11).empty() && p.work.TermValues(12) > 0) {
    p.text.WorkText = texts(12);
    lesson::StripLeadingPlus(p);
    texts(12) = p.text.WorkText;
  }
}

// A coefficient of -5 to 5 without 0, INT(RND*10+1)-5 with a 0 taken as -5.
float DrawCoefficient(lesson::Program& p) {
  const float value = lesson::PickRandomWhole(p, -4, 10);
  return value == 0 ? -5 : value;
}

// a, b, c, d, e, f in TermValues(1..6), in that order.
void DrawBracketCoefficients(lesson::Program& p) {
  for (float i = 1; i <= 6; ++i) p.work.TermValues(i) = DrawCoefficient(p);
}

// A factor in front of a bracket is never 1 or -1: a and d of 1 or -1 become 6 or -6.
void KeepFactorsOffOne(lesson::Program& p) {
  auto& v = p.work.TermValues;
  if (std::fabs(v(1)) == 1) v(1) = 6 * v(1);
  if (std::fabs(v(4)) == 1) v(4) = 6 * v(4);
}

// The products ab, ac, de, df and the x and y sums.
void MultiplyOut(lesson::Program& p) {
  auto& v = p.work.TermValues;
  v(7) = v(1) * v(2);
  v(8) = v(1) * v(3);
  v(9) = v(4) * v(5);
  v(10) = v(4) * v(6);
  v(11) = v(7) + v(9);
  v(12) = v(8) + v(10);
}

// A new problem's screen: the area erased, the layout at the title's place.
void StartProblemScreen(lesson::Program& p) {
  p.layout.MarginX = 40;
  p.layout.LineY = 30;
  lesson::EraseFrom(p, 0, 0, 1320, 2000);
}

// A practice of this chapter: the lesson area erased and draw width 5 for the rest of the
// visit, then one problem after another until 1 is entered at the next-step prompt.
template <typename Problem>
void RunBracketsPractice(lesson::Program& p, Problem&& problem) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::RunDrill(p, [&] {
    problem();
    lesson::AskNextStep(p);
  });
}

void ShowTwoBracketsProblem(lesson::Program& p) {
  const auto lines = TwoBracketsLines(p);
  StartProblemScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "例3 次の計算をしなさい。", 3, AtMargin(), OnLine()},
      {kAtOnce, lines[0], 0, AtMargin(27), Below(60)},
      {kKeyFirst, lines[1], 0, AtMargin(), Below(60)},
      {kKeyFirst, lines[2], 0, AtMargin(), Below(60)},
  });
  // The method is shown beside the end of the last problem's expanded line.
  p.work.SavedX(1) = p.text.TextX;
  p.work.SavedY(1) = p.text.TextY;
  lesson::ShowSteps(p, {
      {kKeyFirst, lines[3], 0, AtMargin(), Below(60)},
      {kKeyFirst, lines[4], 5, AtMargin(), Below(60)},
  });
}

void ShowBracketsMethod(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::WaitForKey(p);
  l.MarginX = p.work.SavedX(1) + 40;
  l.LineY = p.work.SavedY(1);
  lesson::ShowSteps(p, {
      {kAtOnce, "<かっこのある式の計算>", 5, AtMargin(80), OnLine()},
      {kAtOnce, "① 分配法則を利用してかっこをはずす", 3, AtMargin(), Below(50)},
      {kAtOnce, "m(a+b)=ma+mb", 0, AtMargin(80), Below(95)},
  });
  // From the m over the top of the formula to the a, and to the b.
  const float m = l.MarginX + 80 + 18;
  DrawArc(p, {m, l.LineY, m + 60, l.LineY, 3, -1, 1});
  DrawArc(p, {m, l.LineY, m + 108, l.LineY, 7, -1, 2});
  lesson::ShowSteps(p, {
      {kAtOnce, " 　負の数をかけるときは符号を変える", 5, AtMargin(), Below(60)},
      {kAtOnce, "② 項を並べかえる", 3, AtMargin(), Below(50)},
      {kAtOnce, "③ 同類項をまとめる", 3, AtMargin(), Below(50)},
  });
}

void ShowBracketsWithConstantProblem(lesson::Program& p) {
  const auto lines = BracketsWithConstantLines(p);
  StartProblemScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "例4 次の計算をしなさい。", 3, AtMargin(), OnLine()},
      {kAtOnce, lines[0], 0, AtMargin(27), Below(60)},
      {kKeyFirst, lines[1], 0, AtMargin(), Below(60)},
      {kKeyFirst, lines[2], 0, AtMargin(), Below(60)},
      {kKeyFirst, lines[3], 5, AtMargin(), Below(60)},
  });
}

}  // namespace

void GenerateTwoBracketsProblem(lesson::Program& p) {
  auto& v = p.work.TermValues;
  for (;;) {
    DrawBracketCoefficients(p);
    KeepFactorsOffOne(p);
    MultiplyOut(p);
    if (v(11) == 0 && v(12) == 0) continue;
    for (float i = 1; i <= 6; ++i) v(20 + i) = v(i);
    if (v(1) == p.practice.PreviousFirstCoefficient) continue;
    p.practice.PreviousFirstCoefficient = v(1);
    return;
  }
}

void WriteTwoBracketsTexts(lesson::Program& p) {
  lesson::FormatNumberArrays(p);
  // The factor line opens with a as it is; its copy at 21 is written signed.
  p.work.TermTexts(31) = p.work.TermTexts(21);
  WriteEntries(p, kCommonForms);
  WriteEntries(p, kTwoBracketsForms);
  OpenResultWithoutPlus(p);
}

std::array<std::string, 5> TwoBracketsLines(lesson::Program& p) {
  const auto& t = p.work.TermTexts;
  return {
      t(1) + t(2) + t(3) + t(4) + t(5) + t(6),
      "=" + t(31) + t(22) + t(21) + t(23) + t(24) + t(25) + t(24) + t(26),
      "=" + t(7) + t(8) + t(9) + t(10),
      "=" + t(7) + t(9) + t(8) + t(10),
      "=" + t(11) + t(12),
  };
}

void GenerateBracketsWithConstantProblem(lesson::Program& p) {
  auto& aux = p.work.AuxValues;
  DrawBracketCoefficients(p);
  aux(1) = DrawCoefficient(p);
  KeepFactorsOffOne(p);
  MultiplyOut(p);
  aux(2) = p.work.TermValues(4) * aux(1);
  aux(22) = aux(2);
}

void WriteBracketsWithConstantTexts(lesson::Program& p) {
  lesson::FormatNumberArrays(p);
  WriteEntries(p, kCommonForms);
  WriteEntries(p, kWithConstantForms);
  WriteAuxEntry(p, 1, kClosingConstant);
  WriteAuxEntry(p, 2, kSignedNumber);
  OpenResultWithoutPlus(p);
}

std::array<std::string, 4> BracketsWithConstantLines(lesson::Program& p) {
  const auto& t = p.work.TermTexts;
  const auto& aux = p.work.AuxTexts;
  // With no letter term left in the result, the constant opens it without "+" (AuxTexts(22)
  // is its plain number text).
  const std::string& constant = t(11).empty() && t(12).empty() ? aux(22) : aux(2);
  return {
      t(1) + t(2) + t(3) + t(4) + t(5) + t(6) + aux(1),
      "=" + t(7) + t(8) + t(9) + t(10) + aux(2),
      "=" + t(7) + t(9) + t(8) + t(10) + aux(2),
      "=" + t(11) + t(12) + constant,
  };
}

lesson::Jump RunExpandTwoBracketsPractice(lesson::Program& p) {
  RunBracketsPractice(p, [&] {
    GenerateTwoBracketsProblem(p);
    WriteTwoBracketsTexts(p);
    ShowTwoBracketsProblem(p);
  });
  ShowBracketsMethod(p);
  return {ShowBracketsMenu};
}

lesson::Jump RunExpandWithConstantPractice(lesson::Program& p) {
  RunBracketsPractice(p, [&] {
    GenerateBracketsWithConstantProblem(p);
    WriteBracketsWithConstantTexts(p);
    ShowBracketsWithConstantProblem(p);
  });
  lesson::WaitForKey(p);
  lesson::ShowSteps(p, {{kAtOnce, "教科書P18 問2　をしなさい。", 7, AtX(44), AtY(540)}});
  return {ShowBracketsMenu};
}

}  // namespace corvane
