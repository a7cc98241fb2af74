#include "bignum/kernels/divide.h"

#include <algorithm>

#include "bignum/kernels/knuth_divide.h"
#include "bignum/kernels/newton_divide.h"
#include "bignum/kernels/recursive_divide.h"

namespace bignum::kernels {

Limbs divideWith(ConstLimbSpan a, ConstLimbSpan b, const DivideThresholds& thresholds,
                 DivideTrace* trace) {
  a = trimmed(a);
  b = trimmed(b);
  if (b.empty() || compareLimbs(a, b) < 0) return Limbs{0};
  const std::size_t quotientSize = a.size() - b.size() + 1;
  const std::size_t shorter = std::min(quotientSize, b.size());
  if (b.size() >= 2 && shorter >= thresholds.newton) {
    return newtonDivide(a, b, thresholds, trace);
  }
  if (b.size() >= 2 && shorter >= thresholds.recursive) {
    return recursiveDivide(a, b, thresholds, trace);
  }
  KnuthDivideTrace knuthTrace;
  Limbs q = knuthDivide(a, b, nullptr, trace ? &knuthTrace : nullptr);
  if (trace) {
    ++trace->knuthDivisions;
    trace->knuthAddBacks += knuthTrace.addBacks;
  }
  return q;
}

}  // namespace bignum::kernels
