// The public kernels: pick the algorithm by operand size.

#include "bignum/limbs.h"

#include "bignum/kernels/knuth_divide.h"
#include "bignum/kernels/limb_arith.h"
#include "bignum/kernels/schoolbook_multiply.h"

namespace bignum {

Limbs multiplyLimbs(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b) {
  a = kernels::trimmed(a);
  b = kernels::trimmed(b);
  if (a.empty() || b.empty()) return Limbs{0};
  Limbs r(a.size() + b.size());
  kernels::schoolbookMultiply(r, a, b);
  kernels::normalise(r);
  return r;
}

Limbs divideLimbs(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b) {
  return kernels::knuthDivide(a, b);
}

}  // namespace bignum
