#pragma once

#include <cstddef>

#include "bignum/kernels/limb_arith.h"

namespace bignum::kernels {

/// Whether nttMultiply can take operands of these sizes (the transform length is bounded by
/// the primes' 2-power roots of unity: the product may have at most 2^23 limbs).
bool nttMultiplyFits(std::size_t sizeA, std::size_t sizeB);

/// r = a * b by cyclic convolution with number-theoretic transforms modulo three primes,
/// recombined exactly by the Chinese remainder theorem. r.size() == a.size() + b.size(); r must
/// not overlap a or b; a and b are non-empty and nttMultiplyFits(a.size(), b.size()).
void nttMultiply(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b);

}  // namespace bignum::kernels
