#pragma once
// How far commits of the program's own have written over an XFS log. The log is a ring of
// 512-byte blocks that the file system writes at its head, going round and round; once the head
// has gone the log's whole size past where it stood after the deletions were committed, every
// block of the log has been written since, and no old copy of a folder block is left in it.
//
// The head is read from the kernel's report ("<cycle>:<block>"). Where it cannot be read, or
// reads back in a way that cannot be (it went backwards, or out of the log), the count goes by
// what each round of commits puts through the log at the least, which never counts too much.

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform::journal {

// /sys/fs/xfs/<device>/log/log_head_lsn: "<cycle>:<block>", the block counted in 512-byte units
// from the start of the log and the cycle counting the times the head has gone round it.
struct LogPosition {
  std::uint64_t cycle = 0;
  std::uint64_t block = 0;
  bool operator==(const LogPosition&) const = default;
};
std::optional<LogPosition> parseLogPosition(std::string_view text);

class XfsLogBudget {
 public:
  // logBytes: the size of the log. leastRoundBytes: the fewest bytes one round of commits puts
  // through the log.
  XfsLogBudget(std::uint64_t logBytes, std::uint64_t leastRoundBytes);

  // Bytes to put through the log: its size and a twentieth more.
  std::uint64_t target() const { return target_; }
  // The head once the deletions have been committed, before the first round; none when it could
  // not be read.
  void start(const std::optional<LogPosition>& head);
  // One round has been committed; the head read after it, none when it could not be read.
  void committed(const std::optional<LogPosition>& head);
  // Bytes known to have gone through the log since start.
  std::uint64_t done() const;
  bool finished() const { return done() >= target_; }
  // Whether the count follows the head (false once a reading of it could not be trusted).
  bool followsHead() const { return following_; }

 private:
  std::uint64_t logBlocks_;  // 512-byte blocks
  std::uint64_t leastRoundBytes_;
  std::uint64_t target_;
  std::optional<LogPosition> start_;
  bool following_ = false;
  std::uint64_t headBytes_ = 0;   // how far the head has gone since start
  std::uint64_t leastBytes_ = 0;  // rounds committed times leastRoundBytes
};

}  // namespace platform::journal
