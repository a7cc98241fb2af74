#include "bignum/kernels/multiply.h"

#include <algorithm>
#include <utility>

#include "bignum/kernels/ntt_multiply.h"
#include "bignum/kernels/schoolbook_multiply.h"

namespace bignum::kernels {

namespace {

// Scratch that multiplyRecursive needs for operands of total size s: Karatsuba uses about 3s
// at the top level and half of that again at each level below; the chunked product adds 2s.
std::size_t scratchSize(std::size_t totalSize) {
  return 8 * totalSize + 64;
}

void multiplyRecursive(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b, LimbSpan scratch,
                       const MultiplyThresholds& thresholds);

// |x - y| into out (out.size() == x.size() >= y.size()); returns true when x < y.
bool absoluteDifference(LimbSpan out, ConstLimbSpan x, ConstLimbSpan y) {
  ConstLimbSpan xLow = x.first(y.size());
  const bool xHasHigh = std::any_of(x.begin() + static_cast<std::ptrdiff_t>(y.size()), x.end(),
                                    [](std::uint32_t limb) { return limb != 0; });
  const bool negative = !xHasHigh && compareLimbs(xLow, y) < 0;
  if (negative) {
    std::copy(y.begin(), y.end(), out.begin());
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(y.size()), out.end(), 0u);
    subtractFrom(out.first(y.size()), xLow);
  } else {
    std::copy(x.begin(), x.end(), out.begin());
    subtractFrom(out, y);
  }
  return negative;
}

// One Karatsuba step for a.size() >= b.size() > a.size() / 2. With a = a1 R^h + a0 and
// b = b1 R^h + b0: a b = z2 R^2h + z1 R^h + z0, where z1 = z0 + z2 - (a0 - a1)(b0 - b1). The
// subtractive form keeps every factor at h limbs.
void karatsubaStep(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b, LimbSpan scratch,
                   const MultiplyThresholds& thresholds) {
  const std::size_t h = (a.size() + 1) / 2;
  ConstLimbSpan a0 = a.first(h), a1 = a.subspan(h);
  ConstLimbSpan b0 = b.first(h), b1 = b.subspan(h);

  LimbSpan z0 = r.first(2 * h);
  LimbSpan z2 = r.subspan(2 * h);
  multiplyRecursive(z0, a0, b0, scratch, thresholds);
  if (b1.empty()) {
    std::fill(z2.begin(), z2.end(), 0u);
  } else if (a1.size() >= b1.size()) {
    multiplyRecursive(z2, a1, b1, scratch, thresholds);
  } else {
    multiplyRecursive(z2, b1, a1, scratch, thresholds);
  }

  LimbSpan da = scratch.first(h);
  LimbSpan db = scratch.subspan(h, h);
  LimbSpan t = scratch.subspan(2 * h, 2 * h);
  LimbSpan middle = scratch.subspan(4 * h, 2 * h + 1);
  LimbSpan rest = scratch.subspan(6 * h + 1);
  const bool negativeA = absoluteDifference(da, a0, a1);
  const bool negativeB = absoluteDifference(db, b0, b1);
  multiplyRecursive(t, da, db, rest, thresholds);

  std::copy(z0.begin(), z0.end(), middle.begin());
  middle[2 * h] = 0;
  addInto(middle, z2);
  if (negativeA == negativeB) {
    subtractFrom(middle, t);
  } else {
    addInto(middle, t);
  }
  addInto(r.subspan(h), trimmed(middle));
}

// Product of a long a by a short b, one b-sized piece of a at a time.
void chunkedMultiply(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b, LimbSpan scratch,
                     const MultiplyThresholds& thresholds) {
  const std::size_t n = b.size();
  std::fill(r.begin(), r.end(), 0u);
  LimbSpan piece = scratch.first(2 * n);
  LimbSpan rest = scratch.subspan(2 * n);
  for (std::size_t offset = 0; offset < a.size(); offset += n) {
    ConstLimbSpan chunk = a.subspan(offset, std::min(n, a.size() - offset));
    LimbSpan product = piece.first(chunk.size() + n);
    if (chunk.size() >= n) {
      multiplyRecursive(product, chunk, b, rest, thresholds);
    } else {
      multiplyRecursive(product, b, chunk, rest, thresholds);
    }
    addInto(r.subspan(offset), product);
  }
}

// Requires a.size() >= b.size().
void multiplyRecursive(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b, LimbSpan scratch,
                       const MultiplyThresholds& thresholds) {
  if (b.size() < std::max<std::size_t>(thresholds.karatsuba, 2)) {
    schoolbookMultiply(r, a, b);
  } else if (a.size() >= 2 * b.size()) {
    chunkedMultiply(r, a, b, scratch, thresholds);
  } else {
    karatsubaStep(r, a, b, scratch, thresholds);
  }
}

}  // namespace

void multiplyInto(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b,
                  const MultiplyThresholds& thresholds) {
  const std::size_t total = r.size();
  a = trimmed(a);
  b = trimmed(b);
  if (a.size() < b.size()) std::swap(a, b);
  if (b.empty()) {
    std::fill(r.begin(), r.end(), 0u);
    return;
  }
  std::fill(r.begin() + static_cast<std::ptrdiff_t>(a.size() + b.size()), r.end(), 0u);
  LimbSpan product = r.first(a.size() + b.size());
  if (b.size() >= thresholds.ntt && nttMultiplyFits(a.size(), b.size())) {
    nttMultiply(product, a, b);
    return;
  }
  Limbs scratch(scratchSize(total));
  multiplyRecursive(product, a, b, scratch, thresholds);
}

Limbs multiplied(ConstLimbSpan a, ConstLimbSpan b, const MultiplyThresholds& thresholds) {
  Limbs r(a.size() + b.size());
  multiplyInto(r, a, b, thresholds);
  normalise(r);
  return r;
}

}  // namespace bignum::kernels
