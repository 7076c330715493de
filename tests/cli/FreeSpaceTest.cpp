// ferrovane-cli free-space on file systems the test mounts itself: only fixed drives, the free
// space really overwritten, and the temporary file gone however the run ends.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "CliProcess.h"
#include "core/FreeSpaceLock.h"
#include "core/ReserveLowering.h"
#include "core/SettingsFolder.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

namespace fsys = std::filesystem;

namespace {

struct FreeSpace : ::testing::Test {
  TestFolder t;
  std::string cli = PortableCli(t);
  std::string point = t.makeFolder("disk");
};

// Counts the places where the marker is found in the file.
std::size_t occurrences(const std::string& file, const std::string& marker) {
  const std::string bytes = readFileBytes(file);
  std::size_t count = 0;
  for (std::size_t at = bytes.find(marker); at != std::string::npos;
       at = bytes.find(marker, at + 1)) {
    ++count;
  }
  return count;
}

// The kernel's file of the reserved clusters of the ext4 file system mounted at the point; empty
// when it is not mounted from a device.
std::string ReservedClustersOf(const std::string& point) {
  std::ifstream mounts("/proc/self/mounts");
  std::string source, mountPoint, rest;
  while (mounts >> source >> mountPoint && std::getline(mounts, rest)) {
    if (mountPoint != point || source.rfind("/dev/", 0) != 0) continue;
    return "/sys/fs/ext4/" + source.substr(5) + "/reserved_clusters";
  }
  return {};
}

// The device number of the file system that holds the path.
std::uint64_t DeviceOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<std::uint64_t>(st.st_dev) : 0;
}

// Lets files take every free block of the ext4 file system mounted at the point: the blocks
// ext4 otherwise keeps back from everyone (its reserved clusters) are given up, so that a fill
// of it can end without anything left over. False when that cannot be done here.
bool GiveUpReservedClusters(const std::string& point) {
  const std::string reserve = ReservedClustersOf(point);
  if (reserve.empty()) return false;
  std::ofstream flag(reserve);
  return static_cast<bool>(flag << 0 << std::flush);
}

}  // namespace

TEST_F(FreeSpace, TheContentOfDeletedFilesIsOverwrittenAndTheTemporaryFileRemoved) {
  ScopedMount disk(point, ScopedMount::Kind::Ext4Image, 16);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const std::string marker = "FERROVANE-DELETED-CONTENT-MARKER";
  std::string content;
  while (content.size() < (1u << 20)) content += marker;
  t.write("disk/deleted", content);
  t.write("disk/kept", "kept");
  ::sync();
  fsys::remove(point + "/deleted");
  ::sync();

  const CliResult result = RunCli(t, cli, {"free-space", "-m", "02-zeros", point + "/"});
  // As root, ext4's own reserve is given to the fill and put back straight after: nothing is
  // kept back, and the run ends as done.
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err.find("cannot be filled by a file"), std::string::npos) << result.err;
  EXPECT_FALSE(pathExists(point + "/tem1.tmp"));
  EXPECT_EQ(readFileBytes(point + "/kept"), "kept");
  ASSERT_TRUE(disk.unmount());
  EXPECT_EQ(occurrences(disk.image(), marker), 0u);
}

// Free space in many small pieces: a fill that takes them all is a file of many pieces, and
// ext4 keeps the map of those pieces in blocks of their own, which it writes through its journal.
// Such a block is taken from the free space, so it may be one that held a deleted file; freed
// with the fill's file before the journal wrote it to its place, it kept that content. Each
// journal mode of ext4 is tried: the deleted content must be gone in each.
TEST_F(FreeSpace, DeletedContentIsGoneEvenWhereTheFillTookBlocksForTheMapOfItsPieces) {
  struct Mode {
    const char* mkfs;
    const char* mount;
  };
  const Mode modes[] = {
      {"-b 4096", ""}, {"-b 4096 -O fast_commit", ""}, {"-b 4096", "data=journal"}};
  const std::string marker = "FERROVANE-PIECE-";
  for (const Mode& mode : modes) {
    SCOPED_TRACE(std::string(mode.mkfs) + " " + mode.mount);
    ScopedMount disk(point, ScopedMount::Kind::Ext4Image, "16m", mode.mkfs, mode.mount);
    if (!disk.mounted()) GTEST_SKIP() << disk.reason();
    // Every other file of one block is deleted: the free space is in a few hundred pieces,
    // each holding a deleted file's content.
    constexpr int kFiles = 400;
    std::vector<std::string> contents;
    for (int i = 0; i < kFiles; ++i) {
      const std::string line = marker + (i % 2 ? "deleted-" : "kept-") + std::to_string(i) + "\n";
      std::string content;
      while (content.size() + line.size() <= 4096) content += line;
      t.write("disk/f" + std::to_string(i), content);
      contents.push_back(content);
    }
    ASSERT_TRUE(disk.remount());
    for (int i = 1; i < kFiles; i += 2) fsys::remove(point + "/f" + std::to_string(i));
    ::sync();

    const CliResult result = RunCli(t, cli, {"free-space", "-m", "02-zeros", point});
    EXPECT_EQ(result.status, 0) << result.err;
    for (int i = 0; i < kFiles; i += 2) {
      EXPECT_EQ(readFileBytes(point + "/f" + std::to_string(i)), contents[i]) << i;
    }
    ASSERT_TRUE(disk.unmount());
    EXPECT_EQ(occurrences(disk.image(), marker + "deleted-"), 0u) << result.err;
  }
}

// XFS keeps a reserve pool of free blocks that it gives no file, not even the administrator's:
// a deleted file's content there stays after any fill, and the run must say so.
TEST_F(FreeSpace, FreeBlocksXfsKeepsForItselfAreNamedAsNotReached) {
  ScopedMount disk(point, ScopedMount::Kind::XfsImage, 160);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  t.write("disk/deleted", std::string(1u << 20, 'd'));
  ::sync();
  fsys::remove(point + "/deleted");
  ::sync();
  const CliResult result = RunCli(t, cli, {"free-space", "-m", "02-zeros", point});
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_NE(result.err.find(point + "/: free space could not be filled: "), std::string::npos)
      << result.err;
  EXPECT_NE(result.err.find(" bytes the file system keeps back could not be written"),
            std::string::npos)
      << result.err;
  EXPECT_FALSE(pathExists(point + "/tem1.tmp"));
}

TEST_F(FreeSpace, OnlyTheMountPointsOfFixedDrivesAreTaken) {
  ScopedMount disk(point, ScopedMount::Kind::Ext4Image, 16);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const std::string ram = t.makeFolder("ram");
  ScopedMount tmpfs(ram, ScopedMount::Kind::Tmpfs, 4);
  ASSERT_TRUE(tmpfs.mounted()) << tmpfs.reason();
  const std::string folder = t.makeFolder("disk/folder");

  const CliResult listed = RunCli(t, cli, {"free-space", "--dry-run", point, ram, folder});
  EXPECT_EQ(listed.status, 1);
  EXPECT_EQ(listed.out.rfind(point + "/ (ext4, ", 0), 0u) << listed.out;
  EXPECT_NE(listed.err.find(ram + "/: is a RAM disk: only fixed drives are wiped"),
            std::string::npos);
  EXPECT_NE(
      listed.err.find(folder + "/: is not a mount point (it lies on the drive at " + point + "/)"),
      std::string::npos)
      << listed.err;
  EXPECT_FALSE(pathExists(point + "/tem1.tmp"));

  const CliResult refused = RunCli(t, cli, {"free-space", ram});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(fsys::is_empty(ram));
}

TEST_F(FreeSpace, AStoppedRunLeavesNoTemporaryFile) {
  ScopedMount disk(point, ScopedMount::Kind::Ext4Image, 48);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const struct {
    int signal;
    std::string waitFor;  // the moment of the signal
    int status;
  } cases[] = {
      {SIGTERM, "Creating temporary file...\n", 143},  // while it fills (or just after)
      {SIGINT, point + "/tem1.tmp\n", 130},            // while the temporary file is wiped
  };
  for (const auto& c : cases) {
    CliProcess run(t, cli, {"-v", "free-space", "-m", "05-gutmann", point});
    ASSERT_TRUE(run.waitForError(c.waitFor));
    run.signal(c.signal);
    const CliResult result = run.finish();
    EXPECT_EQ(result.status, c.status) << result.err;
    // The drive it stopped in is named.
    EXPECT_NE(result.err.find(point + "/: free space not completely wiped: the run was stopped"),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(pathExists(point + "/tem1.tmp"));
    EXPECT_TRUE(fsys::is_empty(point + "/lost+found"));
  }
}

TEST_F(FreeSpace, ALeftoverTemporaryFileIsNamedByWipeAndRemovedByFreeSpace) {
  ScopedMount disk(point, ScopedMount::Kind::Ext4Image, 16);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const std::string leftover = t.write("disk/tem1.tmp", std::string(1u << 20, 'x'));
  const std::string file = t.write("disk/file", "data");
  const std::string named = leftover +
                            ": an interrupted free-space wipe left this temporary file (1048576 "
                            "bytes) on " +
                            point + "/; ";

  const CliResult wiped = RunCli(t, cli, {"wipe", "-m", "02-zeros", file});
  EXPECT_EQ(wiped.status, 0) << wiped.err;
  EXPECT_NE(wiped.err.find(named + "it fills part of the drive until \"free-space\" removes it"),
            std::string::npos)
      << wiped.err;
  EXPECT_FALSE(pathExists(file));

  const CliResult listed = RunCli(t, cli, {"free-space", "--dry-run", point});
  EXPECT_NE(listed.err.find(named + "the run removes it"), std::string::npos) << listed.err;
  EXPECT_TRUE(pathExists(leftover));

  const CliResult run = RunCli(t, cli, {"free-space", "-m", "02-zeros", point});
  EXPECT_NE(run.err.find(leftover + ": was left by an interrupted free-space wipe: removed"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(pathExists(leftover));
}

TEST_F(FreeSpace, AMountPointRefusedBesideOneWipedMakesTheRunIncompleteAndSaysWhy) {
  ScopedMount disk(point, ScopedMount::Kind::Ext4Image, 16, "-m 0");
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  if (!GiveUpReservedClusters(point)) GTEST_SKIP() << "the reserved clusters cannot be given up";
  const std::string folder = t.makeFolder("disk/folder");
  // The drive alone is wiped completely.
  const CliResult alone = RunCli(t, cli, {"free-space", "-m", "02-zeros", point});
  ASSERT_EQ(alone.status, 0) << alone.err;

  const CliResult both = RunCli(t, cli, {"free-space", "-m", "02-zeros", point, folder});
  EXPECT_EQ(both.status, 1);
  EXPECT_EQ(both.err, "ferrovane-cli: " + folder +
                          "/: is not a mount point (it lies on the drive at " + point + "/)\n");
  EXPECT_FALSE(pathExists(point + "/tem1.tmp"));

  // Mounted read-only, the drive is named as such; that it may not be written is no question of
  // rights.
  ASSERT_EQ(std::system(("mount -o remount,ro '" + point + "'").c_str()), 0);
  const CliResult readOnly = RunCli(t, cli, {"free-space", "-m", "02-zeros", point});
  EXPECT_EQ(readOnly.status, 1);
  EXPECT_EQ(readOnly.err, "ferrovane-cli: " + point + "/: is mounted read-only: nothing written\n");
}

TEST_F(FreeSpace, ASecondRunOnTheDriveIsRefusedWhileTheFirstGoesOn) {
  ScopedMount disk(point, ScopedMount::Kind::Ext4Image, 48);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  CliProcess first(t, cli, {"-v", "free-space", "-m", "05-gutmann", point});
  ASSERT_TRUE(first.waitForError(point + "/tem1.tmp\n"));  // its passes over the filled file

  const CliResult second = RunCli(t, cli, {"free-space", "-m", "02-zeros", point});
  EXPECT_EQ(second.status, 1);
  EXPECT_NE(second.err.find("ferrovane-cli: " + point + "/: another free-space wipe of " + point +
                            " is running\n"),
            std::string::npos)
      << second.err;
  // The first run's file is no leftover: neither named nor removed.
  const CliResult looked = RunCli(t, cli, {"free-space", "--dry-run", point});
  EXPECT_EQ(looked.err.find("interrupted free-space wipe"), std::string::npos) << looked.err;
  EXPECT_TRUE(pathExists(point + "/tem1.tmp"));

  first.signal(SIGTERM);
  const CliResult ended = first.finish();
  EXPECT_EQ(ended.status, 143) << ended.err;
  EXPECT_EQ(ended.err.find("was not found"), std::string::npos) << ended.err;
  EXPECT_FALSE(pathExists(point + "/tem1.tmp"));
}

// The record of ext4's lowered reserve belongs to the run that holds the file system's lock: no
// start of the program puts it back while that run goes on, a dry run never does, and the next
// other start does once the run is gone.
TEST_F(FreeSpace, AReserveLoweredByARunThatGoesOnIsLeftToItAndADryRunChangesNoReserve) {
  ScopedMount disk(point, ScopedMount::Kind::Ext4Image, 16);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const std::string reserve = ReservedClustersOf(point);
  const std::string value = readFileBytes(reserve);
  if (reserve.empty() || value.empty() || value == "0\n") {
    GTEST_SKIP() << "the file system's reserved clusters are not shown here";
  }
  // As a run that lowered it left it: 0, and the old value on record.
  const ScopedSettingsFolder settings(t.programFolder());
  const std::uint64_t device = DeviceOf(point);
  const std::string record = ReserveRecordFile(device);
  ASSERT_TRUE(static_cast<bool>(std::ofstream(reserve) << 0 << std::flush));
  t.write("program/" + fsys::path(record).filename().string(),
          reserve + " " + value.substr(0, value.size() - 1) + "\n");
  const std::string file = t.write("file", "data");
  const std::vector<std::vector<std::string>> starts = {
      {"methods"}, {"-n", "wipe", file}, {"-n", "free-space", point}};
  {
    const auto running = TakeFreeSpaceLock(device);
    ASSERT_TRUE(running);
    for (const auto& args : starts) {
      SCOPED_TRACE(args.front() + " " + args.back());
      RunCli(t, cli, args);
      EXPECT_EQ(readFileBytes(reserve), "0\n");
      EXPECT_TRUE(pathExists(record));
    }
  }
  RunCli(t, cli, {"-n", "wipe", file});
  EXPECT_EQ(readFileBytes(reserve), "0\n");
  RunCli(t, cli, {"methods"});
  EXPECT_EQ(readFileBytes(reserve), value);
  EXPECT_FALSE(pathExists(record));
}
