#pragma once

// What the differential tests and the fuzzer both expect of UnlNum, written once and read from
// the number's limbs alone (standard library only, so the separately compiled fuzzer can use it).

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "bignum/unlnum.h"

namespace unlnum_reference {

/// The digits of |x| * 10^(9 * fraction limb count): every limb as nine digits, integer limbs
/// from the top, then the fraction limbs (leading zeros kept).
inline std::string scaledDigitText(const UnlNum& x) {
  std::string digits;
  char group[16];
  for (std::size_t k = x.intLimbs().size(); k-- > 0;) {
    std::snprintf(group, sizeof group, "%09u", static_cast<unsigned>(x.intLimbs()[k]));
    digits += group;
  }
  for (const std::uint32_t limb : x.fracLimbs()) {
    std::snprintf(group, sizeof group, "%09u", static_cast<unsigned>(limb));
    digits += group;
  }
  return digits.empty() ? std::string("0") : digits;
}

/// The long division's decimal places s and the digit count n of the padded dividend, from the
/// operands' fraction limb counts fa, fb and scaled digit counts la, lb: the quotient is
/// floor(A * 10^(n - la) / B) * 10^-s.
struct DivisionScale {
  std::int64_t places = 0;
  std::int64_t paddedDigits = 0;
};

inline DivisionScale divisionScale(std::int64_t fa, std::int64_t fb, std::int64_t la,
                                   std::int64_t lb, std::int64_t places) {
  std::int64_t s = std::max<std::int64_t>(0, 9 * (fa - fb));
  std::int64_t n = std::max<std::int64_t>(0, 9 * (fb - fa));
  if (s < places) {
    n += places - s;
    s = places;
  }
  n += la;
  if (lb > n) {
    s += lb - n;
    n = lb;
  }
  return {s, n};
}

}  // namespace unlnum_reference
