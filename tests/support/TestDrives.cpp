#include "support/TestDrives.h"

#include "platform/Drives.h"
#include "support/TestFolder.h"

namespace {

std::string escapeField(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == ' ') out += "\\040";
    else if (c == '\t') out += "\\011";
    else if (c == '\\') out += "\\134";
    else out += c;
  }
  return out;
}

}  // namespace

ScopedTestDrives::ScopedTestDrives(const TestFolder& folder,
                                   const std::vector<std::pair<std::string, std::string>>& mounts)
    : previous_(std::make_unique<platform::DriveTable>(platform::drives())) {
  std::string table;
  int id = 100;
  for (const auto& [point, type] : mounts) {
    std::string trimmed = point;
    while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
    table += std::to_string(id) + " 1 0:" + std::to_string(id) + " / " + escapeField(trimmed) +
             " rw,relatime - " + type + " testdev" + std::to_string(id) + " rw\n";
    ++id;
  }
  const std::string path = folder.write("drives/mountinfo", table);
  platform::setDriveTable(platform::DriveTable(path, folder / "drives/sys"));
}

ScopedTestDrives::~ScopedTestDrives() { platform::setDriveTable(*previous_); }
