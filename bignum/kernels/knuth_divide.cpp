#include "bignum/kernels/knuth_divide.h"

#include "bignum/kernels/radix_avx512.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace bignum::kernels {

namespace {

// u[0 .. n) -= qhat * v[0 .. n) modulo R^n; returns what is still to subtract from u[n] (the
// top product limb plus the borrow). differences is scratch of n entries.
using MultiplySubtract = std::uint64_t (*)(std::uint32_t* u, const std::uint32_t* v, std::size_t n,
                                           std::uint64_t qhat, std::int64_t* differences);

// The borrow pass: u[i] = differences[i] - borrow, brought into [0, R) with a borrow of 0, 1
// or 2 to the next limb, as every difference lies in (-2R, R).
std::uint64_t propagateBorrows(std::uint32_t* u, const std::int64_t* differences, std::size_t n) {
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < n; ++i) {
    // Biased by 2R to stay unsigned: t in [0, 3R).
    const std::uint64_t t =
        static_cast<std::uint64_t>(differences[i] + 2 * std::int64_t{kRadix}) - borrow;
    const std::uint64_t kept =
        static_cast<std::uint64_t>(t >= kRadix) + static_cast<std::uint64_t>(t >= 2 * kRadix);
    u[i] = static_cast<std::uint32_t>(t - kept * kRadix);
    borrow = 2 - kept;
  }
  return borrow;
}

// Each product qhat v[i] is split into its two limbs on its own, so the only chain from one
// limb to the next is the short borrow: u[i] - low[i] - high[i-1] lies in (-2R, R).
std::uint64_t multiplySubtractPortable(std::uint32_t* u, const std::uint32_t* v, std::size_t n,
                                       std::uint64_t qhat, std::int64_t* differences) {
  std::uint64_t previousHigh = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint64_t p = qhat * v[i];
    const std::uint64_t high = p / kRadix;
    differences[i] = std::int64_t{u[i]} - static_cast<std::int64_t>(p - high * kRadix) -
                     static_cast<std::int64_t>(previousHigh);
    previousHigh = high;
  }
  return previousHigh + propagateBorrows(u, differences, n);
}

#ifdef TALLYVANE_HAS_AVX512_KERNELS
// The same eight limbs at a time. Each lane first resolves its own difference d + 2R into a
// limb and a borrow out (0, 1 or 2) as if no borrow came in; the borrow from the lane below
// then only changes the lane's result when that limb is smaller than the borrow, which happens
// about twice in 10^9 limbs on random data (but often with zero and nine limbs), and such a
// block is redone lane by lane.
[[gnu::target("avx512f,avx512dq")]] std::uint64_t multiplySubtractAvx512(
    std::uint32_t* u, const std::uint32_t* v, std::size_t n, std::uint64_t qhat,
    std::int64_t* differences) {
  const __m512i factor = _mm512_set1_epi64(static_cast<long long>(qhat));
  const __m512i radix = _mm512_set1_epi64(kRadix);
  const __m512i twoRadix = _mm512_set1_epi64(2 * std::int64_t{kRadix});
  const __m512i two = _mm512_set1_epi64(2);
  __m512i previousHigh = _mm512_setzero_si512();
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < n; i += 8) {
    const std::size_t count = std::min<std::size_t>(8, n - i);
    const auto lanes = static_cast<__mmask8>((1u << count) - 1);
    const __m512i product = _mm512_maskz_mul_epu32(0xFF, loadLimbs(v + i, lanes), factor);
    const __m512i high = quotientByRadix(product);
    const __m512i low = _mm512_sub_epi64(product, _mm512_mullo_epi64(high, radix));
    // Lane k takes the high limb of lane k - 1; lane 0 that of the previous block's lane 7.
    const __m512i belowHigh = _mm512_maskz_alignr_epi64(0xFF, high, previousHigh, 7);
    previousHigh = high;
    const __m512i difference =
        _mm512_sub_epi64(_mm512_sub_epi64(loadLimbs(u + i, lanes), low), belowHigh);

    const __m512i biased = _mm512_add_epi64(difference, twoRadix);  // in (0, 3R)
    const __mmask8 atLeastR = _mm512_cmpge_epi64_mask(biased, radix);
    const __mmask8 atLeastTwoR = _mm512_cmpge_epi64_mask(biased, twoRadix);
    __m512i limb = _mm512_mask_sub_epi64(biased, atLeastR, biased, radix);
    limb = _mm512_mask_sub_epi64(limb, atLeastTwoR, limb, radix);
    __m512i borrowOut = _mm512_mask_sub_epi64(two, atLeastR, two, _mm512_set1_epi64(1));
    borrowOut = _mm512_mask_sub_epi64(borrowOut, atLeastTwoR, borrowOut, _mm512_set1_epi64(1));
    const __m512i borrowIn = _mm512_maskz_alignr_epi64(
        0xFF, borrowOut, _mm512_set1_epi64(static_cast<long long>(borrow)), 7);

    if ((_mm512_cmplt_epi64_mask(limb, borrowIn) & lanes) == 0) {
      _mm512_mask_cvtepi64_storeu_epi32(u + i, lanes, _mm512_sub_epi64(limb, borrowIn));
      alignas(64) std::uint64_t out[8];
      _mm512_store_si512(out, borrowOut);
      borrow = out[count - 1];
    } else {
      _mm512_mask_storeu_epi64(differences + i, lanes, difference);
      for (std::size_t k = i; k < i + count; ++k) {
        const std::uint64_t t =
            static_cast<std::uint64_t>(differences[k] + 2 * std::int64_t{kRadix}) - borrow;
        const std::uint64_t kept =
            static_cast<std::uint64_t>(t >= kRadix) + static_cast<std::uint64_t>(t >= 2 * kRadix);
        u[k] = static_cast<std::uint32_t>(t - kept * kRadix);
        borrow = 2 - kept;
      }
    }
  }
  return qhat * v[n - 1] / kRadix + borrow;
}

MultiplySubtract bestMultiplySubtract() {
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq")) {
    return multiplySubtractAvx512;
  }
  return multiplySubtractPortable;
}
#else
MultiplySubtract bestMultiplySubtract() {
  return multiplySubtractPortable;
}
#endif

Limbs divideBySingleLimb(ConstLimbSpan a, std::uint32_t d, Limbs* remainder) {
  Limbs q(a.size());
  std::uint32_t rem = divideBySmall(q, a, d);
  normalise(q);
  if (remainder) *remainder = Limbs{rem};
  return q;
}

}  // namespace

Limbs knuthDivide(ConstLimbSpan a, ConstLimbSpan b, Limbs* remainder, KnuthDivideTrace* trace,
                  KnuthKernel kernel) {
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
  std::vector<std::int64_t> differences(n);
  static const MultiplySubtract best = bestMultiplySubtract();
  const MultiplySubtract multiplySubtract =
      kernel == KnuthKernel::kBest ? best : multiplySubtractPortable;
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

    // D4: multiply and subtract, u[j .. j+n] -= qhat * v.
    const std::int64_t t =
        std::int64_t{u[j + n]} -
        static_cast<std::int64_t>(multiplySubtract(&u[j], v.data(), n, qhat, differences.data()));

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
