#include "bignum/kernels/ntt_multiply.h"

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
std::vector<U32> twiddleTable(const Montgomery& m, std::size_t n, U64 root) {
  std::vector<U32> table(n);
  if (n < 2) return table;
  const U32 step = m.toMontgomery(root);
  U32 w = m.toMontgomery(1);
  const std::size_t half = n / 2;
  for (std::size_t j = 0; j < half; ++j) {
    table[half + j] = w;
    w = m.mul(w, step);
  }
  for (std::size_t len = half / 2; len >= 1; len /= 2) {
    for (std::size_t j = 0; j < len; ++j) table[len + j] = table[2 * len + 2 * j];
  }
  return table;
}

// Decimation in frequency: natural order in, bit-reversed order out.
void forwardTransform(std::vector<U32>& x, const std::vector<U32>& twiddles, const Montgomery& m) {
  const std::size_t n = x.size();
  for (std::size_t len = n / 2; len >= 1; len /= 2) {
    const U32* w = twiddles.data() + len;
    for (std::size_t start = 0; start < n; start += 2 * len) {
      U32* lo = x.data() + start;
      U32* hi = lo + len;
      for (std::size_t j = 0; j < len; ++j) {
        const U32 u = lo[j], v = hi[j];
        lo[j] = m.add(u, v);
        hi[j] = m.mul(m.sub(u, v), w[j]);
      }
    }
  }
}

// Decimation in time with inverse twiddles: bit-reversed order in, natural order out, scaled
// by the length n.
void inverseTransform(std::vector<U32>& x, const std::vector<U32>& twiddles, const Montgomery& m) {
  const std::size_t n = x.size();
  for (std::size_t len = 1; len < n; len *= 2) {
    const U32* w = twiddles.data() + len;
    for (std::size_t start = 0; start < n; start += 2 * len) {
      U32* lo = x.data() + start;
      U32* hi = lo + len;
      for (std::size_t j = 0; j < len; ++j) {
        const U32 u = lo[j], v = m.mul(hi[j], w[j]);
        lo[j] = m.add(u, v);
        hi[j] = m.sub(u, v);
      }
    }
  }
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
  for (std::size_t i = 0; i < n; ++i) fa[i] = m.mul(fa[i], fb[i]);
  inverseTransform(fa, inverse, m);
  const U32 scale = static_cast<U32>(powMod(2, 64, p) * inverseMod(n % p, p) % p);
  fa.resize(count);
  for (auto& x : fa) x = m.mul(x, scale);
  return fa;
}

constexpr U64 kP0 = kPrimes[0], kP1 = kPrimes[1], kP2 = kPrimes[2];
constexpr U64 kInvP0ModP1 = inverseMod(kP0, kP1);
constexpr U64 kInvP0P1ModP2 = inverseMod(kP0 * kP1 % kP2, kP2);
constexpr U64 kP0P1 = kP0 * kP1;           // below 10^18
constexpr U64 kP0P1Low = kP0P1 % kRadix;   // kP0P1 = kP0P1High * R + kP0P1Low
constexpr U64 kP0P1High = kP0P1 / kRadix;  // below R
static_assert(kP0P1 < U64{kRadix} * kRadix);

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
  U64 carry = 0;
  for (std::size_t k = 0; k < count; ++k) {
    const U64 y0 = residues[0][k];
    const U64 y1 = (residues[1][k] + kP1 - y0 % kP1) % kP1 * kInvP0ModP1 % kP1;
    const U64 low = y0 + kP0 * y1;
    const U64 y2 = (residues[2][k] + kP2 - low % kP2) % kP2 * kInvP0P1ModP2 % kP2;
    const U64 s = low + y2 * kP0P1Low + carry;
    r[k] = static_cast<std::uint32_t>(s % kRadix);
    carry = s / kRadix + y2 * kP0P1High;
  }
  // The product has a.size() + b.size() limbs, so what is left is its top limb.
  r[count] = static_cast<std::uint32_t>(carry);
}

}  // namespace bignum::kernels
