// A folder wipe never enters another mount: a file system mounted inside the tree, another place
// of the same or of another file system bound there, or a single file bound over an entry stays
// whole and is named, whichever way the folders are opened.

#include <filesystem>
#include <map>

#include "WipeEngineFixture.h"
#include "platform/posix/LinkFreeOpen.h"
#include "platform/posix/MountPlace.h"
#include "support/ScopedBind.h"
#include "support/ScopedMount.h"

namespace fsys = std::filesystem;

namespace {

class WipeMountsTest : public WipeEngineTest {
 protected:
  WipeMountsTest() { AddMethod("one.mtd", {BytePass(0x5A)}); }

  // Every file below the folder with its bytes.
  static std::map<std::string, std::string> Contents(const std::string& folder) {
    std::map<std::string, std::string> all;
    for (const auto& entry : fsys::recursive_directory_iterator(folder)) {
      if (entry.is_regular_file()) all[entry.path().string()] = readFileBytes(entry.path());
    }
    return all;
  }

  // The failures as the user reads them.
  std::vector<std::string> Said() const {
    std::vector<std::string> said;
    for (const TWipeFailure& failure : engine.Failures) {
      said.push_back(failure.Path + ": " + DescribeFailure(failure));
    }
    return said;
  }
};

}  // namespace

TEST_F(WipeMountsTest, NothingMountedInsideTheTreeIsEnteredAndEachMountPointIsNamed) {
  // What the mounts show: another file system with a part to bind, and a disk image moved into
  // the tree once made (its image file must not lie in the tree the wipe walks).
  const std::string other = folder.makeFolder("other");
  ScopedMount ram(other, ScopedMount::Kind::Tmpfs, 1);
  if (!ram.mounted()) GTEST_SKIP() << ram.reason();
  ScopedMount disk(folder.makeFolder("disks/ext4"), ScopedMount::Kind::Ext4Image, 8);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  for (const std::string& part :
       {std::string("other/part/"), std::string("outside/same/"), std::string("disks/ext4/")}) {
    folder.write(part + "one", "kept " + part);
    folder.write(part + "deeper/two", "kept too");
  }
  folder.write("other/single", "a file of another file system");

  const std::string tree = folder.makeFolder("tree");
  ScopedMount tmpfs(folder.makeFolder("tree/ram"), ScopedMount::Kind::Tmpfs, 1);
  folder.write("tree/ram/one", "kept on the tmpfs");
  folder.write("tree/ram/deeper/two", "kept too");
  ScopedBind sameBind(folder / "outside/same", folder.makeFolder("tree/same"));
  ScopedBind otherBind(folder / "other/part", folder.makeFolder("tree/other"));
  ScopedBind moved(folder / "disks/ext4", folder.makeFolder("tree/disk"), ScopedBind::Way::Move);
  folder.write("tree/file", "the entry under the bound file");
  ScopedBind fileBind(folder / "other/single", folder / "tree/file");
  for (const ScopedBind* bind : {&sameBind, &otherBind, &moved, &fileBind}) {
    ASSERT_TRUE(bind->mounted()) << bind->reason();
  }
  const auto mounted = Contents(tree);
  ASSERT_EQ(mounted.size(), 9u);  // what the walk must leave: four folders of two, one file

  struct Way {
    const char* name;
    bool openat2;
    bool mountNumbers;  // off: mounts told apart by device and mount table
  };
  for (const Way way : {Way{"openat2", true, true}, Way{"folder by folder", false, true},
                        Way{"without mount numbers", true, false},
                        Way{"folder by folder without mount numbers", false, false}}) {
    SCOPED_TRACE(way.name);
    platform::posix::ScopedOpenat2Tried openat2(way.openat2);
    platform::posix::ScopedMountNumbersUsed numbers(way.mountNumbers);
    folder.write("tree/own", "wiped");
    folder.write("tree/sub/own", "wiped");
    Run(wkFolder, tree);
    EXPECT_EQ(Contents(tree), mounted);
    EXPECT_FALSE(pathExists(tree + "/own"));
    EXPECT_FALSE(pathExists(tree + "/sub"));
    const auto said = Said();
    ASSERT_EQ(said.size(), 6u) << ::testing::PrintToString(said);
    // The files of a folder first, then its subfolders.
    EXPECT_EQ(said[0], tree + "/file: is a mount point (tmpfs): not entered");
    EXPECT_EQ(said[1], tree + "/disk: is a mount point (ext4): not entered");
    EXPECT_EQ(said[2], tree + "/other: is a mount point (tmpfs): not entered");
    EXPECT_EQ(said[3], tree + "/ram: is a mount point (tmpfs): not entered");
    EXPECT_EQ(said[4].rfind(tree + "/same: is a mount point (", 0), 0u) << said[4];
    EXPECT_EQ(said[5], tree + ": could not be removed: it still holds what was left behind");
    EXPECT_TRUE(engine.Failures[4].Detail.size() > 0);
  }

  // Chosen itself, a mount point is not entered either: what is there is another file system's.
  Run(wkFile, tree + "/file");
  EXPECT_EQ(Said(),
            std::vector<std::string>{tree + "/file: is a mount point (tmpfs): not entered"});
  Run(wkFolder, tree + "/ram");
  EXPECT_EQ(Said(), std::vector<std::string>{tree + "/ram: is a mount point (tmpfs): not entered"});
  EXPECT_EQ(Contents(tree), mounted);
  for (const auto& write : files.writes) {
    for (const char* point : {"/disk", "/file", "/other", "/ram", "/same"}) {
      EXPECT_NE(write.path.rfind(tree + point, 0), 0u) << write.path;
    }
  }
}

TEST_F(WipeMountsTest, AKernelFileBoundOverAnEntryIsNeitherWrittenNorRemoved) {
  const std::string tree = folder.makeFolder("tree");
  folder.write("tree/comm", "the entry under the kernel's file");
  folder.write("tree/own", "wiped");
  ScopedBind bound("/proc/self/comm", tree + "/comm");
  if (!bound.mounted()) GTEST_SKIP() << bound.reason();
  const std::string name = readFileBytes("/proc/self/comm");
  Run(wkFolder, tree);
  EXPECT_EQ(readFileBytes("/proc/self/comm"), name);
  EXPECT_FALSE(pathExists(tree + "/own"));
  ASSERT_FALSE(engine.Failures.empty());
  EXPECT_EQ(engine.Failures[0].Path, tree + "/comm");
  EXPECT_EQ(DescribeFailure(engine.Failures[0]), "is on a system file system (proc): not wiped");
  for (const auto& write : files.writes) EXPECT_EQ(write.path.find("comm"), std::string::npos);
}
