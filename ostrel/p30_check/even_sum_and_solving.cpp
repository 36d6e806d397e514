// Exercises 8 and 9 of page 30: the sum of two even numbers is even, explained with six boxes
// filled one per key press (2m + 2n = 2(m+n)); then 7x+y=4 solved for y and, in a second
// column, for x.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/answer_screens.h"
#include "ostrel/fill_in_boxes.h"
#include "ostrel/p30_check/p30_check.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

// The boxes are drawn down from their row's y, bordered in colour 0, with their numbers in
// the filling's colour; their places are kept in TermValues and AuxValues.
constexpr FillInStyle kEvenSumBoxStyle{.border = 0,
                                       .number_colour = 5,
                                       .places = FillInStyle::kTermAuxPlaces,
                                       .placing = FillInStyle::kFromTop};

// Boxes 5 and 6 are both filled with the factor 2, so both show ⑤.
constexpr FillInBox kEvenSumBoxes[] = {
    {1, 90, "2m"}, {2, 90, "2n"}, {3, 90, "2m"}, {4, 90, "2n"}, {5, 90, "2"}, {6, 90, "2", 5},
};

void ShowEvenSumExplanation(Program& p) {
  DrawNumberBox(p, "8", AtColumn(), Below(60));
  ShowExplanation(p, kEvenSumBoxStyle, kEvenSumBoxes, {
      {{kAtOnce, "m,nを整数とすると、2つの偶数は、", 0, AfterText(20)}},
      BoxRow(1, AfterText()),
      // The comma takes the colour the boxes left.
      {{kAtOnce, " , ", 5}},
      BoxRow(2, AfterText()),
      {Worked("と表される。このとき、２数の和は、", 60)},
      BoxRow(3, AtMargin(), Below(60)),
      {Problem(" + ", AfterText())},
      BoxRow(4, AfterText()),
      {Problem(" = ", AfterText())},
      BoxRow(5, AfterText()),
      {Problem("(m+n)", AfterText())},
      {Worked("m+n は整数だから、", 60)},
      BoxRow(6, AfterText()),
      {Problem("(m+n)　は偶数である。", AfterText())},
      {Worked("したがって、２つの偶数の和は偶数である。", 60)},
  });
  FillInTurn(p, kEvenSumBoxStyle, kEvenSumBoxes);
}

void ShowSolvingAnswers(Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::WaitForKey(p);
  DrawNumberBox(p, "9", AtColumn(), Below(120));
  lesson::ShowSteps(p, {Worked("7x+y=4  【y】", 60)});
  // The second column starts on the line of the first.
  p.work.SavedY(1) = l.LineY;
  lesson::ShowSteps(p, {
      {kAtOnce, "7xを移項して", 7, AtMargin(), Below(50)},
      Answer("y=4-7x", 50),
  });
  lesson::WaitForKey(p);
  StartAnswerColumn(p, 480);
  l.LineY = p.work.SavedY(1);
  lesson::ShowSteps(p, {
      Problem("7x+y=4  【x】"),
      {kAtOnce, "yを移項して", 7, AtMargin(), Below(50)},
      {kAtOnce, "7x=4-y", 0, AfterText(20)},
      {kAtOnce, "7でわって", 7, AtMargin(), Below(50)},
      {kAtOnce, "x=ﾀ4/7ﾀ-ﾀy/7ﾀ", 5, AfterText(20)},
  });
}

}  // namespace

// The screen sets no draw width: its box borders take the width in force.
lesson::Jump ShowEvenSumAndSolvingAnswers(Program& p) {
  StartP30Screen(p);
  DrawTitleBox(p, kPage30Title, AtMargin(), AtY(30));
  ShowEvenSumExplanation(p);
  ShowSolvingAnswers(p);
  return {ShowP30CheckMenu};
}

}  // namespace ostrel
