// The question-type description, its caption and the big-number title rule.

#include <cstdint>
#include <string>
#include <string_view>

#include "drill/drill.h"

namespace drill {

namespace {

constexpr std::string_view kAdditionMiddle = " \xCE\xBB\xCA\xFD\xBC\xD3\xB7\xA8 ";  // " 位数加法 "
// " 位数加减混合 "
constexpr std::string_view kMixedMiddle = " \xCE\xBB\xCA\xFD\xBC\xD3\xBC\xF5\xBB\xEC\xBA\xCF ";
// "　位数　×　"
constexpr std::string_view kMultiplicationMiddle =
    "\xA1\xA1\xCE\xBB\xCA\xFD\xA1\xA1\xA1\xC1\xA1\xA1";
// "　位数　÷　"
constexpr std::string_view kDivisionMiddle = "\xA1\xA1\xCE\xBB\xCA\xFD\xA1\xA1\xA1\xC2\xA1\xA1";
constexpr std::string_view kSecondsUnit = " \xC3\xEB";                // " 秒"
constexpr std::string_view kDigitsUnit = "\xA1\xA1\xCE\xBB\xCA\xFD";  // "　位数"
// "  计算题型： " (two ASCII spaces, the full-width colon A3 BA, one ASCII space)
constexpr std::string_view kCaptionPrefix = "  \xBC\xC6\xCB\xE3\xCC\xE2\xD0\xCD\xA3\xBA ";

// A digit count above this makes the window title "大数计算".
constexpr std::int32_t kBigNumberThreshold = 20;

std::string concat(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (const std::string_view piece : pieces) text.append(piece);
  return text;
}

}  // namespace

std::string describeQuestionType(OperationType type, std::int32_t d1, std::int32_t d2,
                                 std::string_view timeText) {
  switch (type) {
    case OperationType::Addition:
      return concat({intToText(d1), kAdditionMiddle, timeText, kSecondsUnit});
    case OperationType::MixedAddSub:
      return concat({intToText(d1), kMixedMiddle, timeText, kSecondsUnit});
    case OperationType::Multiplication:
      return concat({intToText(d1), kMultiplicationMiddle, intToText(d2), kDigitsUnit});
    case OperationType::Division:
      return concat({intToText(d1), kDivisionMiddle, intToText(d2), kDigitsUnit});
  }
  // An operation list without a selection has no description.
  return {};
}

bool usesBigNumberTitle(std::int32_t d1, std::int32_t d2) {
  return d1 > kBigNumberThreshold || d2 > kBigNumberThreshold;
}

std::string questionTypeCaption(std::string_view questionTypeText) {
  return concat({kCaptionPrefix, questionTypeText});
}

}  // namespace drill
