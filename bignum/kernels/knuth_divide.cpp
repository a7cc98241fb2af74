#include "bignum/kernels/knuth_divide.h"

#include <algorithm>
#include <cstdint>

namespace bignum::kernels {

namespace {

Limbs divideBySingleLimb(ConstLimbSpan a, std::uint32_t d, Limbs* remainder) {
  Limbs q(a.size());
  std::uint32_t rem = divideBySmall(q, a, d);
  normalise(q);
  if (remainder) *remainder = Limbs{rem};
  return q;
}

}  // namespace

Limbs knuthDivide(ConstLimbSpan a, ConstLimbSpan b, Limbs* remainder, KnuthDivideTrace* trace) {
  a = trimmed(a);
  b = trimmed(b);
  if (compareLimbs(a, b) < 0) {
    if (remainder) {
      remainder->assign(a.begin(), a.end());
      normalise(*remainder);
    }
    return Limbs{0};
  }
  if (b.size() == 1) return divideBySingleLimb(a, b[0], remainder);

  const std::size_t n = b.size();
  const std::size_t m = a.size() - n;

  // D1: normalise. Scaling both operands by d = floor(R / (v[n-1] + 1)) leaves the quotient
  // unchanged and makes the divisor's top limb at least R / 2, which keeps the estimate of D3
  // at most two above the true digit.
  // Divisors inside recursive division are normalised already (d = 1).
  const std::uint32_t d = kRadix / (b[n - 1] + 1);
  Limbs v(b.begin(), b.end());
  Limbs u(a.size() + 1);
  if (d == 1) {
    std::copy(a.begin(), a.end(), u.begin());
  } else {
    multiplyBySmall(v, b, d);
    u[a.size()] = multiplyBySmall(LimbSpan(u).first(a.size()), a, d);
  }

  Limbs q(m + 1);
  const std::uint64_t vTop = v[n - 1];
  const std::uint64_t vNext = v[n - 2];

  // D2 / D7: loop over the quotient digits from the most significant down.
  for (std::size_t j = m + 1; j-- > 0;) {
    if (trace) ++trace->quotientSteps;
    // D3: estimate qhat from the top two limbs of the current remainder, then refine it with
    // the divisor's second limb; afterwards qhat is the true digit or one above it.
    const std::uint64_t top = std::uint64_t{u[j + n]} * kRadix + u[j + n - 1];
    std::uint64_t qhat = top / vTop;
    std::uint64_t rhat = top % vTop;
    while (qhat >= kRadix || qhat * vNext > rhat * kRadix + u[j + n - 2]) {
      --qhat;
      rhat += vTop;
      if (rhat >= kRadix) break;
    }

    // D4: multiply and subtract, u[j .. j+n] -= qhat * v. Each product is split into its two
    // limbs on its own, so the chain from one limb to the next is only the short borrow (0, 1
    // or 2): u - low - previous high - borrow lies in (-2R - 1, R).
    std::uint64_t previousHigh = 0;
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint64_t p = qhat * v[i];
      const std::uint64_t high = p / kRadix;
      const std::uint64_t low = p - high * kRadix;
      // Biased by 2R to stay unsigned: t in [0, 3R).
      const std::uint64_t t =
          std::uint64_t{u[i + j]} + 2 * std::uint64_t{kRadix} - low - previousHigh - borrow;
      const std::uint64_t kept =
          (t >= kRadix ? 1u : 0u) + (t >= 2 * std::uint64_t{kRadix} ? 1u : 0u);
      u[i + j] = static_cast<std::uint32_t>(t - kept * kRadix);
      borrow = 2 - kept;
      previousHigh = high;
    }
    const std::int64_t t = std::int64_t{u[j + n]} - static_cast<std::int64_t>(previousHigh) -
                           static_cast<std::int64_t>(borrow);

    // D5: test the remainder.
    if (t < 0) {
      // D6: add back. qhat was one too large; the carry out of the top limb cancels the
      // borrow that made the remainder negative.
      if (trace) ++trace->addBacks;
      --qhat;
      u[j + n] = static_cast<std::uint32_t>(t + std::int64_t{kRadix});
      addInto(LimbSpan(u).subspan(j, n + 1), v);
      u[j + n] = 0;  // t + R + carry wraps to exactly R
    } else {
      u[j + n] = static_cast<std::uint32_t>(t);
    }
    q[j] = static_cast<std::uint32_t>(qhat);
  }

  // D8: unnormalise the remainder.
  if (remainder) {
    remainder->assign(u.begin(), u.begin() + static_cast<std::ptrdiff_t>(n));
    if (d != 1) divideBySmall(*remainder, *remainder, d);
    normalise(*remainder);
  }
  normalise(q);
  return q;
}

}  // namespace bignum::kernels
