#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// An exact signed decimal number of unbounded length: a sign, an integer part and an optional
/// fraction part, both held in limbs of nine decimal digits (base 10^9).
///
/// Invariants of every number the library hands out:
/// - every limb lies in 0 .. 999,999,999;
/// - there is at least one integer limb; integer limbs are least significant first, and the most
///   significant one is not 0 unless it is the only one (normal form; an integer part of 0 is the
///   single limb 0);
/// - fraction limbs are most significant first; the last one carries its digits padded on the
///   right with zeros (0.5 is the limb 500000000). Trailing zero fraction limbs are kept on
///   purpose: they take part in comparisons and limb counts ("1" and "1.000000000" differ);
///   an empty fraction vector means "no fraction part";
/// - a zero may carry the sign 1 (it renders "-0").
///
/// Nothing throws out of this class: an invalid text or value gives false and the number 0, and
/// an arithmetic operation that runs out of storage gives an empty optional.
class UnlNum {
 public:
  UnlNum();  // make: the number 0
  static bool fromText(UnlNum& x, std::string_view text);
  static bool fromValue(UnlNum& x, std::int32_t value);
  static bool fromValue(UnlNum& x, std::int64_t value);
  static bool fromValue(UnlNum& x, float value);
  static bool fromValue(UnlNum& x, double value);
  static std::string toText(const UnlNum& x);
  static std::optional<UnlNum> add(const UnlNum& a, const UnlNum& b);
  static std::optional<UnlNum> multiply(const UnlNum& a, const UnlNum& b);
  static std::optional<UnlNum> divide(const UnlNum& a, const UnlNum& b, std::int32_t places);
  int sign() const;                                    // 1 negative, 0 otherwise
  const std::vector<std::uint32_t>& intLimbs() const;  // least significant first
  const std::vector<std::uint32_t>& fracLimbs()
      const;  // most significant first; empty: no fraction part

 private:
  int sign_ = 0;
  std::vector<std::uint32_t> intLimbs_{0};
  std::vector<std::uint32_t> fracLimbs_;
};
