#pragma once

// Reading and changing one key of an INI text held in memory. The settings file uses these on
// the whole content of admin.ini.
//
// The format as read here:
// - lines end in LF or CRLF; the last line may lack its line ending;
// - a line whose first non-blank character is "[" and which holds a "]" later on names a
//   section: the text between them, without surrounding blanks; text after the "]" is ignored;
// - within a section, a line with a "=" holds a key (the text before the first "=") and its
//   value (the rest); blanks around both are ignored, and the value loses one pair of
//   surrounding double or single quotes;
// - lines starting with ";" or "#" (comments), lines before the first section and any other
//   lines are ignored;
// - section and key names match case-insensitively in ASCII letters only (GBK characters are
//   compared byte for byte, so a trail byte that happens to be a letter is never folded);
// - when a section or key occurs more than once, the first occurrence counts.
// Blanks are the ASCII space and the tab.

#include <optional>
#include <string>
#include <string_view>

namespace drill {

/// The value of `key` in `section`, or nothing when the section or the key is missing.
/// The names are compared without their surrounding blanks.
std::optional<std::string> findIniValue(std::string_view content, std::string_view section,
                                        std::string_view key);

/// `content` with `key` of `section` set to `value`, every other byte unchanged:
/// - an existing key line (its first occurrence) becomes "key=value", keeping its line ending;
/// - a missing key is added as a new line after the last non-blank line of the section;
/// - a missing section is added, with the key, at the end of the text.
/// New lines take the line ending of the text's first line (LF when it has none).
/// The names are written without their surrounding blanks. Callers make sure that no argument
/// holds a line break and that the key holds no "=".
std::string setIniValue(std::string_view content, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace drill
