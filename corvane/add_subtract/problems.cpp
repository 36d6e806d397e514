// The generated problems of the chapter's drills: two binomials for the bracket drills, two
// trinomials in columns for the vertical drills. Each coefficient is drawn as a size and then
// a sign, in the order the problem lists them.
#include <string>

#include "corvane/add_subtract/add_subtract.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "platform/text_ops.h"

namespace corvane {

namespace {

// A size from first to first + count - 1, then a sign: RandomPick 2 makes it negative.
float DrawSignedWhole(lesson::Program& p, float first, float count) {
  const float size = lesson::PickRandomWhole(p, first, count);
  p.layout.RandomPick = lesson::PickRandomWhole(p, 1, 2);
  return p.layout.RandomPick == 2 ? -size : size;
}

// Entries 1 to `last` of a pair of value and text arrays, the texts as FormatNumberArrays
// wrote them, become coefficient texts in their signed form.
template <typename Values, typename Texts>
void SignCoefficients(lesson::Program& p, Values& values, Texts& texts, float last) {
  float& i = p.values.TableIndex;
  for (i = 1; i <= last; ++i) lesson::SignCoefficientText(values(i), texts(i));
}

// The leading form of a signed text: its "+" taken off.
void MakeLeading(lesson::Program& p, std::string& text) {
  p.text.WorkText = text;
  lesson::StripLeadingPlus(p);
  text = p.text.WorkText;
}

// The bracket drills' result: TermTexts(15) the a term, TermTexts(16) the b term, each empty
// when its sum is 0; the b term opens the result without "+" when there is no a term.
void WriteBracketResultTerms(lesson::Program& p) {
  const auto& values = p.work.TermValues;
  auto& texts = p.work.TermTexts;
  texts(15) = values(5) == 0 ? "" : texts(5) + "a";
  texts(16) = "";
  if (values(6) != 0) {
    std::string b = texts(6);
    if (values(5) == 0) MakeLeading(p, b);
    texts(16) = b + "b";
  }
}

enum class ColumnOperation { kSum, kDifference };

void BuildVerticalProblem(lesson::Program& p, ColumnOperation operation) {
  auto& values = p.work.TermValues;
  auto& texts = p.work.TermTexts;
  auto& constants = p.work.AuxValues;
  auto& constant_texts = p.work.AuxTexts;
  float& i = p.values.TableIndex;
  for (i = 1; i <= 4; ++i) values(i) = DrawSignedWhole(p, 1, 9);
  for (i = 1; i <= 2; ++i) constants(i) = DrawSignedWhole(p, 1, 9);
  // The upper row is always the minuend.
  const auto combine = [operation](float upper, float lower) {
    return operation == ColumnOperation::kSum ? upper + lower : upper - lower;
  };
  values(5) = combine(values(1), values(3));
  values(6) = combine(values(2), values(4));
  constants(3) = combine(constants(1), constants(2));
  lesson::FormatNumberArrays(p);
  SignCoefficients(p, values, texts, 6);
  // Odd entries are a terms, even ones b terms; a zero result has no term at all.
  for (i = 1; i <= 6; ++i) {
    if (values(i) != 0) texts(i) += lesson::ComputeRemainder(i, 2) == 1 ? "a" : "b";
  }
  for (i = 1; i <= 3; ++i) {
    if (constants(i) > 0) constant_texts(i) = "+" + constant_texts(i);
  }
  // Each row opens with its a term.
  MakeLeading(p, texts(1));
  MakeLeading(p, texts(3));
  MakeLeading(p, texts(5));
  if (constants(3) == 0) constant_texts(3) = "";
}

// Puts blanks in front of a text shorter than `width` characters.
void PadToWidth(std::string& text, int width) {
  const int length = platform::PfKLEN(text);
  if (length < width) text.insert(0, static_cast<size_t>(width - length), ' ');
}

}  // namespace

void GenerateBracketAdditionProblem(lesson::Program& p) {
  auto& values = p.work.TermValues;
  auto& texts = p.work.TermTexts;
  float& i = p.values.TableIndex;
  for (i = 1; i <= 4; ++i) values(i) = DrawSignedWhole(p, 2, 8);
  values(5) = values(1) + values(3);
  values(6) = values(2) + values(4);
  // The second binomial's a term, as it follows the first binomial once the brackets go.
  values(13) = values(3);
  lesson::FormatNumberArrays(p);
  SignCoefficients(p, values, texts, 6);
  lesson::SignCoefficientText(values(13), texts(13));
  MakeLeading(p, texts(1));
  MakeLeading(p, texts(3));
  MakeLeading(p, texts(5));
  WriteBracketResultTerms(p);
}

void GenerateBracketSubtractionProblem(lesson::Program& p) {
  auto& values = p.work.TermValues;
  auto& texts = p.work.TermTexts;
  auto& posed = p.work.AuxValues;
  auto& posed_texts = p.work.AuxTexts;
  float& i = p.values.TableIndex;
  for (i = 1; i <= 2; ++i) values(i) = DrawSignedWhole(p, 2, 8);
  // Exactly one term of the subtrahend is negative: one draw says which.
  values(3) = lesson::PickRandomWhole(p, 2, 8);
  values(4) = lesson::PickRandomWhole(p, 2, 8);
  p.layout.RandomPick = lesson::PickRandomWhole(p, 1, 2);
  if (p.layout.RandomPick == 2) {
    values(3) = -values(3);
  } else {
    values(4) = -values(4);
  }
  for (i = 1; i <= 4; ++i) posed(i) = values(i);
  // Subtracting is adding the subtrahend with its signs changed.
  values(3) = -values(3);
  values(4) = -values(4);
  values(5) = values(1) + values(3);
  values(6) = values(2) + values(4);
  values(13) = values(3);
  lesson::FormatNumberArrays(p);
  SignCoefficients(p, values, texts, 6);
  SignCoefficients(p, posed, posed_texts, 4);
  // TermTexts(13) opens the changed bracket: its digits are already its leading form.
  MakeLeading(p, texts(1));
  MakeLeading(p, posed_texts(3));
  MakeLeading(p, texts(5));
  MakeLeading(p, posed_texts(1));
  WriteBracketResultTerms(p);
}

void BuildVerticalAdditionProblem(lesson::Program& p) {
  BuildVerticalProblem(p, ColumnOperation::kSum);
}

void BuildVerticalSubtractionProblem(lesson::Program& p) {
  BuildVerticalProblem(p, ColumnOperation::kDifference);
}

void AlignColumnTexts(lesson::Program& p, float last_term, float last_constant) {
  float& i = p.values.TableIndex;
  for (i = 1; i <= last_term; ++i) PadToWidth(p.work.TermTexts(i), 4);
  for (i = 1; i <= last_constant; ++i) PadToWidth(p.work.AuxTexts(i), 3);
}

}  // namespace corvane
