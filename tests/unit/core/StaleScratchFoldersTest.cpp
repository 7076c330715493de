// Removing the scratch folders a killed journal cleaning left: only the program's own, and only
// when nothing in them is anything else.

#include "core/StaleScratchFolders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <set>

#include "platform/Result.h"
#include "support/FaultyFileSystem.h"
#include "support/ScopedBind.h"
#include "support/TestFolder.h"

namespace fsys = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::string kScratch = ".ferrovane-journal-0123456789ab";

struct Case {
  const char* name;
  // Makes the entry `kScratch` (or what stands for it) in the folder; false skips the case.
  std::function<bool(const std::string& folder)> make;
  std::chrono::nanoseconds age;
  bool removed;
};

void put(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

void scratchWithFiles(const std::string& folder) {
  fsys::create_directory(folder + kScratch);
  for (const char* name : {"0", "1", "1234"}) {
    put(folder + kScratch + "/" + name, "");
  }
}

}  // namespace

TEST(StaleScratchFolders, OnlyTheProgramsOwnFoldersOfScratchFilesAreRemoved) {
  TestFolder t;
  const std::vector<Case> cases = {
      {"own, left unchanged", [](const std::string& f) { return scratchWithFiles(f), true; }, 0s,
       true},
      {"own and empty", [](const std::string& f) { return fsys::create_directory(f + kScratch); },
       0s, true},
      {"changed lately", [](const std::string& f) { return scratchWithFiles(f), true; }, 1h, false},
      {"holds a file of another name",
       [](const std::string& f) {
         scratchWithFiles(f);
         put(f + kScratch + "/notes.txt", "mine");
         return true;
       },
       0s, false},
      {"holds a folder",
       [](const std::string& f) {
         scratchWithFiles(f);
         return fsys::create_directory(f + kScratch + "/7");
       },
       0s, false},
      {"holds a link",
       [](const std::string& f) {
         scratchWithFiles(f);
         fsys::create_symlink(f + "elsewhere", f + kScratch + "/8");
         return true;
       },
       0s, false},
      {"a link in its place",
       [](const std::string& f) {
         fsys::create_directory(f + "target");
         put(f + "target/0", "");
         fsys::create_directory_symlink(f + "target", f + kScratch);
         return true;
       },
       0s, false},
      {"another user's",
       [](const std::string& f) {
         scratchWithFiles(f);
         return ::geteuid() == 0 && ::chown((f + kScratch).c_str(), 65534, 65534) == 0;
       },
       0s, false},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    const std::string folder = t.makeFolder("case" + std::to_string(i)) + "/";
    if (!c.make(folder)) {
      std::cout << "[ SKIPPED  ] " << c.name << ": needs root\n";
      continue;
    }
    put(folder + "user-file", "kept");
    EXPECT_EQ(RemoveStaleScratchFolders(folder, c.age), c.removed ? 1u : 0u);
    EXPECT_EQ(fsys::exists(fsys::symlink_status(folder + kScratch)), !c.removed);
    EXPECT_TRUE(fsys::exists(folder + "user-file"));
    // What stays is left whole.
    if (!c.removed) {
      EXPECT_TRUE(fsys::exists(folder + kScratch + "/0"));
    }
  }
  // Names that are not the program's are never touched.
  for (const char* name : {".ferrovane-journal-0123456789AB", ".ferrovane-journal-123",
                           ".ferrovane-journal-0123456789abc", "ferrovane-journal-0123456789ab"}) {
    SCOPED_TRACE(name);
    const std::string folder = t.makeFolder(std::string("named") + name) + "/";
    fsys::create_directory(folder + name);
    EXPECT_EQ(RemoveStaleScratchFolders(folder, 0s), 0u);
    EXPECT_TRUE(fsys::exists(folder + name));
  }
  EXPECT_EQ(RemoveStaleScratchFolders(t / "missing", 0s), 0u);
}

TEST(StaleScratchFolders, AFolderThatCannotBeEmptiedOrRemovedIsNamedWithTheReason) {
  TestFolder t;
  FaultyFileSystem files;
  const platform::ScopedFileSystem installed(files);
  const struct {
    const char* what;
    std::set<std::string> FaultyFileSystem::*failing;
    const char* failingPath;  // inside the folder of the case
  } cases[] = {
      {"a scratch file stays", &FaultyFileSystem::failDelete, "/1"},
      {"the emptied folder stays", &FaultyFileSystem::failRemoveFolder, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string folder = t.makeFolder(c.what) + "/";
    scratchWithFiles(folder);
    files.*c.failing = {folder + kScratch + c.failingPath};
    std::vector<TScratchFolderLeft> left;
    EXPECT_EQ(RemoveStaleScratchFolders(folder, 0s, &left), 0u);
    EXPECT_EQ(left, (std::vector<TScratchFolderLeft>{{folder + kScratch, files.injectedError}}));
    EXPECT_TRUE(fsys::exists(folder + kScratch));
    files.*c.failing = {};
  }
}

TEST(StaleScratchFolders, AMountPointNamedAsScratchOrFoundInOneIsNamedAndNotEntered) {
  // Other places of the same file system bound there: only the mount table or the mount number
  // tells them from the program's own.
  TestFolder t;
  const std::string folder = t.makeFolder("folder") + "/";
  scratchWithFiles(t.makeFolder("elsewhere") + "/");
  fsys::create_directory(folder + kScratch);
  ScopedBind boundFolder(t / "elsewhere/" + kScratch, folder + kScratch);
  if (!boundFolder.mounted()) GTEST_SKIP() << boundFolder.reason();
  const std::string inner = t.makeFolder("inner") + "/";
  scratchWithFiles(inner);
  put(t / "five", "");
  put(inner + kScratch + "/5", "");
  ScopedBind boundFile(t / "five", inner + kScratch + "/5");
  ASSERT_TRUE(boundFile.mounted()) << boundFile.reason();
  const std::error_code mountPoint = platform::FileError::MountPoint;
  for (const auto& [at, named] :
       {std::pair{folder, folder + kScratch}, std::pair{inner, inner + kScratch + "/5"}}) {
    SCOPED_TRACE(at);
    std::vector<TScratchFolderLeft> left;
    EXPECT_EQ(RemoveStaleScratchFolders(at, 0s, &left), 0u);
    EXPECT_EQ(left, (std::vector<TScratchFolderLeft>{{named, mountPoint}}));
    EXPECT_TRUE(fsys::exists(at + kScratch + "/1"));
  }
  EXPECT_TRUE(fsys::exists(t / "elsewhere/" + kScratch + "/0"));
  EXPECT_TRUE(fsys::exists(t / "five"));
}
