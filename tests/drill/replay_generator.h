#pragma once

// An independent replay of the program's random generator, for checking the order and the use
// of the draws that the drill engine makes.

#include <cstdint>
#include <string>

namespace drill_test {

/// The C run-time generator written out from its definition: state * 214013 + 2531011 mod 2^32,
/// a draw is bits 16..30 of the new state.
class ReplayGenerator {
 public:
  explicit ReplayGenerator(std::uint32_t seed) : state_(seed) {}

  std::int32_t draw() {
    state_ = static_cast<std::uint32_t>(state_ * 214013ULL + 2531011ULL);
    return static_cast<std::int32_t>((state_ >> 16) & 0x7FFF);
  }

  /// `count` digits as the program draws them: the first from 1..9, the others from 0..9.
  std::string digits(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
      const std::int32_t d = draw();
      out.push_back(static_cast<char>('0' + (i == 0 ? 1 + d % 9 : d % 10)));
    }
    return out;
  }

  void reseed(std::uint32_t seed) { state_ = seed; }
  std::uint32_t state() const { return state_; }

 private:
  std::uint32_t state_;
};

/// The reseed rule replayed: seed = tick + counter; the counter grows by (seed & 255) + 100.
struct ReplayReseed {
  std::uint32_t counter = 0;
  std::uint32_t next(std::uint32_t tick) {
    const std::uint32_t seed = tick + counter;
    counter += (seed & 255u) + 100u;
    return seed;
  }
};

}  // namespace drill_test
