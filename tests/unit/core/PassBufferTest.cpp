// The bytes of a pass held in small pieces must be exactly those of the whole buffer, and leave
// the random generator where building the whole buffer leaves it.

#include <gtest/gtest.h>

#include <cstdint>
#include <system_error>

#include "core/ProgramRandom.h"
#include "core/TPassBuffer.h"

namespace {

// The bytes of `length` file bytes from a buffer of `block` bytes, asked for in pieces of at
// most `step` bytes, and the seed after Finish.
std::pair<std::string, std::uint32_t> Stream(const TPass& pass, const std::string& text,
                                             std::int64_t block, std::size_t maxHeld,
                                             std::uint64_t length, std::uint64_t step,
                                             std::size_t writeSize = 1) {
  const ScopedRandomSeed seed(12345);
  TPassBuffer buffer(pass, text, block, maxHeld, writeSize);
  std::string out;
  while (out.size() < length) {
    const auto piece = buffer.Bytes(out.size(), std::min<std::uint64_t>(step, length - out.size()));
    EXPECT_FALSE(piece.empty());
    if (piece.empty()) break;
    out.append(piece);
  }
  buffer.Finish();
  return {out, RandomSeed()};
}

// The same from the whole buffer, as the pass is defined.
std::pair<std::string, std::uint32_t> Whole(const TPass& pass, const std::string& text,
                                            std::int64_t block, std::uint64_t length) {
  const ScopedRandomSeed start(12345);
  const std::string buffer = text.empty() ? pass.BuildBuffer(block) : RepeatToLength(text, block);
  const std::uint32_t seed = RandomSeed();
  std::string out;
  for (std::uint64_t i = 0; i < length; ++i) out += buffer[i % buffer.size()];
  return {out, seed};
}

}  // namespace

TEST(PassBufferTest, PiecesAreTheBytesOfTheWholeBuffer) {
  TPass random;
  random.WipeWith = wwRandomBytes;
  random.RandomBytesValue1 = 3;  // draws are rejected now and then
  random.RandomBytesValue2 = 200;
  TPass anyByte;
  anyByte.WipeWith = wwRandomBytes;
  anyByte.RandomBytesValue2 = 255;  // one draw per byte
  TPass character;
  character.WipeWith = wwRandomCharacter;
  character.RandomCharacterValue1 = 65;
  character.RandomCharacterValue2 = 90;
  TPass text;
  text.WipeWith = wwTextPattern;
  text.TextPatternValue = "abcdefg";
  TPass bytes;
  bytes.BytePatternValue = 0x5A;
  TPass zeros;  // one block of zeros serves every such pass
  zeros.BytePatternValue = 0;

  struct Source {
    const TPass* pass;
    std::string text;
  };
  const Source sources[] = {{&random, ""}, {&anyByte, ""},           {&character, ""}, {&text, ""},
                            {&bytes, ""},  {&bytes, "Wiped by ME!"}, {&zeros, ""}};
  for (const Source& source : sources) {
    for (const std::int64_t block : {1, 10, 100, 1000}) {
      for (const std::size_t maxHeld : {1, 3, 7, 64, 4096}) {
        for (const std::uint64_t step : {1, 5, 333, 100000}) {
          SCOPED_TRACE(testing::Message() << "kind " << int(source.pass->WipeWith) << " block "
                                          << block << " held " << maxHeld << " step " << step);
          const std::uint64_t length = 3 * block + block / 2;
          const auto whole = Whole(*source.pass, source.text, block, length);
          EXPECT_EQ(Stream(*source.pass, source.text, block, maxHeld, length, step), whole);
          // Small buffers repeated in memory for larger writes.
          EXPECT_EQ(Stream(*source.pass, source.text, block, maxHeld, length, step, 2500), whole);
        }
      }
    }
  }
}

TEST(PassBufferTest, UnfinishedPassLeavesTheGeneratorAsTheWholeBufferWould) {
  TPass random;
  random.WipeWith = wwRandomBytes;
  random.RandomBytesValue2 = 255;
  TPass rejecting = random;
  rejecting.RandomBytesValue1 = 100;
  for (const TPass& pass : {random, rejecting}) {
    for (const std::size_t maxHeld : {64, 4096}) {
      for (const std::uint64_t length : {0, 1, 99, 250}) {
        SCOPED_TRACE(testing::Message() << length << " " << maxHeld);
        EXPECT_EQ(Stream(pass, "", 1000, maxHeld, length, 17).second,
                  Whole(pass, "", 1000, 0).second);
      }
    }
  }
  // A large buffer of which a few bytes are drawn: the rest is skipped, not drawn.
  const std::int64_t large = 3000017;
  const ScopedRandomSeed seed(5);
  {
    TPassBuffer buffer(random, "", large, 1024);
    EXPECT_EQ(buffer.Bytes(0, 10).size(), 10u);
  }
  const std::uint32_t skipped = RandomSeed();
  SetRandomSeed(5);
  for (std::int64_t i = 0; i < large; ++i) Random(256);
  EXPECT_EQ(RandomSeed(), skipped);
}

// Bytes that cannot be held end the pass with the reason, and the pass still finishes cleanly.
TEST(PassBufferTest, BytesThatCannotBeHeldGiveNoneAndSayWhy) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer stops the program at an allocation this large";
#else
  const std::int64_t huge = std::int64_t(1) << 60;  // more than any system can hold
  TPass bytes;  // a byte pattern: held whole when the limit allows it
  TPass random;
  random.WipeWith = wwRandomBytes;
  random.RandomBytesValue2 = 255;
  for (const TPass& pass : {bytes, random}) {
    SetRandomSeed(7);
    TPassBuffer buffer(pass, "", huge, SIZE_MAX);
    EXPECT_FALSE(buffer.Error());
    EXPECT_TRUE(buffer.Bytes(0, std::uint64_t(huge)).empty());
    EXPECT_EQ(buffer.Error(), std::make_error_code(std::errc::not_enough_memory));
    buffer.Finish();
  }
#endif
}

TEST(PassBufferTest, NothingToWriteWithoutABlock) {
  TPass character;
  character.WipeWith = wwRandomCharacter;
  character.RandomCharacterValue2 = 255;
  SetRandomSeed(1);
  TPassBuffer none(character, "", 0);
  EXPECT_EQ(none.BlockLength(), 0u);
  EXPECT_NE(RandomSeed(), 1u);  // the value is drawn even so, as the whole buffer draws it
  TPass unknown;
  unknown.WipeWith = 9;
  EXPECT_EQ(TPassBuffer(unknown, "", 100, 10).BlockLength(), 0u);
  TPass emptyText;
  emptyText.WipeWith = wwTextPattern;
  EXPECT_THROW(TPassBuffer(emptyText, "", 100, 10), EPassBufferError);
}

TEST(PassBufferTest, ReplayGivesTheSameBytesWithoutMovingTheGenerator) {
  TPass random;
  random.WipeWith = wwRandomBytes;
  random.RandomBytesValue1 = 3;
  random.RandomBytesValue2 = 200;
  TPass character;
  character.WipeWith = wwRandomCharacter;
  character.RandomCharacterValue2 = 255;
  TPass text;
  text.WipeWith = wwTextPattern;
  text.TextPatternValue = "abcdefg";
  for (const TPass* pass : {&random, &character, &text}) {
    // Held whole, and drawn again in pieces for every repetition.
    for (const std::size_t maxHeld : {7, 4096}) {
      SCOPED_TRACE(testing::Message() << "kind " << int(pass->WipeWith) << " held " << maxHeld);
      const std::uint64_t length = 3 * 1000 + 500;
      const auto written = Stream(*pass, "", 1000, maxHeld, length, 333);
      SetRandomSeed(12345);
      TPassBuffer buffer(*pass, "", 1000, maxHeld);
      buffer.Finish();
      const std::uint32_t after = RandomSeed();
      ASSERT_EQ(after, written.second);
      // Made after the pass, read twice over (two replays), never touching the generator.
      for (int round = 0; round < 2; ++round) {
        const auto replay = buffer.Replay();
        std::string out;
        while (out.size() < length) {
          const auto piece =
              replay->Bytes(out.size(), std::min<std::uint64_t>(333, length - out.size()));
          ASSERT_FALSE(piece.empty());
          out.append(piece);
        }
        replay->Finish();
        EXPECT_EQ(out, written.first);
        EXPECT_EQ(RandomSeed(), after);
      }
    }
  }
}
