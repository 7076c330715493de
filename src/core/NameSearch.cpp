#include "core/NameSearch.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint32_t load32(const char* at) {
  std::uint32_t value;
  std::memcpy(&value, at, 4);
  return value;
}

// The filter's bit for the first four bytes of a name: 65536 bits, one multiply.
std::uint32_t filterBit(std::uint32_t start) {
  return (start * 0x9E3779B1u) >> 16;
}

}  // namespace

std::string Utf16LeOf(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    std::uint32_t code = 0;
    std::size_t extra = 0;
    if (byte < 0x80) {
      code = byte;
    } else if ((byte & 0xE0) == 0xC0) {
      code = byte & 0x1F;
      extra = 1;
    } else if ((byte & 0xF0) == 0xE0) {
      code = byte & 0x0F;
      extra = 2;
    } else if ((byte & 0xF8) == 0xF0) {
      code = byte & 0x07;
      extra = 3;
    } else {
      return {};
    }
    if (i + extra >= utf8.size()) return {};
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return {};
      code = (code << 6) | (next & 0x3F);
    }
    i += extra + 1;
    if (code >= 0x10000) {
      code -= 0x10000;
      const std::uint32_t high = 0xD800 + (code >> 10), low = 0xDC00 + (code & 0x3FF);
      for (std::uint32_t unit : {high, low}) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
      }
    } else {
      out += static_cast<char>(code & 0xFF);
      out += static_cast<char>(code >> 8);
    }
  }
  return out;
}

void TNameSearch::addPattern(std::string bytes, std::uint32_t tag, std::size_t length) {
  const std::uint32_t start = load32(bytes.data());
  const std::uint32_t bit = filterBit(start);
  filter_[bit / 64] |= std::uint64_t(1) << (bit % 64);
  longest_ = std::max(longest_, bytes.size());
  const auto index = static_cast<std::uint32_t>(patterns_.size());
  patterns_.push_back({std::move(bytes), tag, static_cast<std::uint8_t>(length & 0xFF)});
  const auto place = std::upper_bound(starts_.begin(), starts_.end(), std::make_pair(start, index));
  starts_.insert(place, {start, index});
}

bool TNameSearch::Add(std::string_view name, std::uint32_t tag) {
  if (name.size() < kShortest || name.size() > kLongest) return false;
  addPattern(std::string(name), tag, name.size());
  if (std::string wide = Utf16LeOf(name); !wide.empty()) {
    addPattern(std::move(wide), tag, 0);
    // The length in UTF-16 units.
    Pattern& added = patterns_.back();
    added.length = static_cast<std::uint8_t>((added.bytes.size() / 2) & 0xFF);
  }
  return true;
}

void TNameSearch::Search(std::string_view bytes, std::size_t from,
                         const std::function<void(std::uint32_t, std::size_t)>& found) const {
  if (patterns_.empty() || bytes.size() < TNameSearch::kShortest) return;
  const char* data = bytes.data();
  const std::size_t last = bytes.size() - TNameSearch::kShortest;
  for (std::size_t at = from; at <= last; ++at) {
    const std::uint32_t start = load32(data + at);
    const std::uint32_t bit = filterBit(start);
    if (!(filter_[bit / 64] & (std::uint64_t(1) << (bit % 64)))) continue;
    auto range =
        std::equal_range(starts_.begin(), starts_.end(), std::make_pair(start, std::uint32_t(0)),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto it = range.first; it != range.second; ++it) {
      const Pattern& pattern = patterns_[it->second];
      if (pattern.bytes.size() > bytes.size() - at ||
          std::memcmp(data + at, pattern.bytes.data(), pattern.bytes.size()) != 0) {
        continue;
      }
      bool whole = false;
      for (std::size_t back = 1; back <= 3 && back <= at; ++back) {
        whole = whole || static_cast<std::uint8_t>(data[at - back]) == pattern.length;
      }
      if (whole) found(pattern.tag, at);
    }
  }
}
