// The generator's bytes, drawn many at a time, against the same draws made one at a time.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "core/ProgramRandom.h"

namespace {

// One draw after another, as the generator is defined: the seed steps once per try, and a value
// below the lower bound is drawn again.
std::string OneAtATime(std::uint32_t& state, std::size_t count, std::uint8_t low,
                       std::uint8_t high) {
  if (low > high) std::swap(low, high);
  std::string out;
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t r;
    do {
      state = state * 134775813u + 1u;
      r = static_cast<std::uint32_t>((std::uint64_t(state) * (std::uint64_t(high) + 1)) >> 32);
    } while (r < low);
    out.push_back(static_cast<char>(r));
  }
  return out;
}

std::string Drawn(std::uint32_t& state, std::size_t count, std::uint8_t low, std::uint8_t high) {
  std::string out(count, '\0');
  RandomBytesFrom(state, out.data(), count, low, high);
  return out;
}

}  // namespace

// Every length around the width of the side-by-side draws, and long buffers, for the whole range
// and for bounds that do and do not draw again, from several seeds: the same bytes and the same
// seed after them.
TEST(ProgramRandomTest, ManyAtATimeDrawsTheBytesAndEndsAtTheSeedOfOneAtATime) {
  const std::vector<std::pair<std::uint8_t, std::uint8_t>> bounds = {
      {0, 255}, {0, 99}, {0, 0}, {0, 1}, {10, 20}, {200, 100}, {255, 255}};
  std::vector<std::size_t> counts;
  for (std::size_t n = 0; n <= 70; ++n) counts.push_back(n);
  counts.insert(counts.end(), {4095, 4096, 4097, 524288 + 3});
  for (const std::uint32_t seed : {0u, 1u, 0x80000000u, 0xFFFFFFFFu, 123456789u}) {
    for (const auto& [low, high] : bounds) {
      for (const std::size_t count : counts) {
        std::uint32_t expectedState = seed, state = seed;
        const std::string expected = OneAtATime(expectedState, count, low, high);
        ASSERT_EQ(Drawn(state, count, low, high), expected)
            << "seed " << seed << " bounds " << int(low) << ".." << int(high) << " count " << count;
        ASSERT_EQ(state, expectedState) << "seed " << seed << " count " << count;
      }
    }
  }
}

// A buffer drawn in pieces of any size holds the bytes of one draw over the whole.
TEST(ProgramRandomTest, PiecesDrawTheBytesOfTheWhole) {
  std::uint32_t wholeState = 42;
  const std::string whole = Drawn(wholeState, 1000, 0, 255);
  std::uint32_t state = 42;
  std::string pieces;
  for (const std::size_t piece : {1u, 15u, 16u, 17u, 33u, 500u, 418u}) {
    pieces += Drawn(state, piece, 0, 255);
  }
  EXPECT_EQ(pieces, whole);
  EXPECT_EQ(state, wholeState);
}

// Skipping k draws lands where drawing k bytes of the whole range lands.
TEST(ProgramRandomTest, SkippingLandsWhereDrawingLands) {
  for (const std::uint64_t steps : {0ull, 1ull, 16ull, 17ull, 1000ull, 65537ull}) {
    std::uint32_t drawn = 7, skipped = 7;
    (void)Drawn(drawn, static_cast<std::size_t>(steps), 0, 255);
    SkipRandomFrom(skipped, steps);
    EXPECT_EQ(skipped, drawn) << steps;
  }
}
