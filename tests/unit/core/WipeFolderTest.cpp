// Wiping folders: depth first, files before subfolders, emptied folders removed, and what stays
// when something cannot be wiped or the run is cancelled.

#include <filesystem>

#include "WipeEngineFixture.h"
#include "support/DeepTree.h"

namespace fsys = std::filesystem;

class WipeFolderTest : public WipeEngineTest {
 protected:
  WipeFolderTest() { AddMethod("one.mtd", {BytePass(0)}); }

  // The original paths of the wiped files, in the order they were renamed.
  std::vector<std::string> RenamedFrom() const {
    std::vector<std::string> paths;
    for (const auto& rename : files.renames) paths.push_back(rename.first);
    return paths;
  }
};

TEST_F(WipeFolderTest, FilesComeBeforeSubfoldersAndEveryFolderIsRemoved) {
  const std::string top = folder.makeFolder("top");
  folder.write("top/b", "b");
  folder.write("top/sub/c", "c");
  folder.write("top/sub/deeper/d", "d");
  folder.write("top/z", "z");
  const std::string hidden = folder.write("top/.hidden", "h");
  fsys::permissions(hidden, fsys::perms::owner_read);
  folder.makeFolder("top/empty");
  Run(wkFolder, top);
  const std::vector<std::string> order = {top + "/.hidden", top + "/b", top + "/z", top + "/sub/c",
                                          top + "/sub/deeper/d"};
  EXPECT_EQ(RenamedFrom(), order);
  EXPECT_FALSE(pathExists(top));
  EXPECT_TRUE(engine.Failures.empty());
  EXPECT_EQ(WipedContents().size(), 5u);
}

TEST_F(WipeFolderTest, FolderHoldingAFileThatCannotBeWipedStays) {
  const std::string top = folder.makeFolder("top");
  const std::string kept = folder.write("top/sub/locked", "keep");
  folder.write("top/sub/other", "gone");
  folder.write("top/sibling/file", "gone");
  files.failOpen.insert(kept);
  Run(wkFolder, top + "/");
  EXPECT_EQ(readFileBytes(kept), "keep");
  EXPECT_FALSE(pathExists(top + "/sub/other"));
  EXPECT_FALSE(pathExists(top + "/sibling"));
  const std::string holds = "it still holds what was left behind";
  const std::vector<TWipeFailure> expected = {
      {kept, TWipeFailureReason::CannotOpen, files.injectedError},
      {top + "/sub", TWipeFailureReason::FolderNotRemoved, {}, holds},
      {top + "/", TWipeFailureReason::FolderNotRemoved, {}, holds},
  };
  EXPECT_EQ(engine.Failures, expected);

  // A folder that cannot be listed is left as it is.
  files.failList.insert(top + "/sub/");
  Run(wkFolder, top);
  EXPECT_EQ(readFileBytes(kept), "keep");
  EXPECT_FALSE(engine.WipeDirectory(top, "*.*", true, false));
}

TEST_F(WipeFolderTest, CancelKeepsWhatWasNotWipedYet) {
  const std::string top = folder.makeFolder("top");
  folder.write("top/a", "a");
  folder.write("top/b", "b");
  folder.write("top/sub/c", "c");
  // Cancel once the first file is gone, each file going before the next is written.
  engine.FlushWindowFiles = 0;
  services.onProcess = [&] {
    if (!files.deleted.empty()) engine.Stop();
  };
  Run(wkFolder, top);
  EXPECT_TRUE(engine.Aborted);
  EXPECT_FALSE(pathExists(top + "/a"));
  EXPECT_EQ(readFileBytes(top + "/b"), "b");
  EXPECT_EQ(readFileBytes(top + "/sub/c"), "c");
  EXPECT_TRUE(engine.Failures.empty());
}

TEST_F(WipeFolderTest, LinksInsideAreRemovedWithoutFollowingThem) {
  const std::string outsideFile = folder.write("outside/file", "precious");
  const std::string top = folder.makeFolder("top");
  folder.write("top/own", "mine");
  fsys::create_symlink(outsideFile, top + "/filelink");
  fsys::create_directory_symlink(folder / "outside", top + "/folderlink");
  fsys::create_symlink(folder / "nowhere", top + "/dangling");
  Run(wkFolder, top);
  EXPECT_FALSE(pathExists(top));
  EXPECT_EQ(readFileBytes(outsideFile), "precious");
  EXPECT_EQ(RenamedFrom(), std::vector<std::string>{top + "/own"});
  for (const auto& write : files.writes) EXPECT_EQ(write.path, top + "/own");
  EXPECT_TRUE(engine.Failures.empty());
}

TEST_F(WipeFolderTest, TreeDeeperThanTheLongestPathIsWipedWhole) {
  const std::string top = folder.makeFolder("deep");
  MakeDeepTree(top, 200, std::string(40, 'd'));
  ASSERT_EQ(FilesBelow(top).size(), 200u);
  Run(wkFolder, top);
  const std::vector<std::string> left = FilesBelow(top);
  // Whatever a run leaves is named, however long its path.
  const auto unnamed = std::count_if(left.begin(), left.end(), [&](const std::string& path) {
    return !std::any_of(engine.Failures.begin(), engine.Failures.end(),
                        [&](const TWipeFailure& failure) { return failure.Path == path; });
  });
  EXPECT_EQ(unnamed, 0);
  EXPECT_EQ(left.size(), 0u);
  EXPECT_FALSE(pathExists(top));
  EXPECT_EQ(WipedContents().size(), 200u);
  EXPECT_TRUE(engine.Failures.empty());
}
