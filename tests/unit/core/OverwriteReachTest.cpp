// Whether an overwrite reached the old blocks, judged from a file's layout before and after its
// passes; and what a run says of a file whose old blocks it did not reach.

#include <gtest/gtest.h>

#include <optional>

#include "WipeEngineFixture.h"
#include "core/OverwriteReach.h"
#include "platform/Drives.h"

using platform::Extent;
using platform::FileLayout;

namespace {

FileLayout Mapped(const std::string& fileSystem, std::vector<Extent> extents) {
  FileLayout layout;
  layout.fileSystem = fileSystem;
  layout.mapped = true;
  layout.extents = std::move(extents);
  return layout;
}

FileLayout Unmapped(const std::string& fileSystem, bool noCopyOnWrite = false) {
  FileLayout layout;
  layout.fileSystem = fileSystem;
  layout.mapError = std::make_error_code(std::errc::operation_not_supported);
  layout.noCopyOnWrite = noCopyOnWrite;
  return layout;
}

}  // namespace

TEST(OverwriteReachTest, JudgesFromExtentsAndFallsBackOnTheKindOfFileSystem) {
  using R = TOverwriteReach;
  const Extent a{0, 1 << 20, 8192, 0};
  const Extent b{8192, 4 << 20, 4096, 0};
  struct Case {
    const char* what;
    std::optional<FileLayout> before, after;
    R reach;
    std::string why;
  };
  const Case cases[] = {
      {"same blocks on ext4", Mapped("ext4", {a, b}), Mapped("ext4", {a, b}), R::InPlace, ""},
      {"same blocks, one extent split in two afterwards", Mapped("xfs", {{0, 1 << 20, 8192, 0}}),
       Mapped("xfs", {{0, 1 << 20, 4096, 0}, {4096, (1 << 20) + 4096, 4096, 0}}), R::InPlace, ""},
      {"grown by a cluster at its end", Mapped("ext4", {a}),
       Mapped("ext4", {a, {8192, (1 << 20) + 8192, 4096, 0}}), R::InPlace, ""},
      {"btrfs wrote a new copy", Mapped("btrfs", {a}), Mapped("btrfs", {{0, 9 << 20, 8192, 0}}),
       R::Elsewhere, "btrfs writes elsewhere"},
      {"btrfs no-copy-on-write file kept its blocks", Mapped("btrfs", {a}), Mapped("btrfs", {a}),
       R::InPlace, ""},
      {"only the second extent moved", Mapped("ext4", {a, b}),
       Mapped("ext4", {a, {8192, 7 << 20, 4096, 0}}), R::Elsewhere,
       "ext4 moved it to other blocks"},
      {"the same start but a shorter run, then a hole", Mapped("ext4", {a}),
       Mapped("ext4", {{0, 1 << 20, 4096, 0}}), R::Elsewhere, "ext4 moved it to other blocks"},
      {"the same place on both sides of a hole where old bytes were",
       Mapped("ext4", {{0, 1 << 20, 12288, 0}}),
       Mapped("ext4", {{0, 1 << 20, 4096, 0}, {8192, (1 << 20) + 8192, 4096, 0}}), R::Elsewhere,
       "ext4 moved it to other blocks"},
      {"shared with a snapshot", Mapped("btrfs", {{0, 1 << 20, 8192, platform::ExtentShared}}),
       Mapped("btrfs", {{0, 9 << 20, 8192, 0}}), R::Shared,
       "a snapshot or another file shares its blocks"},
      {"shared even when moved and compressed",
       Mapped("btrfs", {{0, 1 << 20, 8192, platform::ExtentEncoded},
                        {8192, 0, 4096, platform::ExtentShared}}),
       std::nullopt, R::Shared, "a snapshot or another file shares its blocks"},
      {"compressed", Mapped("btrfs", {{0, 1 << 20, 8192, platform::ExtentEncoded}}),
       Mapped("btrfs", {{0, 1 << 20, 8192, platform::ExtentEncoded}}), R::Elsewhere,
       "btrfs stored it compressed"},
      {"inline in metadata", Mapped("btrfs", {{0, 0, 100, platform::ExtentInline}}),
       Mapped("btrfs", {{0, 0, 100, platform::ExtentInline}}), R::Elsewhere,
       "btrfs kept it in its metadata"},
      {"packed, not aligned", Mapped("", {{0, 77, 100, platform::ExtentNotAligned}}),
       Mapped("", {{0, 77, 100, platform::ExtentNotAligned}}), R::Elsewhere,
       "the file system kept it in its metadata"},
      {"no place known on btrfs", Mapped("btrfs", {{0, 0, 8192, platform::ExtentUnknownPlace}}),
       Mapped("btrfs", {a}), R::Elsewhere, "btrfs writes elsewhere"},
      {"no place known on ext4", Mapped("ext4", {{0, 0, 8192, platform::ExtentUnknownPlace}}),
       Mapped("ext4", {a}), R::InPlace, ""},
      {"an empty file", Mapped("btrfs", {}), Mapped("btrfs", {}), R::InPlace, ""},
      {"extents refused afterwards on btrfs", Mapped("btrfs", {a}), Unmapped("btrfs"), R::Elsewhere,
       "btrfs writes elsewhere"},
      {"extents refused on f2fs", Unmapped("f2fs"), Unmapped("f2fs"), R::Elsewhere,
       "f2fs writes elsewhere"},
      {"extents refused on ZFS", Unmapped("zfs"), std::nullopt, R::Elsewhere,
       "zfs writes elsewhere"},
      {"extents refused on btrfs, file marked no-copy-on-write", Unmapped("btrfs", true),
       Unmapped("btrfs", true), R::InPlace, ""},
      {"the mark means nothing on NILFS2", Unmapped("nilfs2", true), std::nullopt, R::Elsewhere,
       "nilfs2 writes elsewhere"},
      {"extents refused on tmpfs", Unmapped("tmpfs"), Unmapped("tmpfs"), R::InPlace, ""},
      {"extents refused on FAT", Unmapped("vfat"), Unmapped("vfat"), R::InPlace, ""},
      {"nothing known", std::nullopt, std::nullopt, R::InPlace, ""},
  };
  for (const Case& c : cases) {
    const TReachVerdict verdict = JudgeOverwrite(c.before, c.after);
    EXPECT_EQ(verdict.Reach, c.reach) << c.what;
    EXPECT_EQ(verdict.Why, c.why) << c.what;
  }
}

class WipeReachTest : public WipeEngineTest {
 protected:
  WipeReachTest() { AddMethod("one.mtd", {BytePass(0)}); }
};

TEST_F(WipeReachTest, AFileWhoseOldBlocksWereNotReachedIsDeletedButNotReportedAsWiped) {
  const Extent old{0, 1 << 20, 4096, 0};
  const Extent moved{0, 5 << 20, 4096, 0};
  const std::string cow = folder.write("cow", "secret");
  files.layoutsOf[cow] = {Mapped("btrfs", {old}), Mapped("btrfs", {moved})};
  const std::string snap = folder.write("snap", "secret");
  files.layoutsOf[snap] = {Mapped("btrfs", {{0, 1 << 20, 4096, platform::ExtentShared}}),
                           Mapped("btrfs", {moved})};
  const std::string kept = folder.write("kept", "secret");
  files.layoutsOf[kept] = {Mapped("btrfs", {old}), Mapped("btrfs", {old})};
  for (const std::string& path : {cow, snap, kept}) {
    engine.AddItem(std::make_unique<TWipeItem>(wkFile, path));
  }
  ExecuteWith(engine, manager, services);

  for (const std::string& path : {cow, snap, kept}) EXPECT_FALSE(pathExists(path)) << path;
  ASSERT_EQ(engine.Failures.size(), 2u);
  const TWipeFailure& elsewhere = engine.Failures[0];
  EXPECT_EQ(elsewhere.Path, cow);
  EXPECT_EQ(elsewhere.Reason, TWipeFailureReason::NotOverwrittenInPlace);
  EXPECT_TRUE(LeavesSomethingBehind(elsewhere));
  const std::string root = platform::drives().rootOf(cow);
  ASSERT_FALSE(root.empty());
  EXPECT_EQ(elsewhere.FreeSpaceRoot, root);
  const std::string shown = root == "/" ? root : root.substr(0, root.size() - 1);
  EXPECT_EQ(DescribeFailure(elsewhere),
            "was deleted, but its old blocks were not overwritten (btrfs writes elsewhere): wipe "
            "the free space of " +
                shown + " to finish");
  EXPECT_EQ(engine.Failures[1].Path, snap);
  EXPECT_EQ(engine.Failures[1].Reason, TWipeFailureReason::SharedBlocks);
  EXPECT_TRUE(engine.Failures[1].FreeSpaceRoot.empty());
  EXPECT_TRUE(LeavesSomethingBehind(engine.Failures[1]));
}

TEST_F(WipeReachTest, AFileKeptAfterAFailedPassIsNamedForThePassAlone) {
  // Its pass failed: it stays and is named for that alone.
  const std::string failed = folder.write("failed", std::string(100, 'x'));
  files.layoutsOf[failed] = {Mapped("btrfs", {{0, 1 << 20, 4096, 0}}),
                             Mapped("btrfs", {{0, 5 << 20, 4096, 0}})};
  files.bytesLeft = 10;
  Run(wkFile, failed);
  ASSERT_EQ(engine.Failures.size(), 1u);
  EXPECT_EQ(engine.Failures[0].Reason, TWipeFailureReason::PassFailed);
  EXPECT_TRUE(pathExists(failed));
}
