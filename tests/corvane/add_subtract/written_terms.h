// The chapter's drills write terms as the board does: a coefficient of 1 or -1 without its
// digit, no "+" on the first term of a row. Reading and writing them independently of the
// lesson code, to check the drills' texts.
#pragma once

#include <string>

namespace add_subtract_testing {

// The coefficient of a written term's number part: "" or "+" 1, "-" -1, else the number.
inline int CoefficientOf(const std::string& written) {
  if (written.empty() || written == "+") return 1;
  if (written == "-") return -1;
  return std::stoi(written);
}

// A term with coefficient `value` and `letter` ("" for a constant, whose digit always stands);
// `leading` leaves out the "+" of a positive value. Zero is no term at all.
inline std::string WrittenTerm(int value, const std::string& letter, bool leading) {
  if (value == 0) return "";
  std::string text = std::to_string(value);
  if (!letter.empty() && (value == 1 || value == -1)) text = value == 1 ? "" : "-";
  if (value > 0 && !leading) text = "+" + text;
  return text + letter;
}

}  // namespace add_subtract_testing
