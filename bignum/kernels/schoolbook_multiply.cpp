#include "bignum/kernels/schoolbook_multiply.h"

#include <algorithm>
#include <array>
#include <vector>

#include "bignum/kernels/radix_avx512.h"

namespace bignum::kernels {

namespace {

// After a split pass (below) a column is below kSplitBound; kRowsPerCarry more rows add at most
// kRowsPerCarry * (R - 1)^2 and a carry of the final pass less than 2^64 / R, R = 10^9.
constexpr std::size_t kRowsPerCarry = 18;
constexpr std::uint64_t kSplitBound = kRadix + ~std::uint64_t{0} / kRadix;
static_assert(kRowsPerCarry * std::uint64_t{kRadix - 1} * (kRadix - 1) <=
                  ~std::uint64_t{0} - 2 * kSplitBound,
              "an accumulator column must not overflow between two passes");

// Small products (the leaves of Karatsuba) use a buffer on the stack.
constexpr std::size_t kStackColumns = 512;

// Bounds the columns [from, touched) again without a carry chain, so that the loop has no
// dependence from one column to the next: each column keeps its remainder mod R and gains the
// quotient of the column below it (read before that one changes, hence the downward loop); the
// top column's quotient goes to column `touched`. Every column ends below kSplitBound, which
// leaves room for kRowsPerCarry more rows. Columns below `from` see no more rows.
void splitPass(std::span<std::uint64_t> acc, std::size_t from, std::size_t touched) {
  acc[touched] += acc[touched - 1] / kRadix;
  for (std::size_t k = touched - 1; k > from; --k) {
    acc[k] = acc[k] % kRadix + acc[k - 1] / kRadix;
  }
  acc[from] %= kRadix;
}

// Normalises every column to a limb below R, carrying upward.
void carryPass(std::span<std::uint64_t> acc) {
  std::uint64_t carry = 0;
  for (auto& column : acc) {
    const std::uint64_t t = column + carry;  // carry < 2^64 / R, so no overflow
    column = t % kRadix;
    carry = t / kRadix;
  }
}

// column[j] += a[j] * bi for every j: the inner loop of the product. Compilers do not see that
// both factors are 32-bit and emulate a 64-bit multiply per lane, so on x86-64 the widening
// multiply is spelled out for AVX-512 and AVX2, chosen once by what the processor supports.
using RowFunction = void (*)(std::uint64_t* column, const std::uint32_t* a, std::size_t n,
                             std::uint32_t bi);
using SplitFunction = void (*)(std::span<std::uint64_t> acc, std::size_t from, std::size_t touched);

using FourRowFunction = void (*)(std::uint64_t* column, const std::uint32_t* padded, std::size_t n,
                                 const std::uint32_t* b);

struct RowFunctions {
  RowFunction addRow;
  SplitFunction split;
  FourRowFunction addFourRows;  // may be null: rows one at a time
};

void addRowPlain(std::uint64_t* column, const std::uint32_t* a, std::size_t n, std::uint32_t bi) {
  for (std::size_t j = 0; j < n; ++j) column[j] += std::uint64_t{a[j]} * bi;
}

#ifdef TALLYVANE_HAS_AVX512_KERNELS
[[gnu::target("avx512f")]] void addRowAvx512(std::uint64_t* column, const std::uint32_t* a,
                                             std::size_t n, std::uint32_t bi) {
  const __m512i factor = _mm512_set1_epi64(static_cast<long long>(bi));
  std::size_t j = 0;
  // The zero-masked forms avoid GCC 12's false uninitialised warning about the plain ones.
  for (; j + 8 <= n; j += 8) {
    const __m512i limbs = _mm512_maskz_cvtepu32_epi64(
        0xFF, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + j)));
    const __m512i sum = _mm512_add_epi64(_mm512_loadu_si512(column + j),
                                         _mm512_maskz_mul_epu32(0xFF, limbs, factor));
    _mm512_storeu_si512(column + j, sum);
  }
  addRowPlain(column + j, a + j, n - j, bi);
}

[[gnu::target("avx512f,avx512dq")]] void splitPassAvx512(std::span<std::uint64_t> acc,
                                                         std::size_t from, std::size_t touched) {
  const __m512i radix = _mm512_set1_epi64(kRadix);
  acc[touched] += acc[touched - 1] / kRadix;
  std::size_t k = touched - 1;  // columns (from, k] are still to do, from the top down
  for (; k >= from + 8; k -= 8) {
    std::uint64_t* block = acc.data() + (k - 7);
    const __m512i x = _mm512_loadu_si512(block);
    const __m512i below = _mm512_loadu_si512(block - 1);
    const __m512i kept = _mm512_sub_epi64(x, _mm512_mullo_epi64(quotientByRadix(x), radix));
    _mm512_storeu_si512(block, _mm512_add_epi64(kept, quotientByRadix(below)));
  }
  for (; k > from; --k) acc[k] = acc[k] % kRadix + acc[k - 1] / kRadix;
  acc[from] %= kRadix;
}

// Four rows at once: column c gains a[c] b0 + a[c-1] b1 + a[c-2] b2 + a[c-3] b3 for
// c < n = a's size + 3, where padded holds three zeros, a, and zeros to read past the end.
// Each column is loaded and stored once per four rows; row by row, every load would overlap the
// previous row's store one column over and miss store forwarding.
[[gnu::target("avx512f")]] void addFourRowsAvx512(std::uint64_t* column,
                                                  const std::uint32_t* padded, std::size_t n,
                                                  const std::uint32_t* b) {
  const __m512i factors[4] = {_mm512_set1_epi64(b[0]), _mm512_set1_epi64(b[1]),
                              _mm512_set1_epi64(b[2]), _mm512_set1_epi64(b[3])};
  for (std::size_t c = 0; c < n; c += 8) {
    const auto lanes = static_cast<__mmask8>(c + 8 <= n ? 0xFF : (1u << (n - c)) - 1);
    __m512i sum = _mm512_maskz_loadu_epi64(lanes, column + c);
    for (std::size_t r = 0; r < 4; ++r) {
      const __m512i limbs = _mm512_maskz_cvtepu32_epi64(
          0xFF, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(padded + 3 + c - r)));
      sum = _mm512_add_epi64(sum, _mm512_maskz_mul_epu32(0xFF, limbs, factors[r]));
    }
    _mm512_mask_storeu_epi64(column + c, lanes, sum);
  }
}

[[gnu::target("avx2")]] void addRowAvx2(std::uint64_t* column, const std::uint32_t* a,
                                        std::size_t n, std::uint32_t bi) {
  const __m256i factor = _mm256_set1_epi64x(static_cast<long long>(bi));
  std::size_t j = 0;
  for (; j + 4 <= n; j += 4) {
    const __m256i limbs =
        _mm256_cvtepu32_epi64(_mm_loadu_si128(reinterpret_cast<const __m128i*>(a + j)));
    const __m256i* target = reinterpret_cast<const __m256i*>(column + j);
    const __m256i sum =
        _mm256_add_epi64(_mm256_loadu_si256(target), _mm256_mul_epu32(limbs, factor));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(column + j), sum);
  }
  addRowPlain(column + j, a + j, n - j, bi);
}

bool supports(RowKernel kernel) {
  __builtin_cpu_init();
  switch (kernel) {
    case RowKernel::kAvx512:
      return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq");
    case RowKernel::kAvx2:
      return __builtin_cpu_supports("avx2");
    default:
      return true;
  }
}

RowFunctions rowFunctions(RowKernel kernel) {
  switch (kernel) {
    case RowKernel::kAvx512:
      return {addRowAvx512, splitPassAvx512, addFourRowsAvx512};
    case RowKernel::kAvx2:
      return {addRowAvx2, splitPass, nullptr};
    default:
      return {addRowPlain, splitPass, nullptr};
  }
}
#else
bool supports(RowKernel kernel) {
  return kernel == RowKernel::kBest || kernel == RowKernel::kPortable;
}

RowFunctions rowFunctions(RowKernel) {
  return {addRowPlain, splitPass, nullptr};
}
#endif

RowKernel bestRowKernel() {
  for (RowKernel kernel : {RowKernel::kAvx512, RowKernel::kAvx2}) {
    if (supports(kernel)) return kernel;
  }
  return RowKernel::kPortable;
}

void multiplyWithAccumulator(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b,
                             std::span<std::uint64_t> acc, std::span<std::uint32_t> padded,
                             const RowFunctions& kernel) {
  std::fill(acc.begin(), acc.end(), 0u);
  if (kernel.addFourRows) {
    std::fill(padded.begin(), padded.end(), 0u);
    std::copy(a.begin(), a.end(), padded.begin() + 3);
  }
  std::size_t rowsSinceCarry = 0;
  std::size_t firstPendingRow = 0;  // columns below it no longer change until the last pass
  for (std::size_t i = 0; i < b.size();) {
    if (kernel.addFourRows && i + 4 <= b.size()) {
      kernel.addFourRows(acc.data() + i, padded.data(), a.size() + 3, b.data() + i);
      i += 4;
      rowsSinceCarry += 4;
    } else {
      kernel.addRow(acc.data() + i, a.data(), a.size(), b[i]);
      ++i;
      ++rowsSinceCarry;
    }
    if (rowsSinceCarry + 4 > kRowsPerCarry) {  // the next step could pass the bound
      kernel.split(acc, firstPendingRow, i - 1 + a.size());
      rowsSinceCarry = 0;
      firstPendingRow = i;
    }
  }
  carryPass(acc);
  for (std::size_t k = 0; k < r.size(); ++k) r[k] = static_cast<std::uint32_t>(acc[k]);
}

}  // namespace

bool rowKernelAvailable(RowKernel kernel) {
  return supports(kernel);
}

void schoolbookMultiply(LimbSpan r, ConstLimbSpan a, ConstLimbSpan b, RowKernel kernel) {
  static const RowFunctions best = rowFunctions(bestRowKernel());
  const RowFunctions functions = kernel == RowKernel::kBest ? best : rowFunctions(kernel);
  if (a.size() < b.size()) std::swap(a, b);  // the long operand runs in the inner loop
  // The padded copy of a: three zeros below, and room to read a vector past its top.
  const std::size_t paddedSize = a.size() + 16;
  if (r.size() <= kStackColumns) {
    std::array<std::uint64_t, kStackColumns> acc;
    std::array<std::uint32_t, kStackColumns + 16> padded;
    multiplyWithAccumulator(r, a, b, std::span(acc).first(r.size()),
                            std::span(padded).first(paddedSize), functions);
  } else {
    std::vector<std::uint64_t> acc(r.size());
    std::vector<std::uint32_t> padded(paddedSize);
    multiplyWithAccumulator(r, a, b, acc, padded, functions);
  }
}

}  // namespace bignum::kernels
