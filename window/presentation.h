#pragma once

// The rules by which the start presentation lays out a problem: font sizes, the flash of a
// column addend, the question text of a product or quotient, the answer's framing and the timing
// of a flash slot. Texts are GBK byte strings; lengths are byte counts.

#include <cstdint>
#include <string>
#include <string_view>

namespace window::presentation {

/// Font sizes in points of the question box 编辑框3 and the answer box 编辑框2.
struct FontSizes {
  int question = 0;
  int answer = 0;
  friend bool operator==(const FontSizes&, const FontSizes&) = default;
};

/// Sizes shrink once a digit count passes 80: g = trunc((d1 + d2 + 500) / 70), sizes
/// trunc((36 - g) + 0.15 g) and trunc((29 - g) + 0.15 g) in double arithmetic, never below
/// kMinimumFontSize (the rule alone reaches 0 and below for thousands of digits).
FontSizes fontSizesFor(std::int32_t digitCount1, std::int32_t digitCount2);
inline constexpr int kMinimumFontSize = 8;

/// What 编辑框3 shows for one column addend: the rightmost d1 + 8 characters of 12 spaces
/// followed by the addend's text, so that the last digits of all addends stand in one column.
std::string flashText(std::string_view addendText, std::int32_t digitCount1);

/// The × or ÷ question: the prefix of three ideographic spaces, operand A, the operator item and
/// operand B on one line; past 44 bytes, operand B goes to a second line behind the operator
/// item and three spaces.
std::string operandQuestionText(std::string_view operandA, std::string_view operatorItem,
                                std::string_view operandB);
inline constexpr std::size_t kOneLineQuestionLimit = 44;

/// The answer box's text: `leading` spaces, the answer, `trailing` spaces.
std::string framedAnswer(int leading, std::string_view answer, int trailing);
/// A × or ÷ answer of this many characters or more is shown without blank runs.
inline constexpr std::size_t kBareAnswerLength = 20;
/// An answer-box text of at most this many bytes is centred, a longer one left-aligned.
inline constexpr std::size_t kCentredAnswerLimit = 60;

/// One addend's slot of the flash for a time limit of `seconds`: trunc(t * 980 / 20) ms in all,
/// the twenty slots taking 98 % of the limit.
int flashDelayMs(std::int32_t seconds);

/// How a slot of `delayMs` is split: the addend shows for `shownMs`, then the box stays empty
/// for `blankMs`, a quarter of the slot but at most 100 ms, so that two equal addends in a row
/// read as two numbers. A slot of 0 ms (no time limit) has no blank part.
struct FlashSlot {
  int shownMs = 0;
  int blankMs = 0;
  friend bool operator==(const FlashSlot&, const FlashSlot&) = default;
};
FlashSlot flashSlot(int delayMs);
inline constexpr int kMaximumBlankMs = 100;

}  // namespace window::presentation
