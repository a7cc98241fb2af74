#include "bignum/limbs.h"

#include "bignum/kernels/divide.h"
#include "bignum/kernels/multiply.h"

namespace bignum {

Limbs multiplyLimbs(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b) {
  return kernels::multiplied(a, b);
}

Limbs divideLimbs(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b) {
  return kernels::divideWith(a, b);
}

}  // namespace bignum
