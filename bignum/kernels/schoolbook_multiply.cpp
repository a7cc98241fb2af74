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

// Normalises the columns from `from` on to limbs below R. Columns past `touched` have only
// received carries before, so they are below R already and the carry stops at the first one
// that does not overflow.
void carryPass(std::span<std::uint64_t> acc, std::size_t from, std::size_t touched) {
  std::uint64_t carry = 0;
  std::size_t k = from;
  for (; k < touched; ++k) {
    const std::uint64_t t = acc[k] + carry;  // carry < 2^64 / R, so no overflow
    acc[k] = t % kRadix;
    carry = t / kRadix;
  }
  for (; carry != 0 && k < acc.size(); ++k) {
    const std::uint64_t t = acc[k] + carry;
    acc[k] = t % kRadix;
    carry = t / kRadix;
  }
}

// The row loop is a plain multiply-add over 64-bit columns, which the compiler vectorises; the
// clones let it use the widest vector unit of the running processor.
[[gnu::target_clones("avx512f", "avx2", "default")]] void multiplyWithAccumulator(
    LimbSpan r, ConstLimbSpan a, ConstLimbSpan b, std::span<std::uint64_t> acc) {
  std::fill(acc.begin(), acc.end(), 0u);
  std::size_t rowsSinceCarry = 0;
  std::size_t firstPendingRow = 0;  // columns below it are normalised and no longer change
  for (std::size_t i = 0; i < b.size(); ++i) {
    const std::uint64_t bi = b[i];
    std::uint64_t* column = acc.data() + i;
    for (std::size_t j = 0; j < a.size(); ++j) column[j] += a[j] * bi;
    if (++rowsSinceCarry == kRowsPerCarry) {
      carryPass(acc, firstPendingRow, i + a.size());
      rowsSinceCarry = 0;
      firstPendingRow = i + 1;
    }
  }
  carryPass(acc, firstPendingRow, acc.size());
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
