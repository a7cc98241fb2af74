// Times each multiplication and division method of the limb kernels on the same operands, to
// place the cut-over thresholds in bignum/kernels/thresholds.h. Prints the median time of each
// method per size; a threshold belongs where the next method starts to win.
//
// Usage: kernel_thresholds

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <vector>

#include "bench/thread_clock.h"
#include "bignum/kernels/divide.h"
#include "bignum/kernels/multiply.h"

namespace {

using bignum::Limbs;
using bignum::kernels::DivideThresholds;
using bignum::kernels::MultiplyThresholds;
using Clock = bench::ThreadClock;

constexpr std::size_t kNever = ~std::size_t{0};

Limbs randomLimbs(std::mt19937_64& rng, std::size_t n) {
  std::uniform_int_distribution<std::uint32_t> limb(0, bignum::kRadix - 1);
  Limbs r(n);
  for (auto& x : r) x = limb(rng);
  r.back() = std::max<std::uint32_t>(r.back(), 1);
  return r;
}

// Median microseconds of one call of f, over samples of enough calls to dwarf the clock's own
// cost, until about 30 ms are spent.
double medianMicroseconds(const std::function<void()>& f) {
  int callsPerSample = 1;
  for (;;) {
    const auto start = Clock::now();
    for (int i = 0; i < callsPerSample; ++i) f();
    if (Clock::now() - start > std::chrono::microseconds(50) || callsPerSample >= 4096) break;
    callsPerSample *= 2;
  }
  std::vector<double> times;
  const auto budgetStart = Clock::now();
  while (times.size() < 5 ||
         (times.size() < 2001 && Clock::now() - budgetStart < std::chrono::milliseconds(30))) {
    const auto start = Clock::now();
    for (int i = 0; i < callsPerSample; ++i) f();
    times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                    callsPerSample);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

volatile std::uint32_t sink;

void multiplyTable(std::mt19937_64& rng) {
  std::printf(
      "multiply n x n limbs (us): schoolbook, Karatsuba over schoolbook (current "
      "threshold), NTT\n%8s %12s %12s %12s\n",
      "n", "schoolbook", "karatsuba", "ntt");
  for (std::size_t n : {8,   16,  24,  32,  40,   48,   64,   96,   128,  192,
                        256, 384, 512, 768, 1024, 1536, 2048, 3072, 4096, 6144}) {
    const Limbs a = randomLimbs(rng, n), b = randomLimbs(rng, n);
    const auto time = [&](MultiplyThresholds t) {
      return medianMicroseconds([&] { sink = bignum::kernels::multiplied(a, b, t)[0]; });
    };
    const double school = n <= 1024 ? time({kNever, kNever}) : 0.0;
    const double kara = time({bignum::kernels::kKaratsubaThreshold, kNever});
    const double ntt = time({kNever, 1});
    std::printf("%8zu %12.2f %12.2f %12.2f\n", n, school, kara, ntt);
  }
}

void karatsubaLeafTable(std::mt19937_64& rng) {
  std::printf("\nmultiply 1024 x 1024 limbs by Karatsuba (us) with schoolbook leaves below t\n");
  const Limbs a = randomLimbs(rng, 1024), b = randomLimbs(rng, 1024);
  for (std::size_t t : {8, 16, 24, 32, 40, 48, 64, 96, 128}) {
    std::printf("t = %4zu: %10.2f\n", t, medianMicroseconds([&] {
                  sink = bignum::kernels::multiplied(a, b, {t, kNever})[0];
                }));
  }
}

void divideTable(std::mt19937_64& rng) {
  const std::size_t leaves[] = {16, 32, 64};
  std::printf(
      "\ndivide 2n by n limbs (us): long division; recursive division with long division "
      "below t limbs; Newton reciprocal over the current recursive threshold\n%8s %12s",
      "n", "knuth");
  for (std::size_t t : leaves) std::printf("  recursive t=%-3zu", t);
  std::printf(" %12s\n", "newton");
  for (std::size_t n : {16,  24,  32,   48,   64,   96,   128,  192,  256,  384,
                        512, 768, 1024, 1536, 2048, 3072, 4096, 6144, 8192, 12288}) {
    const Limbs a = randomLimbs(rng, 2 * n), b = randomLimbs(rng, n);
    const auto time = [&](std::size_t recursive, std::size_t newton) {
      DivideThresholds t;
      t.recursive = recursive;
      t.newton = newton;
      return medianMicroseconds([&] { sink = bignum::kernels::divideWith(a, b, t)[0]; });
    };
    std::printf("%8zu %12.2f", n, n <= 2048 ? time(kNever, kNever) : 0.0);
    for (std::size_t t : leaves) std::printf(" %16.2f", n >= t ? time(t, kNever) : 0.0);
    std::printf(" %12.2f\n", time(bignum::kernels::kRecursiveDivideThreshold, n));
  }
}

}  // namespace

int main() {
  std::mt19937_64 rng(2026);
  multiplyTable(rng);
  karatsubaLeafTable(rng);
  divideTable(rng);
  return 0;
}
