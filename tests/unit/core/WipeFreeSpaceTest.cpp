// Wiping the free space of a drive: on a small tmpfs the test mounts itself for the real fill,
// and on a test folder posing as a drive for the failures.

#include <filesystem>
#include <fstream>

#include "WipeEngineFixture.h"
#include "platform/Drives.h"
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

  // Mounts a tmpfs of the size in the test folder; empty when that is not possible here.
  std::string MountTmpfs(const std::string& size) {
    const std::string point = folder.makeFolder("drive");
    mount_ = std::make_unique<TmpfsMount>(point, size);
    if (!mount_->mounted()) return {};
    files.diskSpaceOf.clear();  // the real free space of the tmpfs
    return point + "/";
  }

  std::vector<FaultyFileSystem::Write> WritesTo(const std::string& path) const {
    std::vector<FaultyFileSystem::Write> result;
    for (const auto& write : files.writes) {
      if (write.path == path) result.push_back(write);
    }
    return result;
  }

 private:
  std::unique_ptr<TmpfsMount> mount_;
  std::unique_ptr<ScopedTestDrives> drives_;
};

#define SKIP_WITHOUT_TMPFS(root)                                       \
  if ((root).empty())                                                  \
  GTEST_SKIP() << "mounting a tmpfs needs root (mount -t tmpfs); the " \
                  "free-space wipe is not tried here"

TEST_F(WipeFreeSpaceTest, ThreeFreeClustersAreFilledWipedAndDeleted) {
  const std::string root = MountTmpfs("12k");
  SKIP_WITHOUT_TMPFS(root);
  // A file left by an earlier run is replaced.
  std::ofstream(root + "tem1.tmp") << "left over";
  Run(wkFreeSpace, root + "some/folder");
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
  EXPECT_TRUE(std::equal(bars.begin(), bars.end(), services.log.passPositions.begin()));
  EXPECT_TRUE(std::equal(bars.begin(), bars.end(), services.log.filePositions.begin()));
  EXPECT_EQ(services.log.files.front(), "Creating temporary file...");
  // Then wiped with the method's pass and deleted.
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], std::string(12288, '\xEE'));
  EXPECT_FALSE(pathExists(temporary));
  EXPECT_TRUE(engine.Failures.empty());
}

TEST_F(WipeFreeSpaceTest, LargeBlocksStillEndExactlyAtTheEndOfTheSpace) {
  // 513 pages: an odd number of clusters, so the last whole block of a pass would grow the
  // file on a full disk.
  const std::string root = MountTmpfs("2052k");
  SKIP_WITHOUT_TMPFS(root);
  manager.BufferSize = 8192 + 100;  // two clusters per block in the fill, whole blocks in passes
  const auto before = platform::realFileSystem().diskSpace(root);
  ASSERT_TRUE(before);
  Run(wkFreeSpace, root);
  const auto fill = WritesTo(root + "tem1.tmp");
  std::uint64_t filled = 0;
  for (const auto& write : fill) {
    if (write.offset == filled) filled += write.length;
  }
  EXPECT_EQ(filled, before->available);
  EXPECT_EQ(fill.front().length, 8192u);
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], std::string(before->available, '\xEE'));
  EXPECT_TRUE(engine.Failures.empty());
  EXPECT_EQ(platform::realFileSystem().diskSpace(root)->available, before->available);
}

TEST_F(WipeFreeSpaceTest, CancelDuringTheFillDeletesTheUnwipedFile) {
  const std::string root = FakeDrive("drive", 4u << 20);
  services.onProcess = [&] {
    if (files.writes.size() >= 3) engine.Aborted = true;
  };
  Run(wkFreeSpace, root);
  EXPECT_TRUE(engine.Aborted);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  EXPECT_TRUE(files.renames.empty());
  EXPECT_EQ(files.writes.size(), 3u);
  EXPECT_EQ(files.writes[0].length, 524288u);  // BufferSize in whole clusters
}

TEST_F(WipeFreeSpaceTest, DriveThatCannotBeFilledEndsCleanlyAndIsReported) {
  std::string root = FakeDrive("drive", 0);
  Run(wkFreeSpace, root);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  EXPECT_EQ(engine.Failures, (std::vector<TWipeFailure>{{root, TWipeFailureReason::NoFreeSpace}}));

  // The disk fills sooner than the free space said.
  root = FakeDrive("drive", 4u << 20);
  files.bytesLeft = 10000;
  Run(wkFreeSpace, root);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  EXPECT_TRUE(files.renames.empty());
  EXPECT_EQ(engine.Failures,
            (std::vector<TWipeFailure>{{root, TWipeFailureReason::FreeSpaceFillFailed}}));

  // The temporary file cannot be created; a folder of that name is left alone.
  files.bytesLeft = -1;
  fsys::create_directory(root + "tem1.tmp");
  Run(wkFreeSpace, root);
  EXPECT_TRUE(fsys::is_directory(root + "tem1.tmp"));
  EXPECT_EQ(engine.Failures,
            (std::vector<TWipeFailure>{{root, TWipeFailureReason::FreeSpaceFileNotCreated}}));
}

TEST_F(WipeFreeSpaceTest, PathThatIsNotAbsoluteDoesNothing) {
  FakeDrive("drive", 1u << 20);
  Run(wkFreeSpace, "drive");
  EXPECT_TRUE(files.writes.empty());
  EXPECT_TRUE(engine.Failures.empty());
  EXPECT_EQ(services.log.opened, 1);
}
