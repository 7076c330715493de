#include "core/HandOverFrames.h"

namespace {

// The digits of a length of 64 bits, and its line break.
constexpr std::size_t kLongestLengthLine = 21;

}  // namespace

std::string FrameOf(std::string_view bytes) {
  std::string frame = std::to_string(bytes.size());
  frame += '\n';
  frame.append(bytes);
  return frame;
}

std::optional<std::uint64_t> ReadDecimal(std::string_view text, std::uint64_t most) {
  if (text.empty() || (text.size() > 1 && text[0] == '0')) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (most - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

std::optional<std::string> TFrameReader::Next() {
  if (broken_) return std::nullopt;
  const std::size_t lineEnd = pending_.find('\n');
  if (lineEnd == std::string::npos) {
    // No line break among the first bytes: no length is this long.
    if (pending_.size() >= kLongestLengthLine) broken_ = true;
    return std::nullopt;
  }
  const auto length = ReadDecimal(std::string_view(pending_).substr(0, lineEnd), largest_);
  if (!length) {
    broken_ = true;
    return std::nullopt;
  }
  if (pending_.size() - lineEnd - 1 < *length) return std::nullopt;
  std::string frame = pending_.substr(lineEnd + 1, static_cast<std::size_t>(*length));
  pending_.erase(0, lineEnd + 1 + static_cast<std::size_t>(*length));
  return frame;
}

std::optional<std::vector<std::string>> SplitFrames(std::string_view bytes, std::uint64_t largest) {
  TFrameReader reader(largest);
  reader.Feed(bytes);
  std::vector<std::string> frames;
  while (auto frame = reader.Next()) frames.push_back(std::move(*frame));
  if (reader.Broken() || reader.HasPending()) return std::nullopt;
  return frames;
}
