// Replaced services come back as they were before the scope, never as a default: a test that
// ends must leave the services of the test around it in place, or the next step of that test
// works on the real disk.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "support/FaultyFileSystem.h"
#include "support/TestDrives.h"
#include "support/TestFolder.h"

using namespace platform;

namespace {

struct FolderOf {
  const char* name;
  std::string (*inUse)();
  std::string (TestFolder::*ofTest)() const;
};

const FolderOf kFolders[] = {
    {"program", programFolder, &TestFolder::programFolder},
    {"temp", tempFolder, &TestFolder::tempFolder},
    {"config", configFolder, &TestFolder::configFolder},
    {"home", homeFolder, &TestFolder::homeFolder},
    {"data", dataFolder, &TestFolder::dataFolder},
    {"cache", cacheFolder, &TestFolder::cacheFolder},
};

}  // namespace

TEST(ScopedServices, AnInnerTestFolderPutsBackTheFoldersOfTheOuterOne) {
  std::vector<std::string> real;
  for (const FolderOf& folder : kFolders) real.push_back(folder.inUse());
  {
    TestFolder outer;
    {
      TestFolder inner;
      for (const FolderOf& folder : kFolders) {
        EXPECT_EQ(folder.inUse(), (inner.*folder.ofTest)()) << folder.name;
      }
    }
    for (const FolderOf& folder : kFolders) {
      EXPECT_EQ(folder.inUse(), (outer.*folder.ofTest)()) << folder.name;
    }
  }
  for (std::size_t i = 0; i < std::size(kFolders); ++i) {
    EXPECT_EQ(kFolders[i].inUse(), real[i]) << kFolders[i].name;
  }
}

TEST(ScopedServices, AFileSystemScopePutsBackTheOneInUseBeforeNotTheRealOne) {
  FileSystem* const before = &fs();  // the confinement of the test program
  ASSERT_NE(before, &realFileSystem());
  FaultyFileSystem outer, inner;
  {
    ScopedFileSystem first(outer);
    {
      ScopedFileSystem second(inner);
      EXPECT_EQ(&fs(), &inner);
      EXPECT_EQ(second.previous(), &outer);
    }
    EXPECT_EQ(&fs(), &outer);
  }
  EXPECT_EQ(&fs(), before);
}

TEST(ScopedServices, ADriveTableScopePutsBackTheTableOfTheTestAroundIt) {
  TestFolder t;
  const std::string outerDisk = t.makeFolder("outer");
  const std::string innerDisk = t.makeFolder("inner");
  ScopedTestDrives outer(t, {{outerDisk, "ext4"}});
  {
    ScopedTestDrives inner(t, {{innerDisk, "ext4"}});
    EXPECT_EQ(drives().driveRoots(), std::vector<std::string>{innerDisk + "/"});
  }
  EXPECT_EQ(drives().driveRoots(), std::vector<std::string>{outerDisk + "/"});
}
