#include <cstdint>
#include <string>
#include <string_view>

#include "drill/drill.h"

namespace drill {

std::string intToText(std::int32_t value) {
  return std::to_string(value);
}

namespace {

/// Folds the double-byte full-width forms that a GBK text may carry to their single-byte
/// equivalents: A1A1 space, A1AB "~", A1EE/A1EF "*", A3A1..A3FE the ASCII byte minus 0x80.
std::string foldFullWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80 || i + 1 >= text.size()) {
      out.push_back(text[i]);
      ++i;
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xA1 && trail == 0xA1) {
      out.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      out.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out.push_back('*');
    } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out.push_back(static_cast<char>(trail - 0x80));
    } else {
      out.append(text.substr(i, 2));
    }
    i += 2;
  }
  return out;
}

bool isCSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::int32_t textToInt(std::string_view text) {
  const std::string folded = foldFullWidth(text);
  std::size_t i = 0;
  while (i < folded.size() && isCSpace(folded[i])) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) {
    negative = folded[i] == '-';
    ++i;
  }
  // Digits beyond the 32-bit range saturate (only a hand-edited settings file brings them).
  std::int64_t magnitude = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (folded[i] - '0');
    if (magnitude > 2147483648LL) magnitude = 2147483648LL;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) return INT32_MAX;
  return static_cast<std::int32_t>(value);
}

}  // namespace drill
