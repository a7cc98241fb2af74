// libFuzzer target for UnlNum. Each input is read twice over:
// - a raw text for the parser: a refused text leaves a plain zero; an accepted text without
//   trailing fraction zeros renders back unchanged, and any rendering parses back to the same
//   limbs up to the fraction's trailing zero limbs;
// - two operands and a number of places, checked in add, multiply and divide against GMP on the
//   operands' scaled integers (|x| * 10^(9 * fraction limb count)).
// A mismatch prints the operands and aborts, which libFuzzer reports with the input.

#include <fuzzer/FuzzedDataProvider.h>
#include <gmp.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "bignum/unlnum.h"
#include "tests/bignum/unlnum_reference.h"

namespace {

using Limbs = std::vector<std::uint32_t>;

std::string g_context;  // what the current check works on, for the failure message

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "UnlNum mismatch: %s\n%s\n", what, g_context.c_str());
    std::abort();
  }
}

class Mpz {
 public:
  Mpz() { mpz_init(value_); }
  ~Mpz() { mpz_clear(value_); }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;
  mpz_ptr get() { return value_; }
  mpz_srcptr get() const { return value_; }

 private:
  mpz_t value_;
};

bool equal(const Mpz& a, const Mpz& b) {
  return mpz_cmp(a.get(), b.get()) == 0;
}

void multiplyByPowerOfTen(Mpz& x, std::int64_t exponent) {
  Mpz power;
  mpz_ui_pow_ui(power.get(), 10, static_cast<unsigned long>(exponent));
  mpz_mul(x.get(), x.get(), power.get());
}

std::int64_t digitCount(const Mpz& magnitude) {
  if (mpz_sgn(magnitude.get()) == 0) {
    return 1;
  }
  std::vector<char> text(mpz_sizeinbase(magnitude.get(), 10) + 2);
  mpz_get_str(text.data(), 10, magnitude.get());
  return static_cast<std::int64_t>(std::string_view(text.data()).size());
}

// The signed scaled integer of x, read from its limbs alone.
void scaledValue(Mpz& out, const UnlNum& x) {
  mpz_set_str(out.get(), unlnum_reference::scaledDigitText(x).c_str(), 10);
  if (x.sign() == 1) {
    mpz_neg(out.get(), out.get());
  }
}

bool hasLayout(const UnlNum& x, int sign, const Limbs& intLimbs, const Limbs& fracLimbs) {
  return x.sign() == sign && x.intLimbs() == intLimbs && x.fracLimbs() == fracLimbs;
}

bool isPlainZero(const UnlNum& x) {
  return hasLayout(x, 0, {0}, {});
}

bool isOne(const UnlNum& x) {
  return x.intLimbs() == Limbs{1} && std::all_of(x.fracLimbs().begin(), x.fracLimbs().end(),
                                                 [](std::uint32_t limb) { return limb == 0; });
}

// Every number handed out: limbs below 10^9, a normal integer part.
void checkInvariants(const UnlNum& x) {
  check(!x.intLimbs().empty(), "no integer limb");
  check(x.intLimbs().size() == 1 || x.intLimbs().back() != 0, "integer part not normal");
  for (const auto* limbs : {&x.intLimbs(), &x.fracLimbs()}) {
    for (const std::uint32_t limb : *limbs) {
      check(limb < 1000000000u, "limb out of range");
    }
  }
  check(x.sign() == 0 || x.sign() == 1, "sign out of range");
}

void checkRoundTrip(std::string_view text) {
  g_context = "text: " + std::string(text);
  UnlNum x;
  if (!UnlNum::fromText(x, text)) {
    check(isPlainZero(x), "a refused text did not leave a plain zero");
    return;
  }
  checkInvariants(x);
  const std::string rendered = UnlNum::toText(x);
  const std::size_t point = text.find('.');
  const bool trailingFractionZeros =
      point != std::string_view::npos && (text.back() == '0' || text.back() == '.');
  if (!trailingFractionZeros) {
    check(rendered == text, "an accepted text did not render back unchanged");
  }
  if (rendered == "-0") {
    Mpz value;
    scaledValue(value, x);
    check(mpz_sgn(value.get()) == 0, "\"-0\" from a non-zero number");
    return;  // "-0" itself is no number text
  }
  UnlNum y;
  check(UnlNum::fromText(y, rendered), "a rendering did not parse back");
  Limbs frac = x.fracLimbs();
  while (!frac.empty() && frac.back() == 0) {
    frac.pop_back();
  }
  check(hasLayout(y, x.sign(), x.intLimbs(), frac), "a rendering parsed back to other limbs");
}

// A valid operand text: sign, integer digits without a leading zero, optional fraction.
std::string decodeOperand(FuzzedDataProvider& in) {
  const bool negative = in.ConsumeBool();
  const auto intLength = in.ConsumeIntegralInRange<std::size_t>(0, 1000);
  std::string text;
  if (intLength == 0) {
    text = "0";
  } else {
    text += static_cast<char>('1' + in.ConsumeIntegral<std::uint8_t>() % 9);
    for (std::size_t i = 1; i < intLength; ++i) {
      text += static_cast<char>('0' + in.ConsumeIntegral<std::uint8_t>() % 10);
    }
  }
  if (in.ConsumeBool()) {
    const auto fracLength = in.ConsumeIntegralInRange<std::size_t>(1, 60);
    text += '.';
    for (std::size_t i = 0; i < fracLength; ++i) {
      text += static_cast<char>('0' + in.ConsumeIntegral<std::uint8_t>() % 10);
    }
  }
  if (negative && text != "0") {
    text.insert(0, "-");
  }
  return text;
}

void checkAdd(const UnlNum& a, const UnlNum& b) {
  const auto sum = UnlNum::add(a, b);
  check(sum.has_value(), "add gave no number");
  checkInvariants(*sum);
  const std::size_t fa = a.fracLimbs().size(), fb = b.fracLimbs().size();
  const std::size_t f = std::max(fa, fb);
  Mpz expected, bScaled, got;
  scaledValue(expected, a);
  multiplyByPowerOfTen(expected, static_cast<std::int64_t>(9 * (f - fa)));
  scaledValue(bScaled, b);
  multiplyByPowerOfTen(bScaled, static_cast<std::int64_t>(9 * (f - fb)));
  mpz_add(expected.get(), expected.get(), bScaled.get());
  const bool zero = mpz_sgn(expected.get()) == 0;
  if (zero && a.sign() != b.sign() && fa == fb) {
    check(isPlainZero(*sum), "equal magnitudes of different signs: not a plain zero");
    return;
  }
  check(sum->fracLimbs().size() == f, "sum: fraction limb count");
  scaledValue(got, *sum);
  mpz_abs(got.get(), got.get());
  mpz_abs(bScaled.get(), expected.get());
  check(equal(got, bScaled), "sum: value");
  const int sign = !zero                  ? (mpz_sgn(expected.get()) < 0 ? 1 : 0)
                   : a.sign() == b.sign() ? a.sign()
                   : fa > fb              ? a.sign()
                                          : b.sign();
  check(sum->sign() == sign, "sum: sign");
}

void checkMultiply(const UnlNum& a, const UnlNum& b) {
  const auto product = UnlNum::multiply(a, b);
  check(product.has_value(), "multiply gave no number");
  checkInvariants(*product);
  Mpz expected, bScaled, got;
  scaledValue(expected, a);
  scaledValue(bScaled, b);
  mpz_mul(expected.get(), expected.get(), bScaled.get());
  const int sign = a.sign() ^ b.sign();
  if (mpz_sgn(expected.get()) == 0) {
    check(isPlainZero(*product), "product with a zero: not a plain zero");
  } else if (isOne(a)) {
    check(hasLayout(*product, sign, b.intLimbs(), b.fracLimbs()), "1 * b: not a copy of b");
  } else if (isOne(b)) {
    check(hasLayout(*product, sign, a.intLimbs(), a.fracLimbs()), "a * 1: not a copy of a");
  } else {
    check(product->fracLimbs().size() == a.fracLimbs().size() + b.fracLimbs().size(),
          "product: fraction limb count");
    scaledValue(got, *product);
    check(equal(got, expected), "product: value and sign");
  }
}

void checkDivide(const UnlNum& a, const UnlNum& b, std::int32_t places) {
  const auto quotient = UnlNum::divide(a, b, places);
  check(quotient.has_value(), "divide gave no number");
  checkInvariants(*quotient);
  const int sign = a.sign() ^ b.sign();
  Mpz sa, sb;
  scaledValue(sa, a);
  scaledValue(sb, b);
  mpz_abs(sa.get(), sa.get());
  mpz_abs(sb.get(), sb.get());
  if (places < 0 || mpz_sgn(sa.get()) == 0 || mpz_sgn(sb.get()) == 0) {
    check(isPlainZero(*quotient), "negative places or a zero operand: not a plain zero");
    return;
  }
  if (isOne(b)) {
    check(hasLayout(*quotient, sign, a.intLimbs(), a.fracLimbs()), "a / 1: not a copy of a");
    return;
  }
  if (hasLayout(a, b.sign(), b.intLimbs(), b.fracLimbs())) {
    check(hasLayout(*quotient, 0, {1}, Limbs(static_cast<std::size_t>(places + 8) / 9, 0)),
          "a / a: not 1 with the places' zero limbs");
    return;
  }
  const std::int64_t la = digitCount(sa);
  const auto [s, n] = unlnum_reference::divisionScale(
      static_cast<std::int64_t>(a.fracLimbs().size()),
      static_cast<std::int64_t>(b.fracLimbs().size()), la, digitCount(sb), places);
  Mpz q;
  multiplyByPowerOfTen(sa, n - la);
  mpz_fdiv_q(q.get(), sa.get(), sb.get());
  check(quotient->sign() == sign, "quotient: sign");
  if (mpz_sgn(q.get()) == 0) {
    check(hasLayout(*quotient, sign, {0}, {}), "zero quotient: not a zero without fraction");
    return;
  }
  const std::int64_t f = (s + 8) / 9;
  check(quotient->fracLimbs().size() == static_cast<std::size_t>(f),
        "quotient: fraction limb count");
  multiplyByPowerOfTen(q, 9 * f - s);
  Mpz got;
  scaledValue(got, *quotient);
  mpz_abs(got.get(), got.get());
  check(equal(got, q), "quotient: value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  checkRoundTrip(in.ConsumeRandomLengthString(200));

  const std::string aText = decodeOperand(in);
  const std::string bText = decodeOperand(in);
  const auto places = in.ConsumeIntegralInRange<std::int32_t>(-2, 40);
  g_context = "a = " + aText + "\nb = " + bText + "\nplaces = " + std::to_string(places);
  UnlNum a, b;
  check(UnlNum::fromText(a, aText) && UnlNum::fromText(b, bText), "an operand was refused");
  checkAdd(a, b);
  checkMultiply(a, b);
  checkDivide(a, b, places);
  return 0;
}
