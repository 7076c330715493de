#pragma once
// How small places on a device are read back together: places sorted by device offset are
// joined into one read while the next starts at most a short gap past what the read covers so
// far (reading a short gap costs less than a read of its own, on any device) and the read stays
// within a bound. A read covers its places whole; a place longer than the bound is read alone.
// Nothing is held but the read being built, whatever the number of places.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/BlockDevice.h"

// The read that covers the places from `first` on (`placeAt(i)` gives place i; the places are
// sorted by offset and may overlap): it starts at place `first` and joins each next place that
// starts at most `gap` bytes past its end while it stays within `most` bytes. Sets `read` and
// returns the index past the last place it covers; `first` when there is none left.
template <class PlaceAt>
std::size_t MergedRead(std::size_t first, std::size_t count, const PlaceAt& placeAt,
                       std::uint64_t gap, std::uint64_t most, platform::DeviceRange& read) {
  if (first >= count) return first;
  const platform::DeviceRange start = placeAt(first);
  std::uint64_t end = start.offset + start.length;
  std::size_t next = first + 1;
  for (; next < count; ++next) {
    const platform::DeviceRange place = placeAt(next);
    const std::uint64_t joined = std::max(end, place.offset + place.length);
    if (place.offset > end + gap || joined - start.offset > most) break;
    end = joined;
  }
  read = {start.offset, end - start.offset};
  return next;
}
