#pragma once

// Multiplication of magnitudes, choosing the method by operand size.

#include <cstddef>

#include "bignum/kernels/limb_arith.h"
#include "bignum/kernels/thresholds.h"

namespace bignum::kernels {

/// Where the methods take over; tests and tuning lower them to reach every method on small
/// operands. Each applies to the shorter operand's size.
struct MultiplyThresholds {
  std::size_t karatsuba = kKaratsubaThreshold;
  std::size_t ntt = kNttThreshold;
};

/// r = a * b. r.size() must be a.size() + b.size(); r is overwritten and must not overlap a or
/// b. The operands need not be trimmed.
void multiplyInto(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b,
                  const MultiplyThresholds& thresholds = {});

/// a * b as a new normalised vector.
Limbs multiplied(ConstLimbSpan a, ConstLimbSpan b, const MultiplyThresholds& thresholds = {});

}  // namespace bignum::kernels
