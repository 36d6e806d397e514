// Sign changes on one term string in WorkText. A sign is the one-byte "+" or "-" in the first
// position; neither byte occurs inside another character, so the first byte can be tested.
#include "lessonlib/formula.h"

namespace lesson {

namespace {

bool StartsWith(const std::string& text, char sign) { return !text.empty() && text[0] == sign; }

}  // namespace

void NegateTermSign(Program& p) {
  std::string& term = p.text.WorkText;
  if (term.empty()) return;
  if (StartsWith(term, '-')) {
    term[0] = '+';
  } else if (StartsWith(term, '+')) {
    term[0] = '-';
  } else {
    term.insert(0, 1, '-');
  }
}

void StripLeadingPlus(Program& p) {
  std::string& term = p.text.WorkText;
  if (StartsWith(term, '+')) term.erase(0, 1);
}

void StripLeadingSign(Program& p) {
  std::string& term = p.text.WorkText;
  if (StartsWith(term, '+') || StartsWith(term, '-')) term.erase(0, 1);
}

void BracketIfMinus(Program& p) {
  std::string& term = p.text.WorkText;
  if (term.find('-') != std::string::npos) term = "(" + term + ")";
}

void SignCoefficientText(float value, std::string& text) {
  if (value == 0 || value == 1) {
    text.clear();
  } else if (value == -1) {
    text.assign(1, '-');
  }
  if (value > 0) text.insert(0, 1, '+');
}

namespace {

std::string ThroughWorkText(Program& p, void (*helper)(Program&), const std::string& text) {
  p.text.WorkText = text;
  helper(p);
  return p.text.WorkText;
}

}  // namespace

std::string WithoutLeadingPlus(Program& p, const std::string& text) {
  return ThroughWorkText(p, StripLeadingPlus, text);
}

std::string WithoutLeadingSign(Program& p, const std::string& text) {
  return ThroughWorkText(p, StripLeadingSign, text);
}

std::string BracketedIfMinus(Program& p, const std::string& text) {
  return ThroughWorkText(p, BracketIfMinus, text);
}

}  // namespace lesson
