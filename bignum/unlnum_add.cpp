// Addition of signed numbers: a sum of magnitudes for equal signs, otherwise a difference of
// magnitudes ordered by compareMagnitudes. Both work limb by limb with the fraction parts
// aligned at the point, so they run in time linear in the operands' limb counts.

#include <algorithm>
#include <new>
#include <utility>

#include "bignum/limbs.h"
#include "bignum/unlnum.h"

namespace {

using LimbVector = std::vector<std::uint32_t>;

std::uint32_t limbOrZero(const LimbVector& limbs, std::size_t i) {
  return i < limbs.size() ? limbs[i] : 0;
}

struct Parts {
  LimbVector intLimbs;
  LimbVector fracLimbs;
};

// |a| + |b| with max(fa, fb) fraction limbs. Integer parts in normal form give one in normal form.
Parts addParts(const LimbVector& aInt, const LimbVector& aFrac, const LimbVector& bInt,
               const LimbVector& bFrac) {
  Parts sum{LimbVector(std::max(aInt.size(), bInt.size())),
            LimbVector(std::max(aFrac.size(), bFrac.size()))};
  std::uint32_t carry = 0;  // a limb sum with carry stays below 2 * 10^9 < 2^32
  for (std::size_t j = sum.fracLimbs.size(); j-- > 0;) {
    const std::uint32_t s = limbOrZero(aFrac, j) + limbOrZero(bFrac, j) + carry;
    carry = s >= bignum::kRadix ? 1 : 0;
    sum.fracLimbs[j] = s - carry * bignum::kRadix;
  }
  for (std::size_t k = 0; k < sum.intLimbs.size(); ++k) {
    const std::uint32_t s = limbOrZero(aInt, k) + limbOrZero(bInt, k) + carry;
    carry = s >= bignum::kRadix ? 1 : 0;
    sum.intLimbs[k] = s - carry * bignum::kRadix;
  }
  if (carry != 0) {
    sum.intLimbs.push_back(carry);
  }
  return sum;
}

// |l| - |s| for |l| >= |s|, with max(fl, fs) fraction limbs and a normal integer part.
Parts subtractParts(const LimbVector& lInt, const LimbVector& lFrac, const LimbVector& sInt,
                    const LimbVector& sFrac) {
  Parts difference{LimbVector(lInt.size()), LimbVector(std::max(lFrac.size(), sFrac.size()))};
  std::uint32_t borrow = 0;
  auto subtractLimb = [&borrow](std::uint32_t l, std::uint32_t s) {
    const std::uint32_t subtrahend = s + borrow;  // at most 10^9
    borrow = l < subtrahend ? 1 : 0;
    return l + borrow * bignum::kRadix - subtrahend;
  };
  for (std::size_t j = difference.fracLimbs.size(); j-- > 0;) {
    difference.fracLimbs[j] = subtractLimb(limbOrZero(lFrac, j), limbOrZero(sFrac, j));
  }
  for (std::size_t k = 0; k < difference.intLimbs.size(); ++k) {
    difference.intLimbs[k] = subtractLimb(lInt[k], limbOrZero(sInt, k));
  }
  while (difference.intLimbs.size() > 1 && difference.intLimbs.back() == 0) {
    difference.intLimbs.pop_back();
  }
  return difference;
}

}  // namespace

int UnlNum::compareMagnitudes(const UnlNum& a, const UnlNum& b) {
  // Integer parts in normal form: more limbs is greater.
  if (a.intLimbs_.size() != b.intLimbs_.size()) {
    return a.intLimbs_.size() < b.intLimbs_.size() ? -1 : 1;
  }
  for (std::size_t k = a.intLimbs_.size(); k-- > 0;) {
    if (a.intLimbs_[k] != b.intLimbs_[k]) {
      return a.intLimbs_[k] < b.intLimbs_[k] ? -1 : 1;
    }
  }
  const std::size_t common = std::min(a.fracLimbs_.size(), b.fracLimbs_.size());
  for (std::size_t j = 0; j < common; ++j) {
    if (a.fracLimbs_[j] != b.fracLimbs_[j]) {
      return a.fracLimbs_[j] < b.fracLimbs_[j] ? -1 : 1;
    }
  }
  // The fraction that ends first counts as the smaller, even when the other's rest is all 0.
  if (a.fracLimbs_.size() == b.fracLimbs_.size()) {
    return 0;
  }
  return a.fracLimbs_.size() < b.fracLimbs_.size() ? -1 : 1;
}

std::optional<UnlNum> UnlNum::add(const UnlNum& a, const UnlNum& b) {
  try {
    if (a.sign_ == b.sign_) {
      Parts sum = addParts(a.intLimbs_, a.fracLimbs_, b.intLimbs_, b.fracLimbs_);
      return UnlNum(a.sign_, std::move(sum.intLimbs), std::move(sum.fracLimbs));
    }
    const UnlNum& positive = a.sign_ == 0 ? a : b;
    const UnlNum& negative = a.sign_ == 0 ? b : a;
    const int order = compareMagnitudes(positive, negative);
    if (order == 0) {
      return UnlNum();  // a plain zero, whatever fraction parts the operands had
    }
    // When the magnitudes differ only in trailing zero fraction limbs, the longer one counts as
    // the greater: 1 + -1.000000000 is a zero with sign 1 ("-0").
    const UnlNum& larger = order > 0 ? positive : negative;
    const UnlNum& smaller = order > 0 ? negative : positive;
    Parts difference =
        subtractParts(larger.intLimbs_, larger.fracLimbs_, smaller.intLimbs_, smaller.fracLimbs_);
    return UnlNum(order > 0 ? 0 : 1, std::move(difference.intLimbs),
                  std::move(difference.fracLimbs));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}
