// Where a free-space wipe writes: a drive is bound only while its root is still the file system
// listed, and the temporary file's name is removed only while it is the caller's own file.

#include "core/TFreeSpacePlace.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/FreeSpaceLock.h"
#include "core/TFreeSpaceJob.h"
#include "core/TWipeItem.h"
#include "core/WipeRun.h"
#include "platform/Drives.h"
#include "platform/Folder.h"
#include "support/FakeJournals.h"
#include "support/FakeWipeServices.h"
#include "support/FaultyFileSystem.h"
#include "support/TestDrives.h"
#include "support/TestFolder.h"

namespace {

namespace fsys = std::filesystem;

class FreeSpacePlaceTest : public ::testing::Test {
 protected:
  FreeSpacePlaceTest() { files.confinedTo = folder.path(); }

  // A job bound to the test's drive, as Bind leaves it.
  TFreeSpaceJob BoundJob() {
    TFreeSpaceJob job;
    EXPECT_TRUE(place.Bind(TWipeItem(wkFreeSpace, drive), job));
    return job;
  }

  TestFolder folder;
  FaultyFileSystem files;
  FakeWipeServices services;
  FakeJournals journals;
  const std::string drive = folder.makeFolder("drive") + "/";
  const std::string temporary = drive + "tem1.tmp";
  platform::DriveTable table = TestDriveTable(folder, {{"/", "ext4"}, {drive, "ext4"}});
  WipeRun run{services, {files, table, journals}};
  std::vector<TWipeFailure> failures;
  std::vector<TWipeFailure> notes;
  // What the place asked to remove: the name and the size it gave.
  std::vector<std::pair<std::string, std::uint64_t>> removed;
  TFreeSpacePlace place{run, failures, notes,
                        [this](platform::Folder& in, const std::string& name,
                               const platform::EntryId&, std::uint64_t size) {
                          removed.emplace_back(name, size);
                          return in.removeFile(name);
                        }};
};

TEST_F(FreeSpacePlaceTest, ADriveIsBoundOnlyWhileItsRootIsTheFileSystemListed) {
  const platform::FileSystemId listed = files.diskSpace(drive)->id;
  platform::FileSystemId other = listed;
  ++other.device;
  struct Case {
    const char* what;
    std::string path;
    platform::FileSystemId volume;
    bool bound;
    std::vector<TWipeFailureReason> named;
  };
  const std::vector<Case> cases = {
      {"the file system listed", drive, listed, true, {}},
      {"listed without its figures", drive, {}, true, {}},
      {"another file system there now", drive, other, false, {TWipeFailureReason::NoLongerMounted}},
      {"a folder that is no mount point",
       folder.makeFolder("drive/inner"),
       {},
       false,
       {TWipeFailureReason::NoLongerMounted}},
      {"a path that is not absolute", "drive/", {}, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    failures.clear();
    TWipeItem item(wkFreeSpace, c.path);
    item.Volume = c.volume;
    TFreeSpaceJob job;
    EXPECT_EQ(place.Bind(item, job), c.bound);
    std::vector<TWipeFailureReason> named;
    for (const TWipeFailure& failure : failures) named.push_back(failure.Reason);
    EXPECT_EQ(named, c.named);
    if (c.bound) {
      EXPECT_EQ(job.root, drive);
      EXPECT_EQ(job.bound.id, listed);
      EXPECT_EQ(job.fileSystem, "ext4");
      EXPECT_NE(job.rootMount, 0u);
    }
  }
}

TEST_F(FreeSpacePlaceTest, OnlyTheCallersOwnFileOfASingleNameIsRemoved) {
  const std::string other = folder.write("other", "the user's");
  struct Case {
    const char* what;
    std::function<void()> make;
    bool removed;
  };
  const std::vector<Case> cases = {
      {"the caller's own file", [&] { folder.write("drive/tem1.tmp", std::string(5000, 'x')); },
       true},
      {"a second name of another file", [&] { fsys::create_hard_link(other, temporary); }, false},
      {"a link to another file", [&] { fsys::create_symlink(other, temporary); }, false},
      {"a folder", [&] { fsys::create_directory(temporary); }, false},
      {"another user's file",
       [&] {
         folder.write("drive/tem1.tmp", "theirs");
         ASSERT_EQ(::chown(temporary.c_str(), 65534, 65534), 0);
       },
       false},
      {"nothing", [] {}, false},
  };
  TFreeSpaceJob job = BoundJob();
  job.temporary = temporary;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    removed.clear();
    c.make();
    const bool there = fsys::exists(fsys::symlink_status(temporary));
    EXPECT_EQ(place.Remove(job), c.removed);
    EXPECT_EQ(fsys::exists(fsys::symlink_status(temporary)), there && !c.removed);
    if (c.removed) {
      EXPECT_EQ(removed, (std::vector<std::pair<std::string, std::uint64_t>>{{"tem1.tmp", 5000}}));
    } else {
      EXPECT_TRUE(removed.empty());
    }
    EXPECT_EQ(fsys::file_size(other), 10u);
    EXPECT_TRUE(failures.empty());
    fsys::remove(temporary);
  }
}

TEST_F(FreeSpacePlaceTest, ALeftoverOfTheCallersIsRemovedWholeBeforeTheNewFileIsMade) {
  folder.write("drive/tem1.tmp", std::string(7000, 'l'));
  TFreeSpaceJob job = BoundJob();
  auto lock = TakeFreeSpaceLock(job.bound.id.device);
  ASSERT_TRUE(lock);
  job.lock = std::move(*lock);
  const auto file = place.Place(job);
  ASSERT_TRUE(file);
  EXPECT_TRUE(failures.empty());
  // Its size goes with it, so that a large leftover is given back in steps.
  EXPECT_EQ(removed, (std::vector<std::pair<std::string, std::uint64_t>>{{"tem1.tmp", 7000}}));
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].Path, temporary);
  EXPECT_EQ(notes[0].Reason, TWipeFailureReason::LeftoverRemoved);
  EXPECT_EQ(job.temporary, temporary);
  EXPECT_EQ(fsys::file_size(temporary), 0u);
}

}  // namespace
