#include "bignum/kernels/schoolbook_multiply.h"

#include <algorithm>
#include <array>
#include <vector>

namespace bignum::kernels {

namespace {

// A column accumulator that is normalised to limbs below the radix holds at most
// (R - 1) + kRowsPerCarry * (R - 1)^2 < 2^64 after kRowsPerCarry more rows, R = 10^9.
constexpr std::size_t kRowsPerCarry = 18;
static_assert(kRowsPerCarry * std::uint64_t{kRadix - 1} * (kRadix - 1) <=
                  ~std::uint64_t{0} - (kRadix - 1),
              "an accumulator column must not overflow between two carry passes");

// Small products (the leaves of Karatsuba) use a buffer on the stack.
constexpr std::size_t kStackColumns = 512;

void carryPass(std::span<std::uint64_t> acc) {
  std::uint64_t carry = 0;
  for (auto& column : acc) {
    const std::uint64_t t = column + carry;  // carry < 2^64 / R, so no overflow
    column = t % kRadix;
    carry = t / kRadix;
  }
}

void multiplyWithAccumulator(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b,
                             std::span<std::uint64_t> acc) {
  std::fill(acc.begin(), acc.end(), 0u);
  std::size_t rowsSinceCarry = 0;
  for (std::size_t i = 0; i < b.size(); ++i) {
    const std::uint64_t bi = b[i];
    if (bi == 0) continue;
    std::uint64_t* column = acc.data() + i;
    for (std::size_t j = 0; j < a.size(); ++j) column[j] += a[j] * bi;
    if (++rowsSinceCarry == kRowsPerCarry) {
      carryPass(acc);
      rowsSinceCarry = 0;
    }
  }
  carryPass(acc);
  for (std::size_t k = 0; k < r.size(); ++k) r[k] = static_cast<std::uint32_t>(acc[k]);
}

}  // namespace

void schoolbookMultiply(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b) {
  if (a.size() < b.size()) std::swap(a, b);  // the long operand runs in the inner loop
  if (r.size() <= kStackColumns) {
    std::array<std::uint64_t, kStackColumns> acc;
    multiplyWithAccumulator(r, a, b, std::span(acc).first(r.size()));
  } else {
    std::vector<std::uint64_t> acc(r.size());
    multiplyWithAccumulator(r, a, b, acc);
  }
}

}  // namespace bignum::kernels
