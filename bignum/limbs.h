#pragma once

// Kernels on raw magnitudes in base 10^9. A magnitude is a span of limbs, least significant
// first, each in 0 .. kRadix - 1. "Normalised" means no most significant zero limb, except that
// zero is the single limb 0. The kernels never throw except std::bad_alloc, which the UnlNum
// entry operations catch.

#include <cstdint>
#include <span>
#include <vector>

namespace bignum {

inline constexpr std::uint32_t kRadix = 1000000000;  // 10^9
inline constexpr int kRadixDigits = 9;

using Limbs = std::vector<std::uint32_t>;

/// a * b, normalised. The operands need not be normalised; either may be empty (= 0).
Limbs multiplyLimbs(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b);

/// floor(a / b), normalised. b must be non-zero (after dropping its top zero limbs).
Limbs divideLimbs(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b);

}  // namespace bignum
