// The XFS log cycle looks again, where it works, at what it was asked to work on: another file
// system mounted where the chosen folder was, or over the scratch folder the moment it was
// made, ends the cycle before any commit goes elsewhere, with the system's reason.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/FileSystem.h"
#include "platform/Journal.h"
#include "platform/posix/ScratchFolder.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

using namespace platform;

namespace {

bool HasScratchFolder(const std::string& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (isScratchFolderName(entry.path().filename().string())) return true;
  }
  return false;
}

// A small XFS image with a 10 MiB log, mounted at `point`.
std::unique_ptr<ScopedMount> MountXfs(const std::string& point) {
  return std::make_unique<ScopedMount>(point, ScopedMount::Kind::XfsImage, 160, "-l size=10m");
}

bool Shell(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace

TEST(XfsLogCycleRecheckTest, AnotherFileSystemWhereTheChosenFolderWasIsNotWritten) {
  TestFolder t;
  const auto chosen = MountXfs(t.makeFolder("chosen"));
  if (!chosen->mounted()) GTEST_SKIP() << "no XFS image could be mounted: " << chosen->reason();
  const std::string folder = chosen->point() + "/work/";
  ASSERT_TRUE(fs().createFolder(folder));
  const auto volume = journals().volumeOf(folder);
  ASSERT_TRUE(volume);
  // Between the choice and the cycle, another XFS is mounted over the folder.
  const auto other = MountXfs(folder);
  ASSERT_TRUE(other->mounted()) << other->reason();
  ASSERT_NE(journals().volumeOf(folder), volume);

  JournalRequest request;
  request.folder = folder;
  request.volume = volume;
  int rounds = 0;
  request.stop = [&rounds] { return ++rounds > 1000; };
  const JournalOutcome outcome = journals().clean(request);
  EXPECT_EQ(outcome.result, JournalResult::Changed);
  EXPECT_EQ(outcome.bytes, 0u);
  EXPECT_FALSE(HasScratchFolder(folder));
}

TEST(XfsLogCycleRecheckTest, AMountOverTheNewScratchFolderEndsTheCycleWithTheSystemsReason) {
  TestFolder t;
  const auto disk = MountXfs(t.makeFolder("disk"));
  if (!disk->mounted()) GTEST_SKIP() << "no XFS image could be mounted: " << disk->reason();
  const std::string folder = disk->point() + "/work/";
  ASSERT_TRUE(fs().createFolder(folder));
  const std::string elsewhere = disk->point() + "/elsewhere";
  ASSERT_TRUE(fs().createFolder(elsewhere));
  struct Case {
    const char* what;
    std::string mount;  // mounted over the scratch folder ("{}" stands for its path)
  };
  const Case cases[] = {
      {"a file system in memory", "mount -t tmpfs -o size=4m planted '{}'"},
      // The same file system through another mount: commits would still go through its log,
      // but the folder is no longer the one made.
      {"the same file system bound there", "mount --bind '" + elsewhere + "' '{}'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string planted;
    journal::ScopedScratchFolderMade hook([&](int, const std::string& name) {
      planted = folder + name;
      std::string command = c.mount;
      command.replace(command.find("{}"), 2, planted);
      ASSERT_TRUE(Shell(command)) << command;
    });
    JournalRequest request;
    request.folder = folder;
    request.volume = journals().volumeOf(folder);
    // Without the check the cycle would commit into the planted mount round after round; the
    // stop ends it.
    int rounds = 0;
    request.stop = [&rounds] { return ++rounds > 1000; };
    const JournalOutcome outcome = journals().clean(request);
    EXPECT_EQ(outcome.result, JournalResult::Failed);
    EXPECT_EQ(outcome.error, std::error_code(EXDEV, std::generic_category()));
    EXPECT_EQ(outcome.detail, "the scratch folder could not be made");
    EXPECT_EQ(outcome.bytes, 0u);
    ASSERT_FALSE(planted.empty());
    // Nothing of the cycle's in what was mounted there.
    EXPECT_TRUE(std::filesystem::is_empty(planted));
    EXPECT_TRUE(Shell("umount '" + planted + "'"));
    std::filesystem::remove(planted);
  }
  EXPECT_FALSE(HasScratchFolder(folder));
}
