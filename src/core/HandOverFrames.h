#pragma once
// Frames of bytes that one process of the program hands to another (a later start to the
// window, the window to its run with administrator rights): each is its length in decimal, a
// line break, then that many bytes, whatever they are. Only what FrameOf writes is read: the
// length in plain digits (no sign, no blank, no leading zero), at most the largest length the
// reader allows.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

std::string FrameOf(std::string_view bytes);

// A number as FrameOf writes a length: "0", or digits that do not start with "0", no larger
// than `most`. Null for anything else.
std::optional<std::uint64_t> ReadDecimal(std::string_view text, std::uint64_t most = UINT64_MAX);

// Takes a stream of frames as it comes, in pieces of any size.
class TFrameReader {
 public:
  explicit TFrameReader(std::uint64_t largest) : largest_(largest) {}

  void Feed(std::string_view bytes) { pending_.append(bytes); }
  // The next whole frame; null while it has not all come, and for good once the stream is
  // broken (a length that is not one, or larger than the reader allows).
  std::optional<std::string> Next();
  bool Broken() const { return broken_; }
  // Whether bytes have come that are not a whole frame yet.
  bool HasPending() const { return !pending_.empty(); }

 private:
  std::uint64_t largest_;
  std::string pending_;
  bool broken_ = false;
};

// Bytes that are frames and nothing else, split; null when anything is not (a damaged length,
// a frame cut short, bytes after the last frame).
std::optional<std::vector<std::string>> SplitFrames(std::string_view bytes, std::uint64_t largest);
