#pragma once

// Spells a window text in readable UTF-8 and gives its GBK bytes, converted by the C library
// (glibc's iconv) rather than by the program, so that a test checks the program's byte escapes
// against an independent source.

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <string>
#include <string_view>

namespace testing_gbk {

inline std::string gbk(std::string_view utf8) {
  iconv_t converter = iconv_open("GBK", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
  std::string in(utf8);
  std::string out(in.size() * 2 + 4, '\0');
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible to GBK");
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace testing_gbk
