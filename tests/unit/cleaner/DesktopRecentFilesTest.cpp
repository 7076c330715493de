#include "cleaner/DesktopRecentFiles.h"

#include <sys/mount.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FaultyFileSystem.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

namespace {

namespace fsys = std::filesystem;

const char* const kList =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\">\n"
    "  <bookmark href=\"file:///home/u/secret.pdf\" added=\"2024-01-01T00:00:00Z\"/>\n</xbel>\n";

class DesktopRecentFilesTest : public ::testing::Test {
 protected:
  std::string List() const { return t.dataFolder() + "recently-used.xbel"; }
  std::string Docs() const { return t.dataFolder() + "RecentDocuments/"; }

  TestFolder t;
};

TEST_F(DesktopRecentFilesTest, EmptiesTheBookmarkFileKeepingItsPermissionsOnce) {
  t.write("home/.local/share/recently-used.xbel", kList);
  ::chmod(List().c_str(), 0600);
  EXPECT_TRUE(DesktopRecentFiles::HasSomethingToClear());

  const auto outcome = DesktopRecentFiles::Clear();
  EXPECT_TRUE(outcome.ListEmptied);
  EXPECT_TRUE(outcome.Failures.empty());
  EXPECT_EQ(readFileBytes(List()), DesktopRecentFiles::kEmptyList);
  struct stat st {};
  ASSERT_EQ(::stat(List().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  // No temporary file is left beside it.
  EXPECT_EQ(fsys::directory_entry(t.dataFolder()).exists(), true);
  EXPECT_EQ(std::distance(fsys::directory_iterator(t.dataFolder()), fsys::directory_iterator()), 1);

  // Emptied, the list has nothing left; a second clear writes nothing.
  EXPECT_FALSE(DesktopRecentFiles::HasSomethingToClear());
  EXPECT_FALSE(DesktopRecentFiles::Clear().ListEmptied);
}

TEST_F(DesktopRecentFilesTest, RemovesEveryDocumentEntryButNeverWhatALinkNames) {
  const std::string outsideFile = t.write("outside/keep.txt", "keep");
  const std::string outsideFolder = t.makeFolder("outside/tree");
  t.write("outside/tree/inner.txt", "keep");
  t.write("home/.local/share/RecentDocuments/a.pdf.desktop", "[Desktop Entry]");
  t.write("home/.local/share/RecentDocuments/.hidden.desktop", "x");
  t.write("home/.local/share/RecentDocuments/sub/deep/b.desktop", "x");
  fsys::create_symlink(outsideFile, Docs() + "file-link");
  fsys::create_symlink(outsideFolder, Docs() + "folder-link");
  EXPECT_TRUE(DesktopRecentFiles::HasSomethingToClear());

  const auto outcome = DesktopRecentFiles::Clear();
  EXPECT_TRUE(outcome.Failures.empty());
  EXPECT_EQ(outcome.RemovedEntries, 7);  // 2 files, 2 links, b.desktop, deep, sub
  EXPECT_TRUE(fsys::is_directory(Docs()));
  EXPECT_TRUE(fsys::is_empty(Docs()));
  EXPECT_EQ(readFileBytes(outsideFile), "keep");
  EXPECT_EQ(readFileBytes(outsideFolder + "/inner.txt"), "keep");
  EXPECT_FALSE(DesktopRecentFiles::HasSomethingToClear());
}

TEST_F(DesktopRecentFilesTest, LeavesWhatIsNotItsOwnAsItIs) {
  // A link in place of either list, and a bookmark file that has another name.
  const std::string outsideList = t.write("outside/other.xbel", kList);
  const std::string outsideDocs = t.makeFolder("outside/docs");
  t.write("outside/docs/x.desktop", "x");
  t.makeFolder("home/.local/share");
  fsys::create_symlink(outsideList, List());
  fsys::create_symlink(outsideDocs, t.dataFolder() + "RecentDocuments");
  EXPECT_FALSE(DesktopRecentFiles::HasSomethingToClear());
  const auto linked = DesktopRecentFiles::Clear();
  EXPECT_FALSE(linked.ListEmptied);
  EXPECT_EQ(linked.RemovedEntries, 0);
  EXPECT_EQ(readFileBytes(outsideList), kList);
  EXPECT_TRUE(pathExists(outsideDocs + "/x.desktop"));

  fsys::remove(List());
  fsys::create_hard_link(outsideList, List());
  const auto shared = DesktopRecentFiles::Clear();
  ASSERT_EQ(shared.Failures.size(), 1u);
  EXPECT_EQ(shared.Failures[0].Path, List());
  EXPECT_EQ(readFileBytes(outsideList), kList);
}

TEST_F(DesktopRecentFilesTest, StopsAtTheNextEntryAndReportsWhatCouldNotBeRemoved) {
  t.write("home/.local/share/RecentDocuments/a.desktop", "x");
  t.write("home/.local/share/RecentDocuments/b.desktop", "x");
  t.write("home/.local/share/RecentDocuments/c.desktop", "x");
  int asked = 0;
  // The list, then the first entry, may go; the request comes before the second entry.
  const auto stopped = DesktopRecentFiles::Clear([&] { return ++asked > 2; });
  EXPECT_TRUE(stopped.Stopped);
  EXPECT_EQ(stopped.RemovedEntries, 1);
  EXPECT_FALSE(pathExists(Docs() + "a.desktop"));
  EXPECT_TRUE(pathExists(Docs() + "b.desktop"));

  FaultyFileSystem faulty;
  platform::ScopedFileSystem scope(&faulty);
  faulty.failDelete.insert(Docs() + "b.desktop");
  t.write("home/.local/share/recently-used.xbel", kList);
  faulty.failAtomicWrite.insert(List());
  const auto failed = DesktopRecentFiles::Clear();
  EXPECT_FALSE(failed.ListEmptied);
  EXPECT_EQ(failed.RemovedEntries, 1);
  ASSERT_EQ(failed.Failures.size(), 2u);
  EXPECT_EQ(failed.Failures[0].Path, List());
  EXPECT_EQ(failed.Failures[1].Path, Docs() + "b.desktop");
  EXPECT_EQ(failed.Failures[1].Reason,
            std::make_error_code(std::errc::permission_denied).message());
  EXPECT_EQ(readFileBytes(List()), kList);
}

}  // namespace

TEST_F(DesktopRecentFilesTest, NothingIsRemovedInsideAFileSystemMountedBelowTheDocuments) {
  t.write("home/.local/share/RecentDocuments/a.pdf.desktop", "[Desktop Entry]");
  // Another file system, and another place of the same file system (a bind mount).
  ScopedMount other(t.makeFolder("home/.local/share/RecentDocuments/sub"), ScopedMount::Kind::Tmpfs,
                    1);
  if (!other.mounted()) GTEST_SKIP() << other.reason();
  const std::string kept = t.write("home/.local/share/RecentDocuments/sub/kept.desktop", "x");
  const std::string elsewhere = t.write("elsewhere/kept.desktop", "x");
  const std::string bound = t.makeFolder("home/.local/share/RecentDocuments/bound");
  ASSERT_EQ(::mount((t / "elsewhere").c_str(), bound.c_str(), nullptr, MS_BIND, nullptr), 0);
  const auto outcome = DesktopRecentFiles::Clear();
  ::umount2(bound.c_str(), MNT_DETACH);
  EXPECT_EQ(readFileBytes(kept), "x");
  EXPECT_EQ(readFileBytes(elsewhere), "x");
  EXPECT_FALSE(pathExists(Docs() + "a.pdf.desktop"));
  std::vector<std::string> named;
  for (const auto& failure : outcome.Failures)
    named.push_back(failure.Path + ": " + failure.Reason);
  const std::string crossing = ": another file system is mounted here: not entered";
  EXPECT_EQ(named,
            (std::vector<std::string>{Docs() + "bound" + crossing, Docs() + "sub" + crossing}));
}
