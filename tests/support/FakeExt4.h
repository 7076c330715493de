#pragma once
// The device of an ext4 file system, kept in memory: its superblock and the blocks of its
// journal's map, as the test lays them out, read as the journal's finder reads a device.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/posix/Ext4JournalPlace.h"

// A device of `blocks` 4096-byte blocks, all zeros, read as the journal's finder reads it.
struct FakeExt4 {
  explicit FakeExt4(std::size_t blocks) : bytes(blocks * 4096, '\0') {
    put16(1024 + 0x38, 0xEF53);
    put32(1024 + 0x18, 2);    // 4096-byte blocks
    put32(1024 + 0x5C, 0x4);  // it has a journal
    put32(1024 + 0xE0, 8);    // the journal's inode
    bytes[1024 + 0xFD] = 1;   // the superblock keeps a copy of its block map
  }
  void put16(std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
  }
  void put32(std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  // An extent-tree node header at `at`.
  void header(std::size_t at, std::uint16_t entries, std::uint16_t depth) {
    put16(at, 0xF30A);
    put16(at + 2, entries);
    put16(at + 4, 4);
    put16(at + 6, depth);
  }
  void extent(std::size_t at, std::uint32_t logical, std::uint16_t length, std::uint32_t start) {
    put32(at, logical);
    put16(at + 4, length);
    put16(at + 6, 0);
    put32(at + 8, start);
  }
  platform::Result<std::vector<platform::DeviceRange>> find() const {
    return platform::posix::ext4JournalPlaces(
        [this](std::uint64_t offset, std::size_t length) -> platform::Result<std::string> {
          if (offset >= bytes.size()) return std::string();
          return bytes.substr(offset, length);
        });
  }
  static constexpr std::size_t kRoot = 1024 + 0x10C;
  std::string bytes;
};
