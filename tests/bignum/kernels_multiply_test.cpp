// multiplyLimbs against GMP: every algorithm (schoolbook, Karatsuba, number-theoretic transform)
// is reached by the sizes below, balanced and unbalanced, on operands that stress carries.

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "bignum/kernels/thresholds.h"
#include "bignum/limbs.h"
#include "kernels_oracle.h"

namespace {

using bignum::Limbs;
using kernels_test::Shape;

struct MultiplyCase {
  std::size_t sizeA;
  std::size_t sizeB;
  Shape shape;
};

void PrintTo(const MultiplyCase& c, std::ostream* os) {
  *os << c.sizeA << " x " << c.sizeB << " limbs, " << kernels_test::shapeName(c.shape);
}

std::vector<MultiplyCase> multiplyCases() {
  // Powers of two and their neighbours (the transform length steps there), the drill's
  // 5,000 digits (556 limbs), and both sides of every cut-over, wherever it is tuned to.
  std::set<std::size_t> sizes = {1,   2,   3,   7,   16,  31,  32,  33,  48,  64,   65,   100,
                                 127, 128, 129, 250, 256, 257, 400, 555, 556, 1000, 1111, 2300};
  for (std::size_t threshold :
       {bignum::kernels::kKaratsubaThreshold, bignum::kernels::kNttThreshold}) {
    for (std::size_t n : {threshold - 1, threshold, threshold + 1}) sizes.insert(n);
  }
  std::vector<MultiplyCase> cases;
  for (std::size_t n : sizes) {
    cases.push_back({n, n, Shape::kUniform});
    cases.push_back({n, n, Shape::kAllNines});
  }
  for (std::size_t n : {40, 300, 1200, 2300}) {
    cases.push_back({n, n, Shape::kSparse});
    cases.push_back({n, n, Shape::kTopHeavy});
  }
  // Unbalanced: a long operand times a short one, both orders.
  for (auto [a, b] : std::vector<std::pair<std::size_t, std::size_t>>{{2300, 1},
                                                                      {1, 2300},
                                                                      {2300, 5},
                                                                      {2300, 40},
                                                                      {40, 2300},
                                                                      {2300, 300},
                                                                      {1000, 129},
                                                                      {129, 1000},
                                                                      {2300, 1150},
                                                                      {700, 699},
                                                                      {5000, 2}}) {
    cases.push_back({a, b, Shape::kUniform});
  }
  return cases;
}

class MultiplyLimbsTest : public testing::TestWithParam<MultiplyCase> {};

TEST_P(MultiplyLimbsTest, MatchesGmp) {
  const MultiplyCase& c = GetParam();
  const std::uint64_t seed = kernels_test::testSeed();
  SCOPED_TRACE("TALLYVANE_TEST_SEED=" + std::to_string(seed));
  std::mt19937_64 rng(seed ^ (c.sizeA * 7919 + c.sizeB));
  for (int round = 0; round < 2; ++round) {
    const Limbs a = kernels_test::randomLimbs(rng, c.sizeA, c.shape);
    const Limbs b = kernels_test::randomLimbs(rng, c.sizeB, c.shape);
    const Limbs product = bignum::multiplyLimbs(a, b);
    const Limbs expected = kernels_test::fromMpz(kernels_test::toMpz(a) * kernels_test::toMpz(b));
    ASSERT_EQ(product, expected) << "round " << round
                                 << "\na = " << kernels_test::toMpz(a).get_str()
                                 << "\nb = " << kernels_test::toMpz(b).get_str();
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, MultiplyLimbsTest, testing::ValuesIn(multiplyCases()),
                         [](const testing::TestParamInfo<MultiplyCase>& param) {
                           return std::to_string(param.param.sizeA) + "x" +
                                  std::to_string(param.param.sizeB) + "_" +
                                  kernels_test::shapeName(param.param.shape);
                         });

TEST(MultiplyLimbs, ZeroAndUnnormalisedOperands) {
  const Limbs zero{0};
  EXPECT_EQ(bignum::multiplyLimbs({}, {}), zero);
  EXPECT_EQ(bignum::multiplyLimbs({}, Limbs{5}), zero);
  EXPECT_EQ(bignum::multiplyLimbs(Limbs{0, 0, 0}, Limbs{7, 8}), zero);
  EXPECT_EQ(bignum::multiplyLimbs(Limbs{7, 8}, Limbs{0}), zero);
  // Top zero limbs are ignored and never appear in the result.
  EXPECT_EQ(bignum::multiplyLimbs(Limbs{2, 0, 0}, Limbs{3, 0}), Limbs{6});
  // (10^9 - 1)^2 = 999999998 000000001.
  EXPECT_EQ(bignum::multiplyLimbs(Limbs{999999999}, Limbs{999999999}), (Limbs{1, 999999998}));
  // 123456789 * 10^9.
  EXPECT_EQ(bignum::multiplyLimbs(Limbs{123456789}, Limbs{0, 1}), (Limbs{0, 123456789}));
}

TEST(MultiplyLimbs, LongOperandsWithZeroLimbsInside) {
  // Zero limbs at the bottom and in the middle of large operands shift, not change, the product.
  const std::uint64_t seed = kernels_test::testSeed();
  SCOPED_TRACE("TALLYVANE_TEST_SEED=" + std::to_string(seed));
  std::mt19937_64 rng(seed);
  for (std::size_t n : {10, 200, 1500}) {
    Limbs a = kernels_test::randomLimbs(rng, n, Shape::kUniform);
    Limbs b = kernels_test::randomLimbs(rng, n, Shape::kUniform);
    for (std::size_t i = 0; i < n / 2; ++i) a[i] = 0;
    for (std::size_t i = n / 3; i < 2 * n / 3; ++i) b[i] = 0;
    const Limbs expected = kernels_test::fromMpz(kernels_test::toMpz(a) * kernels_test::toMpz(b));
    EXPECT_EQ(bignum::multiplyLimbs(a, b), expected) << "n = " << n;
  }
}

}  // namespace
