#pragma once

// GMP as the independent oracle for the limb kernels, and the random operands they are checked
// on. The seed is fixed unless TALLYVANE_TEST_SEED is set; tests print it when they fail.

#include <gmpxx.h>

#include <cstdint>
#include <random>
#include <string>

#include "bignum/limbs.h"

namespace kernels_test {

/// The value of a base-10^9 magnitude (least significant limb first; may be unnormalised).
mpz_class toMpz(const bignum::Limbs& limbs);

/// The normalised base-10^9 limbs of a non-negative x.
bignum::Limbs fromMpz(const mpz_class& x);

/// The seed of this run: TALLYVANE_TEST_SEED when set, else a fixed value.
std::uint64_t testSeed();

/// Shapes of random operands; the all-nines and sparse shapes stress carries and borrows.
enum class Shape { kUniform, kAllNines, kSparse, kTopHeavy };

std::string shapeName(Shape shape);

/// n limbs of the given shape whose top limb is not zero (n >= 1).
bignum::Limbs randomLimbs(std::mt19937_64& rng, std::size_t n, Shape shape);

}  // namespace kernels_test
