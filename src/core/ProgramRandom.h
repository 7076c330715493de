#pragma once
// The program-wide random generator: a 32-bit linear congruential generator whose seed starts at
// 0 and is never set otherwise, so every start of the program draws the same sequence.

#include <cstddef>
#include <cstdint>

#include "platform/ScopedOverride.h"

// A value in 0 .. range - 1 (0 when range is 0).
std::uint32_t Random(std::uint32_t range);

// A value in low .. high, both included: drawn below high + 1, and drawn again while below low.
// When low is above high the bounds are swapped, so the draw always ends.
std::uint8_t RandomInRange(std::uint8_t low, std::uint8_t high);
// Fills `count` bytes, each drawn as RandomInRange draws it.
void RandomBytes(char* out, std::size_t count, std::uint8_t low, std::uint8_t high);
// Moves the generator on by `steps` draws without making them.
void SkipRandom(std::uint64_t steps);

// The same two on a state of the caller's, which starts as a copy of the program's seed: the
// bytes are those the program's generator would draw from that seed, and the program's own
// sequence is not touched.
void RandomBytesFrom(std::uint32_t& state, char* out, std::size_t count, std::uint8_t low,
                     std::uint8_t high);
void SkipRandomFrom(std::uint32_t& state, std::uint64_t steps);

// The generator's state, for tests and for going back to a known point.
std::uint32_t RandomSeed();
void SetRandomSeed(std::uint32_t seed);
// Sets the state and returns the one it replaces.
std::uint32_t ReplaceRandomSeed(std::uint32_t seed);
// Sets the state for the lifetime of the object, then puts back the state it had before.
using ScopedRandomSeed = platform::ScopedOverride<&ReplaceRandomSeed>;
