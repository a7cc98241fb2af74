#pragma once

// Algorithm cut-over points, in limbs, measured with bench/kernel_thresholds in the release
// build (bench/README.md lists the numbers behind them). Re-measure after changing a kernel.

#include <cstddef>

namespace bignum::kernels {

/// Multiplication: the shorter operand's size from which Karatsuba beats schoolbook.
inline constexpr std::size_t kKaratsubaThreshold = 512;
/// Multiplication: the shorter operand's size from which the number-theoretic transform beats
/// Karatsuba.
inline constexpr std::size_t kNttThreshold = 1800;
/// Division: the smaller of divisor size and quotient size from which recursive division beats
/// long division.
inline constexpr std::size_t kRecursiveDivideThreshold = 64;
/// Division: the smaller of divisor size and quotient size from which division by a Newton
/// reciprocal beats recursive division.
inline constexpr std::size_t kNewtonDivideThreshold = 16384;

}  // namespace bignum::kernels
