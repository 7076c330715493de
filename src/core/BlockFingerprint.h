#pragma once
// The fingerprint of a block of a device: 64 bits that tell one content from another (not
// against someone who makes two contents collide on purpose: none is chosen by an adversary
// here), fast enough to take of every block a wipe is checked on.

#include <cstdint>
#include <cstring>
#include <string_view>

inline std::uint64_t BlockFingerprint(std::string_view bytes) {
  std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ (bytes.size() * 0xC2B2AE3D27D4EB4Full);
  std::size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + at, 8);
    hash = (hash ^ (word * 0xC2B2AE3D27D4EB4Full)) * 0x9E3779B97F4A7C15ull;
    hash ^= hash >> 29;
  }
  for (; at < bytes.size(); ++at) {
    hash = (hash ^ static_cast<unsigned char>(bytes[at])) * 0x100000001B3ull;
  }
  hash ^= hash >> 32;
  hash *= 0xD6E8FEB86659FD93ull;
  return hash ^ (hash >> 32);
}

// True when every byte is the same: such a block tells nothing of what it held, since a pass of
// that byte leaves it alike.
inline bool OneByteRepeated(std::string_view bytes) {
  return bytes.size() < 2 || std::memcmp(bytes.data(), bytes.data() + 1, bytes.size() - 1) == 0;
}
