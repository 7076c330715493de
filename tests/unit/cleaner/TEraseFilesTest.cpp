#include "cleaner/TEraseFiles.h"

#include <filesystem>

#include "CleanerFixture.h"
#include "cleaner/FileMask.h"
#include "support/DeepTree.h"
#include "support/FakeWipeServices.h"
#include "support/FaultyFileSystem.h"
#include "support/ScopedMount.h"
#include "support/TestDrives.h"

namespace {

namespace fsys = std::filesystem;
using Paths = std::vector<std::string>;

class EraseFilesTest : public CleanerTest {
 protected:
  EraseFilesTest() {
    item = static_cast<TEraseFiles*>(engine.AddEraser(std::make_unique<TEraseFiles>()));
  }

  // The paths below the folder that still exist, relative and sorted.
  Paths Remaining(const std::string& relative) const {
    Paths paths;
    for (const auto& entry : fsys::recursive_directory_iterator(folder / relative)) {
      paths.push_back(fsys::relative(entry.path(), folder / relative).string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
  }

  TCustomEraserEngine engine;
  TEraseFiles* item;
};

TEST(FileMask, SetsStarsAndCaseFollowTheMaskRules) {
  EXPECT_EQ(MatchesFileMask("INDEX.DAT", "index.dat"), true);
  EXPECT_EQ(MatchesFileMask("cache1.tmp", "cache?.T*"), true);
  EXPECT_EQ(MatchesFileMask("b.txt", "[a-c]*"), true);
  EXPECT_EQ(MatchesFileMask("B.txt", "[a-c]*"), true);
  EXPECT_EQ(MatchesFileMask("d.txt", "[a-c]*"), false);
  EXPECT_EQ(MatchesFileMask("d.txt", "[!a-c]*"), true);
  EXPECT_EQ(MatchesFileMask("x", "[xyz]"), true);
  EXPECT_EQ(MatchesFileMask("README", "*.*"), true);
  EXPECT_EQ(MatchesFileMask("abc", "a*b"), false);
  EXPECT_EQ(MatchesFileMask("[abc", "[abc"), std::nullopt);
  EXPECT_EQ(MatchesFileMask(std::string(5000, 'a') + "b", "*a*a*a*a*a*c"), false);
}

TEST_F(EraseFilesTest, ExclusionsMatchTheFileNameAsMaskOrText) {
  item->AddExclusion("index.dat");
  item->AddExclusion("[unclosed");
  item->AddExclusion("~*.t[!x]p");
  for (const char* path : {"/a/index.dat", "/b/c/INDEX.DAT", "/a/[UNCLOSED", "/a/~x.tmp"}) {
    EXPECT_TRUE(item->IsExcluded(path)) << path;
  }
  for (const char* path : {"/a/index.dat.bak", "/index.dat/x", "/a/[unclosed.txt", "/a/~x.txp"}) {
    EXPECT_FALSE(item->IsExcluded(path)) << path;
  }
  item->AddFile("/a/INDEX.DAT");
  item->AddFile("/a/index.dat.bak");
  item->AddFile("relative/file");
  item->AddFolder("", "*.*", true, true);
  ASSERT_EQ(item->Items.size(), 1u);
  EXPECT_EQ(item->Items[0]->Path, "/a/index.dat.bak");

  item->AddExclusion("*.*");
  item->AddFile("/a/any.thing");
  item->AddFile("/a/noextension");
  EXPECT_EQ(item->Items.size(), 1u);
}

TEST_F(EraseFilesTest, EraseFileDeletesReadOnlyFilesAndRecordsLockedOnes) {
  const std::string readOnly = folder.write("t/readonly.txt", "x");
  fsys::permissions(readOnly, fsys::perms::owner_read, fsys::perm_options::replace);
  EXPECT_TRUE(item->EraseFile(readOnly));
  EXPECT_FALSE(pathExists(readOnly));
  EXPECT_FALSE(item->EraseFile(folder / "t/missing.txt"));
  EXPECT_FALSE(item->EraseFile(folder / "t"));
  EXPECT_TRUE(engine.PostEraser->Items.empty());

  const std::string locked = folder.write("t/locked.txt", "x");
  FaultyFileSystem faulty;
  faulty.failDelete.insert(locked);
  platform::ScopedFileSystem scoped(faulty);
  EXPECT_FALSE(item->EraseFile(locked));
  EXPECT_TRUE(pathExists(locked));
  ASSERT_EQ(engine.PostEraser->Items.size(), 1u);
  EXPECT_EQ(engine.PostEraser->Items[0]->Kind, pkDeleteFile);
  EXPECT_EQ(engine.PostEraser->Items[0]->Path, locked);
  EXPECT_EQ(engine.PostEraser->PostEraseFile, folder.programFolder() + "posterase.dat");
}

TEST_F(EraseFilesTest, AReadOnlyMarkThatCannotBeClearedIsNamedWithTheFileLeft) {
  const std::string stuck = folder.write("t/stuck.txt", "x");
  fsys::permissions(stuck, fsys::perms::owner_read, fsys::perm_options::replace);
  FaultyFileSystem faulty;
  faulty.failDelete.insert(stuck);
  faulty.failSetAttributes.insert(stuck);
  platform::ScopedFileSystem scoped(faulty);
  EXPECT_FALSE(item->EraseFile(stuck));
  EXPECT_TRUE(pathExists(stuck));
  ASSERT_EQ(engine.Left.size(), 1u);
  EXPECT_EQ(engine.Left[0].What, stuck);
  EXPECT_EQ(engine.Left[0].Reason,
            "could not be deleted (Permission denied); its read-only mark could not be cleared "
            "(Permission denied)");
}

TEST_F(EraseFilesTest, FolderWalksKeepTheTopFolderAndRemoveEmptiedSubfolders) {
  folder.makeFolder("w/a/b/c");
  folder.makeFolder("w/d");
  folder.write("w/a/b/one.txt", "1");
  folder.write("w/.hidden", "h");
  item->EraseFolder(folder / "w", "*.*", true, true);
  EXPECT_EQ(Remaining("w"), Paths{});
  EXPECT_TRUE(pathExists(folder / "w"));

  folder.write("x/keep.doc", "k");
  folder.write("x/drop.tmp", "d");
  folder.write("x/sub/deep.tmp", "d");
  item->EraseFolder(folder / "x/", "*.TMP", false, false);
  EXPECT_EQ(Remaining("x"), (Paths{"keep.doc", "sub", "sub/deep.tmp"}));

  folder.write("y/drop.tmp", "d");
  item->EraseFolder(folder / "y", "*.tmp", false, false);
  EXPECT_FALSE(pathExists(folder / "y"));
}

TEST_F(EraseFilesTest, WalksNeverFollowLinksNorLeaveTheirFileSystem) {
  const std::string outside = folder.write("outside/precious.txt", "p");
  folder.write("w/file.txt", "f");
  fsys::create_directory_symlink(folder / "outside", folder / "w/link");
  fsys::create_directory_symlink(folder / "outside", folder / "top");
  // A file system mounted inside the tree, and a linked folder on the way to the tree.
  ScopedMount mounted(folder.makeFolder("w/mounted"), ScopedMount::Kind::Tmpfs, 1);
  if (!mounted.mounted()) GTEST_SKIP() << mounted.reason();
  folder.write("w/mounted/other.txt", "o");
  folder.write("w/mounted/deeper/more.txt", "o");
  fsys::create_directory_symlink(folder.path(), folder / "via");

  item->AddExclusion("excluded.txt");
  folder.write("w/excluded.txt", "e");
  // Reached through the link, nothing is walked at all.
  Paths found;
  item->CollectFiles(folder / "via/w", "*.txt", &found, true);
  EXPECT_EQ(found, Paths{});
  item->EraseFolder(folder / "via/w", "*.*", true, true);
  EXPECT_TRUE(pathExists(folder / "w/file.txt"));
  item->EraseFolder(folder / "w", "*.*", true, true);
  EXPECT_EQ(Remaining("w"), (Paths{"excluded.txt", "mounted", "mounted/deeper",
                                   "mounted/deeper/more.txt", "mounted/other.txt"}));
  EXPECT_EQ(readFileBytes(outside), "p");
  item->CollectFiles(folder / "w", "*.txt", &found, true);
  EXPECT_EQ(found, Paths{folder / "w/excluded.txt"});
  found.clear();

  item->EraseFolder(folder / "top", "*.*", false, true);
  item->CollectFiles(folder / "top", "*.*", &found, true);
  EXPECT_EQ(found, Paths{});
  EXPECT_EQ(readFileBytes(outside), "p");
}

TEST_F(EraseFilesTest, CollectFilesListsEachFoldersFilesBeforeItsSubfolders) {
  folder.write("c/z.chk", "");
  folder.write("c/a/y.chk", "");
  folder.write("c/a/b/x.CHK", "");
  folder.write("c/b/.w.chk", "");
  folder.write("c/b/other.txt", "");
  fsys::create_symlink(folder / "c/z.chk", folder / "c/v.chk");
  Paths found;
  item->CollectFiles(folder / "c", "*.chk", &found, true);
  EXPECT_EQ(found, (Paths{folder / "c/v.chk", folder / "c/z.chk", folder / "c/a/y.chk",
                          folder / "c/a/b/x.CHK", folder / "c/b/.w.chk"}));
  found.clear();
  item->CollectFiles(folder / "c", "*.chk", &found, false);
  EXPECT_EQ(found.size(), 2u);
  item->AddExclusion("z.chk");
  item->CollectFiles(folder / "c", "*.chk", nullptr, false);
  ASSERT_EQ(item->Items.size(), 1u);
  EXPECT_EQ(item->Items[0]->Path, folder / "c/v.chk");
}

TEST_F(EraseFilesTest, CancellingStopsEveryWalkButNotTheFileEntries) {
  for (const char* name : {"a/1", "a/2", "a/s/3", "b/4"})
    folder.write(std::string("w/") + name, "x");
  const std::string single = folder.write("single.txt", "x");
  FakeWipeServices services;
  int calls = 0;
  services.onProcess = [&] {
    if (++calls == 2) engine.Cancelled = true;
  };
  engine.Services = &services;
  item->AddFolder(folder / "w/a", "*.*", false, true);
  item->AddFile(single);
  item->AddFolder(folder / "w/b", "*.*", false, true);
  item->Erase();
  EXPECT_EQ(Remaining("w"), (Paths{"a", "a/2", "a/s", "a/s/3", "b", "b/4"}));
  EXPECT_FALSE(pathExists(single));

  Paths found;
  item->CollectFiles(folder / "w", "*", &found, true);
  EXPECT_EQ(found, Paths{});
}

TEST_F(EraseFilesTest, FolderSwappedForALinkMidWalkNeverLeadsOutside) {
  const std::string outside = folder.write("outside/2", "precious");
  folder.write("w/a/1", "x");
  folder.write("w/a/2", "x");
  FakeWipeServices services;
  bool swapped = false;
  services.onProcess = [&] {
    if (swapped || pathExists(folder / "w/a/1")) return;
    fsys::rename(folder / "w/a", folder / "moved");
    fsys::create_directory_symlink(folder / "outside", folder / "w/a");
    swapped = true;
  };
  engine.Services = &services;
  item->EraseFolder(folder / "w", "*", false, true);
  ASSERT_TRUE(swapped);
  EXPECT_EQ(readFileBytes(outside), "precious");
  EXPECT_EQ(fsys::symlink_status(folder / "w/a").type(), fsys::file_type::symlink);
}

TEST_F(EraseFilesTest, TreesDeeperThanTheLongestPathAreWalkedWhole) {
  const std::string top = folder.makeFolder("deep");
  MakeDeepTree(top, 200, std::string(40, 'd'));
  Paths found;
  item->CollectFiles(top, "*", &found, true);
  EXPECT_EQ(found.size(), 200u);
  EXPECT_TRUE(found == FilesBelow(top));
  item->EraseFolder(top, "*", true, true);
  EXPECT_EQ(FilesBelow(top).size(), 0u);
  EXPECT_TRUE(pathExists(top));
}

}  // namespace
