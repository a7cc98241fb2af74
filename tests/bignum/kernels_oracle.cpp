#include "kernels_oracle.h"

#include <cstdio>
#include <cstdlib>

namespace kernels_test {

mpz_class toMpz(const bignum::Limbs& limbs) {
  std::string text;
  text.reserve(limbs.size() * 9 + 1);
  char buf[16];
  for (std::size_t i = limbs.size(); i-- > 0;) {
    std::snprintf(buf, sizeof buf, "%09u", static_cast<unsigned>(limbs[i]));
    text += buf;
  }
  if (text.empty()) text = "0";
  return mpz_class(text, 10);
}

bignum::Limbs fromMpz(const mpz_class& x) {
  const std::string text = x.get_str(10);
  bignum::Limbs limbs;
  for (std::size_t end = text.size(); end > 0;) {
    const std::size_t begin = end >= 9 ? end - 9 : 0;
    limbs.push_back(static_cast<std::uint32_t>(std::stoul(text.substr(begin, end - begin))));
    end = begin;
  }
  return limbs;
}

std::uint64_t testSeed() {
  if (const char* text = std::getenv("TALLYVANE_TEST_SEED")) {
    return std::strtoull(text, nullptr, 10);
  }
  return 20261211;
}

std::string shapeName(Shape shape) {
  switch (shape) {
    case Shape::kUniform:
      return "Uniform";
    case Shape::kAllNines:
      return "AllNines";
    case Shape::kSparse:
      return "Sparse";
    case Shape::kTopHeavy:
      return "TopHeavy";
  }
  return "Unknown";
}

bignum::Limbs randomLimbs(std::mt19937_64& rng, std::size_t n, Shape shape) {
  std::uniform_int_distribution<std::uint32_t> limb(0, bignum::kRadix - 1);
  std::uniform_int_distribution<int> percent(0, 99);
  bignum::Limbs r(n);
  for (auto& x : r) {
    switch (shape) {
      case Shape::kUniform:
        x = limb(rng);
        break;
      case Shape::kAllNines:
        x = bignum::kRadix - 1;
        break;
      case Shape::kSparse:  // mostly zero limbs, a few nines and ones
        x = percent(rng) < 80 ? 0 : (percent(rng) < 50 ? bignum::kRadix - 1 : 1);
        break;
      case Shape::kTopHeavy:  // limbs near the radix: long carry and borrow chains
        x = bignum::kRadix - 1 -
            static_cast<std::uint32_t>(percent(rng) < 90 ? 0 : limb(rng) % 1000);
        break;
    }
  }
  if (r[n - 1] == 0) r[n - 1] = 1 + limb(rng) % (bignum::kRadix - 1);
  return r;
}

}  // namespace kernels_test
