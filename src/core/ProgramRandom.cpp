#include "core/ProgramRandom.h"

#include <utility>

namespace {

// seed = seed * kMultiplier + kIncrement (mod 2^32)
constexpr std::uint32_t kMultiplier = 134775813u;
constexpr std::uint32_t kIncrement = 1u;

std::uint32_t seed = 0;

}  // namespace

std::uint32_t Random(std::uint32_t range) {
  seed = seed * kMultiplier + kIncrement;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * range) >> 32);
}

std::uint8_t RandomInRange(std::uint8_t low, std::uint8_t high) {
  char value;
  RandomBytes(&value, 1, low, high);
  return static_cast<std::uint8_t>(value);
}

void RandomBytes(char* out, std::size_t count, std::uint8_t low, std::uint8_t high) {
  RandomBytesFrom(seed, out, count, low, high);
}

void RandomBytesFrom(std::uint32_t& state, char* out, std::size_t count, std::uint8_t low,
                     std::uint8_t high) {
  if (low > high) std::swap(low, high);
  const std::uint64_t range = std::uint64_t(high) + 1;
  std::uint32_t s = state;  // kept in a register while a buffer is drawn
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t r;
    do {
      s = s * kMultiplier + kIncrement;
      r = static_cast<std::uint32_t>((std::uint64_t(s) * range) >> 32);
    } while (r < low);
    out[i] = static_cast<char>(r);
  }
  state = s;
}

void SkipRandom(std::uint64_t steps) {
  SkipRandomFrom(seed, steps);
}

void SkipRandomFrom(std::uint32_t& state, std::uint64_t steps) {
  // Composes the step with itself by squaring: after k steps the seed is
  // seed * multiplier + increment.
  std::uint32_t multiplier = 1, increment = 0;
  std::uint32_t stepMultiplier = kMultiplier, stepIncrement = kIncrement;
  for (; steps > 0; steps >>= 1) {
    if (steps & 1) {
      multiplier *= stepMultiplier;
      increment = increment * stepMultiplier + stepIncrement;
    }
    stepIncrement = (stepMultiplier + 1) * stepIncrement;
    stepMultiplier *= stepMultiplier;
  }
  state = state * multiplier + increment;
}

std::uint32_t RandomSeed() {
  return seed;
}
void SetRandomSeed(std::uint32_t value) {
  seed = value;
}

std::uint32_t ReplaceRandomSeed(std::uint32_t value) {
  return std::exchange(seed, value);
}
