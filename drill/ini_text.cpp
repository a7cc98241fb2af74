#include "drill/ini_text.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drill/gbk.h"

namespace drill {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

/// Case-insensitive in ASCII letters that are characters of their own; the two bytes of a GBK
/// character must match exactly.
bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    const std::size_t length = gbk::charLength(a, i);
    if (length == 2) {
      if (a.substr(i, 2) != b.substr(i, 2)) return false;
    } else if (asciiLower(a[i]) != asciiLower(b[i])) {
      return false;
    }
    i += length;
  }
  return true;
}

/// Removes one pair of matching surrounding quotes.
std::string_view unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

/// One line of the text: its bytes without the line ending, and the line ending itself
/// ("\n", "\r\n" or empty for a last line without one).
struct Line {
  std::size_t begin = 0;
  std::string_view text;
  std::string_view ending;
};

std::vector<Line> splitLines(std::string_view content) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < content.size()) {
    const std::size_t lf = content.find('\n', begin);
    Line line;
    line.begin = begin;
    if (lf == std::string_view::npos) {
      line.text = content.substr(begin);
      begin = content.size();
    } else {
      std::size_t textEnd = lf;
      if (textEnd > begin && content[textEnd - 1] == '\r') --textEnd;
      line.text = content.substr(begin, textEnd - begin);
      line.ending = content.substr(textEnd, lf + 1 - textEnd);
      begin = lf + 1;
    }
    lines.push_back(line);
  }
  return lines;
}

/// The section name of a section line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
  const std::string_view body = trimmed(line);
  if (body.empty() || body.front() != '[') return std::nullopt;
  // "]" (5D) can be the trail byte of a GBK character, so the line is walked character-wise.
  for (std::size_t i = 1; i < body.size();) {
    if (body[i] == ']') return trimmed(body.substr(1, i - 1));
    i += gbk::charLength(body, i);
  }
  return std::nullopt;
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

/// The key and value of a key line, or nothing for a comment or a line without "=".
/// "=" (3D) is never a GBK trail byte, so a plain search finds it.
std::optional<KeyLine> keyLine(std::string_view line) {
  const std::string_view body = trimmed(line);
  if (body.empty() || body.front() == ';' || body.front() == '#') return std::nullopt;
  const std::size_t eq = body.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyLine{trimmed(body.substr(0, eq)), trimmed(body.substr(eq + 1))};
}

/// Where a section's lines lie in the list of lines: the header's index, and one past the
/// section's last non-blank line.
struct SectionSpan {
  std::size_t header = 0;
  std::size_t endOfContent = 0;
};

std::optional<SectionSpan> findSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = sectionName(lines[i].text);
    if (!name || !sameName(*name, section)) continue;
    SectionSpan span{i, i + 1};
    for (std::size_t j = i + 1; j < lines.size() && !sectionName(lines[j].text); ++j) {
      if (!trimmed(lines[j].text).empty()) span.endOfContent = j + 1;
    }
    return span;
  }
  return std::nullopt;
}

std::optional<std::size_t> findKeyLine(const std::vector<Line>& lines, const SectionSpan& span,
                                       std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.endOfContent; ++i) {
    const auto entry = keyLine(lines[i].text);
    if (entry && sameName(entry->key, key)) return i;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> findIniValue(std::string_view content, std::string_view section,
                                        std::string_view key) {
  const std::vector<Line> lines = splitLines(content);
  const auto span = findSection(lines, trimmed(section));
  if (!span) return std::nullopt;
  const auto index = findKeyLine(lines, *span, trimmed(key));
  if (!index) return std::nullopt;
  return std::string(unquoted(keyLine(lines[*index].text)->value));
}

std::string setIniValue(std::string_view content, std::string_view section, std::string_view key,
                        std::string_view value) {
  const std::vector<Line> lines = splitLines(content);
  const std::string_view newline =
      lines.empty() || lines.front().ending.empty() ? std::string_view("\n") : lines.front().ending;
  std::string entry;
  entry.append(trimmed(key)).append("=").append(value);

  std::string result;
  result.reserve(content.size() + entry.size() + section.size() + 8);
  const auto span = findSection(lines, trimmed(section));
  if (!span) {
    result.append(content);
    if (!result.empty() && result.back() != '\n') result.append(newline);
    result.append("[").append(trimmed(section)).append("]").append(newline);
    result.append(entry).append(newline);
    return result;
  }

  if (const auto index = findKeyLine(lines, *span, trimmed(key))) {
    const Line& line = lines[*index];
    result.append(content.substr(0, line.begin));
    result.append(entry);
    result.append(content.substr(line.begin + line.text.size()));
    return result;
  }

  // The key goes after the section's last non-blank line, which may be the file's last line
  // without a line ending.
  const Line& last = lines[span->endOfContent - 1];
  const std::size_t insertAt = last.begin + last.text.size() + last.ending.size();
  result.append(content.substr(0, insertAt));
  if (last.ending.empty()) result.append(newline);
  result.append(entry).append(newline);
  result.append(content.substr(insertAt));
  return result;
}

}  // namespace drill
