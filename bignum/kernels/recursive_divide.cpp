#include "bignum/kernels/recursive_divide.h"

#include <algorithm>

#include "bignum/kernels/knuth_divide.h"

namespace bignum::kernels {

namespace {

void decrement(Limbs& x) {
  const std::uint32_t one[] = {1};
  subtractFrom(x, one);
}

// x += y, growing x as needed.
void addGrowing(Limbs& x, ConstLimbSpan y) {
  if (x.size() < y.size() + 1) x.resize(y.size() + 1, 0);
  addInto(x, y);
}

struct QuotientRemainder {
  Limbs quotient;
  Limbs remainder;
};

// a = x * R^shift + low with low.size() == shift, in a buffer with `spare` extra top limbs.
Limbs joined(ConstLimbSpan high, ConstLimbSpan low, std::size_t spare) {
  Limbs x(low.size() + high.size() + spare, 0);
  std::copy(low.begin(), low.end(), x.begin());
  std::copy(high.begin(), high.end(), x.begin() + static_cast<std::ptrdiff_t>(low.size()));
  return x;
}

// x -= t (x, t >= 0), adding the divisor b to x and taking one off q while x < t; the error
// bound of the recursive step keeps this to at most two rounds for a normalised divisor.
void subtractCorrecting(Limbs& x, ConstLimbSpan t, ConstLimbSpan b, Limbs& q, DivideTrace* trace) {
  while (compareLimbs(x, t) < 0) {
    decrement(q);
    addGrowing(x, b);
    if (trace) ++trace->quotientCorrections;
  }
  subtractFrom(x, trimmed(t));
}

// Quotient and remainder of a by the normalised b (top limb at least R / 2), where the
// quotient has at most m + 1 limbs, m = a.size() - b.size() <= b.size().
QuotientRemainder divideRecursively(ConstLimbSpan a, ConstLimbSpan b,
                                    const DivideThresholds& thresholds, DivideTrace* trace) {
  const std::size_t n = b.size();
  const std::size_t m = a.size() > n ? a.size() - n : 0;
  if (m < std::max<std::size_t>(thresholds.recursive, 2)) {
    QuotientRemainder result;
    KnuthDivideTrace knuthTrace;
    result.quotient = knuthDivide(a, b, &result.remainder, trace ? &knuthTrace : nullptr);
    if (trace) {
      ++trace->knuthDivisions;
      trace->knuthAddBacks += knuthTrace.addBacks;
    }
    return result;
  }
  if (trace) ++trace->recursiveSteps;
  const std::size_t k = m / 2;
  ConstLimbSpan b1 = b.subspan(k), b0 = trimmed(b.first(k));

  // High half: a div R^2k by b1 gives q1 (m - k + 1 limbs); then
  // a' = r1 R^2k + (a mod R^2k) - q1 b0 R^k = a - q1 b R^k, corrected to be non-negative.
  QuotientRemainder high = divideRecursively(a.subspan(2 * k), b1, thresholds, trace);
  Limbs x = joined(high.remainder, a.first(2 * k), 2);
  {
    Limbs t(high.quotient.size() + b0.size());
    multiplyInto(t, high.quotient, b0, thresholds.multiply);
    Limbs upper(x.begin() + static_cast<std::ptrdiff_t>(k), x.end());
    subtractCorrecting(upper, t, b, high.quotient, trace);
    x.resize(k);
    x.insert(x.end(), upper.begin(), upper.end());
  }

  // Low half: a' div R^k (below R^k b, so at most n + 1 limbs) by b1 gives q0 (k + 1 limbs).
  QuotientRemainder low =
      divideRecursively(trimmed(ConstLimbSpan(x).subspan(k)), b1, thresholds, trace);
  Limbs y = joined(low.remainder, ConstLimbSpan(x).first(k), 2);
  {
    Limbs t(low.quotient.size() + b0.size());
    multiplyInto(t, low.quotient, b0, thresholds.multiply);
    subtractCorrecting(y, t, b, low.quotient, trace);
  }

  QuotientRemainder result;
  result.quotient = low.quotient;
  result.quotient.resize(std::max(result.quotient.size(), k + high.quotient.size()) + 1, 0);
  addInto(LimbSpan(result.quotient).subspan(k), high.quotient);
  normalise(result.quotient);
  normalise(y);
  result.remainder = std::move(y);
  return result;
}

}  // namespace

Limbs recursiveDivide(ConstLimbSpan a, ConstLimbSpan b, const DivideThresholds& thresholds,
                      DivideTrace* trace) {
  a = trimmed(a);
  b = trimmed(b);
  const std::size_t n = b.size();

  // Normalise so that the divisor's top limb is at least R / 2; the dividend gains a top limb.
  const std::uint32_t d = kRadix / (b[n - 1] + 1);
  Limbs v(n);
  multiplyBySmall(v, b, d);
  Limbs u(a.size() + 1);
  u[a.size()] = multiplyBySmall(LimbSpan(u).first(a.size()), a, d);

  // Quotient pieces of at most n limbs from the top; each window is the previous remainder
  // (below v) followed by the next limbs of u.
  const std::size_t quotientSize = u.size() - n;
  Limbs q(quotientSize + 1, 0);
  Limbs remainder;
  std::size_t pending = quotientSize;
  std::size_t piece = pending % n == 0 ? n : pending % n;
  ConstLimbSpan top = ConstLimbSpan(u).subspan(pending);
  remainder.assign(top.begin(), top.end());
  while (pending > 0) {
    const std::size_t start = pending - piece;
    const Limbs window = joined(remainder, ConstLimbSpan(u).subspan(start, piece), 0);
    QuotientRemainder step = divideRecursively(window, v, thresholds, trace);
    addInto(LimbSpan(q).subspan(start), step.quotient);
    remainder = std::move(step.remainder);
    remainder.resize(n, 0);
    pending = start;
    piece = n;
  }
  normalise(q);
  return q;
}

}  // namespace bignum::kernels
