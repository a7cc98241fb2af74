// Running out of storage: every entry operation is called with the n-th allocation failing, for
// n = 0, 1, 2, ... until it succeeds. Nothing may throw; a failed arithmetic operation gives no
// number, a failed parse a plain zero and false, a failed rendering the empty text.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <optional>
#include <string>

#include "unlnum_support.h"

namespace {

// Allocations still allowed before the next one fails; negative: no limit.
long g_allocationsLeft = -1;

void* allocate(std::size_t size) {
  if (g_allocationsLeft == 0) {
    throw std::bad_alloc();
  }
  if (g_allocationsLeft > 0) {
    --g_allocationsLeft;
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    return p;
  }
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
  return allocate(size);
}
void* operator new[](std::size_t size) {
  return allocate(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

using unlnum_test::Layout;
using unlnum_test::layoutOf;
using unlnum_test::parsed;

// Runs call() with the n-th allocation failing for n = 0, 1, ...; `failed` tells a failed outcome
// and checks it, checkDone checks the first successful one. Returns the number of failed calls.
template <typename Call, typename Failed, typename Done>
long failEachAllocation(Call call, Failed failed, Done checkDone) {
  for (long n = 0; n < 1000; ++n) {
    std::optional<decltype(call())> outcome;
    g_allocationsLeft = n;
    try {
      outcome.emplace(call());
    } catch (...) {
    }
    g_allocationsLeft = -1;
    if (!outcome) {
      ADD_FAILURE() << "an exception left the library when allocation " << n << " failed";
      return n;
    }
    if (!failed(*outcome)) {
      checkDone(*outcome);
      return n;
    }
  }
  ADD_FAILURE() << "still failing after 1000 allocations";
  return 1000;
}

TEST(UnlNumStorage, ArithmeticGivesNoNumberUntilItSucceeds) {
  const UnlNum a = parsed("-123456789012345678901234567890.123456789");
  const UnlNum b = parsed("98765432109876543210.5");
  auto noNumber = [](const std::optional<UnlNum>& r) { return !r.has_value(); };
  auto expectText = [](const char* text) {
    return [text](const std::optional<UnlNum>& r) { EXPECT_EQ(UnlNum::toText(*r), text); };
  };
  EXPECT_GT(failEachAllocation([&] { return UnlNum::add(a, b); }, noNumber,
                               expectText("-123456788913580246791358024679.623456789")),
            0);
  EXPECT_GT(failEachAllocation(
                [&] { return UnlNum::multiply(a, b); }, noNumber,
                expectText("-12193263113702179522558299036755829903674363664056.1880810845")),
            0);
  EXPECT_GT(failEachAllocation([&] { return UnlNum::divide(a, b, 12); }, noNumber,
                               expectText("-1249999988.609375000148")),
            0);
}

TEST(UnlNumStorage, ParsingLeavesAPlainZeroUntilItSucceeds) {
  UnlNum x = parsed("-5.5");
  EXPECT_GT(
      failEachAllocation(
          [&] { return UnlNum::fromText(x, "-1234567890123456789.000000000000001"); },
          [&](bool ok) {
            if (!ok) {
              EXPECT_EQ(layoutOf(x), (Layout{0, {0}, {}}));
            }
            return !ok;
          },
          [&](bool) { EXPECT_EQ(UnlNum::toText(x), "-1234567890123456789.000000000000001"); }),
      0);
}

TEST(UnlNumStorage, RenderingGivesTheEmptyTextUntilItSucceeds) {
  const std::string text = "-" + std::string(200, '7') + "." + std::string(50, '3');
  const UnlNum x = parsed(text);
  EXPECT_GT(failEachAllocation([&] { return UnlNum::toText(x); },
                               [](const std::string& r) { return r.empty(); },
                               [&](const std::string& r) { EXPECT_EQ(r, text); }),
            0);
}

}  // namespace
