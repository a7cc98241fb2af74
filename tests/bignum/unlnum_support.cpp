#include "unlnum_support.h"
#include "unlnum_reference.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace unlnum_test {

void PrintTo(const Layout& layout, std::ostream* out) {
  auto printLimbs = [out](const std::vector<std::uint32_t>& limbs) {
    *out << '{';
    for (std::size_t i = 0; i < limbs.size(); ++i) {
      *out << (i == 0 ? "" : ", ") << limbs[i];
    }
    *out << '}';
  };
  *out << "sign " << layout.sign << ", int ";
  printLimbs(layout.intLimbs);
  *out << ", frac ";
  printLimbs(layout.fracLimbs);
}

Layout layoutOf(const UnlNum& x) {
  return {x.sign(), x.intLimbs(), x.fracLimbs()};
}

UnlNum parsed(std::string_view text) {
  UnlNum x;
  EXPECT_TRUE(UnlNum::fromText(x, text)) << "refused: " << text;
  return x;
}

mpz_class scaledValue(const UnlNum& x) {
  const mpz_class value(unlnum_reference::scaledDigitText(x), 10);
  return x.sign() == 1 ? mpz_class(-value) : value;
}

std::uint64_t testSeed() {
  if (const char* text = std::getenv("TALLYVANE_TEST_SEED")) {
    return std::strtoull(text, nullptr, 10);
  }
  return 20261211;
}

std::string anyDigits(std::mt19937_64& rng, std::size_t n) {
  std::uniform_int_distribution<int> digit(0, 9);
  std::string text(n, '0');
  for (char& c : text) {
    c = static_cast<char>('0' + digit(rng));
  }
  return text;
}

std::string randomDigits(std::mt19937_64& rng, std::size_t n) {
  std::string text = anyDigits(rng, n);
  text[0] = static_cast<char>('1' + std::uniform_int_distribution<int>(0, 8)(rng));
  return text;
}

std::string abbreviated(const std::string& text) {
  if (text.size() <= 80) {
    return text;
  }
  return text.substr(0, 30) + "..." + text.substr(text.size() - 30) + " (" +
         std::to_string(text.size()) + " chars)";
}

}  // namespace unlnum_test
