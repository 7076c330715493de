// Where the names of wiped files stay on the device besides the journals: each file system that
// keeps them is told as something left behind, with what finishes it: once per drive for names
// in freed blocks or metadata, once per folder that stays for names in its own blocks; ext4 only
// for a folder that outgrew one block and stays.

#include <algorithm>

#include "WipeEngineFixture.h"
#include "core/RunOutcome.h"
#include "support/TestDrives.h"

namespace {

class NamesLeftTest : public WipeEngineTest {
 protected:
  NamesLeftTest() {
    AddMethod("one.mtd", {BytePass(0)});
    manager.DiscardFreeBlocks = false;
  }

  // A test folder posing as a drive of the given file system, with its real free space.
  std::string Drive(const std::string& fileSystem, const std::string& name) {
    const std::string root = folder.makeFolder(name) + "/";
    files.diskSpaceOf.clear();
    drives_.reset();
    drives_ = std::make_unique<ScopedTestDrives>(
        folder,
        std::vector<std::pair<std::string, std::string>>{{"/", "ext4"}, {root, fileSystem}});
    return root;
  }

  std::vector<TWipeFailure> NamesRemain() const {
    std::vector<TWipeFailure> left;
    std::copy_if(engine.Failures.begin(), engine.Failures.end(), std::back_inserter(left),
                 [](const TWipeFailure& f) { return f.Reason == TWipeFailureReason::NamesRemain; });
    return left;
  }

 private:
  std::unique_ptr<ScopedTestDrives> drives_;
};

}  // namespace

TEST_F(NamesLeftTest, EachFileSystemThatKeepsRemovedNamesIsToldWithWhatFinishesIt) {
  struct Case {
    const char* fileSystem;
    const char* where;  // how the place is named, followed by the drive; none: nothing told
    bool freeSpaceFinishes;
    bool perFolder;  // the folders that stay are told one by one, besides the drive
  };
  const Case cases[] = {
      {"xfs", "in freed folder blocks of ", true, true},
      {"fuseblk", "in the folder indexes and file records of ", false, true},
      {"ntfs3", "in the folder indexes and file records of ", false, true},
      {"vfat", "in the folder tables of ", false, true},
      {"exfat", "in the folder tables of ", false, true},
      {"btrfs", "in the file system's metadata, until the administrator wipes the free space of ",
       true, false},
      {"f2fs", "in the metadata of ", false, false},
      {"tmpfs", nullptr, false, false},
      {"ext4", nullptr, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fileSystem);
    const std::string name = std::string("drive-") + c.fileSystem;
    const std::string root = Drive(c.fileSystem, name);
    const std::string shown = root.substr(0, root.size() - 1);
    engine.ClearItems();
    // Files of two folders that stay, and a folder with everything in it.
    for (const char* file : {"/a/one", "/a/two", "/b/three"}) {
      engine.AddItem(std::make_unique<TWipeItem>(wkFile, folder.write(name + file, "x")));
    }
    folder.write(name + "/c/four", "x");
    engine.AddItem(std::make_unique<TWipeItem>(wkFolder, shown + "/c"));
    ExecuteWith(engine, manager, services);
    const auto left = NamesRemain();
    if (!c.where) {
      EXPECT_TRUE(left.empty()) << ::testing::PrintToString(engine.Failures);
      continue;
    }
    std::vector<std::string> paths;
    for (const TWipeFailure& failure : left) {
      EXPECT_TRUE(LeavesSomethingBehind(failure));
      paths.push_back(failure.Path);
    }
    // The names in the blocks of a folder that stays: no free-space wipe reaches them.
    const std::vector<std::string> expected =
        c.perFolder ? std::vector<std::string>{shown + "/a", shown + "/b", root}
                    : std::vector<std::string>{root};
    ASSERT_EQ(paths, expected) << ::testing::PrintToString(engine.Failures);
    for (std::size_t i = 0; i + 1 < left.size(); ++i) {
      EXPECT_TRUE(left[i].FreeSpaceRoot.empty());
      EXPECT_NE(left[i].Detail.find("which stays"), std::string::npos) << left[i].Detail;
    }
    // The drive's entry names where, and the wipe of its free space where that finishes it.
    const TWipeFailure& drive = left.back();
    EXPECT_NE(DescribeFailure(drive).find(c.where + shown), std::string::npos)
        << DescribeFailure(drive);
    EXPECT_EQ(drive.FreeSpaceRoot, c.freeSpaceFinishes ? root : std::string());
    EXPECT_EQ(FreeSpaceRootsToFinish(RunOutcomeOf(engine)),
              c.freeSpaceFinishes ? std::vector<std::string>{root} : std::vector<std::string>{});
    if (c.freeSpaceFinishes && c.perFolder) {
      EXPECT_NE(drive.Detail.find("wiping the free space of " + shown + " removes them"),
                std::string::npos)
          << drive.Detail;
    }
  }
}

TEST_F(NamesLeftTest, TheFreeSpaceWipesOwnFileLeavesNoNameAnyoneChose) {
  const std::string root = Drive("xfs", "drive");
  files.diskSpaceOf[root] = {3 * kCluster, 3 * kCluster, kCluster};
  Run(wkFreeSpace, root);
  EXPECT_FALSE(files.deleted.empty());
  EXPECT_TRUE(NamesRemain().empty()) << ::testing::PrintToString(engine.Failures);
}

TEST_F(NamesLeftTest, OnExt4OnlyAFolderThatOutgrewOneBlockAndStaysIsTold) {
  const std::string root = Drive("ext4", "drive");
  // Enough long names that the folder takes several blocks on any file system.
  for (int i = 0; i < 400; ++i) {
    folder.write("drive/large/kept-" + std::to_string(i) + std::string(60, 'k'), "k");
  }
  const std::string large = folder.write("drive/large/gone", "x");
  const std::string small = folder.write("drive/small/gone", "x");
  folder.write("drive/small/kept", "k");
  folder.write("drive/removed/a/gone", "x");
  engine.ClearItems();
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, large));
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, small));
  engine.AddItem(std::make_unique<TWipeItem>(wkFolder, root + "removed"));
  ExecuteWith(engine, manager, services);
  const auto left = NamesRemain();
  ASSERT_EQ(left.size(), 1u) << ::testing::PrintToString(engine.Failures);
  EXPECT_EQ(left[0].Path, root + "large");
  EXPECT_TRUE(left[0].FreeSpaceRoot.empty());
  // What finishes it is said.
  EXPECT_NE(left[0].Detail.find("wiping this one with -r"), std::string::npos) << left[0].Detail;
}
