#pragma once

#include <cstddef>

#include "bignum/kernels/limb_arith.h"

namespace bignum::kernels {

/// What one long division did; lets tests prove that they reach the rare steps.
struct KnuthDivideTrace {
  std::size_t quotientSteps = 0;  // passes through D3..D7
  std::size_t addBacks = 0;       // times step D6 ran
};

/// The multiply-and-subtract step's forms: the best for this processor (AVX-512 where it has
/// it), or portable C++; tests name the portable one to check it too.
enum class KnuthKernel { kBest, kPortable };

/// floor(a / b) by Knuth's algorithm D (TAOCP vol. 2, 4.3.1) in base 10^9, normalised. b must
/// have a non-zero limb. When remainder is given it receives a mod b, normalised.
Limbs knuthDivide(ConstLimbSpan a, ConstLimbSpan b, Limbs* remainder = nullptr,
                  KnuthDivideTrace* trace = nullptr, KnuthKernel kernel = KnuthKernel::kBest);

}  // namespace bignum::kernels
