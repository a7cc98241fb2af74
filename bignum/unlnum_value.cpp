// Assignment from machine values. Integers of 64 bits and floating-point values go through
// their decimal text and the parsing rules, so whatever that text's syntax refuses (an exponent,
// "-0", "nan", "inf") leaves 0 and false.

#include <charconv>
#include <new>
#include <system_error>
#include <utility>

#include "bignum/limbs.h"
#include "bignum/unlnum.h"

bool UnlNum::fromValue(UnlNum& x, std::int32_t value) {
  try {
    // The magnitude as an unsigned 32-bit value: -2147483648 has the magnitude 2147483648.
    const std::uint32_t magnitude =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    LimbVector limbs{magnitude % bignum::kRadix};
    if (magnitude >= bignum::kRadix) {
      limbs.push_back(magnitude / bignum::kRadix);
    }
    x = UnlNum(value < 0 ? 1 : 0, std::move(limbs), {});
    return true;
  } catch (const std::bad_alloc&) {
    x.setZero();
    return false;
  }
}

bool UnlNum::fromValue(UnlNum& x, std::int64_t value) {
  char text[24];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return fromText(x, std::string_view(text, static_cast<std::size_t>(result.ptr - text)));
}

bool UnlNum::fromValue(UnlNum& x, float value) {
  return fromValue(x, static_cast<double>(value));
}

bool UnlNum::fromValue(UnlNum& x, double value) {
  // The text of printf's "%.13g", but always with the C locale's '.', whatever locale the
  // program runs under.
  char text[64];
  const auto result =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, 13);
  if (result.ec != std::errc{}) {
    x.setZero();
    return false;
  }
  return fromText(x, std::string_view(text, static_cast<std::size_t>(result.ptr - text)));
}
