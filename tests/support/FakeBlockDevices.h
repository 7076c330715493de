#pragma once
// A block device kept in memory, read as the device check reads a real one: FakeDevice holds its
// bytes and what its file system says of places, FakeBlockDevices opens it (or refuses to, with
// the reason the test sets) in place of the system's devices.

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/BlockDevice.h"

struct FakeDevice {
  static constexpr std::uint64_t kBlockSize = 4096;
  // The most a read returns at once, as a real device's reads do.
  static constexpr std::size_t kMostRead = std::size_t(1) << 20;

  // A device of this many bytes, all zeros.
  explicit FakeDevice(std::size_t size = std::size_t(64) << 20) : bytes(size, '\0') {}

  std::string bytes;
  std::vector<platform::DeviceRange> folderPlaces;
  // Places of a folder of its own, by its path; the others have `folderPlaces`.
  std::map<std::string, std::vector<platform::DeviceRange>> placesOf;
  std::vector<platform::DeviceRange> log;
  int reads = 0;
  std::error_code refused;   // open fails with it, when set
  std::error_code logError;  // the log area cannot be found, when set
  int settled = 0;

  void put(std::uint64_t at, const std::string& data) { bytes.replace(at, data.size(), data); }
  // A block of varied bytes that no other block repeats.
  static std::string Block(char seed) {
    std::string block(kBlockSize, '\0');
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(seed + i * 7);
    return block;
  }
  // A folder entry as ext4 keeps it: inode, record length, name length, type, name.
  static std::string Entry(const std::string& name) {
    return std::string("\x0c\0\0\0\x10\0", 6) + static_cast<char>(name.size()) + "\x01" + name;
  }
};

// The device opened: it reads the device's bytes and answers what its file system would.
class FakeVolume final : public platform::DeviceVolume {
 public:
  explicit FakeVolume(FakeDevice& device) : device_(device) {}
  std::uint32_t blockSize() const override { return FakeDevice::kBlockSize; }
  platform::Result<std::vector<platform::DeviceRange>> place(
      const platform::Extent& extent) override {
    return std::vector<platform::DeviceRange>{{extent.physical, extent.length}};
  }
  platform::Result<std::vector<platform::DeviceRange>> folderPlaces(
      const std::string& path, const platform::EntryId&) override {
    const auto own = device_.placesOf.find(path);
    return own != device_.placesOf.end() ? own->second : device_.folderPlaces;
  }
  platform::Result<std::vector<platform::DeviceRange>> logArea() override {
    if (device_.logError) return device_.logError;
    return device_.log;
  }
  std::string logAreaName() const override { return "journal"; }
  platform::Status settle() override {
    ++device_.settled;
    return {};
  }
  platform::Result<std::string_view> read(std::uint64_t offset, std::size_t length) override {
    ++device_.reads;
    if (offset >= device_.bytes.size()) return std::string_view();
    return std::string_view(device_.bytes).substr(offset, std::min(length, FakeDevice::kMostRead));
  }

 private:
  FakeDevice& device_;
};

// Every device is the one given: a flash disk named "fake0", opened unless `refused` is set.
class FakeBlockDevices final : public platform::BlockDevices {
 public:
  explicit FakeBlockDevices(FakeDevice& device) : device_(device) {}
  platform::DeviceFacts describe(const std::string&) override {
    platform::DeviceFacts facts;
    facts.device = "fake0";
    facts.rotational = false;
    return facts;
  }
  platform::Result<std::unique_ptr<platform::DeviceVolume>> open(const std::string&,
                                                                 std::uint64_t) override {
    if (device_.refused) return device_.refused;
    return std::unique_ptr<platform::DeviceVolume>(std::make_unique<FakeVolume>(device_));
  }

 private:
  FakeDevice& device_;
};
