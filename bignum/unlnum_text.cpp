// Decimal text in and out: the syntax check, parsing into limbs and rendering. Both directions
// run in time linear in the text length.

#include <charconv>
#include <new>
#include <string>
#include <string_view>

#include "bignum/limbs.h"
#include "bignum/unlnum.h"

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The accepted texts: an optional '-', integer digits without a leading zero (a lone 0 is
// allowed only as the whole text or before a point followed by at least one character), an
// optional '.' with any digits after it. "-0" and "-0." are refused, "-0.0" and "5." accepted.
bool hasValidSyntax(std::string_view text) {
  if (text.empty()) {
    return false;
  }
  const char first = text[0];
  if (first == '0') {
    if (!(text.size() == 1 || (text.size() >= 3 && text[1] == '.'))) {
      return false;
    }
  } else if (first == '-') {
    if (text.size() < 2 || !isDigit(text[1])) {
      return false;
    }
    if (text[1] == '0' && (text.size() < 4 || text[2] != '.')) {
      return false;
    }
  } else if (!(first >= '1' && first <= '9')) {
    return false;
  }
  int points = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.') {
      ++points;
    } else if (c == '-') {
      if (i != 0) {
        return false;
      }
    } else if (!isDigit(c)) {
      return false;
    }
  }
  return points <= 1;
}

// Value of at most nine decimal digits.
std::uint32_t groupValue(std::string_view digits) {
  std::uint32_t value = 0;
  for (const char c : digits) {
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return value;
}

// Integer digits (at least one) to limbs, least significant first: limb k holds the k-th group
// of nine digits counted from the right; the top limb takes the one to nine digits left over.
std::vector<std::uint32_t> integerLimbs(std::string_view digits) {
  const std::size_t n = digits.size();
  std::vector<std::uint32_t> limbs((n + bignum::kRadixDigits - 1) / bignum::kRadixDigits);
  std::size_t end = n;
  for (auto& limb : limbs) {
    const std::size_t begin = end > bignum::kRadixDigits ? end - bignum::kRadixDigits : 0;
    limb = groupValue(digits.substr(begin, end - begin));
    end = begin;
  }
  return limbs;
}

// Fraction digits to limbs, most significant first; the last group is padded on the right.
std::vector<std::uint32_t> fractionLimbs(std::string_view digits) {
  constexpr std::size_t kDigits = bignum::kRadixDigits;
  std::vector<std::uint32_t> limbs((digits.size() + kDigits - 1) / kDigits);
  for (std::size_t j = 0; j < limbs.size(); ++j) {
    const std::string_view group = digits.substr(j * kDigits, kDigits);
    std::uint32_t value = groupValue(group);
    for (std::size_t pad = group.size(); pad < kDigits; ++pad) {
      value *= 10;
    }
    limbs[j] = value;
  }
  return limbs;
}

// Writes limb as exactly nine digits with leading zeros.
char* writePadded(char* out, std::uint32_t limb) {
  for (int i = bignum::kRadixDigits - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + limb % 10);
    limb /= 10;
  }
  return out + bignum::kRadixDigits;
}

}  // namespace

bool UnlNum::fromText(UnlNum& x, std::string_view text) {
  try {
    if (!hasValidSyntax(text)) {
      x.setZero();
      return false;
    }
    const int sign = text[0] == '-' ? 1 : 0;
    const std::string_view body = text.substr(static_cast<std::size_t>(sign));
    const std::size_t point = body.find('.');
    const std::string_view intDigits = body.substr(0, point);
    const std::string_view fracDigits =
        point == std::string_view::npos ? std::string_view{} : body.substr(point + 1);
    // The syntax admits no leading zero, so the integer limbs come out in normal form.
    x = UnlNum(sign, integerLimbs(intDigits), fractionLimbs(fracDigits));
    return true;
  } catch (const std::bad_alloc&) {
    x.setZero();
    return false;
  }
}

std::string UnlNum::toText(const UnlNum& x) {
  try {
    const std::size_t intCount = x.intLimbs_.size();
    const std::size_t fracCount = x.fracLimbs_.size();
    std::string text(1 + bignum::kRadixDigits * (intCount + fracCount) + 1, '\0');
    char* out = text.data();
    if (x.sign_ == 1) {
      *out++ = '-';
    }
    if (intCount == 0) {
      *out++ = '0';
    } else {
      char* end = text.data() + text.size();
      out = std::to_chars(out, end, x.intLimbs_.back()).ptr;
      for (std::size_t k = intCount - 1; k-- > 0;) {
        out = writePadded(out, x.intLimbs_[k]);
      }
    }
    if (fracCount > 0) {
      *out++ = '.';
      for (const std::uint32_t limb : x.fracLimbs_) {
        out = writePadded(out, limb);
      }
      // Hide the fraction's trailing zeros, and the point when nothing is left after it.
      while (out[-1] == '0') {
        --out;
      }
      if (out[-1] == '.') {
        --out;
      }
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
  } catch (const std::bad_alloc&) {
    return {};
  }
}
