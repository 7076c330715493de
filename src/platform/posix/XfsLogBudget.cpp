#include "platform/posix/XfsLogBudget.h"

#include <algorithm>
#include <charconv>

namespace platform::journal {
namespace {

constexpr std::uint64_t kLogBlockBytes = 512;

std::optional<std::uint64_t> number(std::string_view text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<LogPosition> parseLogPosition(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const auto cycle = number(text.substr(0, colon));
  const auto block = number(text.substr(colon + 1));
  if (!cycle || !block) return std::nullopt;
  return LogPosition{*cycle, *block};
}

XfsLogBudget::XfsLogBudget(std::uint64_t logBytes, std::uint64_t leastRoundBytes)
    : logBlocks_(logBytes / kLogBlockBytes),
      leastRoundBytes_(leastRoundBytes),
      target_(logBytes + (logBytes + 19) / 20) {}

void XfsLogBudget::start(const std::optional<LogPosition>& head) {
  start_ = head;
  following_ = head && logBlocks_ > 0 && head->block < logBlocks_;
  headBytes_ = 0;
  leastBytes_ = 0;
}

void XfsLogBudget::committed(const std::optional<LogPosition>& head) {
  leastBytes_ += leastRoundBytes_;
  if (!following_) return;
  // A head that cannot be read now, lies outside the log, or stands before where it stood: the
  // readings no longer tell how far the log was written, and only the least count is left.
  if (!head || head->block >= logBlocks_ || head->cycle < start_->cycle) {
    following_ = false;
    return;
  }
  const std::uint64_t blocks =
      (head->cycle - start_->cycle) * logBlocks_ + head->block - start_->block;
  if ((head->cycle == start_->cycle && head->block < start_->block) ||
      blocks * kLogBlockBytes < headBytes_) {
    following_ = false;
    return;
  }
  headBytes_ = blocks * kLogBlockBytes;
}

std::uint64_t XfsLogBudget::done() const {
  return std::max(following_ ? headBytes_ : 0, leastBytes_);
}

}  // namespace platform::journal
