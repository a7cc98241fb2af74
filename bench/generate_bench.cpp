// Times generateProblem for each kind of problem at the largest default digit count, against
// GMP doing the same job (the same random digit strings, parsed and combined) in the same run.
// Every kind should take well under 10 ms.

#include <gmp.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "drill/drill.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 21;
constexpr int kWarmUps = 2;
constexpr double kBudgetMs = 10.0;

/// The median wall time of `job` in milliseconds over kRuns runs after kWarmUps unmeasured ones.
double medianMs(const std::function<void()>& job) {
  for (int i = 0; i < kWarmUps; ++i) job();
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = Clock::now();
    job();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
  return times[kRuns / 2];
}

/// A GMP integer owned for one scope.
class Mpz {
 public:
  Mpz() { mpz_init(value_); }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;
  ~Mpz() { mpz_clear(value_); }
  mpz_ptr get() { return value_; }

 private:
  mpz_t value_;
};

void gmpColumn(int digits, bool mixed) {
  Mpz sum, addend;
  for (int k = 1; k <= 20; ++k) {
    std::string text = drill::randomDigitString(digits);
    if (mixed && k > 2 && drill::randomInRange(1, 9) % 2 == 0) text.insert(0, 1, '-');
    mpz_set_str(addend.get(), text.c_str(), 10);
    mpz_add(sum.get(), sum.get(), addend.get());
  }
}

void gmpOperands(int d1, int d2, bool divide) {
  Mpz a, b, result;
  mpz_set_str(a.get(), drill::randomDigitString(d1).c_str(), 10);
  mpz_set_str(b.get(), drill::randomDigitString(d2).c_str(), 10);
  if (!divide) {
    mpz_mul(result.get(), a.get(), b.get());
    return;
  }
  mpz_tdiv_q(result.get(), a.get(), b.get());
  mpz_mul(a.get(), result.get(), b.get());
  mpz_tdiv_q(result.get(), a.get(), b.get());
}

struct Kind {
  const char* name;
  drill::OperationType type;
  int d1, d2;
  std::function<void()> reference;
};

}  // namespace

int main() {
  const std::array<Kind, 4> kinds{{
      {"Addition", drill::OperationType::Addition, 5000, 5000, [] { gmpColumn(5000, false); }},
      {"MixedAddSub", drill::OperationType::MixedAddSub, 5000, 5000, [] { gmpColumn(5000, true); }},
      {"Multiplication", drill::OperationType::Multiplication, 5000, 5000,
       [] { gmpOperands(5000, 5000, false); }},
      {"Division", drill::OperationType::Division, 5000, 2500,
       [] { gmpOperands(5000, 2500, true); }},
  }};

  drill::seedRandom(1);
  std::printf("generateProblem, median of %d runs (ms); reference: GMP on the same digit strings\n",
              kRuns);
  std::printf("%-15s %-12s %12s %12s %8s %8s\n", "kind", "digits", "generate", "GMP", "ratio",
              "< 10 ms");
  bool allWithinBudget = true;
  for (const Kind& kind : kinds) {
    drill::DrillState state;
    state.digitCount1 = kind.d1;
    state.digitCount2 = kind.d2;
    const double generateMs = medianMs([&] { drill::generateProblem(state, kind.type, [] {}); });
    const double referenceMs = medianMs(kind.reference);
    const bool withinBudget = generateMs < kBudgetMs;
    allWithinBudget = allWithinBudget && withinBudget;
    const std::string digits = std::to_string(kind.d1) + " x " + std::to_string(kind.d2);
    std::printf("%-15s %-12s %12.3f %12.3f %8.1f %8s\n", kind.name,
                kind.type == drill::OperationType::Multiplication ||
                        kind.type == drill::OperationType::Division
                    ? digits.c_str()
                    : "20 x 5000",
                generateMs, referenceMs, generateMs / referenceMs, withinBudget ? "yes" : "NO");
  }
  return allWithinBudget ? 0 : 1;
}
