#include "platform/text_ops.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/errors.h"

namespace platform {

int Utf8Length(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  int length = 1;
  if (lead >= 0xF0 && lead < 0xF8) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = lead < 0xF0 ? 3 : 1;
  } else if (lead >= 0xC0) {
    length = 2;
  }
  if (static_cast<size_t>(length) > text.size()) return 1;
  for (int k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

char32_t FirstCodePoint(std::string_view text) {
  const int length = Utf8Length(text);
  if (length == 0) return 0;
  const auto byte = [&](int k) { return static_cast<unsigned char>(text[k]); };
  switch (length) {
    case 2:
      return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    case 3:
      return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    case 4:
      return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) |
             (byte(3) & 0x3F);
    default:
      return byte(0);
  }
}

std::string CharFromCode(char32_t code) {
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
  std::string text;
  const auto tail = [&](int shift) {
    text += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
  };
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    tail(0);
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    tail(6);
    tail(0);
  } else {
    text += static_cast<char>(0xF0 | (code >> 18));
    tail(12);
    tail(6);
    tail(0);
  }
  return text;
}

std::vector<std::string_view> SplitChars(std::string_view text) {
  std::vector<std::string_view> chars;
  chars.reserve(text.size());
  while (!text.empty()) {
    const int length = Utf8Length(text);
    chars.push_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  return chars;
}

int Cp932Length(std::string_view ch) {
  const char32_t code = FirstCodePoint(ch);
  if (code < 0x80 || (code >= 0xFF61 && code <= 0xFF9F)) return 1;
  return 2;
}

namespace {

// Counts requested by a program are rounded; a negative count takes nothing.
size_t Count(float value) {
  const int n = RoundToInt(value);
  return n < 0 ? 0 : static_cast<size_t>(n);
}

// Joins the characters [first, last) of `chars`.
std::string Join(const std::vector<std::string_view>& chars, size_t first, size_t last) {
  std::string out;
  for (size_t k = first; k < last && k < chars.size(); ++k) out += chars[k];
  return out;
}

// Index of the first character that begins at or after byte offset `bytes` (0-based).
size_t CharIndexAtByte(const std::vector<std::string_view>& chars, size_t bytes) {
  size_t offset = 0;
  size_t k = 0;
  while (k < chars.size() && offset < bytes) offset += Cp932Length(chars[k++]);
  return k;
}

// Byte offset (0-based, code page 932) at which character `index` begins.
size_t ByteOffsetOfChar(const std::vector<std::string_view>& chars, size_t index) {
  size_t offset = 0;
  for (size_t k = 0; k < index && k < chars.size(); ++k) offset += Cp932Length(chars[k]);
  return offset;
}

// Character index of the first whole-character match of `wanted` at or after character
// `from`, or npos.
size_t FindChars(const std::vector<std::string_view>& chars,
                 const std::vector<std::string_view>& wanted, size_t from) {
  if (wanted.empty()) return from <= chars.size() ? from : std::string_view::npos;
  for (size_t k = from; k + wanted.size() <= chars.size(); ++k) {
    bool same = true;
    for (size_t j = 0; j < wanted.size() && same; ++j) same = chars[k + j] == wanted[j];
    if (same) return k;
  }
  return std::string_view::npos;
}

}  // namespace

int PfLEN(std::string_view text) {
  int bytes = 0;
  for (auto ch : SplitChars(text)) bytes += Cp932Length(ch);
  return bytes;
}

std::string PfLEFT24(std::string_view text, float bytes) {
  const auto chars = SplitChars(text);
  const size_t limit = Count(bytes);
  size_t used = 0;
  size_t k = 0;
  while (k < chars.size() && used + Cp932Length(chars[k]) <= limit) used += Cp932Length(chars[k++]);
  return Join(chars, 0, k);
}

std::string PfRIGHT24(std::string_view text, float bytes) {
  const auto chars = SplitChars(text);
  const size_t limit = Count(bytes);
  size_t used = 0;
  size_t k = chars.size();
  while (k > 0 && used + Cp932Length(chars[k - 1]) <= limit) used += Cp932Length(chars[--k]);
  return Join(chars, k, chars.size());
}

std::string PfMID24(std::string_view text, float start, float bytes) {
  const auto chars = SplitChars(text);
  const int first = RoundToInt(start);
  if (first < 1) RaiseRuntimeError(kIllegalFunctionCall);
  const size_t begin = CharIndexAtByte(chars, static_cast<size_t>(first - 1));
  if (bytes < 0) return Join(chars, begin, chars.size());
  const size_t limit = Count(bytes);
  size_t used = 0;
  size_t k = begin;
  while (k < chars.size() && used + Cp932Length(chars[k]) <= limit) used += Cp932Length(chars[k++]);
  return Join(chars, begin, k);
}

int PfINSTR(std::string_view text, std::string_view wanted, float start) {
  const auto chars = SplitChars(text);
  const int first = RoundToInt(start);
  if (first < 1) RaiseRuntimeError(kIllegalFunctionCall);
  const size_t from = CharIndexAtByte(chars, static_cast<size_t>(first - 1));
  const size_t found = FindChars(chars, SplitChars(wanted), from);
  if (found == std::string_view::npos || from >= chars.size()) return 0;
  return static_cast<int>(ByteOffsetOfChar(chars, found)) + 1;
}

int PfKLEN(std::string_view text) { return static_cast<int>(SplitChars(text).size()); }

std::string PfKLEFT24(std::string_view text, float chars) {
  const auto split = SplitChars(text);
  return Join(split, 0, Count(chars));
}

std::string PfKRIGHT24(std::string_view text, float chars) {
  const auto split = SplitChars(text);
  const size_t n = Count(chars);
  return Join(split, split.size() > n ? split.size() - n : 0, split.size());
}

std::string PfKMID24(std::string_view text, float start, float chars) {
  const auto split = SplitChars(text);
  const int first = RoundToInt(start);
  if (first < 1) RaiseRuntimeError(kIllegalFunctionCall);
  const size_t begin = static_cast<size_t>(first - 1);
  const size_t end = chars < 0 ? split.size() : begin + Count(chars);
  return Join(split, begin, end);
}

int PfKINSTR(std::string_view text, std::string_view wanted, float start) {
  const auto split = SplitChars(text);
  const int first = RoundToInt(start);
  if (first < 1) RaiseRuntimeError(kIllegalFunctionCall);
  const size_t from = static_cast<size_t>(first - 1);
  if (from >= split.size()) return 0;
  const size_t found = FindChars(split, SplitChars(wanted), from);
  return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

float PfVAL(std::string_view text) {
  size_t k = 0;
  const auto at = [&](size_t i) { return i < text.size() ? text[i] : '\0'; };
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  while (at(k) == ' ') ++k;
  const size_t begin = k;
  if (at(k) == '-' || at(k) == '+') ++k;
  bool any_digit = false;
  while (digit(at(k))) ++k, any_digit = true;
  if (at(k) == '.') {
    ++k;
    while (digit(at(k))) ++k, any_digit = true;
  }
  if (!any_digit) return 0.0f;
  size_t end = k;
  if (at(k) == 'e' || at(k) == 'E') {
    size_t e = k + 1;
    if (at(e) == '-' || at(e) == '+') ++e;
    if (digit(at(e))) {
      while (digit(at(e))) ++e;
      end = e;
    }
  }
  const std::string number(text.substr(begin, end - begin));
  const float value = std::strtof(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0f;
}

std::string PfSTR244(float value) {
  if (value == 0.0f) return " 0";
  char buffer[64];
  // A whole number is written as its digits: the shortest form would write 100000 as 1e+05.
  // Only magnitudes far beyond anything a lesson computes keep the exponent form.
  const bool whole = std::isfinite(value) && value == std::floor(value);
  const auto result = whole && std::fabs(value) < 1e16f
                          ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed)
                          : std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string digits(buffer, result.ptr);
  return value < 0 ? digits : " " + digits;
}

float PnFInt(float value) { return std::floor(value); }

int RoundToInt(float value, std::source_location where) {
  if (!std::isfinite(value) || value > 2147483520.0f || value < -2147483520.0f) {
    throw RuntimeError(kOverflow, where);
  }
  return static_cast<int>(std::nearbyint(value));
}

std::string ShortNumber(double value) {
  if (value == 0) return "0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value));
  return std::string(buffer, result.ptr);
}

const char* ExitReasonName(ExitReason reason) {
  switch (reason) {
    case ExitReason::kProgramEnded:
      return "program-ended";
    case ExitReason::kWindowClosed:
      return "window-closed";
    case ExitReason::kKeysExhausted:
      return "keys-exhausted";
  }
  return "unknown";
}

}  // namespace platform
