#pragma once

// Walking GBK byte strings: a byte of 0x80 or above starts a two-byte character; every other
// byte is a character of its own. A lead byte in the last position stands alone (half of a
// character that was cut off).

#include <cstddef>
#include <string_view>

namespace drill::gbk {

inline bool isLeadByte(char c) {
  return static_cast<unsigned char>(c) >= 0x80;
}

/// The byte length of the character that starts at i (i < text.size()): 2 for a lead byte
/// followed by another byte, 1 otherwise.
inline std::size_t charLength(std::string_view text, std::size_t i) {
  return isLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
}

}  // namespace drill::gbk
