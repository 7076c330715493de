#include "support/TestDrives.h"

#include "platform/PathText.h"
#include "support/TestFolder.h"

namespace {

std::string escapeField(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == ' ')
      out += "\\040";
    else if (c == '\t')
      out += "\\011";
    else if (c == '\\')
      out += "\\134";
    else
      out += c;
  }
  return out;
}

// A drive table that reads a mount table of the given mounts, written into the test folder.
platform::DriveTable tableOf(const TestFolder& folder,
                             const std::vector<std::pair<std::string, std::string>>& mounts) {
  std::string table;
  int id = 100;
  for (const auto& [point, type] : mounts) {
    const std::string trimmed = platform::trimSeparators(point);
    table += std::to_string(id) + " 1 0:" + std::to_string(id) + " / " + escapeField(trimmed) +
             " rw,relatime - " + type + " testdev" + std::to_string(id) + " rw\n";
    ++id;
  }
  // A file of its own, so that a table made inside another's scope leaves that one's file alone.
  static int tables = 0;
  const std::string path = folder.write("drives/mountinfo-" + std::to_string(++tables), table);
  return platform::DriveTable(path, folder / "drives/sys");
}

}  // namespace

platform::DriveTable TestDriveTable(
    const TestFolder& folder, const std::vector<std::pair<std::string, std::string>>& mounts) {
  return tableOf(folder, mounts);
}

ScopedTestDrives::ScopedTestDrives(const TestFolder& folder,
                                   const std::vector<std::pair<std::string, std::string>>& mounts)
    : installed_(tableOf(folder, mounts)) {}

ScopedTestDrives::~ScopedTestDrives() = default;
