#pragma once
// A sysfs tree in the test's folder, read in place of /sys by the code that traces what lies
// beneath a device.

#include <filesystem>
#include <string>

#include "support/TestFolder.h"

// A sysfs tree: each device a folder under devices/, linked from class/block and dev/block.
class FakeSysfs {
 public:
  explicit FakeSysfs(const TestFolder& folder) : folder_(folder), root_(folder / "sys") {}
  const std::string& root() const { return root_; }

  // A device at `place` (below devices/), with its number.
  std::string add(const std::string& place, const std::string& number) {
    const std::string dir = folder_.makeFolder("sys/devices/" + place);
    const std::string name = std::filesystem::path(place).filename().string();
    std::filesystem::create_directories(root_ + "/class/block");
    std::filesystem::create_directories(root_ + "/dev/block");
    std::filesystem::create_directory_symlink("../../devices/" + place,
                                              root_ + "/class/block/" + name);
    std::filesystem::create_directory_symlink("../../devices/" + place,
                                              root_ + "/dev/block/" + number);
    return dir;
  }
  void file(const std::string& device, const std::string& relative, const std::string& text) {
    folder_.write("sys/devices/" + device + "/" + relative, text + "\n");
  }
  void slave(const std::string& device, const std::string& name) {
    folder_.makeFolder("sys/devices/" + device + "/slaves/" + name);
  }

 private:
  const TestFolder& folder_;
  std::string root_;
};
