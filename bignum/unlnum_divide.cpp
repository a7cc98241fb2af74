// Division truncated toward zero after s decimal places, where the scale s is at least the
// requested places, at least the dividend's extra fraction digits, and grows until the padded
// dividend has as many digits as the divisor. The quotient digits are floor(D / V) of the
// scaled operands, computed by the limb kernels.

#include <algorithm>
#include <new>
#include <utility>

#include "bignum/limbs.h"
#include "bignum/unlnum.h"

namespace {

using LimbVector = std::vector<std::uint32_t>;

// Decimal digits of a normalised magnitude without leading zeros (0 has one digit).
std::int64_t digitCount(const LimbVector& limbs) {
  std::int64_t count = bignum::kRadixDigits * static_cast<std::int64_t>(limbs.size() - 1);
  for (std::uint32_t top = limbs.back(); top >= 10; top /= 10) {
    ++count;
  }
  return count + 1;
}

// magnitude * 10^exponent: one small multiply by 10^(exponent mod 9), then a limb shift.
LimbVector timesPowerOfTen(LimbVector magnitude, std::int64_t exponent) {
  std::uint32_t factor = 1;
  for (std::int64_t i = 0; i < exponent % bignum::kRadixDigits; ++i) {
    factor *= 10;
  }
  if (factor > 1) {
    const std::uint32_t factorLimb[] = {factor};
    magnitude = bignum::multiplyLimbs(magnitude, factorLimb);
  }
  const auto shift = static_cast<std::size_t>(exponent / bignum::kRadixDigits);
  magnitude.insert(magnitude.begin(), shift, 0);
  return magnitude;
}

bool isZeroMagnitude(const LimbVector& limbs) {
  return std::all_of(limbs.begin(), limbs.end(), [](std::uint32_t limb) { return limb == 0; });
}

}  // namespace

std::optional<UnlNum> UnlNum::divide(const UnlNum& a, const UnlNum& b, std::int32_t places) {
  try {
    if (places < 0) {
      return UnlNum();
    }
    // 0 / x ===> 0 and x / 0 ===> 0, both with sign 0; division by zero is not an error.
    if (a.isZero() || b.isZero()) {
      return UnlNum();
    }
    const int sign = a.sign_ ^ b.sign_;
    // x / 1 ===> x with all of x's fraction limbs; places are not applied.
    if (b.isOne()) {
      return UnlNum(sign, a.intLimbs_, a.fracLimbs_);
    }
    // x / x ===> 1 with ceil(places / 9) zero fraction limbs; only for equal signs.
    if (a.sign_ == b.sign_ && compareMagnitudes(a, b) == 0) {
      const auto fracCount =
          static_cast<std::size_t>((places + bignum::kRadixDigits - 1) / bignum::kRadixDigits);
      return UnlNum(0, LimbVector{1}, LimbVector(fracCount, 0));
    }

    LimbVector dividend = scaledLimbs(a);
    const LimbVector divisor = scaledLimbs(b);
    const auto fa = static_cast<std::int64_t>(a.fracLimbs_.size());
    const auto fb = static_cast<std::int64_t>(b.fracLimbs_.size());
    const std::int64_t dividendDigits = digitCount(dividend);
    const std::int64_t divisorDigits = digitCount(divisor);

    // The scale s and the padded dividend's digit count n.
    std::int64_t s = fa > fb ? bignum::kRadixDigits * (fa - fb) : 0;
    std::int64_t n = fb > fa ? bignum::kRadixDigits * (fb - fa) : 0;
    if (s < places) {
      n += places - s;
      s = places;
    }
    n += dividendDigits;
    if (divisorDigits > n) {
      s += divisorDigits - n;
      n = divisorDigits;
    }

    dividend = timesPowerOfTen(std::move(dividend), n - dividendDigits);
    LimbVector quotient = bignum::divideLimbs(dividend, divisor);
    // A quotient truncated to zero keeps the sign: -1 / 3 renders "-0".
    if (isZeroMagnitude(quotient)) {
      return UnlNum(sign, LimbVector{0}, LimbVector{});
    }
    if (s == 0) {
      return UnlNum(sign, std::move(quotient), LimbVector{});
    }
    // Q * 10^(-s) with ceil(s / 9) fraction limbs: pad Q on the right to whole limbs first.
    const std::int64_t fracCount = (s + bignum::kRadixDigits - 1) / bignum::kRadixDigits;
    quotient = timesPowerOfTen(std::move(quotient), bignum::kRadixDigits * fracCount - s);
    return fromScaledLimbs(sign, quotient, static_cast<std::size_t>(fracCount));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}
