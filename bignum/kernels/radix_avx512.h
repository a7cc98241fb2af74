#pragma once

// AVX-512 helpers for base-10^9 arithmetic, for functions compiled with
// [[gnu::target("avx512f,avx512dq")]] and called only where the processor has both.

#if defined(__x86_64__) && defined(__GNUC__)
#define TALLYVANE_HAS_AVX512_KERNELS 1

#include <immintrin.h>

#include "bignum/limbs.h"

namespace bignum::kernels {

/// floor(x / R) for each 64-bit lane: a double estimate is within one of it (x < 2^64, so the
/// rounding errors stay far below one unit of the quotient), and one step each way makes it
/// exact.
[[gnu::target("avx512f,avx512dq"), gnu::always_inline]] inline __m512i quotientByRadix(__m512i x) {
  const __m512i radix = _mm512_set1_epi64(kRadix);
  const __m512i one = _mm512_set1_epi64(1);
  __m512i q =
      _mm512_cvttpd_epu64(_mm512_mul_pd(_mm512_cvtepu64_pd(x), _mm512_set1_pd(1.0 / kRadix)));
  const __m512i r = _mm512_sub_epi64(x, _mm512_mullo_epi64(q, radix));
  q = _mm512_mask_sub_epi64(q, _mm512_cmplt_epi64_mask(r, _mm512_setzero_si512()), q, one);
  q = _mm512_mask_add_epi64(q, _mm512_cmpge_epi64_mask(r, radix), q, one);
  return q;
}

/// Up to eight 32-bit limbs from p, widened to 64-bit lanes; lanes outside `lanes` are zero and
/// their memory is not read.
[[gnu::target("avx512f,avx512dq"), gnu::always_inline]] inline __m512i loadLimbs(
    const std::uint32_t* p, __mmask8 lanes) {
  // Limb k goes to the low half of lane k and zeros to the high halves (0x5555 keeps the even
  // 32-bit positions); the zero-masked forms avoid GCC 12's false uninitialised warnings.
  const __m512i loaded = _mm512_maskz_loadu_epi32(static_cast<__mmask16>(lanes), p);
  const __m512i spread = _mm512_set_epi32(0, 7, 0, 6, 0, 5, 0, 4, 0, 3, 0, 2, 0, 1, 0, 0);
  return _mm512_maskz_permutexvar_epi32(0x5555, spread, loaded);
}

}  // namespace bignum::kernels

#endif
