// File names on btrfs, proven on a raw image the test mounts itself: after `wipe -r` the names
// of the deleted files stay in freed metadata blocks; a free-space wipe by the administrator
// moves the metadata first, so the fill writes over them, and every run says what may remain.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "CliProcess.h"
#include "support/JournalImage.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

namespace {

const std::string kNamePrefix = "ferrovane-name-marker-";
constexpr int kFiles = 300;

bool Shell(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The program's settings with the discard of free blocks switched off: a loop device reads
// discarded blocks back as zeros, which would hide what the fill itself reached.
void WithoutDiscard(const TestFolder& t) {
  const std::string ini = t.programFolder() + "Ferrovane.ini";
  std::stringstream text;
  text << std::ifstream(ini).rdbuf();
  std::string settings = text.str();
  const std::string on = "DiscardFreeBlocks=1";
  const auto at = settings.find(on);
  ASSERT_NE(at, std::string::npos);
  settings.replace(at, on.size(), "DiscardFreeBlocks=0");
  std::ofstream(ini, std::ios::trunc) << settings;
}

struct BtrfsNames : ::testing::Test {
  TestFolder t;
  std::string cli = PortableCli(t);

  // Fills a btrfs image mounted at `name` with named files, wipes their folder with -r and
  // returns how many copies of the names its image holds then.
  std::size_t WipeNamedFiles(ScopedMount& disk, const std::string& name) {
    t.makeFolder(name + "/docs");
    for (int i = 0; i < kFiles; ++i) {
      t.write(name + "/docs/" + kNamePrefix + std::to_string(i), std::string(6000, 'c'));
    }
    ::sync();
    const CliResult wiped = RunCli(
        t, cli, {"wipe", "-r", "-m", "02-zeros", "--no-journal", "--", disk.point() + "/docs"});
    EXPECT_EQ(wiped.status, 1) << wiped.err;  // the old blocks wait for the free-space wipe
    EXPECT_NE(wiped.err.find(disk.point() +
                             "/: names of wiped files remain: in the file system's metadata, "
                             "until the administrator wipes the free space of " +
                             disk.point() + "\n"),
              std::string::npos)
        << wiped.err;
    ::sync();
    return CountInImage(disk.image(), kNamePrefix);
  }
};

}  // namespace

TEST_F(BtrfsNames, TheAdministratorsFreeSpaceWipeMovesTheMetadataSoTheFillReachesOldNames) {
  const std::string remain =
      "/: names may remain in the file system's metadata; a drive that does not zero discarded "
      "blocks keeps them";
  WithoutDiscard(t);
  const std::string setpriv = "/usr/bin/setpriv";
  if (::access(setpriv.c_str(), X_OK) != 0) GTEST_SKIP() << setpriv << " is not installed";

  // Without the moving (the right to ask for it taken away): the names stay, and the run says
  // why the metadata was not moved.
  ScopedMount plain(t.makeFolder("plain"), ScopedMount::Kind::BtrfsImage, 128);
  if (!plain.mounted()) GTEST_SKIP() << plain.reason();
  const std::size_t plainBefore = WipeNamedFiles(plain, "plain");
  ASSERT_GT(plainBefore, 0u) << "nothing for the free-space wipe to remove";
  const CliResult unmoved = RunCli(t, "/usr/bin/setpriv",
                                   {"--inh-caps=-sys_admin", "--bounding-set=-sys_admin", "--", cli,
                                    "free-space", "-m", "02-zeros", plain.point()});
  EXPECT_EQ(unmoved.status, 0) << unmoved.err;
  EXPECT_NE(unmoved.err.find(plain.point() + remain +
                             "; its metadata was not moved first: only the administrator may "
                             "move it"),
            std::string::npos)
      << unmoved.err;
  ASSERT_TRUE(plain.unmount());
  const std::size_t plainAfter = CountInImage(plain.image(), kNamePrefix);
  EXPECT_GE(plainAfter, plainBefore / 2) << "the fill alone reached the freed metadata";

  // As the administrator: moved, then filled; no copy of a name is left in freed metadata.
  ScopedMount disk(t.makeFolder("disk"), ScopedMount::Kind::BtrfsImage, 128);
  ASSERT_TRUE(disk.mounted()) << disk.reason();
  const std::size_t before = WipeNamedFiles(disk, "disk");
  ASSERT_GT(before, 0u);
  const CliResult moved = RunCli(t, cli, {"free-space", "-m", "02-zeros", disk.point()});
  EXPECT_EQ(moved.status, 0) << moved.err;
  EXPECT_NE(moved.err.find(disk.point() + remain + "\n"), std::string::npos) << moved.err;
  EXPECT_EQ(moved.err.find("not moved"), std::string::npos) << moved.err;
  ASSERT_TRUE(disk.unmount());
  const std::size_t after = CountInImage(disk.image(), kNamePrefix);
  EXPECT_EQ(after, 0u) << before << " copies before, " << plainAfter << " without the moving";
  EXPECT_LT(after, plainAfter);
  EXPECT_TRUE(Shell("btrfs check --readonly '" + disk.image() + "'"));
  EXPECT_TRUE(Shell("btrfs check --readonly '" + plain.image() + "'"));
}

TEST_F(BtrfsNames, OnAMixedFileSystemEveryBlockGroupIsMovedSoTheFillReachesOldNames) {
  // Small file systems are made "mixed": data and metadata share their block groups.
  WithoutDiscard(t);
  ScopedMount disk(t.makeFolder("mixed"), ScopedMount::Kind::BtrfsImage, 128, "--mixed");
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const std::size_t before = WipeNamedFiles(disk, "mixed");
  ASSERT_GT(before, 0u) << "nothing for the free-space wipe to remove";
  const CliResult moved = RunCli(t, cli, {"free-space", "-m", "02-zeros", disk.point()});
  EXPECT_EQ(moved.status, 0) << moved.err;
  EXPECT_EQ(moved.err.find("not moved"), std::string::npos) << moved.err;
  ASSERT_TRUE(disk.unmount());
  EXPECT_EQ(CountInImage(disk.image(), kNamePrefix), 0u) << before << " copies before";
  EXPECT_TRUE(Shell("btrfs check --readonly '" + disk.image() + "'"));
}
