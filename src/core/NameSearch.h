#pragma once
// Finds names of wiped files in bytes read straight from a device, the way an examiner searches
// an image: each name as its own bytes (ASCII, UTF-8) and as UTF-16LE. A name counts where it
// stands whole, as file systems store names: its length (in its own units) in one of the three
// bytes before it, which holds for the folder entries of ext4, XFS and btrfs, the inode
// references of btrfs, the file records of NTFS, and the copies of all of them in journals and
// logs. A name that is only part of a longer one is not a hit, nor are stray bytes that happen
// to spell it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TNameSearch {
 public:
  // Names shorter than this many bytes are too common to tell apart in raw bytes: not searched.
  static constexpr std::size_t kShortest = 4;
  // A name is searched for in bytes up to this long (the longest a file system takes).
  static constexpr std::size_t kLongest = 255;

  // Adds a name, tagged for its hits. False (and nothing added) when it is too short or too long
  // to be searched for.
  bool Add(std::string_view name, std::uint32_t tag);
  bool Empty() const { return patterns_.empty(); }
  // The bytes a caller keeps from the end of one piece of an area to the start of the next, so
  // that a name across the joint is found, with the length before it.
  std::size_t Overlap() const { return longest_ + 3; }

  // Calls found(tag, at) for each name standing whole at a position `at` of `bytes` from `from`
  // on; the bytes before `from` serve as what precedes the first positions. A name found in
  // both of its forms at one position is reported once per form.
  void Search(std::string_view bytes, std::size_t from,
              const std::function<void(std::uint32_t tag, std::size_t at)>& found) const;

 private:
  struct Pattern {
    std::string bytes;
    std::uint32_t tag = 0;
    std::uint8_t length = 0;  // the length a file system stores before it, in its own units
  };
  std::vector<Pattern> patterns_;
  // (the first four bytes of a pattern, its index), sorted; and a filter of those first bytes.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> starts_;
  std::vector<std::uint64_t> filter_ = std::vector<std::uint64_t>(1024, 0);
  std::size_t longest_ = 0;
  void addPattern(std::string bytes, std::uint32_t tag, std::size_t length);
};

// The UTF-16LE form of UTF-8 text; empty when the text is not valid UTF-8.
std::string Utf16LeOf(std::string_view utf8);
