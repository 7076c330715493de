#pragma once
// A drive list of a test's own: the drive table reads a mount table written into the test
// folder, so cleaners that walk "every drive" only ever see folders of the test. The table in
// use before is put back when the object ends (scopes must end in the reverse order).

#include <string>
#include <utility>
#include <vector>

#include "platform/Drives.h"

class TestFolder;

// A drive table of the mounts given, not installed: for code that is handed its table.
platform::DriveTable TestDriveTable(const TestFolder& folder,
                                    const std::vector<std::pair<std::string, std::string>>& mounts);

class ScopedTestDrives {
 public:
  // Each mount: a folder (absolute) and its file-system type, e.g. {"/tmp/x/c", "ext4"}.
  ScopedTestDrives(const TestFolder& folder,
                   const std::vector<std::pair<std::string, std::string>>& mounts);
  ~ScopedTestDrives();
  ScopedTestDrives(const ScopedTestDrives&) = delete;
  ScopedTestDrives& operator=(const ScopedTestDrives&) = delete;

 private:
  platform::ScopedDriveTable installed_;
};
