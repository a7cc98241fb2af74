#pragma once

// Division by a Newton reciprocal: subquadratic, on top of the fast multiplication.

#include "bignum/kernels/divide.h"

namespace bignum::kernels {

/// The approximate reciprocal of v (n = v.size() >= 1 limbs, top limb at least R / 2): X with
/// v X < R^(2n) <= v (X + 2), so R^n <= X < 2 R^n (algorithm 3.5 "ApproximateReciprocal" of
/// Brent and Zimmermann, Modern Computer Arithmetic). Below thresholds.newton limbs it is
/// found by division.
Limbs approximateReciprocal(ConstLimbSpan v, const DivideThresholds& thresholds);

/// floor(a / b) for trimmed a >= b with b.size() >= 2, normalised. Every quotient piece is
/// corrected against an exact remainder, so the result is exact whatever the reciprocal's
/// error; the error only costs extra correction steps.
Limbs newtonDivide(ConstLimbSpan a, ConstLimbSpan b, const DivideThresholds& thresholds,
                   DivideTrace* trace);

}  // namespace bignum::kernels
