#include "bignum/kernels/newton_divide.h"

#include <algorithm>

#include "bignum/kernels/knuth_divide.h"

namespace bignum::kernels {

namespace {

// x -= 1 for x > 0.
void decrement(LimbSpan x) {
  const std::uint32_t one[] = {1};
  subtractFrom(x, one);
}

// x += 1, growing x when the carry runs out of its top limb.
void increment(Limbs& x) {
  const std::uint32_t one[] = {1};
  if (addInto(x, one) != 0) x.push_back(1);
}

// x = R^x.size() - x for x != 0.
void complementInPlace(LimbSpan x) {
  std::size_t i = 0;
  while (x[i] == 0) ++i;
  x[i] = kRadix - x[i];
  for (++i; i < x.size(); ++i) x[i] = kRadix - 1 - x[i];
}

// More unit steps than this mean the estimate was far off, which the error bounds exclude; the
// piece is then finished by long division so that the result stays exact either way.
constexpr std::size_t kMaxCorrections = 16;

void countFallback(DivideTrace* trace) {
  if (trace) ++trace->longDivisionFallbacks;
}

// x += y, growing x as needed.
void addGrowing(Limbs& x, ConstLimbSpan y) {
  if (x.size() < y.size() + 1) x.resize(y.size() + 1, 0);
  addInto(x, y);
}

// Turns an estimate q of floor(a / b) into the exact quotient by unit steps against the exact
// remainder a - q b. b is trimmed and non-zero.
Limbs correctedQuotient(Limbs q, ConstLimbSpan a, ConstLimbSpan b,
                        const DivideThresholds& thresholds, DivideTrace* trace) {
  Limbs product(q.size() + b.size());
  multiplyInto(product, q, b, thresholds.multiply);
  for (std::size_t steps = 0; compareLimbs(product, a) > 0; ++steps) {
    if (steps == kMaxCorrections) {
      countFallback(trace);
      return knuthDivide(a, b);
    }
    decrement(q);
    subtractFrom(product, b);
    if (trace) ++trace->quotientCorrections;
  }
  Limbs remainder(a.begin(), a.end());
  subtractFrom(remainder, trimmed(product));
  for (std::size_t steps = 0; compareLimbs(remainder, b) >= 0; ++steps) {
    if (steps == kMaxCorrections) {
      countFallback(trace);
      addGrowing(q, knuthDivide(remainder, b));
      break;
    }
    increment(q);
    subtractFrom(remainder, b);
    if (trace) ++trace->quotientCorrections;
  }
  normalise(q);
  return q;
}

// One piece of the quotient by Barrett's method. window holds n + s limbs with
// window < R^s v (n = v.size(), s = quotient.size() <= n), x is v's approximate reciprocal.
// Writes floor(window / v) into quotient and leaves window mod v in window (its top s limbs
// become zero).
void barrettStep(LimbSpan window, ConstLimbSpan v, ConstLimbSpan x, LimbSpan quotient,
                 const DivideThresholds& thresholds, DivideTrace* trace) {
  const std::size_t n = v.size();
  if (trace) ++trace->barrettSteps;
  // Estimate q = floor(floor(window / R^n) * x / R^n). As v x < R^2n <= v (x + 2), the
  // estimate is at most floor(window / v) and at most about five below it.
  ConstLimbSpan high = window.subspan(n);
  Limbs estimate(high.size() + x.size());
  multiplyInto(estimate, high, x, thresholds.multiply);
  Limbs q(estimate.begin() + static_cast<std::ptrdiff_t>(n), estimate.end());

  Limbs product(q.size() + n);
  multiplyInto(product, q, v, thresholds.multiply);
  for (std::size_t steps = 0; compareLimbs(product, window) > 0; ++steps) {
    if (steps == kMaxCorrections) {  // only a reciprocal that is too large gets here
      countFallback(trace);
      q = Limbs{0};
      std::fill(product.begin(), product.end(), 0u);
      break;
    }
    decrement(q);
    subtractFrom(product, v);
    if (trace) ++trace->quotientCorrections;
  }
  subtractFrom(window, trimmed(product));
  for (std::size_t steps = 0; compareLimbs(window, v) >= 0; ++steps) {
    if (steps == kMaxCorrections) {
      countFallback(trace);
      Limbs remainder;
      addGrowing(q, knuthDivide(window, v, &remainder));
      std::fill(window.begin(), window.end(), 0u);
      std::copy(remainder.begin(), remainder.end(), window.begin());
      break;
    }
    increment(q);
    subtractFrom(window, v);
    if (trace) ++trace->quotientCorrections;
  }
  ConstLimbSpan exact = trimmed(q);
  std::fill(quotient.begin(), quotient.end(), 0u);
  std::copy(exact.begin(), exact.end(), quotient.begin());
}

// ceil(R^2n / v) - 1 = floor((R^2n - 1) / v), n = v.size(), by a division that does not use
// the reciprocal.
Limbs exactReciprocal(ConstLimbSpan v, DivideThresholds thresholds) {
  thresholds.newton = ~std::size_t{0};
  const Limbs allNines(2 * v.size(), kRadix - 1);
  return divideWith(allNines, v, thresholds);
}

}  // namespace

Limbs approximateReciprocal(ConstLimbSpan v, const DivideThresholds& thresholds) {
  const std::size_t n = v.size();
  if (n <= 2 || n < thresholds.newton) return exactReciprocal(v, thresholds);
  // Lift the reciprocal xh of the top h limbs to n limbs with one Newton step.
  const std::size_t low = (n - 1) / 2;
  const std::size_t h = n - low;
  Limbs xh = approximateReciprocal(v.subspan(low), thresholds);

  Limbs t(n + xh.size());
  multiplyInto(t, v, xh, thresholds.multiply);
  const auto reachesTop = [&] {
    return std::any_of(t.begin() + static_cast<std::ptrdiff_t>(n + h), t.end(),
                       [](std::uint32_t limb) { return limb != 0; });
  };
  // t >= R^(n+h): xh was too large for the longer v. That happens at most twice; more would
  // mean a faulty product, and the exact reciprocal by division keeps the result right.
  for (int rounds = 0; reachesTop(); ++rounds) {
    if (rounds == 4) return exactReciprocal(v, thresholds);
    decrement(xh);
    subtractFrom(t, v);
  }
  LimbSpan deficit = LimbSpan(t).first(n + h);
  complementInPlace(deficit);  // R^(n+h) - v xh, which is positive
  ConstLimbSpan deficitHigh = trimmed(ConstLimbSpan(deficit).subspan(low));

  Limbs u(deficitHigh.size() + xh.size());
  multiplyInto(u, deficitHigh, xh, thresholds.multiply);
  Limbs x(n + 2, 0);
  std::copy(xh.begin(), xh.end(), x.begin() + static_cast<std::ptrdiff_t>(low));
  if (u.size() > 2 * h - low) addInto(x, trimmed(ConstLimbSpan(u).subspan(2 * h - low)));
  normalise(x);
  return x;
}

Limbs newtonDivide(ConstLimbSpan a, ConstLimbSpan b, const DivideThresholds& thresholds,
                   DivideTrace* trace) {
  a = trimmed(a);
  b = trimmed(b);
  if (trace) ++trace->newtonDivisions;
  const std::size_t n = b.size();
  const std::size_t m = a.size() - n;  // the quotient has at most m + 1 limbs

  // A quotient much shorter than the divisor depends only on the operands' top limbs: with
  // m + 3 limbs of b kept, the quotient of the truncated operands is within one of the true
  // quotient, and the exact correction below fixes it.
  const std::size_t keep = m + 3;
  if (n > keep) {
    const std::size_t dropped = n - keep;
    Limbs estimate = divideWith(a.subspan(dropped), b.subspan(dropped), thresholds, trace);
    return correctedQuotient(std::move(estimate), a, b, thresholds, trace);
  }

  // Normalise as in long division, so that the divisor's top limb is at least R / 2; the
  // dividend gains a top limb, and its top n limbs are then below v.
  const std::uint32_t d = kRadix / (b[n - 1] + 1);
  Limbs v(n);
  multiplyBySmall(v, b, d);
  Limbs u(a.size() + 1);
  u[a.size()] = multiplyBySmall(LimbSpan(u).first(a.size()), a, d);
  const Limbs x = approximateReciprocal(v, thresholds);

  // Quotient pieces from the top, n limbs each except the first; each window is the previous
  // remainder followed by the next limbs of u.
  Limbs q(m + 1, 0);
  std::size_t pending = m + 1;
  std::size_t piece = pending % n == 0 ? n : pending % n;
  while (pending > 0) {
    const std::size_t start = pending - piece;
    barrettStep(LimbSpan(u).subspan(start, n + piece), v, x, LimbSpan(q).subspan(start, piece),
                thresholds, trace);
    pending = start;
    piece = n;
  }
  normalise(q);
  return q;
}

}  // namespace bignum::kernels
