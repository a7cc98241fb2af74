#pragma once

#include "bignum/kernels/limb_arith.h"

namespace bignum::kernels {

/// The inner loop's forms: portable C++, or the widening multiply of a vector unit.
enum class RowKernel { kBest, kPortable, kAvx2, kAvx512 };

/// Whether this processor runs the given form (kBest and kPortable always).
bool rowKernelAvailable(RowKernel kernel);

/// r = a * b by the schoolbook method. r.size() must be a.size() + b.size(); r is overwritten
/// and must not overlap a or b. The kernel must be available; tests name one to check each.
void schoolbookMultiply(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b,
                        RowKernel kernel = RowKernel::kBest);

}  // namespace bignum::kernels
