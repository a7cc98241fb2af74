#include "drill/random_service.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "drill/drill.h"

namespace drill {

namespace {

// The one generator of the program: the linear congruential generator of the Microsoft C
// run-time library, so that a seed gives that library's sequence (seed 1: 41, 18467, 6334, ...).
constexpr std::uint32_t kMultiplier = 214013;
constexpr std::uint32_t kIncrement = 2531011;

// The widest span randomInRange accepts, so that span + 1 stays within 32 bits signed.
constexpr std::int32_t kMaxSpan = 2147483646;

// Every reseed moves the counter by 100 .. 355, so two reseeds in the same millisecond differ.
constexpr std::uint32_t kCounterStep = 100;

std::uint32_t state = 0;
std::uint32_t counter = 0;
std::function<std::uint32_t()> tickSource;

}  // namespace

std::uint32_t monotonicTickMs() {
  const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

void setTickSource(std::function<std::uint32_t()> tick) {
  tickSource = std::move(tick);
}

std::uint32_t generatorState() {
  return state;
}

std::uint32_t seedCounter() {
  return counter;
}

void setSeedCounter(std::uint32_t value) {
  counter = value;
}

std::int32_t nextDraw() {
  state = state * kMultiplier + kIncrement;
  return static_cast<std::int32_t>((state >> 16) & 0x7FFFu);
}

void seedRandom(std::uint32_t seed) {
  state = seed;
}

void reseedRandom() {
  const std::uint32_t tick = tickSource ? tickSource() : monotonicTickMs();
  const std::uint32_t seed = tick + counter;
  counter += (seed & 0xFFu) + kCounterStep;
  seedRandom(seed);
}

std::int32_t randomInRange(std::int32_t lo, std::int32_t hi) {
  if (lo < 0) lo = 0;
  if (hi < 0) hi = 0;
  if (lo > hi) std::swap(lo, hi);
  if (lo == hi) return lo;
  std::int32_t span = hi - lo;  // both bounds are non-negative: no overflow
  if (span > kMaxSpan) span = kMaxSpan;
  // A draw is never negative; the absolute value is kept from the rule that defines the result.
  return lo + std::abs(nextDraw()) % (span + 1);
}

std::string randomDigitString(std::int32_t count) {
  std::string digits;
  if (count <= 0) return digits;
  digits.reserve(static_cast<std::size_t>(count));
  for (std::int32_t i = 1; i <= count; ++i) {
    const std::int32_t digit = randomInRange(i == 1 ? 1 : 0, 9);
    digits.push_back(static_cast<char>('0' + digit));
  }
  return digits;
}

}  // namespace drill
