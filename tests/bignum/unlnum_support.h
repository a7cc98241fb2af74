#pragma once

// Helpers for the UnlNum tests: limb layouts that print readably, GMP values of numbers, and
// random decimal texts from a seed that TALLYVANE_TEST_SEED can change.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bignum/unlnum.h"

namespace unlnum_test {

/// Names a parameterised case after its row's `name` field.
struct RowName {
  template <typename Row>
  std::string operator()(const testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};

/// Everything a number exposes: sign and both limb vectors.
struct Layout {
  int sign = 0;
  std::vector<std::uint32_t> intLimbs;   // least significant first
  std::vector<std::uint32_t> fracLimbs;  // most significant first

  friend bool operator==(const Layout&, const Layout&) = default;
};

void PrintTo(const Layout& layout, std::ostream* out);

Layout layoutOf(const UnlNum& x);

/// The number of a valid text; a test failure when the text is refused.
UnlNum parsed(std::string_view text);

/// The signed integer x * 10^(9 * x's fraction limb count), built from the limbs alone.
mpz_class scaledValue(const UnlNum& x);

/// The seed of this run: TALLYVANE_TEST_SEED when set, else a fixed value.
std::uint64_t testSeed();

/// n random digits whose first is not '0' (n >= 1).
std::string randomDigits(std::mt19937_64& rng, std::size_t n);

/// Any n random digits, leading zeros allowed (n >= 0).
std::string anyDigits(std::mt19937_64& rng, std::size_t n);

/// A text short enough for a failure message: the whole text, or its ends and its length.
std::string abbreviated(const std::string& text);

}  // namespace unlnum_test
