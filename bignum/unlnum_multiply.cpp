// Multiplication, and the scaled-integer view of a number that multiplication and division
// share: a number with f fraction limbs is the integer |x| * 10^(9f) with a point f limbs from
// the right.

#include <algorithm>
#include <new>
#include <utility>

#include "bignum/limbs.h"
#include "bignum/unlnum.h"

UnlNum::LimbVector UnlNum::scaledLimbs(const UnlNum& x) {
  LimbVector scaled;
  scaled.reserve(x.fracLimbs_.size() + x.intLimbs_.size());
  scaled.assign(x.fracLimbs_.rbegin(), x.fracLimbs_.rend());
  scaled.insert(scaled.end(), x.intLimbs_.begin(), x.intLimbs_.end());
  while (scaled.size() > 1 && scaled.back() == 0) {
    scaled.pop_back();
  }
  if (scaled.empty()) {
    scaled.push_back(0);
  }
  return scaled;
}

UnlNum UnlNum::fromScaledLimbs(int sign, const LimbVector& scaled, std::size_t fracLimbCount) {
  // The lowest fracLimbCount limbs, most significant first, zero-filled when scaled is shorter.
  LimbVector frac(fracLimbCount, 0);
  const std::size_t lowCount = std::min(fracLimbCount, scaled.size());
  std::reverse_copy(scaled.begin(), scaled.begin() + static_cast<std::ptrdiff_t>(lowCount),
                    frac.end() - static_cast<std::ptrdiff_t>(lowCount));
  LimbVector integer;
  if (scaled.size() > fracLimbCount) {
    integer.assign(scaled.begin() + static_cast<std::ptrdiff_t>(fracLimbCount), scaled.end());
  }
  while (!integer.empty() && integer.back() == 0) {
    integer.pop_back();
  }
  if (integer.empty()) {
    integer.push_back(0);
  }
  return UnlNum(sign, std::move(integer), std::move(frac));
}

std::optional<UnlNum> UnlNum::multiply(const UnlNum& a, const UnlNum& b) {
  try {
    // 0 * x ===> 0 with sign 0, so -5 * 0 is a non-negative zero.
    if (a.isZero() || b.isZero()) {
      return UnlNum();
    }
    const int sign = a.sign_ ^ b.sign_;
    // 1 * x ===> x, keeping x's fraction limbs (1.000000000 * 3.5 has one fraction limb).
    if (a.isOne()) {
      return UnlNum(sign, b.intLimbs_, b.fracLimbs_);
    }
    if (b.isOne()) {
      return UnlNum(sign, a.intLimbs_, a.fracLimbs_);
    }
    const LimbVector product = bignum::multiplyLimbs(scaledLimbs(a), scaledLimbs(b));
    // Exactly fa + fb fraction limbs, trailing zero limbs included: 0.5 * 0.5 = 0.250000000 0.
    return fromScaledLimbs(sign, product, a.fracLimbs_.size() + b.fracLimbs_.size());
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}
