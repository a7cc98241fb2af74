#include "bignum/kernels/limb_arith.h"

namespace bignum::kernels {

ConstLimbSpan trimmed(ConstLimbSpan a) {
  std::size_t n = a.size();
  while (n > 0 && a[n - 1] == 0) --n;
  return a.first(n);
}

void normalise(Limbs& a) {
  while (a.size() > 1 && a.back() == 0) a.pop_back();
  if (a.empty()) a.push_back(0);
}

int compareLimbs(ConstLimbSpan a, ConstLimbSpan b) {
  a = trimmed(a);
  b = trimmed(b);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

std::uint32_t addInto(LimbSpan r, ConstLimbSpan a) {
  std::uint32_t carry = 0;
  std::size_t i = 0;
  // Carries are data, not branches: they would be mispredicted half the time.
  for (; i < a.size(); ++i) {
    const std::uint32_t s = r[i] + a[i] + carry;  // < 2 * 10^9 + 1 < 2^32
    carry = static_cast<std::uint32_t>(s >= kRadix);
    r[i] = s - carry * kRadix;
  }
  for (; carry && i < r.size(); ++i) {
    if (++r[i] == kRadix) {
      r[i] = 0;
    } else {
      carry = 0;
    }
  }
  return carry;
}

std::uint32_t subtractFrom(LimbSpan r, ConstLimbSpan a) {
  std::uint32_t borrow = 0;
  std::size_t i = 0;
  for (; i < a.size(); ++i) {
    const std::uint32_t sub = a[i] + borrow;
    borrow = static_cast<std::uint32_t>(r[i] < sub);
    r[i] = r[i] + borrow * kRadix - sub;
  }
  for (; borrow && i < r.size(); ++i) {
    if (r[i] == 0) {
      r[i] = kRadix - 1;
    } else {
      --r[i];
      borrow = 0;
    }
  }
  return borrow;
}

std::uint32_t multiplyBySmall(LimbSpan r, ConstLimbSpan a, std::uint32_t m, std::uint32_t carryIn) {
  std::uint64_t carry = carryIn;
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::uint64_t t = std::uint64_t{a[i]} * m + carry;
    r[i] = static_cast<std::uint32_t>(t % kRadix);
    carry = t / kRadix;
  }
  return static_cast<std::uint32_t>(carry);
}

std::uint32_t divideBySmall(LimbSpan r, ConstLimbSpan a, std::uint32_t d) {
  std::uint64_t rem = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    std::uint64_t t = rem * kRadix + a[i];
    r[i] = static_cast<std::uint32_t>(t / d);
    rem = t % d;
  }
  return static_cast<std::uint32_t>(rem);
}

}  // namespace bignum::kernels
