#include "bignum/kernels/schoolbook_multiply.h"

#include <algorithm>

namespace bignum::kernels {

void schoolbookMultiply(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b) {
  std::fill(r.begin(), r.end(), 0u);
  for (std::size_t i = 0; i < b.size(); ++i) {
    const std::uint64_t bi = b[i];
    if (bi == 0) continue;
    // r[i + j] + a[j] * bi + carry <= (R - 1) + (R - 1)^2 + (R - 1) < R^2 < 2^64, R = 10^9.
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < a.size(); ++j) {
      std::uint64_t t = r[i + j] + a[j] * bi + carry;
      r[i + j] = static_cast<std::uint32_t>(t % kRadix);
      carry = t / kRadix;
    }
    r[i + a.size()] = static_cast<std::uint32_t>(carry);
  }
}

}  // namespace bignum::kernels
