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

namespace {

// The step of the generator taken `steps` times at once: seed * multiplier + increment.
struct Stride {
  std::uint32_t multiplier = 1;
  std::uint32_t increment = 0;
};

constexpr Stride StrideOf(std::uint64_t steps) {
  // Composes the step with itself by squaring.
  Stride total;
  Stride step{kMultiplier, kIncrement};
  for (; steps > 0; steps >>= 1) {
    if (steps & 1) {
      total.multiplier *= step.multiplier;
      total.increment = total.increment * step.multiplier + step.increment;
    }
    step.increment = (step.multiplier + 1) * step.increment;
    step.multiplier *= step.multiplier;
  }
  return total;
}

// Draws at once: byte i of a run of bytes comes from the seed i + 1 steps on, so that, where no
// draw is made again, the bytes can be drawn from several seeds side by side, each stepping
// kLanes at a time. The chain of one seed is what limits one-at-a-time drawing; side by side
// the processor works on all of them together.
constexpr std::size_t kLanes = 16;

// Where the processor has wider registers, the side-by-side draws are built for them too and the
// widest the processor has is chosen when the program starts.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#define DRAW_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define DRAW_CLONES
#endif
constexpr Stride kLaneStride = StrideOf(kLanes);

// Draws below `range` from `s` while `count` is at least kLanes: returns how many bytes were
// drawn (a multiple of kLanes) and leaves `s` at the seed of the last one.
DRAW_CLONES std::size_t DrawSideBySide(std::uint32_t& s, char* out, std::size_t count,
                                       std::uint64_t range) {
  if (count < kLanes) return 0;
  std::uint32_t lanes[kLanes];
  std::uint32_t next = s;
  for (std::uint32_t& lane : lanes) {
    next = next * kMultiplier + kIncrement;
    lane = next;
  }
  std::size_t done = 0;
  for (; done + kLanes <= count; done += kLanes) {
    if (range == 256) {
      // The whole range of a byte: the top eight bits of each seed.
      for (std::size_t k = 0; k < kLanes; ++k) out[done + k] = static_cast<char>(lanes[k] >> 24);
    } else {
      for (std::size_t k = 0; k < kLanes; ++k) {
        out[done + k] = static_cast<char>((std::uint64_t(lanes[k]) * range) >> 32);
      }
    }
    s = lanes[kLanes - 1];
    for (std::uint32_t& lane : lanes) lane = lane * kLaneStride.multiplier + kLaneStride.increment;
  }
  return done;
}

}  // namespace

void RandomBytesFrom(std::uint32_t& state, char* out, std::size_t count, std::uint8_t low,
                     std::uint8_t high) {
  if (low > high) std::swap(low, high);
  const std::uint64_t range = std::uint64_t(high) + 1;
  std::uint32_t s = state;  // kept in a register while a buffer is drawn
  // With no lower bound no draw is made again, so every byte is one step on.
  std::size_t i = low == 0 ? DrawSideBySide(s, out, count, range) : 0;
  for (; i < count; ++i) {
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
  const Stride stride = StrideOf(steps);
  state = state * stride.multiplier + stride.increment;
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
