// The walk of a folder on its own, the engine's part played by the test: what it leaves is named
// with why its folders stay, a subfolder swapped for a link is never entered, the file system is
// forced to the device before a folder is removed when asked, and an error that escapes a folder
// leaves the files waiting for their flush first.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/TFolderWalk.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/Drives.h"
#include "platform/Folder.h"
#include "support/FaultyFileSystem.h"
#include "support/TestDrives.h"
#include "support/TestFolder.h"
#include "support/ThrowingServices.h"

namespace fsys = std::filesystem;

namespace {

class FolderWalkTest : public ::testing::Test {
 protected:
  // Walks `top` through the test's file system. Each file is deleted, unless its name is one the
  // test keeps (then it is named, as the engine names what it leaves).
  bool Walk(const std::string& top) {
    // The walk asks the run for its file system alone, and its turns for events.
    ThrowingWipeServices services;
    ThrowingJournals journals;
    platform::DriveTable drives = TestDriveTable(folder, {});
    WipeRun run(services, WipeRun::Platform{files, drives, journals});
    TFolderWalk::Calls calls;
    calls.WipeEntry = [this](platform::Folder& in, const std::string& path, const std::string& name,
                             const platform::FileInfo&) {
      asked.push_back(path);
      if (onEntry) onEntry(path);
      if (keep.count(name) == 0) return !in.removeFile(name);
      failures.push_back({path, TWipeFailureReason::CannotDelete});
      return true;
    };
    calls.RemoveLink = [](platform::Folder& in, const std::string&, const std::string& name) {
      return static_cast<bool>(in.removeFile(name));
    };
    calls.FinishFlushes = [] { return false; };
    calls.LeaveFlushes = [this] { ++flushesLeft; };
    calls.NoteDeletion = [this](const platform::Folder&) { ++foldersNoted; };
    calls.SyncBeforeRemoval = sync;
    TRunTurns turns{[] {}, [] { return false; }, &NoWipeProgress()};
    return TFolderWalk(run, turns, calls, failures, notes).Walk(top, "*.*", true, false, {});
  }

  // The failures as (path below the test folder, reason, whether a detail says why).
  struct Named {
    std::string path;
    TWipeFailureReason reason;
    bool saysWhy;
    bool operator==(const Named&) const = default;
    friend void PrintTo(const Named& named, std::ostream* out) {
      *out << named.path << ": " << WipeFailureText(named.reason) << (named.saysWhy ? ", why" : "");
    }
  };
  std::vector<Named> Said() const {
    std::vector<Named> said;
    for (const TWipeFailure& failure : failures) {
      said.push_back({failure.Path.substr(folder.path().size()), failure.Reason,
                      !failure.Detail.empty() && !failure.Error});
    }
    return said;
  }

  TestFolder folder;
  FaultyFileSystem files;
  std::set<std::string> keep;
  std::function<void(const std::string&)> onEntry;
  bool sync = false;
  std::vector<std::string> asked;
  int foldersNoted = 0;
  int flushesLeft = 0;
  std::vector<TWipeFailure> failures;
  std::vector<TWipeFailure> notes;
};

}  // namespace

TEST_F(FolderWalkTest, WhatIsLeftIsNamedAndEveryFolderAboveItStaysSayingWhy) {
  using R = TWipeFailureReason;
  struct Case {
    const char* what;
    std::set<std::string> keep;
    bool swapSub;   // the subfolder becomes a link to the outside once the first file is wiped
    bool unlisted;  // the subfolder cannot be listed
    std::vector<Named> said;
  };
  const std::vector<Case> cases = {
      {"a file the engine leaves",
       {"b"},
       false,
       false,
       {{"top/sub/b", R::CannotDelete, false},
        {"top/sub", R::FolderNotRemoved, true},
        {"top", R::FolderNotRemoved, true}}},
      {"a subfolder swapped for a link",
       {},
       true,
       false,
       {{"top/sub", R::Changed, false}, {"top", R::FolderNotRemoved, true}}},
      {"a subfolder that cannot be listed",
       {},
       false,
       true,
       {{"top/sub", R::CannotList, false}, {"top", R::FolderNotRemoved, true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fsys::remove_all(folder / "top");
    fsys::remove_all(folder / "outside");
    failures.clear();
    asked.clear();
    const std::string top = folder.makeFolder("top");
    folder.write("top/a", "a");
    folder.write("top/sub/b", "b");
    folder.write("top/sub/deeper/c", "c");
    const std::string outside = folder.write("outside/precious", "precious");
    keep = c.keep;
    files.failList.clear();
    if (c.unlisted) files.failList.insert(top + "/sub");
    onEntry = [&](const std::string& path) {
      if (!c.swapSub || path != top + "/a") return;
      fsys::rename(top + "/sub", folder / "moved");
      fsys::create_directory_symlink(folder / "outside", top + "/sub");
    };

    EXPECT_FALSE(Walk(top));
    EXPECT_EQ(Said(), c.said);
    EXPECT_TRUE(fsys::exists(top));
    EXPECT_EQ(readFileBytes(outside), "precious");
    for (const std::string& path : asked) EXPECT_EQ(path.find("outside"), std::string::npos);
  }
}

TEST_F(FolderWalkTest, TheFileSystemIsForcedToTheDeviceBeforeAFolderIsRemovedWhenAsked) {
  struct Case {
    const char* what;
    bool sync;
    bool syncFails;
    std::size_t notes;
  };
  for (const Case& c :
       {Case{"asked, and it fails", true, true, 1}, Case{"asked, and it works", true, false, 0},
        Case{"not asked", false, true, 0}}) {
    SCOPED_TRACE(c.what);
    notes.clear();
    const std::string top = folder.makeFolder("top");
    folder.write("top/sub/b", "b");
    sync = c.sync;
    files.failSync.clear();
    if (c.syncFails) files.failSync.insert(top);
    EXPECT_TRUE(Walk(top));
    EXPECT_FALSE(fsys::exists(top));
    EXPECT_EQ(foldersNoted, 2);
    foldersNoted = 0;
    ASSERT_EQ(notes.size(), c.notes);
    if (c.notes == 0) continue;
    // The folder removed from the file system that could not be forced: its old blocks.
    EXPECT_EQ(notes[0].Path, top + "/sub");
    EXPECT_EQ(notes[0].Reason, TWipeFailureReason::JournalNotCleared);
  }
}

TEST_F(FolderWalkTest, AnErrorEscapingAFolderLeavesTheFilesWaitingForTheirFlushFirst) {
  const std::string top = folder.makeFolder("top");
  folder.write("top/sub/b", "b");
  onEntry = [](const std::string&) { throw std::runtime_error("out of memory"); };
  EXPECT_THROW(Walk(top), std::runtime_error);
  // Once for each folder the error left: the subfolder and the top folder.
  EXPECT_EQ(flushesLeft, 2);
  EXPECT_TRUE(fsys::exists(top + "/sub/b"));
}
