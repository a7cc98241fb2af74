#include "drill/random_service.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "case_names.h"
#include "drill/drill.h"
#include "replay_generator.h"

namespace {

class RandomService : public ::testing::Test {
 protected:
  void SetUp() override {
    drill::setSeedCounter(0);
    drill::setTickSource({});
  }
  void TearDown() override { drill::setTickSource({}); }
};

struct SequenceCase {
  const char* name;
  std::uint32_t seed;
  std::vector<std::int32_t> draws;
};

class GeneratorSequence : public ::testing::TestWithParam<SequenceCase> {};

// Seeds 0 and 1 give the first draws of the C run-time library's rand.
TEST_P(GeneratorSequence, MatchesTheRunTimeLibrary) {
  drill::seedRandom(GetParam().seed);
  for (const std::int32_t expected : GetParam().draws) EXPECT_EQ(drill::nextDraw(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, GeneratorSequence,
    ::testing::Values(SequenceCase{"seed1", 1, {41, 18467, 6334, 26500, 19169}},
                      SequenceCase{"seed0", 0, {38, 7719, 21238, 2437, 8855}},
                      SequenceCase{"seed12345", 12345, {7584, 19164, 25795, 22125, 5828}}),
    drill_test::NameOfCase());

TEST(Generator, StateWrapsModulo2To32AndDrawsStayIn15Bits) {
  drill::seedRandom(0xFFFFFFFFu);
  drill_test::ReplayGenerator replay(0xFFFFFFFFu);
  for (int i = 0; i < 1000; ++i) {
    const std::int32_t draw = drill::nextDraw();
    EXPECT_EQ(draw, replay.draw());
    EXPECT_EQ(drill::generatorState(), replay.state());
    ASSERT_GE(draw, 0);
    ASSERT_LE(draw, 32767);
  }
}

struct RangeCase {
  const char* name;
  std::int32_t lo, hi;
  std::int32_t expected;  // after seeding with 1, whose first draw is 41
  bool draws;             // whether the generator state moves
};

class RandomInRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RandomInRange, ClampsSwapsAndTakesTheDrawModuloTheSpan) {
  const RangeCase& c = GetParam();
  drill::seedRandom(1);
  EXPECT_EQ(drill::randomInRange(c.lo, c.hi), c.expected);
  EXPECT_EQ(drill::generatorState() != 1u, c.draws);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, RandomInRange,
    ::testing::Values(RangeCase{"zeroToNine", 0, 9, 1, true},       // 41 mod 10
                      RangeCase{"oneToNine", 1, 9, 6, true},        // 1 + 41 mod 9
                      RangeCase{"swapped", 9, 1, 6, true},          // as 1..9
                      RangeCase{"equalBounds", 5, 5, 5, false},     // no draw
                      RangeCase{"negativeLow", -3, 2, 2, true},     // as 0..2: 41 mod 3
                      RangeCase{"bothNegative", -7, -2, 0, false},  // as 0..0
                      RangeCase{"negativeHigh", 4, -1, 1, true},    // as 0..4: 41 mod 5
                      RangeCase{"threeToEight", 3, 8, 8, true},     // 3 + 41 mod 6
                      RangeCase{"wholeRange", 0, INT32_MAX, 41, true},
                      RangeCase{"nearTop", INT32_MAX - 10, INT32_MAX, INT32_MAX - 10 + 41 % 11,
                                true}),
    drill_test::NameOfCase());

TEST(RandomInRangeSpread, EveryValueOfASmallRangeOccursAndNoneOutside) {
  drill::seedRandom(7);
  std::vector<int> seen(10, 0);
  for (int i = 0; i < 2000; ++i) {
    const std::int32_t v = drill::randomInRange(1, 9);
    ASSERT_GE(v, 1);
    ASSERT_LE(v, 9);
    ++seen[static_cast<std::size_t>(v)];
  }
  for (int v = 1; v <= 9; ++v) EXPECT_GT(seen[static_cast<std::size_t>(v)], 0) << v;
}

TEST(RandomDigitString, MakesExactlyCountDigitsWithoutLeadingZeroFromCountDraws) {
  for (const int count : {1, 2, 9, 10, 100, 5000}) {
    drill::seedRandom(static_cast<std::uint32_t>(count) * 7919u);
    drill_test::ReplayGenerator replay(static_cast<std::uint32_t>(count) * 7919u);
    const std::string digits = drill::randomDigitString(count);
    EXPECT_EQ(digits, replay.digits(count)) << count;
    EXPECT_EQ(drill::generatorState(), replay.state()) << count;
    ASSERT_EQ(digits.size(), static_cast<std::size_t>(count));
    EXPECT_NE(digits.front(), '0');
    EXPECT_EQ(digits.find_first_not_of("0123456789"), std::string::npos);
  }
}

TEST(RandomDigitString, OneDigitIsNeverZero) {
  drill::seedRandom(99);
  for (int i = 0; i < 500; ++i) ASSERT_NE(drill::randomDigitString(1), "0");
}

TEST(RandomDigitString, NoCountGivesTheEmptyTextWithoutADraw) {
  for (const int count : {0, -1, INT32_MIN}) {
    drill::seedRandom(5);
    EXPECT_EQ(drill::randomDigitString(count), "");
    EXPECT_EQ(drill::generatorState(), 5u);
  }
}

TEST_F(RandomService, FirstReseedTakesTheTickAndMovesTheCounter) {
  drill::setTickSource([] { return 0x12345678u; });
  drill::reseedRandom();
  EXPECT_EQ(drill::generatorState(), 0x12345678u);
  EXPECT_EQ(drill::seedCounter(), 0x78u + 100u);
}

TEST_F(RandomService, ReseedsInTheSameMillisecondGiveDifferentSeeds) {
  drill::setTickSource([] { return 1000u; });
  drill_test::ReplayReseed replay;
  std::vector<std::uint32_t> seeds;
  for (int i = 0; i < 5; ++i) {
    drill::reseedRandom();
    seeds.push_back(drill::generatorState());
    EXPECT_EQ(seeds.back(), replay.next(1000u));
    EXPECT_EQ(drill::seedCounter(), replay.counter);
  }
  for (std::size_t i = 1; i < seeds.size(); ++i) {
    EXPECT_GE(seeds[i] - seeds[i - 1], 100u);
    EXPECT_LE(seeds[i] - seeds[i - 1], 355u);
  }
}

TEST_F(RandomService, SeedAndCounterWrapModulo2To32) {
  drill::setTickSource([] { return 0xFFFFFFF0u; });
  drill::setSeedCounter(0x20u);
  drill::reseedRandom();
  EXPECT_EQ(drill::generatorState(), 0x10u);
  EXPECT_EQ(drill::seedCounter(), 0x20u + 0x10u + 100u);
}

TEST_F(RandomService, DefaultTickIsTheMonotonicMillisecondCounter) {
  const std::uint32_t before = drill::monotonicTickMs();
  drill::reseedRandom();
  const std::uint32_t after = drill::monotonicTickMs();
  // The counter was 0, so the seed is the tick itself, read between the two others (the
  // differences are taken modulo 2^32, as the tick wraps).
  EXPECT_LE(drill::generatorState() - before, after - before);
}

}  // namespace
