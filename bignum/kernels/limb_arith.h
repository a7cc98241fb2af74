#pragma once

// Linear-time helpers on base-10^9 magnitudes (least significant limb first), shared by the
// multiplication and division kernels. Spans passed as outputs must not overlap inputs unless a
// function says so.

#include <cstddef>
#include <cstdint>
#include <span>

#include "bignum/limbs.h"

namespace bignum::kernels {

using ConstLimbSpan = std::span<const std::uint32_t>;
using LimbSpan = std::span<std::uint32_t>;

/// The span without its most significant zero limbs (possibly empty).
ConstLimbSpan trimmed(ConstLimbSpan a);

/// Drops most significant zero limbs, keeping one limb for zero (the normal form).
void normalise(Limbs& a);

/// -1, 0 or 1 as a < b, a == b, a > b; the operands need not be trimmed.
int compareLimbs(ConstLimbSpan a, ConstLimbSpan b);

/// r += a, where a.size() <= r.size(); returns the carry out of r's top limb (0 or 1).
std::uint32_t addInto(LimbSpan r, ConstLimbSpan a);

/// r -= a, where a.size() <= r.size(); returns the borrow out of r's top limb (0 or 1).
std::uint32_t subtractFrom(LimbSpan r, ConstLimbSpan a);

/// r = a * m + carryIn over a.size() limbs (r may be a itself); returns the carry limb.
std::uint32_t multiplyBySmall(LimbSpan r, ConstLimbSpan a, std::uint32_t m,
                              std::uint32_t carryIn = 0);

/// r = floor(a / d) over a.size() limbs (r may be a itself); returns a mod d. d is non-zero.
std::uint32_t divideBySmall(LimbSpan r, ConstLimbSpan a, std::uint32_t d);

}  // namespace bignum::kernels
