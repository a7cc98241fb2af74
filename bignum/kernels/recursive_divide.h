#pragma once

// Recursive division (Burnikel and Ziegler; algorithm 1.8 "RecursiveDivRem" of Brent and
// Zimmermann, Modern Computer Arithmetic): two half-size divisions and two half-size products
// per level, with long division at the leaves.

#include "bignum/kernels/divide.h"

namespace bignum::kernels {

/// floor(a / b) for trimmed a >= b with b.size() >= 2, normalised.
Limbs recursiveDivide(ConstLimbSpan a, ConstLimbSpan b, const DivideThresholds& thresholds,
                      DivideTrace* trace);

}  // namespace bignum::kernels
