#include <gtest/gtest.h>

#include "platform/posix/JournalReports.h"

using namespace platform::journal;

namespace {

// fc_info as Linux 6.18 writes it.
const char kFastCommitInfo[] =
    "fc stats:\n"
    "208 commits\n"
    "10 ineligible\n"
    "955 numblks\n"
    "17363us avg_commit_time\n"
    "Ineligible reasons:\n"
    "\"Extended attributes changed\":\t2\n"
    "\"Cross rename\":\t1\n"
    "\"Journal flag changed\":\t0\n"
    "\"Insufficient memory\":\t0\n"
    "\"Dir renamed\":\t4\n";

FastCommitReport fast(std::uint64_t commits, std::uint64_t ineligible, std::uint64_t blocks,
                      std::uint64_t reasons = 0) {
  return {commits, ineligible, blocks, reasons};
}

CommitReport full(std::uint64_t transactions) {
  return {transactions, 2730};
}

}  // namespace

TEST(JournalReports, CommitReportGivesTransactionsAndTheLargestTransaction) {
  auto report = parseCommitReport(
      "2104 transactions (1990 requested), each up to 2730 blocks\n"
      "average: \n  0ms waiting for transaction\n");
  ASSERT_TRUE(report);
  EXPECT_EQ(report->transactions, 2104u);
  EXPECT_EQ(report->maxTransactionBlocks, 2730u);

  for (const char* text : {"", "garbage", "12 transactions", "5 transactions (2 requested)",
                           "5 transactions (2 requested), each up to 0 blocks",
                           "5 transactions (2 requested), each up to blocks",
                           "-1 transactions (2 requested), each up to 9 blocks"}) {
    EXPECT_FALSE(parseCommitReport(text)) << text;
  }
}

TEST(JournalReports, FastCommitReportSumsTheReasonsButNotFailedCommits) {
  auto report = parseFastCommitReport(kFastCommitInfo);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->commits, 208u);
  EXPECT_EQ(report->ineligible, 10u);
  EXPECT_EQ(report->blocks, 955u);
  EXPECT_EQ(report->reasons, 7u);

  // Older kernels count a failed fast commit as one more reason; it is the area being full,
  // not a change that could not go into a fast commit.
  auto older = parseFastCommitReport(std::string(kFastCommitInfo) + "\"FC Commit Failed\":\t9\n");
  ASSERT_TRUE(older);
  EXPECT_EQ(older->reasons, 7u);

  EXPECT_FALSE(parseFastCommitReport("fc stats:\n1 commits\n2 ineligible\n"));
  EXPECT_FALSE(parseFastCommitReport(""));
}

TEST(JournalReports, TheLogHoldsThreeLargestTransactionsSinceLinux611AndFourBefore) {
  struct Case {
    const char* release;
    unsigned perLog;
  };
  for (const Case& c :
       {Case{"6.18.44-fc-v1272", 3}, Case{"6.11.0", 3}, Case{"7.0.1", 3}, Case{"6.10.14-arch1", 4},
        Case{"5.15.0-91-generic", 4}, Case{"4.19.0", 4}}) {
    auto version = parseKernelRelease(c.release);
    ASSERT_TRUE(version) << c.release;
    EXPECT_EQ(transactionsPerLog(*version), c.perLog) << c.release;
  }
  for (const char* release : {"", "6", "6.", "x.y", ".11"}) {
    EXPECT_FALSE(parseKernelRelease(release)) << release;
  }
}

TEST(JournalReports, RewritePlanCoversTheLogAndStaysWithinTheFreeInodesAndSpace) {
  struct Case {
    std::uint64_t logBlocks;
    std::uint32_t blockSize, inodeSize;
    std::uint64_t freeInodes, freeBytes;
    std::uint32_t inodesPerBlock;
  };
  const std::uint64_t plenty = 1ull << 40;
  for (const Case& c : {
           Case{1024, 4096, 256, 1u << 20, plenty, 16},      // 4 MiB journal
           Case{262144, 4096, 256, 1u << 24, plenty, 16},    // 1 GiB journal
           Case{262144, 4096, 0, 1u << 24, plenty, 32},      // inode size unknown: 128 assumed
           Case{8192, 1024, 128, 1u << 16, plenty, 8},       // small file system
           Case{4096, 1024, 256, 40, plenty, 4},             // almost no free inodes
           Case{262144, 4096, 256, 1u << 24, 1u << 20, 16},  // no space beyond the reserve
       }) {
    const RewritePlan plan =
        planRewrite(c.logBlocks, c.blockSize, c.inodeSize, c.freeInodes, c.freeBytes);
    SCOPED_TRACE(c.logBlocks);
    EXPECT_GE(plan.targetBlocks * 100, c.logBlocks * 105);
    EXPECT_EQ(plan.inodesPerBlock, c.inodesPerBlock);
    EXPECT_GE(plan.wantedBlocks, 1u);
    EXPECT_LE(plan.wantedBlocks, 2000u);
    // No more commits than a few thousand, even with the fewest blocks per commit.
    EXPECT_LE((plan.targetBlocks + plan.leastBlocks - 1) / plan.leastBlocks, 4096u);
    EXPECT_LE(plan.leastBlocks, plan.wantedBlocks);
    EXPECT_LE(plan.maxFiles, c.freeInodes / 2);
    EXPECT_LE(plan.maxFiles, 32768u);
  }
  EXPECT_TRUE(planRewrite(4096, 1024, 256, 40, plenty).inodesLimit);
  EXPECT_FALSE(planRewrite(4096, 1024, 256, 1u << 20, 1u << 20).inodesLimit);
  EXPECT_EQ(planRewrite(4096, 1024, 256, 1u << 20, 1u << 20).maxFiles, 0u);
}

TEST(JournalReports, FastCommitAreaCountsAsFilledOnlyAfterFastCommitsThenAFallBack) {
  struct Step {
    std::uint64_t transactions;
    FastCommitReport after;
    bool filled;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
  };
  const std::vector<Case> cases = {
      {"fast commits, then one that found no room",
       {{10, fast(1, 0, 80), false}, {10, fast(2, 0, 160), false}, {11, fast(2, 1, 160), true}}},
      {"a fall-back before any fast commit had room",
       {{11, fast(0, 1, 0), false}, {11, fast(1, 1, 80), false}, {12, fast(1, 2, 80), true}}},
      {"a full commit for a change that could not go into a fast commit",
       {{10, fast(1, 0, 80), false}, {11, fast(1, 1, 80, 1), false}}},
      {"a full commit of the timer starts the area over",
       {{10, fast(1, 0, 80), false}, {11, fast(1, 0, 80), false}, {12, fast(1, 1, 80), false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FastCommitFill fill;
    CommitReport commits = full(10);
    FastCommitReport before = fast(0, 0, 0);
    for (const Step& step : c.steps) {
      EXPECT_EQ(fill.step(commits, before, full(step.transactions), step.after), step.filled);
      commits = full(step.transactions);
      before = step.after;
    }
  }

  FastCommitFill fill;
  fill.step(full(1), fast(0, 0, 0), full(1), fast(1, 0, 30));
  fill.step(full(1), fast(1, 0, 30), full(2), fast(1, 0, 30));
  EXPECT_EQ(fill.written(), 0u);  // the full commit started the area over
  fill.step(full(2), fast(1, 0, 30), full(2), fast(2, 0, 50));
  EXPECT_EQ(fill.written(), 20u);
  EXPECT_EQ(fill.total(), 50u);
}
