// What `ferrovane-cli wipe` reaches on the file systems Linux desktops use, proven on raw images
// the test mounts itself: the content markers of a wiped file are counted in the image after
// the documented steps, or the run ends with status 1 and names why they stay.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

#include "CliProcess.h"
#include "support/JournalImage.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

namespace {

const std::string kMarker = "FERROVANE-REACH-CONTENT-MARKER-";

// Content of about `bytes` bytes made of numbered markers, so that any part left is found.
std::string MarkedContent(std::size_t bytes) {
  std::string content;
  for (int i = 0; content.size() < bytes; ++i) content += kMarker + std::to_string(i) + "\n";
  return content;
}

bool Shell(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

struct FileSystemReach : ::testing::Test {
  TestFolder t;
  std::string cli = PortableCli(t);
  std::string point = t.makeFolder("disk");

  // Wipes the paths with one pass of zeros and the given options.
  CliResult Wipe(std::vector<std::string> paths, const std::vector<std::string>& options = {}) {
    std::vector<std::string> args{"wipe", "-m", "02-zeros", "--no-journal"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back("--");
    args.insert(args.end(), paths.begin(), paths.end());
    return RunCli(t, cli, args);
  }
  bool Has(const CliResult& result, const std::string& text) {
    return result.err.find(text) != std::string::npos;
  }
};

}  // namespace

TEST_F(FileSystemReach, OnBtrfsTheOldBlocksAreNamedAndTheFreeSpaceWipeFinishesThem) {
  ScopedMount disk(point, ScopedMount::Kind::BtrfsImage, 128);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const std::string first = t.write("disk/first", MarkedContent(256 << 10));
  const std::string second = t.write("disk/second", MarkedContent(256 << 10));
  ::sync();

  // Without the free-space wipe: deleted, named, status 1.
  const CliResult alone = Wipe({first});
  EXPECT_EQ(alone.status, 1) << alone.err;
  EXPECT_TRUE(Has(alone, first +
                             ": was deleted, but its old blocks were not overwritten (btrfs "
                             "writes elsewhere): wipe the free space of " +
                             point + " to finish"))
      << alone.err;
  EXPECT_FALSE(pathExists(first));

  // With it: the free space is wiped once the file is done, and the file counts as finished.
  const CliResult finished = Wipe({second}, {"--free-space-after"});
  EXPECT_EQ(finished.status, 0) << finished.err;
  EXPECT_TRUE(Has(finished, second +
                                ": was deleted, but its old blocks were not overwritten "
                                "(btrfs writes elsewhere): the free space of " +
                                point + " was wiped after it"))
      << finished.err;
  // The fill is the overwrite there; what btrfs keeps for its metadata is a note.
  EXPECT_TRUE(Has(finished, point + "/: free space was overwritten once, by the fill: btrfs "
                                    "writes every pass over a file to new blocks"))
      << finished.err;
  EXPECT_FALSE(pathExists(second));
  EXPECT_FALSE(pathExists(point + "/tem1.tmp"));
  ASSERT_TRUE(disk.unmount());
  // Both files' old blocks were free space when it was wiped.
  EXPECT_EQ(CountInImage(disk.image(), kMarker), 0u);
  EXPECT_TRUE(Shell("btrfs check --readonly '" + disk.image() + "'"));
}

TEST_F(FileSystemReach, OnBtrfsANoCopyOnWriteFileIsOverwrittenInPlaceAndItsNameIsTold) {
  ScopedMount disk(point, ScopedMount::Kind::BtrfsImage, 128);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  // The mark is taken by files made in a marked folder.
  const std::string folder = t.makeFolder("disk/nocow");
  if (!Shell("chattr +C '" + folder + "'")) GTEST_SKIP() << "chattr cannot mark a folder";
  const std::string file = t.write("disk/nocow/file", MarkedContent(256 << 10));
  ::sync();
  const CliResult result = Wipe({file});
  // The content is gone in place; its name stays in the metadata, as on any btrfs, until the
  // administrator's free-space wipe moves that.
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_NE(result.err.find(point +
                            "/: names of wiped files remain: in the file system's "
                            "metadata, until the administrator wipes the free space of " +
                            point),
            std::string::npos)
      << result.err;
  EXPECT_EQ(result.err.find("old blocks"), std::string::npos) << result.err;
  EXPECT_FALSE(pathExists(file));
  ASSERT_TRUE(disk.unmount());
  EXPECT_EQ(CountInImage(disk.image(), kMarker), 0u);
}

TEST_F(FileSystemReach, OnBtrfsBlocksSharedWithASnapshotStayAndTheRunSaysSoWhateverElseIsDone) {
  ScopedMount disk(point, ScopedMount::Kind::BtrfsImage, 128);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const std::string volume = point + "/volume";
  ASSERT_TRUE(Shell("btrfs subvolume create '" + volume + "'"));
  const std::string file = t.write("disk/volume/file", MarkedContent(64 << 10));
  ::sync();
  ASSERT_TRUE(Shell("btrfs subvolume snapshot '" + volume + "' '" + point + "/snapshot'"));
  const CliResult result = Wipe({file}, {"--free-space-after"});
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_TRUE(Has(result, file + ": was deleted, but a snapshot or another file shares its "
                                 "blocks: its content stays there"))
      << result.err;
  EXPECT_FALSE(pathExists(file));
  EXPECT_TRUE(pathExists(point + "/snapshot/file"));
}

TEST_F(FileSystemReach, OnCompressedBtrfsTheFileIsNamed) {
  ScopedMount disk(point, ScopedMount::Kind::BtrfsImage, 128, {}, "compress-force=zstd");
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const std::string file = t.write("disk/file", MarkedContent(256 << 10));
  ::sync();
  const CliResult result = Wipe({file});
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_TRUE(Has(result, file +
                              ": was deleted, but its old blocks were not overwritten (btrfs "
                              "stored it compressed): wipe the free space of " +
                              point + " to finish"))
      << result.err;
  EXPECT_FALSE(pathExists(file));
}

TEST_F(FileSystemReach, OnXfsAndExt4TheContentIsOverwrittenInPlace) {
  struct Case {
    ScopedMount::Kind kind;
    const char* name;
    const char* check;
  };
  const Case cases[] = {
      {ScopedMount::Kind::XfsImage, "xfs", "xfs_repair -n"},
      {ScopedMount::Kind::Ext4Image, "ext4", "e2fsck -fn"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string here = t.makeFolder(std::string("disk-") + c.name);
    ScopedMount disk(here, c.kind, c.kind == ScopedMount::Kind::XfsImage ? 300 : 32);
    if (!disk.mounted()) {
      std::cerr << "not tried: " << disk.reason() << "\n";
      continue;
    }
    const std::string file =
        t.write(std::string("disk-") + c.name + "/file", MarkedContent(256 << 10));
    ::sync();
    const CliResult result = Wipe({file});
    // The content in place either way; XFS keeps the removed name in its folder block, which
    // the run tells.
    const bool xfs = c.kind == ScopedMount::Kind::XfsImage;
    EXPECT_EQ(result.status, xfs ? 1 : 0) << result.err;
    EXPECT_EQ(result.err.find(here + ": names of wiped files remain: in the blocks of the folder, "
                                     "which stays") != std::string::npos,
              xfs)
        << result.err;
    EXPECT_FALSE(pathExists(file));
    ASSERT_TRUE(disk.unmount());
    EXPECT_EQ(CountInImage(disk.image(), kMarker), 0u);
    EXPECT_TRUE(Shell(std::string(c.check) + " '" + disk.image() + "'"));
  }
}

TEST_F(FileSystemReach, OnExt4WithADataJournalTheJournalIsClearedWhateverTheOptionSays) {
  ScopedMount disk(point, ScopedMount::Kind::Ext4Image, 32, "-J size=4", "data=journal");
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const std::string file = t.write("disk/file", MarkedContent(256 << 10));
  ::sync();
  // --no-journal: the names are left, but the contents in the journal are not.
  const CliResult result = Wipe({file});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_FALSE(pathExists(file));
  ASSERT_TRUE(disk.unmount());
  EXPECT_EQ(CountInImage(disk.image(), kMarker), 0u);
  EXPECT_TRUE(CheckedClean(disk.image()));
}
