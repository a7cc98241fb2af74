#pragma once

#include "bignum/kernels/limb_arith.h"

namespace bignum::kernels {

/// r = a * b by the schoolbook method. r.size() must be a.size() + b.size(); r is overwritten
/// and must not overlap a or b.
void schoolbookMultiply(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b);

}  // namespace bignum::kernels
