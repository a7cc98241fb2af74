#pragma once

#include <cstddef>
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
/// an arithmetic operation that runs out of storage gives an empty optional (and toText the
/// empty text).
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
  using LimbVector = std::vector<std::uint32_t>;

  /// Takes the parts as they are; the caller guarantees the invariants above.
  UnlNum(int sign, LimbVector intLimbs, LimbVector fracLimbs);

  /// The number 0 with sign 0 and no fraction part. Reuses the integer storage, so it does not
  /// allocate while the number holds at least one integer limb.
  void setZero() noexcept;

  /// Every limb is 0; the sign does not matter.
  bool isZero() const;
  /// Exactly one integer limb, of value 1, and every fraction limb 0; the sign does not matter.
  bool isOne() const;

  /// Orders |a| and |b| (-1, 0, 1). Integer parts by limb count, then from the top limb down;
  /// then fraction limbs pairwise from the head, where a fraction that ends first is the smaller
  /// one whatever the other's remaining limbs hold. So 1 < 1.000000000 here.
  static int compareMagnitudes(const UnlNum& a, const UnlNum& b);

  /// |x| * 10^(9 * fracLimbs().size()) as a normalised base-10^9 magnitude, least significant
  /// limb first.
  static LimbVector scaledLimbs(const UnlNum& x);

  /// The number scaled * 10^(-9 * fracLimbCount) with exactly fracLimbCount fraction limbs and a
  /// normal integer part (scaled may be empty or carry top zero limbs).
  static UnlNum fromScaledLimbs(int sign, const LimbVector& scaled, std::size_t fracLimbCount);

  // Moves leave the source empty: a moved-from number may only be assigned to or destroyed.
  int sign_ = 0;
  LimbVector intLimbs_{0};
  LimbVector fracLimbs_;
};
