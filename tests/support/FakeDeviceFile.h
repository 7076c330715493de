#pragma once
// A file on a device whose cache the test drives: what is written waits until it is asked to
// reach the device, a piece at a time, and every wait and writeback is counted.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/FileSystem.h"

// A file on a device that takes what waits in the cache only when asked to (waitWritten), at
// most `piece` bytes at a time.
class FakeDeviceFile : public platform::File {
 public:
  std::uint64_t unwritten = 0;  // written, not yet on the device
  std::uint64_t piece = 1u << 20;
  int waits = 0;       // waitWritten calls
  int writebacks = 0;  // startWriteback calls

  platform::Status write(const void*, std::size_t length) override {
    unwritten += length;
    position_ += length;
    return {};
  }
  platform::Status seek(std::uint64_t position) override {
    position_ = position;
    return {};
  }
  platform::Result<std::uint64_t> size() override { return position_; }
  std::uint64_t position() const override { return position_; }
  platform::Result<platform::FileInfo> info() override { return platform::FileInfo{}; }
  platform::Status flush() override {
    unwritten = 0;
    return {};
  }
  platform::Status startFlush() override { return {}; }
  std::optional<platform::Status> flushEnded() override {
    unwritten = 0;
    return platform::Status();
  }
  void startWriteback() override { ++writebacks; }
  bool unwrittenBeyond(std::uint64_t behind) override { return unwritten > behind; }
  void waitWritten(std::uint64_t most) override {
    ++waits;
    unwritten -= std::min({unwritten, most, piece});
  }
  platform::Status truncate(std::uint64_t) override { return {}; }
  platform::Status startReadBack() override { return {}; }
  platform::Result<std::string_view> readBack(std::uint64_t, std::size_t) override {
    return std::string_view();
  }

 private:
  std::uint64_t position_ = 0;
};
