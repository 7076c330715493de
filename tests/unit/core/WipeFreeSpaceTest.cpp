// Wiping the free space of a drive: on small file systems the test mounts itself for the real
// fill, and on a test folder posing as a drive for the failures.

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>

#include "WipeEngineFixture.h"
#include "core/Helpers.h"
#include "core/ProgramRandom.h"
#include "core/ReserveLowering.h"
#include "core/RunOutcome.h"
#include "core/TFreeSpacePlace.h"
#include "platform/Drives.h"
#include "platform/Ext4Reserve.h"
#include "platform/Folders.h"
#include "platform/Journal.h"
#include "platform/PathText.h"
#include "support/MountOrSkip.h"
#include "support/ScopedMount.h"
#include "support/TestDrives.h"

namespace fsys = std::filesystem;

class WipeFreeSpaceTest : public WipeEngineTest {
 protected:
  WipeFreeSpaceTest() { AddMethod("zeros.mtd", {BytePass(0xEE)}); }

  // Makes the folder a drive of its own: a mount table in which it is a mount point, with the
  // free space the test says. Nothing is mounted.
  std::string FakeDrive(const std::string& name, std::uint64_t available) {
    const std::string root = folder.makeFolder(name) + "/";
    drives_.reset();  // the earlier table goes first, so the real one is never put back between
    drives_ = std::make_unique<ScopedTestDrives>(
        folder, std::vector<std::pair<std::string, std::string>>{{"/", "ext4"}, {root, "ext4"}});
    files.diskSpaceOf.clear();
    // A small total: a fill that failed to stop would end there, not on the real disk.
    files.diskSpaceOf[root] = {available, available + (8u << 20), kCluster};
    return root;
  }

  // A fake drive that reports three free clusters whatever is written: a fill stops after
  // four writes (more than its total), which is all the tests of where the file goes need.
  std::string TinyFakeDrive(const std::string& name) {
    const std::string root = FakeDrive(name, 0);
    files.diskSpaceOf[root] = {3 * kCluster, 3 * kCluster, kCluster};
    return root;
  }

  // Mounts a small file system of the given size ("12k", "16m") on a new folder of the test;
  // empty when that is not possible here (mountSkip() says why). The drive table is the real
  // one, which sees the mount.
  std::string Mount(const std::string& name, ScopedMount::Kind kind, const std::string& size,
                    const std::string& mkfsOptions = {}) {
    const std::string point = folder.makeFolder(name);
    mounts_.push_back(std::make_unique<ScopedMount>(point, kind, size, mkfsOptions));
    if (!mounts_.back()->mounted()) {
      skip_ = mounts_.back()->reason();
      return {};
    }
    files.diskSpaceOf.clear();  // the real free space of the file system
    return point + "/";
  }
  ScopedMount& LastMount() { return *mounts_.back(); }
  // The kernel's reserve of the ext4 file system mounted at `root` (4096 clusters), played by a
  // file of the test in a folder that stands for the kernel's while the test runs; its path,
  // empty when the file system's device is not known.
  std::string PlayedReserve(const std::string& root) {
    const std::string device = platform::journals().inspect(root).device;
    if (device.empty()) return {};
    reserveFolder_.emplace(folder.makeFolder("ext4") + "/");
    return folder.write("ext4/" + device + "/reserved_clusters", "4096\n");
  }
  const std::string& mountSkip() const { return skip_; }

  // Runs a free-space job made as the drive list makes it: bound to the file system listed.
  // What earlier runs wrote is forgotten.
  void RunListed(const std::string& root, const platform::FileSystemId& volume) {
    files.writes.clear();
    engine.ClearItems();
    auto item = std::make_unique<TWipeItem>(wkFreeSpace, root);
    item->Volume = volume;
    engine.AddItem(std::move(item));
    ExecuteWith(engine, manager, services);
  }

  static platform::FileSystemId VolumeOf(const std::string& path) {
    return platform::realFileSystem().diskSpace(path)->id;
  }

  std::vector<FaultyFileSystem::Write> WritesTo(const std::string& path) const {
    std::vector<FaultyFileSystem::Write> result;
    for (const auto& write : files.writes) {
      if (write.path == path) result.push_back(write);
    }
    return result;
  }

  // The bytes written from the start of the file without a gap, by the fill.
  std::uint64_t Filled(const std::string& path) const {
    std::uint64_t filled = 0;
    for (const auto& write : WritesTo(path)) {
      if (write.offset == filled) filled += write.length;
    }
    return filled;
  }

 private:
  std::vector<std::unique_ptr<ScopedMount>> mounts_;
  std::string skip_;
  std::unique_ptr<ScopedTestDrives> drives_;
  std::optional<platform::ScopedExt4ReserveFolder> reserveFolder_;
};

// Skips the test, with the reason, unless the file system it just mounted at `root` took.
#define SKIP_UNLESS_MOUNTED(root) MOUNT_OR_SKIP(MountProblem(LastMount(), {}))

TEST_F(WipeFreeSpaceTest, ThreeFreeClustersAreFilledWipedAndDeleted) {
  const std::string root = Mount("drive", ScopedMount::Kind::Tmpfs, "12k");
  SKIP_UNLESS_MOUNTED(root);
  // A file left by an earlier run is replaced.
  std::ofstream(root + "tem1.tmp") << "left over";
  manager.DiscardFreeBlocks = false;  // only the leftover's note is of interest
  Run(wkFreeSpace, root);
  const std::string temporary = root + "tem1.tmp";
  const auto fill = WritesTo(temporary);
  ASSERT_GE(fill.size(), 5u);
  const std::uint64_t lengths[] = {4096, 4096, 4096, 0, 0};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(fill[i].offset, std::uint64_t(i < 3 ? i * 4096 : 12288));
    EXPECT_EQ(fill[i].length, lengths[i]);
  }
  // Both bars follow the share of the initial free space; the wipe then sets them again.
  const std::vector<std::uint64_t> bars = {34, 67, 100, 100, 100};
  ASSERT_GE(services.log.passPositions.size(), bars.size());
  ASSERT_GE(services.log.filePositions.size(), bars.size());
  EXPECT_TRUE(std::equal(bars.begin(), bars.end(), services.log.passPositions.begin()));
  EXPECT_TRUE(std::equal(bars.begin(), bars.end(), services.log.filePositions.begin()));
  ASSERT_FALSE(services.log.files.empty());
  EXPECT_EQ(services.log.files.front(), "Creating temporary file...");
  // Then wiped with the method's pass and deleted.
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], std::string(12288, '\xEE'));
  EXPECT_FALSE(pathExists(temporary));
  EXPECT_TRUE(engine.Failures.empty());
  // The leftover went first, and the user hears of it.
  EXPECT_EQ(engine.Notes,
            (std::vector<TWipeFailure>{{temporary, TWipeFailureReason::LeftoverRemoved}}));
}

TEST_F(WipeFreeSpaceTest, LargeBlocksStillEndExactlyAtTheEndOfTheSpace) {
  // 513 pages: an odd number of clusters, so the last whole block of a pass would grow the
  // file on a full disk.
  const std::string root = Mount("drive", ScopedMount::Kind::Tmpfs, "2052k");
  SKIP_UNLESS_MOUNTED(root);
  manager.BufferSize = 8192 + 100;  // two clusters per block in the fill, whole blocks in passes
  const auto before = platform::realFileSystem().diskSpace(root);
  ASSERT_TRUE(before);
  Run(wkFreeSpace, root);
  EXPECT_EQ(Filled(root + "tem1.tmp"), before->available);
  const auto writes = WritesTo(root + "tem1.tmp");
  ASSERT_FALSE(writes.empty());
  EXPECT_EQ(writes.front().length, 8192u);
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], std::string(before->available, '\xEE'));
  EXPECT_TRUE(engine.Failures.empty());
  EXPECT_EQ(platform::realFileSystem().diskSpace(root)->available, before->available);
}

TEST_F(WipeFreeSpaceTest, CancelDuringTheFillDeletesTheUnwipedFile) {
  const std::string root = FakeDrive("drive", 4u << 20);
  services.onProcess = [&] {
    if (files.writes.size() >= 3) engine.Stop();
  };
  Run(wkFreeSpace, root);
  EXPECT_TRUE(engine.Aborted);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  EXPECT_TRUE(files.renames.empty());
  EXPECT_EQ(files.writes.size(), 3u);
  EXPECT_EQ(files.writes[0].length, 524288u);  // BufferSize in whole clusters
  // The run says which drive it stopped in, though no file of it is left.
  const TRunOutcome outcome = RunOutcomeOf(engine);
  EXPECT_EQ(outcome.stoppedInDrive, root);
  EXPECT_EQ(outcome.stoppedIn, "");

  // A stop while the filled file is wiped names the drive too; a run that ends names none.
  services.onProcess = [&] {
    // The pass has begun: a second write from the file's start.
    const auto fromStart = std::count_if(files.writes.begin(), files.writes.end(),
                                         [](const auto& write) { return write.offset == 0; });
    if (fromStart >= 2) engine.Stop();
  };
  Run(wkFreeSpace, root);
  EXPECT_EQ(RunOutcomeOf(engine).stoppedInDrive, root);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  services.onProcess = nullptr;
  Run(wkFreeSpace, root);
  EXPECT_FALSE(engine.Aborted);
  EXPECT_EQ(RunOutcomeOf(engine).stoppedInDrive, "");
}

TEST_F(WipeFreeSpaceTest, DriveThatCannotBeFilledEndsCleanlyAndIsReported) {
  std::string root = FakeDrive("drive", 0);
  Run(wkFreeSpace, root);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  EXPECT_EQ(engine.Failures, (std::vector<TWipeFailure>{{root, TWipeFailureReason::NoFreeSpace}}));

  // A write fails for another reason than a full disk: the wipe of the drive ends there, with
  // the system's reason.
  root = FakeDrive("drive", 4u << 20);
  files.bytesLeft = 10000;
  files.fullDiskError = std::make_error_code(std::errc::io_error);
  Run(wkFreeSpace, root);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  EXPECT_TRUE(files.renames.empty());
  EXPECT_EQ(engine.Failures,
            (std::vector<TWipeFailure>{{root, TWipeFailureReason::FreeSpaceFillFailed,
                                        std::make_error_code(std::errc::io_error)}}));

  // The temporary file cannot be created; a folder of that name is left alone.
  files.bytesLeft = -1;
  fsys::create_directory(root + "tem1.tmp");
  Run(wkFreeSpace, root);
  EXPECT_TRUE(fsys::is_directory(root + "tem1.tmp"));
  EXPECT_EQ(engine.Failures,
            (std::vector<TWipeFailure>{{root, TWipeFailureReason::FreeSpaceFileNotCreated,
                                        std::make_error_code(std::errc::is_a_directory),
                                        root + "tem1.tmp"}}));
}

TEST_F(WipeFreeSpaceTest, ATemporaryFileWhosePassFailedIsRemovedAndTheDriveNamed) {
  const std::string root = FakeDrive("drive", 1u << 20);
  files.failFlush.insert(root + "tem1.tmp");
  Run(wkFreeSpace, root);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  EXPECT_EQ(engine.Failures,
            (std::vector<TWipeFailure>{{root, TWipeFailureReason::FreeSpaceNotWiped,
                                        std::make_error_code(std::errc::io_error),
                                        "pass 1 failed at byte 0"}}));
}

// The journal is written to its place before the fill's file is wiped and deleted; where that
// is refused (an ordinary user on ext4), blocks the file system took for the file's own map may
// keep deleted content: the drive is named, and the fill is still wiped and removed.
TEST_F(WipeFreeSpaceTest, AJournalThatCannotBeWrittenToItsPlaceNamesTheDrive) {
  const std::string root = Mount("drive", ScopedMount::Kind::Tmpfs, "1m");
  SKIP_UNLESS_MOUNTED(root);
  manager.DiscardFreeBlocks = false;
  files.failJournalHome.insert(platform::trimSeparators(root));
  Run(wkFreeSpace, root);
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  EXPECT_EQ(engine.Failures,
            (std::vector<TWipeFailure>{
                {root, TWipeFailureReason::FreeSpaceNotWiped,
                 std::make_error_code(std::errc::permission_denied),
                 "blocks the file system took for the temporary file's map of its pieces may keep "
                 "deleted content: only the administrator may have its journal written to its "
                 "place"}}));
}

TEST_F(WipeFreeSpaceTest, PathThatIsNotAbsoluteDoesNothing) {
  FakeDrive("drive", 1u << 20);
  Run(wkFreeSpace, "drive");
  EXPECT_TRUE(files.writes.empty());
  EXPECT_TRUE(engine.Failures.empty());
  EXPECT_EQ(services.log.opened, 1);
}

TEST_F(WipeFreeSpaceTest, TemporaryNameTakenByWhatIsNotTheUsersOwnFileIsNeverWritten) {
  struct Case {
    const char* what;
    // Makes the entry in the root; false when the case cannot be made here.
    bool (*make)(const std::string& entry, const std::string& other);
    std::error_code error;
    bool openToAll = false;     // the root is world-writable (1777)
    bool notRemovable = false;  // the user's own leftover cannot be removed first
  };
  const auto ownLeftover = [](const std::string& entry, const std::string&) {
    std::ofstream(entry) << "precious";
    return true;
  };
  const auto othersFile = [](const std::string& entry, const std::string&) {
    std::ofstream(entry) << "precious";
    return ::geteuid() == 0 && ::chown(entry.c_str(), 65534, 65534) == 0;
  };
  const Case cases[] = {
      {"a hard link to another file",
       [](const std::string& entry, const std::string& other) {
         fsys::create_hard_link(other, entry);
         return true;
       },
       platform::FileError::Shared},
      {"a symbolic link to another file",
       [](const std::string& entry, const std::string& other) {
         fsys::create_symlink(other, entry);
         return true;
       },
       platform::FileError::NotAFile},
      {"another user's file", othersFile, platform::FileError::NotOwn},
      {"another user's file planted where everyone may write", othersFile,
       platform::FileError::NotOwn, true},
      {"the user's own file that stays, where everyone may write", ownLeftover,
       platform::FileError::NotOwn, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string root = TinyFakeDrive(std::string("drive ") + c.what);
    const std::string other = folder.write(std::string("elsewhere/") + c.what, "precious");
    if (!c.make(root + "tem1.tmp", other)) {
      std::cout << "[ SKIPPED  ] " << c.what << ": needs root\n";
      continue;
    }
    if (c.openToAll) fsys::permissions(root, fsys::perms::all | fsys::perms::sticky_bit);
    files.failDelete.clear();
    if (c.notRemovable) files.failDelete.insert(root + "tem1.tmp");
    files.writes.clear();
    Run(wkFreeSpace, root);
    std::vector<TWipeFailure> expected{
        {root, TWipeFailureReason::FreeSpaceFileNotCreated, c.error, root + "tem1.tmp"}};
    if (c.notRemovable) {
      expected.insert(expected.begin(),
                      {root + "tem1.tmp", TWipeFailureReason::CannotDelete, files.injectedError});
    }
    EXPECT_EQ(engine.Failures, expected);
    EXPECT_TRUE(files.writes.empty());
    EXPECT_EQ(readFileBytes(other), "precious");
    EXPECT_EQ(readFileBytes(root + "tem1.tmp"), "precious");  // the entry itself is still there
  }

  // The user's own leftover that cannot be removed, in a folder only the user may write, is
  // taken over: emptied, filled and wiped.
  const std::string root = TinyFakeDrive("own drive");
  std::ofstream(root + "tem1.tmp") << "left over";
  files.failDelete = {root + "tem1.tmp"};
  files.writes.clear();
  Run(wkFreeSpace, root);
  EXPECT_EQ(Filled(root + "tem1.tmp"), 4 * kCluster);
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], std::string(4 * kCluster, '\xEE'));
}

TEST_F(WipeFreeSpaceTest, JobWipesNothingUnlessTheFileSystemListedIsStillMountedThere) {
  const std::string root = Mount("drive", ScopedMount::Kind::Tmpfs, "1m");
  SKIP_UNLESS_MOUNTED(root);
  const platform::FileSystemId listed = VolumeOf(root);
  files.bytesLeft = 1 << 20;  // a fill in the wrong place would end here, not on the real disk
  auto expectNothingWritten = [&](const std::string& path) {
    EXPECT_EQ(engine.Failures,
              (std::vector<TWipeFailure>{{path, TWipeFailureReason::NoLongerMounted}}));
    EXPECT_TRUE(files.writes.empty());
    EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  };
  {
    SCOPED_TRACE("a folder inside the drive is not the drive's root");
    const std::string inside = folder.makeFolder("drive/inside") + "/";
    RunListed(inside, listed);
    expectNothingWritten(inside);
  }
  ASSERT_TRUE(LastMount().unmount());
  {
    SCOPED_TRACE("another file system mounted in its place");
    const std::string other = Mount("drive", ScopedMount::Kind::Tmpfs, "1m");
    ASSERT_EQ(other, root);
    RunListed(root, listed);
    expectNothingWritten(root);
    ASSERT_TRUE(LastMount().unmount());
  }
  {
    SCOPED_TRACE("unmounted");
    RunListed(root, listed);
    expectNothingWritten(root);
  }
  {
    SCOPED_TRACE("unmounted, a job whose file system was not known when it was made");
    RunListed(root, {});
    expectNothingWritten(root);
  }
  {
    SCOPED_TRACE("unmounted, while a stale mount table still lists it");
    ScopedTestDrives stale(folder, {{"/", "ext4"}, {root, "ext4"}});
    RunListed(root, listed);
    expectNothingWritten(root);
  }
}

TEST_F(WipeFreeSpaceTest, FileSystemReplacedDuringTheFillEndsTheJobWithoutTouchingTheNewOne) {
  const std::string root = FakeDrive("drive", 4u << 20);
  services.onProcess = [&] {
    if (files.writes.size() == 2) files.deviceOf[root] = VolumeOf(root).device + 1;
  };
  Run(wkFreeSpace, root);
  EXPECT_EQ(engine.Failures,
            (std::vector<TWipeFailure>{{root, TWipeFailureReason::NoLongerMounted}}));
  EXPECT_EQ(files.writes.size(), 2u);
  EXPECT_TRUE(files.renames.empty());
  EXPECT_TRUE(files.deleted.empty());  // the path may name another file by now
}

TEST_F(WipeFreeSpaceTest, ClustersRefusedToTheFillAreTakenByASecondFileWipedLikeAnyOther) {
  struct Case {
    const char* what;
    std::uint64_t tailClusters;  // what the second file is given before it is refused too
  };
  for (const Case& c : {Case{"the second file takes two", 2}, Case{"refused at once", 0}}) {
    SCOPED_TRACE(c.what);
    // The figures say twenty clusters are free, but the file system refuses the fill's file
    // past five, as ext4 does where its last blocks would also take a block of the file's map.
    const std::string root =
        FakeDrive(std::string("drive-") + std::to_string(c.tailClusters), 20 * kCluster);
    files.sizeLimitOf = {{root + "tem1.tmp", 5 * kCluster},
                         {root + "tem2.tmp", c.tailClusters * kCluster}};
    files.deleted.clear();
    Run(wkFreeSpace, root);
    EXPECT_EQ(Filled(root + "tem1.tmp"), 5 * kCluster);
    EXPECT_FALSE(pathExists(root + "tem1.tmp"));
    EXPECT_FALSE(pathExists(root + "tem2.tmp"));
    // The second file is wiped and deleted like the first; one refused at once is only removed.
    std::vector<std::string> wiped = WipedContents();
    std::sort(wiped.begin(), wiped.end(),
              [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    ASSERT_EQ(wiped.size(), c.tailClusters ? 2u : 1u);
    EXPECT_EQ(wiped.front().size(), (c.tailClusters ? c.tailClusters : 5) * kCluster);
    for (const std::string& content : wiped) {
      EXPECT_EQ(content.find_first_not_of('\xEE'), std::string::npos);
    }
    // What the figures still call free was refused to both: it was not reached, and counts.
    ASSERT_EQ(engine.Failures.size(), 1u) << ::testing::PrintToString(engine.Failures);
    EXPECT_EQ(engine.Failures[0].Reason, TWipeFailureReason::FreeSpaceFillFailed);
    EXPECT_EQ(engine.Failures[0].Detail, std::to_string(20 * kCluster) +
                                             " bytes the file system keeps back could not be "
                                             "written");
  }
}

TEST_F(WipeFreeSpaceTest, BlocksTheFileSystemGivesBackOnlyAfterACommitAreTakenByTheSecondFile) {
  // The fill's file takes five clusters; the file system gives the second file its two only
  // once it has committed what it freed during the fill (a block of the first file's map).
  const std::string root = FakeDrive("drive-commit", 7 * kCluster);
  files.sizeLimitOf = {{root + "tem1.tmp", 5 * kCluster}, {root + "tem2.tmp", 0}};
  files.sizeLimitAfterSync = {{root + "tem2.tmp", 2 * kCluster}};
  Run(wkFreeSpace, root);
  std::vector<std::string> wiped = WipedContents();
  std::sort(wiped.begin(), wiped.end(),
            [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
  ASSERT_EQ(wiped.size(), 2u);
  EXPECT_EQ(wiped.front().size(), 2 * kCluster);
  EXPECT_FALSE(pathExists(root + "tem2.tmp"));
}

TEST_F(WipeFreeSpaceTest, FreeBlocksTheFileSystemKeepsForItselfAreToldAsNotReached) {
  // The figures say five clusters are free, and the file system keeps three more for itself
  // (as XFS does its reserve pool): the fill takes the five, and the three are named.
  const std::string root = FakeDrive("drive-kept", 5 * kCluster);
  files.keptBackOf[root] = 3 * kCluster;
  Run(wkFreeSpace, root);
  // Asked once, where the fill ends: every allocation group of XFS answers it.
  EXPECT_EQ(files.keptBackAsked, 1);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  ASSERT_EQ(engine.Failures.size(), 1u) << ::testing::PrintToString(engine.Failures);
  EXPECT_EQ(engine.Failures[0].Path, root);
  EXPECT_EQ(engine.Failures[0].Reason, TWipeFailureReason::FreeSpaceFillFailed);
  EXPECT_EQ(engine.Failures[0].Detail, std::to_string(3 * kCluster) +
                                           " bytes the file system keeps back could not be "
                                           "written");
}

TEST_F(WipeFreeSpaceTest, AdministratorFillsTheReserveAndHearsOfWhatTheFileSystemKeptBack) {
  const std::string root = Mount("disk", ScopedMount::Kind::Ext4Image, "16m", "-m 5");
  SKIP_UNLESS_MOUNTED(root);
  ASSERT_EQ(::geteuid(), 0u);  // mounting needs root
  struct statvfs before {};
  ASSERT_EQ(::statvfs(root.c_str(), &before), 0);
  const std::uint64_t block = before.f_frsize;
  const std::uint64_t forUsers = before.f_bavail * block;
  const std::uint64_t allFree = before.f_bfree * block;
  ASSERT_GT(allFree - forUsers, 5 * before.f_blocks * block / 100 - block);

  Run(wkFreeSpace, root);
  const std::uint64_t filled = Filled(root + "tem1.tmp");
  // Beyond what an ordinary user may write: the blocks reserved for root were filled too.
  EXPECT_GT(filled, forUsers + 4 * before.f_blocks * block / 100);
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_GE(WipedContents()[0].size(), filled);
  EXPECT_EQ(WipedContents()[0].find_first_not_of('\xEE'), std::string::npos);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  // ext4 keeps a few blocks back even from root while its reserve stays (the test lowers no
  // reserve of the kernel's): free blocks the fill did not reach, which may hold what was
  // deleted. The run says how many, and it counts.
  ASSERT_EQ(engine.Failures.size(), 1u) << ::testing::PrintToString(engine.Failures);
  const TWipeFailure& kept = engine.Failures[0];
  EXPECT_EQ(kept.Reason, TWipeFailureReason::FreeSpaceFillFailed);
  EXPECT_EQ(kept.Path, root);
  EXPECT_TRUE(LeavesSomethingBehind(kept));
  const std::uint64_t unreached = std::stoull(kept.Detail);
  EXPECT_GT(unreached, 0u);
  EXPECT_LT(unreached, allFree - forUsers);
  // Together they account for the free space, but for the blocks the file's own index took.
  EXPECT_LE(filled + unreached, allFree);
  EXPECT_GE(filled + unreached, allFree - before.f_blocks * block / 100);
}

TEST_F(WipeFreeSpaceTest, OrdinaryUserIsToldOfTheReserveItCouldNotReach) {
  const std::string root = Mount("drive", ScopedMount::Kind::Tmpfs, "1m");
  SKIP_UNLESS_MOUNTED(root);
  // What an ext4 file system reports to a user: free blocks beyond those the user may write.
  files.reserveOutOfReach = 5 * kCluster;
  const auto before = files.diskSpace(root);
  ASSERT_TRUE(before);
  Run(wkFreeSpace, root);
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0].size(), before->available);
  EXPECT_EQ(engine.Failures,
            (std::vector<TWipeFailure>{
                {root, TWipeFailureReason::ReserveUnreachable, {}, "20480 bytes"}}));
}

TEST_F(WipeFreeSpaceTest, TemporaryFileGoesWhereTheUserMayWriteOnTheSameFileSystem) {
  const std::string home = folder.makeFolder("home") + "/";
  const std::string temp = folder.tempFolder();
  const platform::ScopedHomeFolder scopedHome(home);
  struct Case {
    const char* what;
    std::set<std::string> notWritable;  // besides the drive's root
    std::map<std::string, std::uint64_t> elsewhere;
    std::string expected;  // the folder of the temporary file; empty: none may be used
  };
  const std::uint64_t other = VolumeOf(folder.path()).device + 1;
  const Case cases[] = {
      {"the home folder first", {}, {}, home},
      {"the home folder on another file system", {}, {{home, other}}, temp},
      {"the home folder read-only", {home}, {}, temp},
      {"neither may be used", {home}, {{temp, other}}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string root = TinyFakeDrive("drive");
    files.notWritable = c.notWritable;
    files.notWritable.insert(root);
    files.deviceOf = c.elsewhere;
    files.writes.clear();
    files.deleted.clear();
    Run(wkFreeSpace, root);
    EXPECT_FALSE(pathExists(root + "tem1.tmp"));
    if (c.expected.empty()) {
      EXPECT_EQ(engine.Failures,
                (std::vector<TWipeFailure>{{root, TWipeFailureReason::NeedsAdministrator}}));
      EXPECT_TRUE(files.writes.empty());
      continue;
    }
    EXPECT_TRUE(engine.Failures.empty());
    EXPECT_FALSE(WritesTo(c.expected + "tem1.tmp").empty());
    ASSERT_EQ(WipedContents().size(), 1u);
    EXPECT_EQ(files.deleted.back().path, c.expected + LongName());
  }
}

TEST_F(WipeFreeSpaceTest, FreeBlocksAreDiscardedAfterTheWipeOrTheUserHearsWhyNotOnce) {
  struct Case {
    const char* what;
    bool option;
    std::optional<std::error_code> error;  // none: what the tmpfs itself answers
    std::string note;                      // empty: no note
  };
  const Case cases[] = {
      {"a file system without it", true, std::nullopt,
       "free blocks were not discarded: the file system or its device does not support it"},
      {"a file system that calls the request invalid from its start", true,
       std::make_error_code(std::errc::invalid_argument),
       "free blocks were not discarded: the file system or its device does not support it"},
      {"a user who may not", true, std::make_error_code(std::errc::operation_not_permitted),
       "free blocks were not discarded: only the administrator may ask for it"},
      {"another reason", true, std::make_error_code(std::errc::io_error),
       "free blocks were not discarded (Input/output error)"},
      {"switched off", false, std::nullopt, ""},
  };
  const std::string root = Mount("drive", ScopedMount::Kind::Tmpfs, "1m");
  SKIP_UNLESS_MOUNTED(root);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    manager.DiscardFreeBlocks = c.option;
    files.discardError = c.error;
    files.discards.clear();
    Run(wkFreeSpace, root);
    EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
    EXPECT_FALSE(pathExists(root + "tem1.tmp"));
    if (c.note.empty()) {
      EXPECT_TRUE(files.discards.empty());
      EXPECT_TRUE(engine.Notes.empty());
      continue;
    }
    ASSERT_EQ(files.discards.size(), 1u);
    EXPECT_EQ(files.discards[0].mountPoint, root);
    EXPECT_EQ(files.discards[0].start, 0u);
    ASSERT_EQ(engine.Notes.size(), 1u);
    EXPECT_EQ(engine.Notes[0].Path, root);
    EXPECT_FALSE(LeavesSomethingBehind(engine.Notes[0]));
    EXPECT_EQ(DescribeFailure(engine.Notes[0]), c.note);
  }
  // Nothing is discarded after a cancel.
  manager.DiscardFreeBlocks = true;
  files.discards.clear();
  services.onProcess = [&] { engine.Stop(); };
  Run(wkFreeSpace, root);
  EXPECT_TRUE(files.discards.empty());
  EXPECT_TRUE(engine.Notes.empty());
}

TEST_F(WipeFreeSpaceTest, DiscardOnALoopMountedExt4ImageCoversTheWholeFileSystemInSteps) {
  // 300 MiB: more than one step of the discard, which the windows handle events between.
  const std::string root = Mount("disk", ScopedMount::Kind::Ext4Image, "300m");
  SKIP_UNLESS_MOUNTED(root);
  // Only the discard is of interest here: an almost full file system is filled quickly.
  const auto space = platform::realFileSystem().diskSpace(root);
  ASSERT_TRUE(space);
  {
    const int ballast = ::open((root + "ballast").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(ballast, 0);
    EXPECT_EQ(::posix_fallocate(ballast, 0, static_cast<off_t>(space->available - (16u << 20))), 0);
    ::close(ballast);
  }
  Run(wkFreeSpace, root);
  for (const TWipeFailure& note : engine.Notes) {
    EXPECT_NE(note.Reason, TWipeFailureReason::NotDiscarded) << ::testing::PrintToString(note);
  }
  ASSERT_GE(files.discards.size(), 2u);
  // One step after the other, the last reaching to the end.
  std::uint64_t next = 0;
  for (const auto& discard : files.discards) {
    EXPECT_EQ(discard.start, next);
    next += discard.length;
  }
  EXPECT_GE(files.discards.back().length, space->total - files.discards.back().start);
}

TEST_F(WipeFreeSpaceTest, TheTemporaryFileIsVerifiedLikeAnyFile) {
  AddMethod("verified.mtd", {[] {
              TPass pass = BytePass(0x5A);
              pass.CheckWipe = true;
              return pass;
            }()});
  const std::string root = Mount("drive", ScopedMount::Kind::Tmpfs, "1m");
  SKIP_UNLESS_MOUNTED(root);
  const std::string temporary = root + "tem1.tmp";
  for (const bool damaged : {false, true}) {
    SCOPED_TRACE(damaged ? "a byte reads back changed" : "all reads back as written");
    files.readBacks.clear();
    files.changedOnRead.clear();
    if (damaged) files.changedOnRead[temporary] = 8195;
    Run(wkFreeSpace, root);
    EXPECT_EQ(files.readBacks, std::vector<std::string>{temporary});
    ASSERT_FALSE(services.log.verifying.empty());
    EXPECT_EQ(services.log.verifying.back(), (std::pair<int, int>{1, 1}));
    EXPECT_FALSE(pathExists(temporary));
    if (!damaged) {
      EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
      continue;
    }
    ASSERT_EQ(engine.Failures.size(), 1u);
    EXPECT_EQ(engine.Failures[0].Path, temporary);
    EXPECT_EQ(DescribeFailure(engine.Failures[0]), "verification failed at byte 8195");
  }
}

TEST_F(WipeFreeSpaceTest, LeftoverTemporaryFilesAreFoundWhereARunPutsThem) {
  const std::string home = folder.makeFolder("home") + "/";
  const platform::ScopedHomeFolder scopedHome(home);
  struct Case {
    const char* what;
    void (*make)(const std::string& entry, const std::string& other);
    bool found;
  };
  const Case cases[] = {
      {"an ordinary file",
       [](const std::string& entry, const std::string&) {
         std::ofstream(entry) << std::string(5000, 'x');
       },
       true},
      {"a hard link to another file",
       [](const std::string& entry, const std::string& other) {
         fsys::create_hard_link(other, entry);
       },
       false},
      {"a symbolic link to another file",
       [](const std::string& entry, const std::string& other) {
         fsys::create_symlink(other, entry);
       },
       false},
      {"a folder",
       [](const std::string& entry, const std::string&) { fsys::create_directory(entry); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string root = TinyFakeDrive(std::string("drive ") + c.what);
    const std::string other = folder.write(std::string("elsewhere/") + c.what, "precious");
    c.make(root + "tem1.tmp", other);
    const auto found = FindFreeSpaceLeftovers(root);
    if (!c.found) {
      EXPECT_TRUE(found.empty());
      continue;
    }
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Path, root + "tem1.tmp");
    EXPECT_EQ(found[0].Size, 5000u);
  }

  // The home folder, where a run that may not write the root puts the file, when it lies on
  // the drive; not otherwise.
  const std::string root = TinyFakeDrive("drive with a home");
  std::ofstream(home + "tem1.tmp") << "abc";
  const auto found = FindFreeSpaceLeftovers(root);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Path, home + "tem1.tmp");
  EXPECT_EQ(found[0].Size, 3u);
  files.deviceOf[home] = VolumeOf(root).device + 1;
  EXPECT_TRUE(FindFreeSpaceLeftovers(root).empty());
  EXPECT_TRUE(FindFreeSpaceLeftovers("relative/").empty());
}

TEST_F(WipeFreeSpaceTest, LeftoversOfTheUsersInterruptedRunsAreRemovedAsPartOfTheRun) {
  const std::string home = folder.makeFolder("home") + "/";
  const platform::ScopedHomeFolder scopedHome(home);
  const std::string root = TinyFakeDrive("drive");
  // One where the run puts its file now, one where a run that could not write the root put it.
  std::ofstream(root + "tem1.tmp") << std::string(5000, 'x');
  std::ofstream(home + "tem1.tmp") << "abc";
  manager.DiscardFreeBlocks = false;  // only the leftovers' notes are of interest
  engine.GiveBackStep = 2048;
  Run(wkFreeSpace, root);
  // The larger one was given back in steps before it went, as a drive-filling file would be.
  ASSERT_GE(files.truncations.size(), 3u);
  EXPECT_EQ(files.truncations[0], std::make_pair(root + "tem1.tmp", std::uint64_t{4096}));
  EXPECT_EQ(files.truncations[2], std::make_pair(root + "tem1.tmp", std::uint64_t{0}));
  EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
  EXPECT_EQ(engine.Notes,
            (std::vector<TWipeFailure>{{root + "tem1.tmp", TWipeFailureReason::LeftoverRemoved},
                                       {home + "tem1.tmp", TWipeFailureReason::LeftoverRemoved}}));
  EXPECT_FALSE(pathExists(home + "tem1.tmp"));
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  // The new file began empty: what the leftover held is not counted as filled.
  EXPECT_EQ(Filled(root + "tem1.tmp"), 4 * kCluster);

  // Another user's file of that name is neither removed nor called a leftover.
  if (::geteuid() != 0) GTEST_SKIP() << "another user's file needs root to make";
  std::ofstream(home + "tem1.tmp") << "theirs";
  ASSERT_EQ(::chown((home + "tem1.tmp").c_str(), 65534, 65534), 0);
  EXPECT_TRUE(FindFreeSpaceLeftovers(root).empty());
  Run(wkFreeSpace, root);
  EXPECT_TRUE(engine.Notes.empty());
  EXPECT_EQ(readFileBytes(home + "tem1.tmp"), "theirs");
}

TEST_F(WipeFreeSpaceTest, AJobWritesThroughTheMountItNamesAndNoOther) {
  const std::string disk = Mount("disk", ScopedMount::Kind::Tmpfs, "1m");
  SKIP_UNLESS_MOUNTED(disk);
  const std::string home = folder.makeFolder("disk/home") + "/";
  folder.makeFolder("disk/shared");
  // Second mounts of folders of the drive, gone again before the test's folder is removed.
  struct Binds {
    std::vector<std::string> points;
    ~Binds() {
      for (auto it = points.rbegin(); it != points.rend(); ++it) ::umount2(it->c_str(), MNT_DETACH);
    }
  } binds;
  auto bind = [&](const std::string& from, const std::string& name, bool readOnly) {
    const std::string point = folder.makeFolder(name);
    EXPECT_EQ(::mount(from.c_str(), point.c_str(), nullptr, MS_BIND, nullptr), 0);
    binds.points.push_back(point);
    if (readOnly) {
      EXPECT_EQ(::mount(nullptr, point.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr),
                0);
    }
    return point + "/";
  };
  auto expectNothingWritten = [&](const std::string& root, TWipeFailureReason reason) {
    EXPECT_EQ(engine.Failures, (std::vector<TWipeFailure>{{root, reason}}));
    EXPECT_TRUE(files.writes.empty());
    EXPECT_TRUE(fsys::is_empty(home));
  };
  {
    SCOPED_TRACE("a read-only view of a folder of the drive, the home folder on the drive");
    const platform::ScopedHomeFolder scopedHome(home);
    const std::string view = bind(disk + "shared", "view", true);
    files.writes.clear();
    Run(wkFreeSpace, view);
    expectNothingWritten(view, TWipeFailureReason::MountedReadOnly);
  }
  {
    SCOPED_TRACE("the root may not be written, the home folder reached through another mount");
    const platform::ScopedHomeFolder scopedHome(bind(home, "home view", false));
    files.notWritable = {disk};
    files.writes.clear();
    Run(wkFreeSpace, disk);
    expectNothingWritten(disk, TWipeFailureReason::NeedsAdministrator);
    files.notWritable.clear();
  }
  {
    SCOPED_TRACE("the drive itself mounted read-only");
    ASSERT_EQ(::mount(nullptr, disk.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    files.writes.clear();
    Run(wkFreeSpace, disk);
    expectNothingWritten(disk, TWipeFailureReason::MountedReadOnly);
    EXPECT_EQ(DescribeFailure(engine.Failures[0]), "is mounted read-only: nothing written");
  }
}

TEST_F(WipeFreeSpaceTest, TheFillIsTheFirstPassSoEachPassWritesEveryFreeByteOnce) {
  TPass random;
  random.WipeWith = wwRandomBytes;
  random.RandomBytesValue1 = 0;
  random.RandomBytesValue2 = 255;
  struct Case {
    const char* what;
    std::vector<TPass> passes;
  };
  const Case cases[] = {
      {"one random pass", {random}},
      {"random, a text, random again", {random, TextPass("abc"), random}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AddMethod("case.mtd", c.passes);
    for (const auto& method : manager.Methods) {
      if (method->FileName.ends_with("case.mtd")) manager.SetEngineMethod(engine, method.get());
    }
    const std::string root = Mount("drive", ScopedMount::Kind::Tmpfs, "1m");
    SKIP_UNLESS_MOUNTED(root);
    files.deleted.clear();
    files.writes.clear();
    SetRandomSeed(99);
    Run(wkFreeSpace, root);
    ASSERT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
    const std::uint32_t seedAfterDrive = RandomSeed();
    const std::uint64_t filled = Filled(root + "tem1.tmp");
    ASSERT_GT(filled, 0u);
    std::uint64_t written = 0;
    for (const auto& write : WritesTo(root + "tem1.tmp")) written += write.length;
    // Every free byte once per pass, the fill being the first.
    EXPECT_EQ(written, filled * c.passes.size());
    ASSERT_EQ(WipedContents().size(), 1u);
    const std::string onDrive = WipedContents()[0];
    ASSERT_TRUE(LastMount().unmount());

    // The same method over a file of that size, from the same seed: the same bytes, and the
    // program's random numbers go on from the same place.
    const std::string file = folder.write("same size", std::string(filled, 'x'));
    files.deleted.clear();
    SetRandomSeed(99);
    Run(wkFile, file);
    ASSERT_EQ(WipedContents().size(), 1u);
    EXPECT_TRUE(WipedContents()[0].substr(0, filled) == onDrive.substr(0, filled));
    EXPECT_EQ(RandomSeed(), seedAfterDrive);
  }
}

TEST_F(WipeFreeSpaceTest, ATemporaryFileThatCannotBeRemovedAfterCancelIsNamedAsFillingTheDrive) {
  const std::string root = FakeDrive("drive", 4u << 20);
  services.onProcess = [&] {
    if (files.writes.size() >= 2) engine.Stop();
  };
  files.failDelete = {root + "tem1.tmp"};
  Run(wkFreeSpace, root);
  EXPECT_TRUE(pathExists(root + "tem1.tmp"));
  EXPECT_EQ(
      engine.Failures,
      (std::vector<TWipeFailure>{{root + "tem1.tmp", TWipeFailureReason::CannotDelete,
                                  files.injectedError, "it fills the free space of " + root}}));
  files.failDelete.clear();
}

// Two runs on one file system at once: the second is refused before it touches anything, and
// while the first goes on its temporary file is no leftover and its lowered reserve is its own,
// which no start of the program puts back.
TEST_F(WipeFreeSpaceTest, ASecondRunOnTheDriveIsRefusedAndLeavesTheFirstRunsFileAndReserveAlone) {
  const std::string root = Mount("disk", ScopedMount::Kind::Ext4Image, "16m");
  SKIP_UNLESS_MOUNTED(root);
  // The kernel's reserve of the test's file system, played by a file of the test.
  const std::string reserve = PlayedReserve(root);
  ASSERT_FALSE(reserve.empty());
  const std::string record = ReserveRecordFile(VolumeOf(root).device);
  const std::string temporary = root + "tem1.tmp";
  manager.DiscardFreeBlocks = false;

  TWipeEngine second("WipeFreeSpace");
  bool tried = false;
  services.onProcess = [&] {
    if (tried || readFileBytes(reserve) != "0\n") return;
    tried = true;
    // The first run has filled and given the reserve to its second file: lowered and recorded.
    EXPECT_EQ(readFileBytes(record), reserve + " 4096\n");
    const auto size = fsys::file_size(temporary);
    second.AddItem(std::make_unique<TWipeItem>(wkFreeSpace, root));
    ExecuteWith(second, manager, services);
    EXPECT_EQ(second.Failures,
              (std::vector<TWipeFailure>{{root, TWipeFailureReason::FreeSpaceRunning}}));
    EXPECT_EQ(DescribeFailure(second.Failures.at(0)),
              "another free-space wipe of " + RemoveTrailingBackslash(root) + " is running");
    EXPECT_TRUE(second.Notes.empty());
    EXPECT_EQ(fsys::file_size(temporary), size);
    // Another start of the program, with its look for leftovers.
    EXPECT_TRUE(FindFreeSpaceLeftovers(root).empty());
    EXPECT_TRUE(RestoreLoweredReserves());
    EXPECT_EQ(readFileBytes(reserve), "0\n");
    EXPECT_TRUE(pathExists(record));
  };
  Run(wkFreeSpace, root);
  services.onProcess = nullptr;
  ASSERT_TRUE(tried);
  // The first run is not disturbed; what ext4 keeps back while the kernel's own reserve stays
  // (the test lowers a reserve of its own) is all it leaves.
  for (const TWipeFailure& failure : engine.Failures) {
    EXPECT_EQ(failure.Reason, TWipeFailureReason::FreeSpaceFillFailed)
        << ::testing::PrintToString(engine.Failures);
  }
  EXPECT_FALSE(pathExists(temporary));
  EXPECT_EQ(readFileBytes(reserve), "4096\n");
  EXPECT_FALSE(pathExists(record));

  // Once the run has ended, what a killed run would leave is a leftover again.
  std::ofstream(temporary) << "left over";
  ASSERT_EQ(FindFreeSpaceLeftovers(root).size(), 1u);
}

// The reserve ext4 keeps back from every writer is lowered only for the fill's second file, and
// is back before the passes over the first one, which may run for hours: other programs' data
// needs those clusters to reach the disk while the fill holds everything else.
TEST_F(WipeFreeSpaceTest,
       TheReserveIsLoweredOnlyForTheSecondFileAndBackBeforeThePassesOverTheFirst) {
  AddMethod("two.mtd", {BytePass(0xEE), BytePass(0x11)});
  const std::string root = Mount("disk", ScopedMount::Kind::Ext4Image, "16m");
  SKIP_UNLESS_MOUNTED(root);
  // The kernel's reserve of the test's file system, played by a file of the test.
  const std::string reserve = PlayedReserve(root);
  ASSERT_FALSE(reserve.empty());
  const std::string temporary = root + "tem1.tmp";
  manager.DiscardFreeBlocks = false;

  std::size_t writesSeen = 0;
  bool wasLowered = false;
  int lowerings = 0;
  std::size_t writesWhileLowered = 0;
  std::optional<std::size_t> writesWhenBack;  // at the first look once the reserve was back
  services.onProcess = [&] {
    const std::size_t writes = WritesTo(temporary).size();
    const bool lowered = readFileBytes(reserve) == "0\n";
    // Writes to the first file since the last look, while the reserve stayed lowered.
    if (wasLowered && lowered) writesWhileLowered += writes - writesSeen;
    if (lowered && !wasLowered) ++lowerings;
    if (!lowered && lowerings > 0 && !writesWhenBack) writesWhenBack = writes;
    writesSeen = writes;
    wasLowered = lowered;
  };
  Run(wkFreeSpace, root);
  services.onProcess = nullptr;
  EXPECT_EQ(lowerings, 1);
  EXPECT_EQ(writesWhileLowered, 0u);
  // The second pass over the first file came after the reserve was back.
  ASSERT_TRUE(writesWhenBack);
  EXPECT_GT(WritesTo(temporary).size(), *writesWhenBack);
  EXPECT_EQ(readFileBytes(reserve), "4096\n");
  EXPECT_FALSE(pathExists(temporary));
  EXPECT_FALSE(pathExists(ReserveRecordFile(VolumeOf(root).device)));
}

// The file that takes the lowered reserve may be refused its last clusters for its own map as
// the first was (the reserve's clusters lie scattered): a third small file, after a commit, takes
// what is still free, and is wiped and deleted before the passes over the first like the second.
TEST_F(WipeFreeSpaceTest, AThirdSmallFileTakesWhatTheFileGivenTheReserveWasRefused) {
  const std::string root = Mount("disk", ScopedMount::Kind::Ext4Image, "16m");
  SKIP_UNLESS_MOUNTED(root);
  // The kernel's reserve of the test's file system, played by a file of the test.
  const std::string reserve = PlayedReserve(root);
  ASSERT_FALSE(reserve.empty());
  manager.DiscardFreeBlocks = false;
  // The file system refuses the first file past five clusters and the second past two, with
  // much still free.
  files.sizeLimitOf = {{root + "tem1.tmp", 5 * kCluster}, {root + "tem2.tmp", 2 * kCluster}};
  struct statvfs space {};
  ASSERT_EQ(::statvfs(root.c_str(), &space), 0);
  const std::uint64_t block = space.f_frsize;  // the small files are written a block at a time
  Run(wkFreeSpace, root);
  EXPECT_EQ(Filled(root + "tem2.tmp"), 2 * kCluster);
  EXPECT_EQ(Filled(root + "tem3.tmp"), 256 * block);
  for (const char* name : {"tem1.tmp", "tem2.tmp", "tem3.tmp"}) {
    EXPECT_FALSE(pathExists(root + name)) << name;
  }
  std::vector<std::string> wiped = WipedContents();
  std::sort(wiped.begin(), wiped.end(),
            [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
  ASSERT_EQ(wiped.size(), 3u);
  EXPECT_EQ(wiped[0].size(), 2 * kCluster);
  EXPECT_EQ(wiped[1].size(), 5 * kCluster);
  EXPECT_EQ(wiped[2].size(), 256 * block);
  for (const std::string& content : wiped) {
    EXPECT_EQ(content.find_first_not_of('\xEE'), std::string::npos);
  }
  EXPECT_EQ(readFileBytes(reserve), "4096\n");
}

// The temporary file is looked at again where it lies right before its name goes, as a leftover
// of an interrupted run and as the run's own file after a stop: changed since it was found
// (another name given to its content, another owner), it is left alone.
TEST_F(WipeFreeSpaceTest, ATemporaryFileChangedSinceItWasFoundIsLeftAlone) {
  if (::geteuid() != 0) GTEST_SKIP() << "another user's file needs root to make";
  const struct {
    const char* what;
    void (*change)(const std::string& file, const std::string& other);
  } changes[] = {
      {"another name linked to it",
       [](const std::string& file, const std::string& other) {
         fsys::create_hard_link(file, other);
       }},
      {"given to another user",
       [](const std::string& file, const std::string&) {
         EXPECT_EQ(::chown(file.c_str(), 65534, 65534), 0);
       }},
  };
  for (const auto& c : changes) {
    SCOPED_TRACE(c.what);
    {
      const std::string root = TinyFakeDrive(std::string("leftover ") + c.what);
      const std::string temporary = root + "tem1.tmp";
      std::ofstream(temporary) << "left over";
      files.beforeEntry[temporary] = [&] { c.change(temporary, root + "other"); };
      Run(wkFreeSpace, root);
      EXPECT_TRUE(files.beforeEntry.empty());
      EXPECT_EQ(readFileBytes(temporary), "left over");
      EXPECT_TRUE(engine.Notes.empty()) << ::testing::PrintToString(engine.Notes);
    }
    {
      const std::string root = FakeDrive(std::string("stopped ") + c.what, 4u << 20);
      const std::string temporary = root + "tem1.tmp";
      services.onProcess = [&] {
        if (files.writes.size() >= 2) engine.Stop();
      };
      files.beforeEntry[temporary] = [&] { c.change(temporary, root + "other"); };
      files.writes.clear();
      Run(wkFreeSpace, root);
      services.onProcess = nullptr;
      EXPECT_TRUE(engine.Aborted);
      EXPECT_TRUE(files.beforeEntry.empty());
      EXPECT_TRUE(pathExists(temporary));
    }
  }
}
