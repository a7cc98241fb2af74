#pragma once

// Division of magnitudes, choosing the method by operand size.

#include <cstddef>

#include "bignum/kernels/limb_arith.h"
#include "bignum/kernels/multiply.h"
#include "bignum/kernels/thresholds.h"

namespace bignum::kernels {

/// Where the methods take over; tests and tuning lower them to reach every method on small
/// operands.
struct DivideThresholds {
  /// Recursive division once both the divisor and the quotient have at least this many limbs;
  /// long division below (and at the recursion's leaves).
  std::size_t recursive = kRecursiveDivideThreshold;
  /// Division by a Newton reciprocal once both have at least this many limbs. The reciprocal's
  /// own base case, below this size, is a division by the methods above.
  std::size_t newton = kNewtonDivideThreshold;
  MultiplyThresholds multiply;
};

/// What a division did; tests use it to show that each method ran and that the reciprocal was
/// accurate (few corrections).
struct DivideTrace {
  std::size_t knuthDivisions = 0;
  std::size_t knuthAddBacks = 0;
  std::size_t recursiveSteps = 0;  // levels of recursive division that split the quotient
  std::size_t newtonDivisions = 0;
  std::size_t barrettSteps = 0;           // quotient pieces computed from the reciprocal
  std::size_t quotientCorrections = 0;    // unit steps that made a piece's quotient exact
  std::size_t longDivisionFallbacks = 0;  // pieces whose estimate was too far off to correct
};

/// floor(a / b), normalised. b must have a non-zero limb (a zero b gives 0). The operands need
/// not be trimmed.
Limbs divideWith(ConstLimbSpan a, ConstLimbSpan b, const DivideThresholds& thresholds = {},
                 DivideTrace* trace = nullptr);

}  // namespace bignum::kernels
