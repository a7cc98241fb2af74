#pragma once

// Access to the random service's hidden state, for start-up code and tests. The service itself
// (seedRandom, reseedRandom, randomInRange, randomDigitString) is declared in drill/drill.h.

#include <cstdint>
#include <functional>

namespace drill {

/// The millisecond tick that reseedRandom reads: a monotonic millisecond counter cut to 32 bits
/// (it wraps after about 49.7 days, as the program expects of the system tick).
std::uint32_t monotonicTickMs();

/// Replaces the tick that reseedRandom reads; an empty function restores monotonicTickMs.
void setTickSource(std::function<std::uint32_t()> tick);

/// The generator's 32-bit state word (the last seed, advanced once by every draw).
std::uint32_t generatorState();

/// The counter that reseedRandom adds to the tick; 0 when the program starts, never reset by the
/// program itself.
std::uint32_t seedCounter();
void setSeedCounter(std::uint32_t value);

/// One draw: advances the state and returns its bits 16..30, a value in 0 .. 32767.
std::int32_t nextDraw();

}  // namespace drill
