#include "bignum/kernels/ntt_multiply.h"

#include <algorithm>
#include <array>
#include <vector>

// Exactness. The convolution coefficient c_k = sum a_i b_(k-i) is at most
// min(|a|, |b|) * (10^9 - 1)^2. The transform length is at most 2^23, so min(|a|, |b|) < 2^22
// and c_k < 2^22 * 10^18 < 4.2 * 10^24. The product of the three primes is about 3.5 * 10^26,
// so c_k is the unique value below it with the three residues, and Garner's recombination
// gives it exactly.

namespace bignum::kernels {

namespace {

using U32 = std::uint32_t;
using U64 = std::uint64_t;

constexpr U32 kPrimes[3] = {998244353, 754974721, 469762049};  // c * 2^k + 1
constexpr U32 kPrimitiveRoots[3] = {3, 11, 3};
constexpr std::size_t kMaxTransformLength = std::size_t{1} << 23;  // 2^23 divides each p - 1

constexpr U64 powMod(U64 base, U64 exponent, U64 p) {
  U64 result = 1;
  base %= p;
  while (exponent > 0) {
    if (exponent & 1) result = result * base % p;
    base = base * base % p;
    exponent >>= 1;
  }
  return result;
}

constexpr U64 inverseMod(U64 x, U64 p) {
  return powMod(x, p - 2, p);
}

// Montgomery arithmetic modulo an odd p < 2^30 with the radix 2^32. Values are kept in
// [0, p); mul(x, y) gives x * y * 2^-32 mod p.
class Montgomery {
 public:
  explicit constexpr Montgomery(U32 p) : p_(p), negInverse_(negatedInverse(p)) {}

  constexpr U32 p() const { return p_; }
  constexpr U32 add(U32 x, U32 y) const {
    const U32 s = x + y;
    return s >= p_ ? s - p_ : s;
  }
  constexpr U32 sub(U32 x, U32 y) const { return x >= y ? x - y : x + p_ - y; }
  constexpr U32 mul(U32 x, U32 y) const {
    const U64 t = U64{x} * y;                                 // < p^2
    const U32 m = static_cast<U32>(t) * negInverse_;          // t + m p = 0 mod 2^32
    const U32 u = static_cast<U32>((t + U64{m} * p_) >> 32);  // < 2p, as t + m p < 2^32 * 2p
    return u >= p_ ? u - p_ : u;
  }
  /// x in Montgomery form: x * 2^32 mod p.
  constexpr U32 toMontgomery(U64 x) const {
    return static_cast<U32>((x % p_) * ((U64{1} << 32) % p_) % p_);
  }

 private:
  static constexpr U32 negatedInverse(U32 p) {
    U32 inverse = p;  // correct to 3 bits, as p * p = 1 mod 8; each step doubles the bits
    for (int i = 0; i < 4; ++i) inverse *= 2u - p * inverse;
    return 0u - inverse;
  }

  U32 p_;
  U32 negInverse_;
};

// Twiddles for the length-n transforms: entry len + j (len = 1, 2, 4 .. n/2; j < len) holds
// w^j for a primitive (2 len)-th root of unity w, in Montgomery form.
// The butterfly loops vectorise; the clones let them use the widest vector unit of the running
// processor.
#define TALLYVANE_VECTOR_CLONES [[gnu::target_clones("avx512f", "avx2", "default")]]

TALLYVANE_VECTOR_CLONES std::vector<U32> twiddleTable(const Montgomery& m, std::size_t n,
                                                      U64 root) {
  std::vector<U32> table(n);
  if (n < 2) return table;
  const std::size_t half = n / 2;
  U32* top = table.data() + half;
  // The first powers one after another; then w^j = w^(j - kLanes) w^kLanes, a recurrence at a
  // distance that the vector loop can take in one step.
  constexpr std::size_t kLanes = 16;
  const U32 step = m.toMontgomery(root);
  U32 w = m.toMontgomery(1);
  for (std::size_t j = 0; j < std::min(half, kLanes); ++j) {
    top[j] = w;
    w = m.mul(w, step);
  }
  for (std::size_t j = kLanes; j < half; ++j) top[j] = m.mul(top[j - kLanes], w);
  for (std::size_t len = half / 2; len >= 1; len /= 2) {
    for (std::size_t j = 0; j < len; ++j) table[len + j] = table[2 * len + 2 * j];
  }
  return table;
}

// The butterflies of one block: lo[j] and hi[j] for j < len, with the twiddles w[j]. Forward
// (decimation in frequency) twiddles after the difference, inverse before the sum.
template <bool inverse>
[[gnu::always_inline]] inline void butterflies(U32* lo, U32* hi, const U32* w, std::size_t len,
                                               const Montgomery& m) {
  for (std::size_t j = 0; j < len; ++j) {
    if constexpr (inverse) {
      const U32 u = lo[j], v = m.mul(hi[j], w[j]);
      lo[j] = m.add(u, v);
      hi[j] = m.sub(u, v);
    } else {
      const U32 u = lo[j], v = hi[j];
      lo[j] = m.add(u, v);
      hi[j] = m.mul(m.sub(u, v), w[j]);
    }
  }
}

// One stage of butterflies at a small, fixed distance `len`: the block loop runs outermost
// with the butterflies of a block unrolled, which lets the compiler vectorise across blocks
// where the general loop below would run a few iterations at a time.
template <std::size_t len, bool inverse>
[[gnu::always_inline]] inline void smallStage(U32* x, std::size_t n, const U32* w,
                                              const Montgomery& m) {
  for (std::size_t start = 0; start < n; start += 2 * len) {
    U32* lo = x + start;
    U32* hi = lo + len;
    butterflies<inverse>(lo, hi, w, len, m);
  }
}

// Inlined into the transforms so that it is compiled for each of their vector clones.
template <bool inverse>
[[gnu::always_inline]] inline void stage(std::vector<U32>& x, std::size_t len,
                                         const std::vector<U32>& twiddles, const Montgomery& m) {
  const std::size_t n = x.size();
  const U32* w = twiddles.data() + len;
  switch (len) {
    case 1:
      return smallStage<1, inverse>(x.data(), n, w, m);
    case 2:
      return smallStage<2, inverse>(x.data(), n, w, m);
    case 4:
      return smallStage<4, inverse>(x.data(), n, w, m);
    case 8:
      return smallStage<8, inverse>(x.data(), n, w, m);
    default:
      break;
  }
  for (std::size_t start = 0; start < n; start += 2 * len) {
    U32* lo = x.data() + start;
    U32* hi = lo + len;
    butterflies<inverse>(lo, hi, w, len, m);
  }
}

// Decimation in frequency: natural order in, bit-reversed order out.
TALLYVANE_VECTOR_CLONES void forwardTransform(std::vector<U32>& x, const std::vector<U32>& twiddles,
                                              const Montgomery& m) {
  for (std::size_t len = x.size() / 2; len >= 1; len /= 2) stage<false>(x, len, twiddles, m);
}

// Decimation in time with inverse twiddles: bit-reversed order in, natural order out, scaled
// by the length n.
TALLYVANE_VECTOR_CLONES void inverseTransform(std::vector<U32>& x, const std::vector<U32>& twiddles,
                                              const Montgomery& m) {
  for (std::size_t len = 1; len < x.size(); len *= 2) stage<true>(x, len, twiddles, m);
}

TALLYVANE_VECTOR_CLONES void multiplyPointwise(std::vector<U32>& x, const std::vector<U32>& y,
                                               const Montgomery& m) {
  for (std::size_t i = 0; i < x.size(); ++i) x[i] = m.mul(x[i], y[i]);
}

TALLYVANE_VECTOR_CLONES void scaleAll(std::vector<U32>& x, U32 scale, const Montgomery& m) {
  for (auto& v : x) v = m.mul(v, scale);
}

void load(std::vector<U32>& x, ConstLimbSpan a, U32 p) {
  std::size_t i = 0;
  for (; i < a.size(); ++i) {
    U32 limb = a[i];  // below 10^9 < 3p
    if (limb >= p) limb -= p;
    if (limb >= p) limb -= p;
    x[i] = limb;
  }
  for (; i < x.size(); ++i) x[i] = 0;
}

// The cyclic convolution of a and b modulo prime number `index`, its first `count` terms.
std::vector<U32> convolutionModPrime(std::size_t index, ConstLimbSpan a, ConstLimbSpan b,
                                     std::size_t n, std::size_t count) {
  const U32 p = kPrimes[index];
  const Montgomery m(p);
  const U64 root = powMod(kPrimitiveRoots[index], (p - 1) / n, p);
  const std::vector<U32> forward = twiddleTable(m, n, root);
  const std::vector<U32> inverse = twiddleTable(m, n, inverseMod(root, p));

  std::vector<U32> fa(n), fb(n);
  load(fa, a, p);
  load(fb, b, p);
  forwardTransform(fa, forward, m);
  forwardTransform(fb, forward, m);
  // The pointwise products carry a factor 2^-32; the final scale 2^64 / n removes it and the
  // factor n of the inverse transform.
  multiplyPointwise(fa, fb, m);
  inverseTransform(fa, inverse, m);
  const U32 scale = static_cast<U32>(powMod(2, 64, p) * inverseMod(n % p, p) % p);
  fa.resize(count);
  scaleAll(fa, scale, m);
  return fa;
}

constexpr U64 kP0 = kPrimes[0], kP1 = kPrimes[1], kP2 = kPrimes[2];
constexpr U64 kInvP0ModP1 = inverseMod(kP0, kP1);
constexpr U64 kInvP0P1ModP2 = inverseMod(kP0 * kP1 % kP2, kP2);
constexpr U64 kP0P1 = kP0 * kP1;           // below 10^18
constexpr U64 kP0P1Low = kP0P1 % kRadix;   // kP0P1 = kP0P1High * R + kP0P1Low
constexpr U64 kP0P1High = kP0P1 / kRadix;  // below R
static_assert(kP0P1 < U64{kRadix} * kRadix);

// Replaces the residues modulo p1 and p2 by Garner's mixed-radix digits y1 and y2:
// y1 = (r1 - y0) / p0 mod p1 and y2 = (r2 - y0 - p0 y1) / (p0 p1) mod p2, with y0 = r0.
TALLYVANE_VECTOR_CLONES void garnerDigits(const std::vector<U32>& r0, std::vector<U32>& r1,
                                          std::vector<U32>& r2) {
  constexpr Montgomery m1(kPrimes[1]), m2(kPrimes[2]);
  // Constants in Montgomery form, so that mul(x, c) is x times the plain constant.
  constexpr U32 invP0ModP1 = m1.toMontgomery(kInvP0ModP1);
  constexpr U32 invP0P1ModP2 = m2.toMontgomery(kInvP0P1ModP2);
  constexpr U32 p0ModP2 = m2.toMontgomery(kP0 % kP2);
  for (std::size_t k = 0; k < r1.size(); ++k) {
    const U32 y0 = r0[k];
    const U32 y0ModP1 = y0 >= kPrimes[1] ? y0 - kPrimes[1] : y0;  // y0 < p0 < 2 p1
    const U32 y1 = m1.mul(m1.sub(r1[k], y0ModP1), invP0ModP1);
    U32 y0ModP2 = y0 >= kPrimes[2] ? y0 - kPrimes[2] : y0;  // y0 < p0 < 3 p2
    y0ModP2 = y0ModP2 >= kPrimes[2] ? y0ModP2 - kPrimes[2] : y0ModP2;
    // y1 < 2^30, so y1 * p0ModP2 < 2^32 p2 keeps mul's result reduced.
    const U32 lowModP2 = m2.add(y0ModP2, m2.mul(y1, p0ModP2));
    r1[k] = y1;
    r2[k] = m2.mul(m2.sub(r2[k], lowModP2), invP0P1ModP2);
  }
}

}  // namespace

bool nttMultiplyFits(std::size_t sizeA, std::size_t sizeB) {
  return sizeA + sizeB <= kMaxTransformLength;
}

void nttMultiply(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b) {
  const std::size_t count = a.size() + b.size() - 1;  // convolution terms
  std::size_t n = 1;
  while (n < count) n *= 2;
  std::array<std::vector<U32>, 3> residues;
  for (std::size_t index = 0; index < 3; ++index) {
    residues[index] = convolutionModPrime(index, a, b, n, count);
  }

  // Garner: c = y0 + p0 y1 + p0 p1 y2 with y_i < p_i, written into base-10^9 limbs while the
  // carry runs upward. Bounds: low < p0 p1 < 7.6e17; y2 * kP0P1Low < 4.7e17; the carry stays
  // below 3.6e17, so s < 1.6e18 fits 64 bits.
  garnerDigits(residues[0], residues[1], residues[2]);
  U64 carry = 0;
  for (std::size_t k = 0; k < count; ++k) {
    const U64 y1 = residues[1][k], y2 = residues[2][k];
    const U64 s = residues[0][k] + kP0 * y1 + y2 * kP0P1Low + carry;
    r[k] = static_cast<std::uint32_t>(s % kRadix);
    carry = s / kRadix + y2 * kP0P1High;
  }
  // The product has a.size() + b.size() limbs, so what is left is its top limb.
  r[count] = static_cast<std::uint32_t>(carry);
}

}  // namespace bignum::kernels
