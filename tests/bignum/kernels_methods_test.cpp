// Each multiplication and division method on its own, with the cut-over thresholds lowered so
// that small operands reach it and deep recursion happens on sizes a sanitizer run affords.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bignum/kernels/divide.h"
#include "bignum/kernels/multiply.h"
#include "bignum/kernels/newton_divide.h"
#include "bignum/kernels/schoolbook_multiply.h"
#include "kernels_oracle.h"

namespace {

using bignum::Limbs;
using bignum::kernels::DivideThresholds;
using bignum::kernels::DivideTrace;
using bignum::kernels::MultiplyThresholds;
using kernels_test::fromMpz;
using kernels_test::Shape;
using kernels_test::toMpz;

constexpr std::size_t kNever = ~std::size_t{0};

struct MultiplyMethod {
  const char* name;
  MultiplyThresholds thresholds;
};

const MultiplyMethod kMultiplyMethods[] = {
    {"Schoolbook", {kNever, kNever}},  {"KaratsubaDownTo2", {2, kNever}},
    {"KaratsubaDownTo5", {5, kNever}}, {"Ntt", {kNever, 1}},
    {"NttOverKaratsuba", {3, 12}},
};

class MultiplyMethodTest : public testing::TestWithParam<MultiplyMethod> {};

TEST_P(MultiplyMethodTest, MatchesGmpOnAllSizePairs) {
  const MultiplyThresholds& thresholds = GetParam().thresholds;
  const std::uint64_t seed = kernels_test::testSeed();
  SCOPED_TRACE("TALLYVANE_TEST_SEED=" + std::to_string(seed));
  std::mt19937_64 rng(seed);
  const std::vector<std::size_t> sizes = {1, 2, 3, 4, 5, 7, 8, 9, 13, 16, 17, 31, 64, 100, 301};
  for (Shape shape : {Shape::kUniform, Shape::kAllNines, Shape::kSparse}) {
    for (std::size_t sa : sizes) {
      for (std::size_t sb : sizes) {
        const Limbs a = kernels_test::randomLimbs(rng, sa, shape);
        const Limbs b = kernels_test::randomLimbs(rng, sb, shape);
        const Limbs expected = fromMpz(toMpz(a) * toMpz(b));
        ASSERT_EQ(bignum::kernels::multiplied(a, b, thresholds), expected)
            << sa << " x " << sb << " limbs, " << kernels_test::shapeName(shape)
            << "\na = " << toMpz(a).get_str() << "\nb = " << toMpz(b).get_str();
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Methods, MultiplyMethodTest, testing::ValuesIn(kMultiplyMethods),
                         [](const testing::TestParamInfo<MultiplyMethod>& param) {
                           return std::string(param.param.name);
                         });

TEST(SchoolbookMultiply, EveryRowKernelMatchesGmp) {
  // Sizes around the vector widths (4 and 8 lanes), the 18 rows between carry passes and the
  // stack buffer of 512 columns; all-nines operands fill every column to its bound.
  using bignum::kernels::RowKernel;
  const std::uint64_t seed = kernels_test::testSeed();
  SCOPED_TRACE("TALLYVANE_TEST_SEED=" + std::to_string(seed));
  std::mt19937_64 rng(seed);
  int kernelsRun = 0;
  for (RowKernel kernel : {RowKernel::kPortable, RowKernel::kAvx2, RowKernel::kAvx512}) {
    if (!bignum::kernels::rowKernelAvailable(kernel)) continue;
    ++kernelsRun;
    for (std::size_t sa : {1, 3, 4, 7, 8, 9, 17, 18, 19, 37, 100, 260, 300}) {
      for (std::size_t sb : {1, 2, 17, 18, 19, 36, 37, 255, 300}) {
        for (Shape shape : {Shape::kUniform, Shape::kAllNines}) {
          const Limbs a = kernels_test::randomLimbs(rng, sa, shape);
          const Limbs b = kernels_test::randomLimbs(rng, sb, shape);
          Limbs r(sa + sb);
          bignum::kernels::schoolbookMultiply(r, a, b, kernel);
          bignum::kernels::normalise(r);
          ASSERT_EQ(r, fromMpz(toMpz(a) * toMpz(b)))
              << "kernel " << static_cast<int>(kernel) << ", " << sa << " x " << sb << " limbs";
        }
      }
    }
  }
  EXPECT_GE(kernelsRun, 1);
}

TEST(NttMultiply, LargestCoefficientsAreExact) {
  // All-nines operands make every convolution coefficient as large as it can be for its
  // length, which is where a lost bit in the recombination would show.
  for (std::size_t n : {1000, 5000, 20000}) {
    const Limbs a(n, bignum::kRadix - 1);
    const Limbs expected = fromMpz(toMpz(a) * toMpz(a));
    EXPECT_EQ(bignum::kernels::multiplied(a, a, {kNever, 1}), expected) << n << " limbs";
  }
}

TEST(ApproximateReciprocal, BoundsHold) {
  // v x < R^2n <= v (x + 2) for divisors whose top limb is at least R / 2.
  const std::uint64_t seed = kernels_test::testSeed();
  SCOPED_TRACE("TALLYVANE_TEST_SEED=" + std::to_string(seed));
  std::mt19937_64 rng(seed);
  for (std::size_t base : {2, 3, 8}) {
    DivideThresholds thresholds;
    thresholds.recursive = 3;
    thresholds.newton = base;
    thresholds.multiply = {4, 40};
    for (std::size_t n : {1, 2, 3, 4, 5, 6, 7, 9, 16, 17, 33, 100, 257}) {
      for (Shape shape : {Shape::kUniform, Shape::kAllNines, Shape::kSparse}) {
        Limbs v = kernels_test::randomLimbs(rng, n, shape);
        v.back() = std::max(v.back(), bignum::kRadix / 2 + v.back() % (bignum::kRadix / 2));
        const Limbs x = bignum::kernels::approximateReciprocal(v, thresholds);
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, 18 * n);
        const mpz_class vx = toMpz(v) * toMpz(x);
        EXPECT_LT(vx, power) << "n = " << n << " base " << base << "\nv = " << toMpz(v).get_str();
        EXPECT_GE(vx + 2 * toMpz(v), power)
            << "n = " << n << " base " << base << "\nv = " << toMpz(v).get_str();
      }
    }
  }
}

struct DivideMethod {
  const char* name;
  DivideThresholds thresholds;
};

DivideThresholds divideThresholds(std::size_t recursive, std::size_t newton) {
  DivideThresholds t;
  t.recursive = recursive;
  t.newton = newton;
  t.multiply = {4, 30};
  return t;
}

const DivideMethod kDivideMethods[] = {
    {"LongDivision", divideThresholds(kNever, kNever)},
    {"RecursiveDownTo2", divideThresholds(2, kNever)},
    {"RecursiveDownTo5", divideThresholds(5, kNever)},
    {"NewtonDownTo2", divideThresholds(kNever, 2)},
    {"NewtonDownTo3", divideThresholds(kNever, 3)},
    {"NewtonOverRecursive", divideThresholds(3, 8)},
};

class DivideMethodTest : public testing::TestWithParam<DivideMethod> {};

TEST_P(DivideMethodTest, MatchesGmpWithFewCorrections) {
  const DivideThresholds& thresholds = GetParam().thresholds;
  const std::uint64_t seed = kernels_test::testSeed();
  SCOPED_TRACE("TALLYVANE_TEST_SEED=" + std::to_string(seed));
  std::mt19937_64 rng(seed);
  struct Sizes {
    std::size_t dividend, divisor;
  };
  const std::vector<Sizes> sizes = {{4, 2},    {5, 3},     {8, 4},     {9, 4},     {12, 5},
                                    {20, 10},  {21, 10},   {40, 13},   {64, 32},   {65, 32},
                                    {100, 3},  {100, 50},  {100, 97},  {101, 50},  {300, 17},
                                    {300, 99}, {300, 150}, {300, 290}, {600, 300}, {900, 200}};
  for (const auto& [la, lb] : sizes) {
    for (Shape shape : {Shape::kUniform, Shape::kAllNines, Shape::kTopHeavy}) {
      const mpz_class b = toMpz(kernels_test::randomLimbs(rng, lb, shape));
      const mpz_class a = toMpz(kernels_test::randomLimbs(rng, la, shape));
      const mpz_class exact = a / b * b;
      for (const mpz_class& dividend : {a, exact, mpz_class(exact - 1), mpz_class(exact + b - 1)}) {
        DivideTrace trace;
        const Limbs q =
            bignum::kernels::divideWith(fromMpz(dividend), fromMpz(b), thresholds, &trace);
        ASSERT_EQ(q, fromMpz(dividend / b))
            << la << " / " << lb << " limbs\na = " << dividend.get_str() << "\nb = " << b.get_str();
        const std::size_t shorter = std::min(la - lb + 1, lb);
        if (dividend >= b && lb >= 2 && shorter >= thresholds.newton) {
          EXPECT_GE(trace.newtonDivisions, 1u) << la << " / " << lb;
        } else if (dividend >= b && lb >= 2 &&
                   shorter >= std::max<std::size_t>(thresholds.recursive, 4)) {
          EXPECT_GE(trace.recursiveSteps, 1u) << la << " / " << lb;
        }
        EXPECT_EQ(trace.longDivisionFallbacks, 0u) << la << " / " << lb;
        // A piece's estimate is within a few units of exact: two per recursive step, about
        // five per reciprocal step.
        EXPECT_LE(trace.quotientCorrections,
                  4 * trace.recursiveSteps + 6 * (trace.barrettSteps + trace.newtonDivisions))
            << la << " / " << lb << " limbs";
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Methods, DivideMethodTest, testing::ValuesIn(kDivideMethods),
                         [](const testing::TestParamInfo<DivideMethod>& param) {
                           return std::string(param.param.name);
                         });

}  // namespace
