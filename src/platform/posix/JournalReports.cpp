#include "platform/posix/JournalReports.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "platform/PathText.h"

namespace platform::journal {
namespace {

// The reports are a few hundred bytes; anything far longer is not one of them.
constexpr std::size_t kMostReportBytes = 64 * 1024;

// Reads the decimal number at the start of text and moves past it.
std::optional<std::uint64_t> takeNumber(std::string_view& text) {
  std::uint64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data()) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

// True when text starts with word, and moves past it.
bool takeWord(std::string_view& text, std::string_view word) {
  text = trimLine(text);
  if (text.substr(0, word.size()) != word) return false;
  text.remove_prefix(word.size());
  text = trimLine(text);
  return true;
}

template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    visit(trimLine(text.substr(0, end)));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

std::optional<CommitReport> parseCommitReport(std::string_view text) {
  if (text.size() > kMostReportBytes) return std::nullopt;
  std::string_view line = trimLine(text.substr(0, text.find('\n')));
  CommitReport report;
  auto transactions = takeNumber(line);
  if (!transactions || !takeWord(line, "transactions") || !takeWord(line, "(")) {
    return std::nullopt;
  }
  if (!takeNumber(line) || !takeWord(line, "requested),") || !takeWord(line, "each up to")) {
    return std::nullopt;
  }
  auto blocks = takeNumber(line);
  if (!blocks || !takeWord(line, "blocks") || *blocks == 0) return std::nullopt;
  report.transactions = *transactions;
  report.maxTransactionBlocks = *blocks;
  return report;
}

std::optional<FastCommitReport> parseFastCommitReport(std::string_view text) {
  if (text.size() > kMostReportBytes) return std::nullopt;
  FastCommitReport report;
  bool commits = false, ineligible = false, blocks = false, inReasons = false;
  forEachLine(text, [&](std::string_view line) {
    if (line == "Ineligible reasons:") {
      inReasons = true;
      return;
    }
    if (inReasons) {
      // "\"Extended attributes changed\":\t3"
      const std::size_t colon = line.rfind("\":");
      if (line.empty() || line.front() != '"' || colon == std::string_view::npos) return;
      const std::string_view name = line.substr(1, colon - 1);
      std::string_view count = trimLine(line.substr(colon + 2));
      auto value = takeNumber(count);
      if (value && name != "FC Commit Failed") report.reasons += *value;
      return;
    }
    std::string_view rest = line;
    auto value = takeNumber(rest);
    if (!value) return;
    if (takeWord(rest, "commits") && rest.empty()) {
      report.commits = *value;
      commits = true;
    } else if (takeWord(rest, "ineligible") && rest.empty()) {
      report.ineligible = *value;
      ineligible = true;
    } else if (takeWord(rest, "numblks") && rest.empty()) {
      report.blocks = *value;
      blocks = true;
    }
  });
  if (!commits || !ineligible || !blocks) return std::nullopt;
  return report;
}

std::optional<KernelVersion> parseKernelRelease(std::string_view release) {
  KernelVersion version;
  auto major = takeNumber(release);
  if (!major || release.empty() || release.front() != '.') return std::nullopt;
  release.remove_prefix(1);
  auto minor = takeNumber(release);
  if (!minor || *major > 1000 || *minor > 1000) return std::nullopt;
  version.major = static_cast<int>(*major);
  version.minor = static_cast<int>(*minor);
  return version;
}

unsigned transactionsPerLog(KernelVersion version) {
  return (version.major > 6 || (version.major == 6 && version.minor >= 11)) ? 3 : 4;
}

RewritePlan planRewrite(std::uint64_t logBlocks, std::uint32_t blockSize, std::uint32_t inodeSize,
                        std::uint64_t freeInodes, std::uint64_t freeBytes) {
  // A commit (a flush of the device) costs about as much time as making this many scratch
  // files and removing them again; the blocks per commit balance the two.
  constexpr std::uint64_t kFilesPerCommit = 128;
  // Never more commits than this (the fewest blocks per commit follows from it).
  constexpr std::uint64_t kMostCommits = 4096;
  constexpr std::uint64_t kMostBlocksPerCommit = 2000;
  constexpr std::uint64_t kMostFiles = 32768;
  // A scratch file costs an inode and about this many bytes of its folder.
  constexpr std::uint64_t kBytesPerFile = 32;
  // Space left alone for everything else.
  constexpr std::uint64_t kSpareBytes = 1024 * 1024;
  // Inodes are never smaller than this.
  constexpr std::uint32_t kSmallestInode = 128;

  RewritePlan plan;
  plan.targetBlocks = (logBlocks * 105 + 99) / 100;
  const std::uint32_t size = inodeSize >= kSmallestInode ? inodeSize : kSmallestInode;
  plan.inodesPerBlock = std::max<std::uint32_t>(1, blockSize / size);
  // Making the files for b blocks costs b * inodesPerBlock, the commits targetBlocks / b times
  // kFilesPerCommit; the sum is least where both are equal.
  const double balance =
      std::sqrt(static_cast<double>(plan.targetBlocks) * kFilesPerCommit / plan.inodesPerBlock);
  plan.wantedBlocks = std::clamp<std::uint64_t>(static_cast<std::uint64_t>(std::ceil(balance)), 1,
                                                kMostBlocksPerCommit);
  plan.leastBlocks =
      std::max<std::uint64_t>(1, (plan.targetBlocks + kMostCommits - 1) / kMostCommits);
  const std::uint64_t byInodes = freeInodes / 2;
  const std::uint64_t bySpace =
      freeBytes > kSpareBytes ? (freeBytes - kSpareBytes) / kBytesPerFile : 0;
  // Files are numbered densely; the first may share its block with inodes of others.
  const std::uint64_t wantedFiles =
      std::min<std::uint64_t>(kMostFiles, (plan.wantedBlocks + 1) * plan.inodesPerBlock);
  plan.maxFiles = std::min({wantedFiles, byInodes, bySpace});
  plan.inodesLimit = byInodes <= bySpace;
  return plan;
}

bool FastCommitFill::step(const CommitReport& commitsBefore, const FastCommitReport& before,
                          const CommitReport& commitsAfter, const FastCommitReport& after) {
  if (filled_) return true;
  const std::uint64_t blocks = after.blocks > before.blocks ? after.blocks - before.blocks : 0;
  total_ += blocks;
  if (commitsAfter.transactions == commitsBefore.transactions) {
    written_ += blocks;
    return false;
  }
  // A full commit: either the fast commit found the area full and fell back (ineligible
  // without a reason), or something else committed, and the area starts over. A fall-back
  // before any fast commit had room is taken for the latter: the change may have been made
  // ineligible by another program just before.
  const std::uint64_t fellBack = after.ineligible - std::min(after.ineligible, before.ineligible);
  const std::uint64_t withReason = after.reasons - std::min(after.reasons, before.reasons);
  if (fellBack > withReason && written_ > 0) {
    filled_ = true;
    return true;
  }
  written_ = 0;
  return false;
}

}  // namespace platform::journal
