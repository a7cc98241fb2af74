// UnlNum against GMP on random operands. The seed is fixed unless TALLYVANE_TEST_SEED is set;
// every failure names the seed, the case and the operands.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "unlnum_reference.h"
#include "unlnum_support.h"

namespace {

using unlnum_test::abbreviated;
using unlnum_test::Layout;
using unlnum_test::layoutOf;
using unlnum_test::parsed;
using unlnum_test::scaledValue;

mpz_class powerOfTen(std::int64_t exponent) {
  mpz_class result;
  mpz_ui_pow_ui(result.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
  return result;
}

std::int64_t digitCount(const mpz_class& magnitude) {
  return static_cast<std::int64_t>(magnitude == 0 ? 1 : magnitude.get_str().size());
}

// The decimal text of value * 10^(-scale) as UnlNum renders it: no trailing fraction zeros.
std::string scaledText(const mpz_class& value, std::int64_t scale) {
  std::string digits = mpz_class(abs(value)).get_str();
  if (scale > 0) {
    const auto s = static_cast<std::size_t>(scale);
    if (digits.size() <= s) {
      digits.insert(0, s + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - s, ".");
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.back() == '.') {
      digits.pop_back();
    }
  }
  return (value < 0 ? "-" : "") + digits;
}

// Digit counts for one operand: mostly short, some across many limbs, a few very long.
std::size_t randomLength(std::mt19937_64& rng, std::size_t longest) {
  const auto bucket = rng() % 20;
  std::size_t upper = bucket < 12 ? 30 : bucket < 18 ? 700 : bucket < 19 ? 4000 : longest;
  return std::uniform_int_distribution<std::size_t>(1, upper)(rng);
}

// A signed integer text with `digits` digits (the sign is dropped from "0").
std::string randomInteger(std::mt19937_64& rng, std::size_t digits) {
  std::string text = unlnum_test::randomDigits(rng, digits);
  if (digits == 1 && rng() % 8 == 0) {
    text = "0";
  }
  return (rng() % 2 == 0 && text != "0" ? "-" : "") + text;
}

// A signed text with a fraction part; sometimes an integer part of 0, sometimes trailing zeros.
std::string randomFraction(std::mt19937_64& rng) {
  std::string text = rng() % 2 == 0 ? "-" : "";
  text += rng() % 3 == 0 ? std::string("0") : unlnum_test::randomDigits(rng, 1 + rng() % 40);
  text += "." + unlnum_test::anyDigits(rng, 1 + rng() % 40);
  if (rng() % 4 == 0) {
    text += std::string(1 + rng() % 20, '0');
  }
  return text;
}

std::string caseTrace(std::uint64_t seed, int index, const std::string& a, const std::string& b) {
  return "seed " + std::to_string(seed) + " (TALLYVANE_TEST_SEED), case " + std::to_string(index) +
         ": a = " + abbreviated(a) + ", b = " + abbreviated(b);
}

// Exactly one integer limb of value 1 and nothing but zero fraction limbs: 1 or -1.
bool isOne(const UnlNum& x) {
  return x.intLimbs() == std::vector<std::uint32_t>{1} &&
         std::all_of(x.fracLimbs().begin(), x.fracLimbs().end(),
                     [](std::uint32_t limb) { return limb == 0; });
}

Layout withSign(const UnlNum& x, int sign) {
  return {sign, x.intLimbs(), x.fracLimbs()};
}

class UnlNumVersusGmp : public testing::Test {
 protected:
  const std::uint64_t seed_ = unlnum_test::testSeed();
  std::mt19937_64 rng_{seed_};
};

TEST_F(UnlNumVersusGmp, IntegerSumsAndProducts) {
  for (int i = 0; i < 400; ++i) {
    // The first cases are the longest operands the tests use.
    const std::string aText = randomInteger(rng_, i < 3 ? 20000 : randomLength(rng_, 20000));
    const std::string bText = randomInteger(rng_, i < 2 ? 20000 : randomLength(rng_, 20000));
    SCOPED_TRACE(caseTrace(seed_, i, aText, bText));
    const mpz_class a(aText), b(bText);
    const std::optional<UnlNum> sum = UnlNum::add(parsed(aText), parsed(bText));
    const std::optional<UnlNum> product = UnlNum::multiply(parsed(aText), parsed(bText));
    ASSERT_TRUE(sum && product);
    EXPECT_EQ(UnlNum::toText(*sum), mpz_class(a + b).get_str());
    EXPECT_EQ(UnlNum::toText(*product), mpz_class(a * b).get_str());
    EXPECT_TRUE(sum->fracLimbs().empty() && product->fracLimbs().empty());
  }
}

TEST_F(UnlNumVersusGmp, IntegerQuotientsFollowTheScaleRule) {
  for (int i = 0; i < 400; ++i) {
    const std::string aText = randomInteger(rng_, i < 3 ? 20000 : randomLength(rng_, 20000));
    const std::string bText =
        randomInteger(rng_, i < 3 ? 9000 + 500 * i : randomLength(rng_, 12000));
    const std::int32_t places = rng_() % 2 == 0 ? 0 : static_cast<std::int32_t>(rng_() % 40);
    SCOPED_TRACE(caseTrace(seed_, i, aText, bText) + ", places " + std::to_string(places));
    const mpz_class a(aText), b(bText);
    const std::optional<UnlNum> quotient = UnlNum::divide(parsed(aText), parsed(bText), places);
    ASSERT_TRUE(quotient);
    if (a == 0 || b == 0) {
      EXPECT_EQ(layoutOf(*quotient), (Layout{0, {0}, {}}));
      continue;
    }
    // Integers: at least `places` decimals, more while the divisor is longer than the dividend.
    const std::int64_t s =
        places + std::max<std::int64_t>(0, digitCount(abs(b)) - digitCount(abs(a)) - places);
    mpz_class q;
    mpz_tdiv_q(q.get_mpz_t(), mpz_class(abs(a) * powerOfTen(s)).get_mpz_t(),
               mpz_class(abs(b)).get_mpz_t());
    const bool negative = (a < 0) != (b < 0);
    const std::string expected =
        q == 0 ? (negative ? "-0" : "0") : scaledText(negative ? mpz_class(-q) : q, s);
    EXPECT_EQ(UnlNum::toText(*quotient), expected) << "scale " << s;
    if (q == 0) {
      EXPECT_TRUE(quotient->fracLimbs().empty());
    } else if (abs(b) != 1 && a != b) {
      EXPECT_EQ(quotient->fracLimbs().size(), static_cast<std::size_t>((s + 8) / 9));
    }
  }
}

TEST_F(UnlNumVersusGmp, ExactMultiplesDivideBackExactly) {
  for (int i = 0; i < 120; ++i) {
    const std::string bText = randomInteger(rng_, randomLength(rng_, 10000));
    const std::string qText = randomInteger(rng_, randomLength(rng_, 10000));
    if (bText == "0") {
      continue;
    }
    const std::string aText = mpz_class(mpz_class(bText) * mpz_class(qText)).get_str();
    SCOPED_TRACE(caseTrace(seed_, i, aText, bText));
    const std::optional<UnlNum> quotient = UnlNum::divide(parsed(aText), parsed(bText), 0);
    ASSERT_TRUE(quotient);
    EXPECT_EQ(UnlNum::toText(*quotient), qText == "0" ? "0" : qText);
  }
}

// The drill's own round: q = A / B, A' = q * B, answer = A' / B must give q back.
TEST_F(UnlNumVersusGmp, DivisionProblemRoundTrip) {
  for (int i = 0; i < 40; ++i) {
    const std::size_t n = randomLength(rng_, 5000) + 1;
    const std::string aText = unlnum_test::randomDigits(rng_, n);
    const std::string bText = unlnum_test::randomDigits(rng_, std::max<std::size_t>(1, n / 2));
    SCOPED_TRACE(caseTrace(seed_, i, aText, bText));
    const UnlNum b = parsed(bText);
    const std::optional<UnlNum> q = UnlNum::divide(parsed(aText), b, 0);
    ASSERT_TRUE(q);
    const std::optional<UnlNum> multiple = UnlNum::multiply(*q, b);
    ASSERT_TRUE(multiple);
    const std::optional<UnlNum> answer = UnlNum::divide(*multiple, b, 0);
    ASSERT_TRUE(answer);
    EXPECT_EQ(UnlNum::toText(*answer), UnlNum::toText(*q));
    EXPECT_EQ(UnlNum::toText(*q), mpz_class(mpz_class(aText) / mpz_class(bText)).get_str());
  }
}

TEST_F(UnlNumVersusGmp, FractionSums) {
  for (int i = 0; i < 600; ++i) {
    const std::string aText = randomFraction(rng_);
    std::string bText = randomFraction(rng_);
    if (i % 10 == 0) {  // the opposite of a, sometimes with an extra zero limb
      bText = (aText[0] == '-' ? aText.substr(1) : "-" + aText) + (i % 20 == 0 ? "000000000" : "");
    }
    SCOPED_TRACE(caseTrace(seed_, i, aText, bText));
    const UnlNum a = parsed(aText), b = parsed(bText);
    const std::optional<UnlNum> sum = UnlNum::add(a, b);
    ASSERT_TRUE(sum);
    const std::size_t fa = a.fracLimbs().size(), fb = b.fracLimbs().size();
    const std::size_t f = std::max(fa, fb);
    const mpz_class expected =
        scaledValue(a) * powerOfTen(static_cast<std::int64_t>(9 * (f - fa))) +
        scaledValue(b) * powerOfTen(static_cast<std::int64_t>(9 * (f - fb)));
    if (a.sign() != b.sign() && expected == 0 && fa == fb) {
      EXPECT_EQ(layoutOf(*sum), (Layout{0, {0}, {}}));
      continue;
    }
    EXPECT_EQ(sum->fracLimbs().size(), f);
    EXPECT_EQ(mpz_class(abs(scaledValue(*sum))), mpz_class(abs(expected)));
    // A zero sum of different signs takes the sign of the operand with more fraction limbs.
    const int expectedSign = expected != 0          ? (expected < 0 ? 1 : 0)
                             : a.sign() == b.sign() ? a.sign()
                             : fa > fb              ? a.sign()
                                                    : b.sign();
    EXPECT_EQ(sum->sign(), expectedSign);
  }
}

TEST_F(UnlNumVersusGmp, FractionProducts) {
  for (int i = 0; i < 600; ++i) {
    const std::string aText = randomFraction(rng_);
    const std::string bText =
        i % 7 == 0 ? randomInteger(rng_, randomLength(rng_, 200)) : randomFraction(rng_);
    SCOPED_TRACE(caseTrace(seed_, i, aText, bText));
    const UnlNum a = parsed(aText), b = parsed(bText);
    const std::optional<UnlNum> product = UnlNum::multiply(a, b);
    ASSERT_TRUE(product);
    const mpz_class expected = scaledValue(a) * scaledValue(b);
    if (expected == 0) {
      EXPECT_EQ(layoutOf(*product), (Layout{0, {0}, {}}));
      continue;
    }
    if (isOne(a) || isOne(b)) {
      EXPECT_EQ(layoutOf(*product), withSign(isOne(a) ? b : a, a.sign() ^ b.sign()));
      continue;
    }
    EXPECT_EQ(product->fracLimbs().size(), a.fracLimbs().size() + b.fracLimbs().size());
    EXPECT_EQ(scaledValue(*product), expected);
    EXPECT_EQ(UnlNum::toText(*product),
              scaledText(expected, static_cast<std::int64_t>(
                                       9 * (a.fracLimbs().size() + b.fracLimbs().size()))));
  }
}

TEST_F(UnlNumVersusGmp, FractionQuotients) {
  for (int i = 0; i < 600; ++i) {
    const std::string aText = randomFraction(rng_);
    const std::string bText =
        i % 5 == 0 ? randomInteger(rng_, 1 + rng_() % 60) : randomFraction(rng_);
    const auto places = static_cast<std::int32_t>(rng_() % 30);
    SCOPED_TRACE(caseTrace(seed_, i, aText, bText) + ", places " + std::to_string(places));
    const UnlNum a = parsed(aText), b = parsed(bText);
    const std::optional<UnlNum> quotient = UnlNum::divide(a, b, places);
    ASSERT_TRUE(quotient);
    const mpz_class sa = abs(scaledValue(a));
    const mpz_class sb = abs(scaledValue(b));
    if (sa == 0 || sb == 0) {
      EXPECT_EQ(layoutOf(*quotient), (Layout{0, {0}, {}}));
      continue;
    }
    const int sign = a.sign() ^ b.sign();
    if (isOne(b)) {
      EXPECT_EQ(layoutOf(*quotient), withSign(a, sign));
      continue;
    }
    if (layoutOf(a) == layoutOf(b)) {
      EXPECT_EQ(layoutOf(*quotient),
                (Layout{0, {1}, std::vector<std::uint32_t>((places + 8) / 9, 0)}));
      continue;
    }
    const auto [s, n] = unlnum_reference::divisionScale(
        static_cast<std::int64_t>(a.fracLimbs().size()),
        static_cast<std::int64_t>(b.fracLimbs().size()), digitCount(sa), digitCount(sb), places);
    const mpz_class q = mpz_class(sa * powerOfTen(n - digitCount(sa))) / sb;
    EXPECT_EQ(quotient->sign(), sign);
    if (q == 0) {
      EXPECT_EQ(layoutOf(*quotient), (Layout{sign, {0}, {}}));
      continue;
    }
    const std::int64_t f = (s + 8) / 9;
    EXPECT_EQ(quotient->fracLimbs().size(), static_cast<std::size_t>(f));
    EXPECT_EQ(mpz_class(abs(scaledValue(*quotient))), mpz_class(q * powerOfTen(9 * f - s)))
        << "scale " << s;
  }
}

}  // namespace
