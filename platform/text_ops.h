// String and number operations of the runtime, as plain functions.
//
// Texts are UTF-8. The character-counted operations (the "K" twins) count code points. The
// byte-counted ones count each character by its length in code page 932, the encoding the
// lesson texts were written in: one byte for ASCII and the half-width katakana, two for every
// other character. A byte-counted search only ever matches whole characters.
#pragma once

#include <cstdint>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The code points of a text, each as its own UTF-8 slice. Invalid bytes come out one by one.
std::vector<std::string_view> SplitChars(std::string_view text);
// The length in bytes of the first character of `text` (1 to 4; 0 for an empty text).
int Utf8Length(std::string_view text);
// The code point of the first character of `text` (0 for an empty text).
char32_t FirstCodePoint(std::string_view text);
// The one-character text of a code point (the replacement character for one that is not).
std::string CharFromCode(char32_t code);
// The length of one character in code page 932: 1 or 2.
int Cp932Length(std::string_view ch);

// Byte-counted operations (positions 1-based, 0 = not found).
int PfLEN(std::string_view text);
std::string PfLEFT24(std::string_view text, float bytes);
std::string PfRIGHT24(std::string_view text, float bytes);
std::string PfMID24(std::string_view text, float start, float bytes = -1);
int PfINSTR(std::string_view text, std::string_view wanted, float start = 1);

// Character-counted twins.
int PfKLEN(std::string_view text);
std::string PfKLEFT24(std::string_view text, float chars);
std::string PfKRIGHT24(std::string_view text, float chars);
std::string PfKMID24(std::string_view text, float start, float chars = -1);
int PfKINSTR(std::string_view text, std::string_view wanted, float start = 1);

// The numeric value of the longest prefix that reads as a decimal number ("" "-" "." give 0,
// "1-2" gives 1). Leading blanks are skipped. Never throws.
float PfVAL(std::string_view text);
// The decimal text of a number: a leading blank when it is not negative, "-" when it is.
// A whole number is written as its digits (" 100000", "-7"); negative zero is written " 0".
std::string PfSTR244(float value);
// INT: the largest whole number not above the value.
float PnFInt(float value);

// The one conversion of a program value to a whole number (colours, widths, text positions,
// counts, menu choices): to the nearest, halves to the even neighbour. A value beyond the
// 32-bit range is an overflow error.
int RoundToInt(float value, std::source_location where = std::source_location::current());

// A number in its shortest form for traces: 128, 206.5, -3.
std::string ShortNumber(double value);

}  // namespace platform
