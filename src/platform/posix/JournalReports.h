#pragma once
// What the Linux kernel reports about an ext4 journal in its text files, and the arithmetic the
// journal cleaning does with it. Plain functions of text and numbers, so tests feed them.

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform::journal {

// The first line of /proc/fs/jbd2/<device>-8/info:
// "2104 transactions (1990 requested), each up to 2730 blocks".
struct CommitReport {
  std::uint64_t transactions = 0;  // full commits since the file system was mounted
  std::uint64_t maxTransactionBlocks = 0;
};
std::optional<CommitReport> parseCommitReport(std::string_view text);

// /proc/fs/ext4/<device>/fc_info: "fc stats:", "<n> commits", "<n> ineligible",
// "<n> numblks", ..., then "Ineligible reasons:" with one "\"<reason>\":\t<n>" line each.
struct FastCommitReport {
  std::uint64_t commits = 0;     // fast commits made
  std::uint64_t ineligible = 0;  // fast commits that became full commits instead
  std::uint64_t blocks = 0;      // blocks written by fast commits
  // Changes that could not go into a fast commit, summed over the reasons listed; a failed
  // fast commit (counted as a reason by older kernels) is left out.
  std::uint64_t reasons = 0;
};
std::optional<FastCommitReport> parseFastCommitReport(std::string_view text);

struct KernelVersion {
  int major = 0;
  int minor = 0;
};
// "6.18.44-fc-v1272" -> 6.18.
std::optional<KernelVersion> parseKernelRelease(std::string_view release);
// How many times the largest transaction fits into the log: 3 since Linux 6.11, 4 before.
unsigned transactionsPerLog(KernelVersion version);

// How the journal is written over with commits of scratch files: each commit changes the inodes
// of scratch files that lie on distinct blocks of the inode table, so every commit writes one
// journal block per such inode.
struct RewritePlan {
  std::uint64_t targetBlocks = 0;    // blocks to commit: the log's size and a twentieth more
  std::uint32_t inodesPerBlock = 1;  // assumed inodes per inode-table block (never too few)
  std::uint64_t wantedBlocks = 0;    // inode-table blocks to change per commit
  std::uint64_t leastBlocks = 0;     // the fewest that keeps the number of commits bounded
  std::uint64_t maxFiles = 0;        // scratch files the free inodes and space allow
  bool inodesLimit = false;          // maxFiles is bound by the free inodes (else by the space)
};
// inodeSize 0 when unknown: the smallest inode size is assumed, so blocks are never counted
// twice.
RewritePlan planRewrite(std::uint64_t logBlocks, std::uint32_t blockSize, std::uint32_t inodeSize,
                        std::uint64_t freeInodes, std::uint64_t freeBytes);

// Follows the filling of the fast-commit area, one step (a change and a fast commit) at a time.
// Fast commits write the area from its start after every full commit; the one that finds no
// room left becomes a full commit (counted as ineligible, without a reason). Once that has been
// seen after fast commits that had room, every block of the area has been written since the
// last full commit before it.
class FastCommitFill {
 public:
  // The reports read before and after one step; true once the area has been written over.
  bool step(const CommitReport& commitsBefore, const FastCommitReport& before,
            const CommitReport& commitsAfter, const FastCommitReport& after);
  bool filled() const { return filled_; }
  // Blocks written to the area by fast commits since the last full commit.
  std::uint64_t written() const { return written_; }
  // Blocks written to the area in all steps.
  std::uint64_t total() const { return total_; }

 private:
  std::uint64_t written_ = 0;
  std::uint64_t total_ = 0;
  bool filled_ = false;
};

}  // namespace platform::journal
