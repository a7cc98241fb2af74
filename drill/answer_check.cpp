// The answer check: the answer box's text without its framing blanks against the typed text.

#include <string>
#include <string_view>

#include "drill/drill.h"
#include "drill/gbk.h"

namespace drill {

namespace {

constexpr std::string_view kIdeographicSpace = "\xA1\xA1";  // "　" U+3000

// "正　确　！"
constexpr std::string_view kVerdictCorrect = "\xD5\xFD\xA1\xA1\xC8\xB7\xA1\xA1\xA3\xA1";
// "错　误　！"
constexpr std::string_view kVerdictWrong = "\xB4\xED\xA1\xA1\xCE\xF3\xA1\xA1\xA3\xA1";

/// True when the character of `length` bytes at i is a blank: the ASCII space or the
/// ideographic space A1 A1. Tabs and line breaks are not blanks.
bool isBlank(std::string_view text, std::size_t i, std::size_t length) {
  const std::string_view character = text.substr(i, length);
  return character == " " || character == kIdeographicSpace;
}

}  // namespace

std::string trimBlanks(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t length = gbk::charLength(text, begin);
    if (!isBlank(text, begin, length)) break;
    begin += length;
  }

  // end: where the result stops. A trailing run of blanks is cut at its start; a lone lead
  // byte in the last position is cut alone, keeping any blanks in front of it.
  std::size_t end = text.size();
  std::size_t runStart = std::string_view::npos;
  for (std::size_t i = begin; i < text.size();) {
    const std::size_t length = gbk::charLength(text, i);
    if (length == 1 && gbk::isLeadByte(text[i])) {
      end = i;
      runStart = std::string_view::npos;
      break;
    }
    if (isBlank(text, i, length)) {
      if (runStart == std::string_view::npos) runStart = i;
    } else {
      runStart = std::string_view::npos;
    }
    i += length;
  }
  if (runStart != std::string_view::npos) end = runStart;
  return std::string(text.substr(begin, end - begin));
}

bool checkAnswer(std::string_view answerText, std::string_view typedText) {
  return trimBlanks(answerText) == typedText;
}

std::string verdictText(bool ok) {
  return std::string(ok ? kVerdictCorrect : kVerdictWrong);
}

}  // namespace drill
