// How far scratch commits have written over an XFS log: the head's readings count where they
// can be trusted, and the least a round commits counts where they cannot, so the count never
// says the log went round before it did.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/posix/XfsLogBudget.h"

using namespace platform::journal;

namespace {

constexpr std::uint64_t kLog = 1 << 20;      // 2048 log blocks of 512 bytes
constexpr std::uint64_t kRound = 100 << 10;  // the least a round puts through the log
constexpr std::uint64_t kTarget = kLog + kLog / 20 + 1;

std::optional<LogPosition> at(std::uint64_t cycle, std::uint64_t block) {
  return LogPosition{cycle, block};
}

}  // namespace

TEST(XfsLogBudget, TheHeadPositionIsReadAsTheKernelWritesIt) {
  EXPECT_EQ(parseLogPosition("1:2\n"), at(1, 2));
  EXPECT_EQ(parseLogPosition("12:40961"), at(12, 40961));
  for (const char* bad : {"", "1", "1:", ":2", "1:2:3", "-1:2", "1:x", "a:2", "1 :2"}) {
    EXPECT_FALSE(parseLogPosition(bad)) << bad;
  }
}

TEST(XfsLogBudget, TheTargetIsTheLogAndATwentiethMore) {
  EXPECT_EQ(XfsLogBudget(20 << 20, 1).target(), 21u << 20);
  // Rounded up: never less than a twentieth more.
  EXPECT_EQ(XfsLogBudget(kLog, 1).target(), kTarget);
}

TEST(XfsLogBudget, FinishesOnlyOnceTheLogHasGoneRound) {
  struct Case {
    const char* name;
    std::optional<LogPosition> start;
    std::vector<std::optional<LogPosition>> heads;  // read after each round
    std::uint64_t done;                             // bytes counted after the last round
    bool followsHead;
  };
  const std::uint64_t blocks = kLog / 512;
  const std::uint64_t rounds3 = 3 * kRound;
  const Case cases[] = {
      {"within one cycle", at(1, 100), {at(1, 600), at(1, 1100)}, 1000 * 512, true},
      {"across the end of the log",
       at(1, 1500),
       {at(1, 2000), at(2, 100), at(2, 1500)},
       blocks * 512,
       true},
      {"round once and a twentieth more",
       at(3, 10),
       {at(4, 10 + blocks / 20 + 1)},
       (blocks + blocks / 20 + 1) * 512,
       true},
      {"several cycles at once", at(1, 0), {at(4, 0)}, 3 * blocks * 512, true},
      // Readings that cannot be trusted leave only the least each round commits.
      {"no head at the start", std::nullopt, {at(1, 600), at(9, 0), at(9, 1)}, rounds3, false},
      {"head lost on the way", at(1, 0), {at(1, 1000), std::nullopt, at(5, 0)}, rounds3, false},
      {"head going back", at(1, 500), {at(1, 1000), at(1, 900), at(7, 0)}, rounds3, false},
      {"head before the start", at(2, 500), {at(2, 400), at(3, 0), at(9, 0)}, rounds3, false},
      {"older cycle", at(2, 500), {at(1, 600), at(3, 0), at(9, 0)}, rounds3, false},
      {"block outside the log", at(1, 0), {at(1, blocks), at(3, 0), at(9, 0)}, rounds3, false},
      // A head that moves less than the least a round commits does not hold the count back.
      {"slow head", at(1, 0), {at(1, 1), at(1, 2), at(1, 3)}, rounds3, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    XfsLogBudget budget(kLog, kRound);
    budget.start(c.start);
    EXPECT_EQ(budget.done(), 0u);
    for (const auto& head : c.heads) budget.committed(head);
    EXPECT_EQ(budget.done(), c.done);
    EXPECT_EQ(budget.followsHead(), c.followsHead);
    EXPECT_EQ(budget.finished(), c.done >= kTarget);
  }
}

TEST(XfsLogBudget, WithoutTheHeadTheLeastCountAloneReachesTheTarget) {
  XfsLogBudget budget(kLog, kRound);
  budget.start(std::nullopt);
  int rounds = 0;
  while (!budget.finished() && rounds < 100) {
    budget.committed(std::nullopt);
    ++rounds;
  }
  EXPECT_EQ(static_cast<std::uint64_t>(rounds), (kTarget + kRound - 1) / kRound);
}

TEST(XfsLogBudget, AReadingThatCannotBeTrustedNeverEndsTheCycleAtOnce) {
  // The first reading after the start is one that cannot be: counted as the distance it seems
  // to be, it would wrap round to more than the log and end the cycle after a single round.
  const std::uint64_t blocks = kLog / 512;
  struct Case {
    const char* name;
    std::optional<LogPosition> start;
    std::optional<LogPosition> head;
  };
  const Case cases[] = {
      {"an older cycle", at(5, 500), at(4, 600)},
      {"behind the start in its cycle", at(5, 500), at(5, 499)},
      {"far behind in an older cycle", at(5, 0), at(1, blocks - 1)},
      {"outside the log", at(5, 500), at(5, blocks)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    XfsLogBudget budget(kLog, kRound);
    budget.start(c.start);
    budget.committed(c.head);
    EXPECT_FALSE(budget.finished());
    EXPECT_FALSE(budget.followsHead());
    EXPECT_EQ(budget.done(), kRound);
  }
}
