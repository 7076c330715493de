#include "core/ProgramRandom.h"

#include <utility>

namespace {
std::uint32_t seed = 0;
}

std::uint32_t Random(std::uint32_t range) {
  seed = seed * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * range) >> 32);
}

std::uint8_t RandomInRange(std::uint8_t low, std::uint8_t high) {
  if (low > high) std::swap(low, high);
  // Draw below high + 1 and draw again while the value is below low.
  std::uint32_t r;
  do {
    r = Random(static_cast<std::uint32_t>(high) + 1u);
  } while (r < low);
  return static_cast<std::uint8_t>(r);
}

std::uint32_t RandomSeed() { return seed; }
void SetRandomSeed(std::uint32_t value) { seed = value; }
