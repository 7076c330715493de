// Clearing the XFS log on small XFS file systems that the tests mount themselves: what the
// inspection tells of the log, the cycle of scratch commits (which needs no privilege), and a
// stop at any point, which leaves no scratch folder and a file system that checks whole.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Journal.h"
#include "support/DropPrivileges.h"
#include "support/JournalImage.h"
#include "support/MountOrSkip.h"
#include "support/ScopedMount.h"
#include "support/ScopedReachableFolder.h"
#include "support/TestFolder.h"

using namespace platform;

namespace {

const std::string kNamePrefix = "Bilby-notes-of-";
constexpr int kNames = 200;
constexpr std::uint64_t kLogBytes = 10u << 20;

bool hasScratchFolder(const std::string& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (isScratchFolderName(entry.path().filename().string())) return true;
  }
  return false;
}

// Run in a child as nobody: 0 when the cycle is the default only where nobody may write, and
// clears the log there; another number says which step went wrong.
int CycleAsNobody(const std::string& closed, const std::string& folder) {
  if (!DropToNobody()) return 10;
  if (journals().canEmpty(closed)) return 11;
  if (!journals().canEmpty(folder)) return 12;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> steps;
  JournalRequest request;
  request.folder = folder;
  request.progress = [&](std::uint64_t done, std::uint64_t total) {
    steps.emplace_back(done, total);
  };
  const JournalOutcome outcome = journals().clean(request);
  if (outcome.result != JournalResult::Cleaned || outcome.way != JournalWay::Rewrite) return 13;
  // The log's size and a twentieth more went through it, and the progress said so.
  if (outcome.bytes < kLogBytes + kLogBytes / 20) return 14;
  if (steps.size() < 2 || steps.back().first != steps.back().second) return 15;
  // The rounds went through attribute blocks, not times alone: a 10 MiB log takes about a
  // dozen rounds that way, and nearly four times as many with times.
  if (steps.size() > 24) return 18;
  for (std::size_t i = 1; i < steps.size(); ++i) {
    if (steps[i].first < steps[i - 1].first) return 16;
  }
  return hasScratchFolder(folder) ? 17 : 0;
}

struct XfsLogCycleTest : ::testing::Test {
  TestFolder t;
  std::unique_ptr<ScopedMount> mount;
  std::string folder;  // a folder on the mounted file system

  // Mounts a 160 MiB XFS image with a 10 MiB log; the reason the test skips where it cannot.
  std::string Mount() {
    mount = std::make_unique<ScopedMount>(t.makeFolder("mnt"), ScopedMount::Kind::XfsImage, 160,
                                          "-l size=10m");
    folder = mount->point() + "/work/";
    return MountProblem(*mount, folder);
  }

  void WriteAndDeleteNames() {
    for (int i = 0; i < kNames; ++i) {
      ASSERT_TRUE(fs().createAlways(folder + kNamePrefix + std::to_string(1000 + i)));
    }
    ASSERT_TRUE(fs().openFolder(folder)->syncFileSystem());
    for (int i = 0; i < kNames; ++i) {
      ASSERT_TRUE(fs().deleteFile(folder + kNamePrefix + std::to_string(1000 + i)));
    }
  }

  std::size_t NamesLeftAfterUnmount() {
    EXPECT_TRUE(mount->unmount());
    EXPECT_EQ(std::system(("xfs_repair -n '" + mount->image() + "' >/dev/null 2>&1").c_str()), 0);
    return CountInImage(mount->image(), kNamePrefix);
  }
};

}  // namespace

TEST_F(XfsLogCycleTest, InspectionTellsTheLogAndTheAdministratorsWayIsRefused) {
  MOUNT_OR_SKIP(Mount());
  const JournalInfo info = journals().inspect(folder);
  EXPECT_TRUE(info.xfs);
  EXPECT_FALSE(info.ext4);  // nothing meant for ext4 alone is done here
  EXPECT_TRUE(info.journal);
  EXPECT_TRUE(info.internal);
  EXPECT_EQ(info.journalBytes, kLogBytes);
  EXPECT_EQ(info.blockSize, 4096u);
  EXPECT_FALSE(info.device.empty());
  EXPECT_TRUE(journals().canEmpty(folder));

  JournalRequest request;
  request.folder = folder;
  request.way = JournalWay::Checkpoint;
  EXPECT_EQ(journals().clean(request).result, JournalResult::Unsupported);
  EXPECT_FALSE(hasScratchFolder(folder));
}

TEST_F(XfsLogCycleTest, TheCycleWritesTheLogOverWithoutPrivileges) {
  MOUNT_OR_SKIP(Mount());
  WriteAndDeleteNames();
  namespace fsys = std::filesystem;
  fsys::permissions(t.path(), fsys::perms::others_exec, fsys::perm_options::add);
  const std::string closed = mount->point() + "/closed";
  ASSERT_TRUE(fs().createFolder(closed));
  fsys::permissions(closed, fsys::perms::owner_all);
  fsys::permissions(folder, fsys::perms::all);
  {
    // Whatever the temporary folder above the test's lets others do.
    const ScopedReachableFolder reach(t.path());
    ASSERT_TRUE(reach.reachable()) << reach.reason();
    // In a child that runs as nobody: where it may not write, the cycle is not the default;
    // where it may, the cycle clears the log.
    EXPECT_EXIT(std::_Exit(CycleAsNobody(closed, folder)), ::testing::ExitedWithCode(0), "");
  }
  EXPECT_EQ(NamesLeftAfterUnmount(), 0u);
}

TEST_F(XfsLogCycleTest, AStopRemovesTheScratchFolderAndLeavesTheFileSystemWhole) {
  MOUNT_OR_SKIP(Mount());
  WriteAndDeleteNames();
  int asked = 0;
  std::uint64_t done = 0;
  JournalRequest request;
  request.folder = folder;
  request.progress = [&](std::uint64_t d, std::uint64_t) { done = d; };
  request.stop = [&] { return ++asked > 2; };  // while the scratch files are being made
  EXPECT_EQ(journals().clean(request).result, JournalResult::Stopped);
  EXPECT_EQ(done, 0u);
  EXPECT_FALSE(hasScratchFolder(folder));

  request.stop = [&] { return done > 0; };  // after the first commit
  const JournalOutcome stopped = journals().clean(request);
  EXPECT_EQ(stopped.result, JournalResult::Stopped);
  EXPECT_GT(stopped.bytes, 0u);
  EXPECT_LT(stopped.bytes, kLogBytes);
  EXPECT_FALSE(hasScratchFolder(folder));
  EXPECT_GT(NamesLeftAfterUnmount(), 0u);  // checked whole by xfs_repair in there
}

TEST_F(XfsLogCycleTest, AFullFileSystemHasItsLogCycledWithTheScratchFilesItHasRoomFor) {
  MOUNT_OR_SKIP(Mount());
  WriteAndDeleteNames();
  // Every free block taken by one file, written until the file system refuses more: only the
  // free inodes of the inode chunks already there are left for scratch files.
  const std::string fill = mount->point() + "/fill";
  ASSERT_NE(std::system(("dd if=/dev/zero of='" + fill + "' bs=1M >/dev/null 2>&1").c_str()), 0);
  EXPECT_TRUE(journals().canEmpty(folder));
  JournalRequest request;
  request.folder = folder;
  const JournalOutcome outcome = journals().clean(request);
  EXPECT_EQ(outcome.result, JournalResult::Cleaned)
      << outcome.detail << " " << outcome.error.message();
  EXPECT_GE(outcome.bytes, kLogBytes + kLogBytes / 20);
  EXPECT_FALSE(hasScratchFolder(folder));
  EXPECT_EQ(NamesLeftAfterUnmount(), 0u);
}
