// Open folders: entries reached relative to the folder that listed them, never through a link
// and only while they are still the entry listed; and the system's reason of every failure.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/posix/LinkFreeOpen.h"
#include "platform/posix/MountPlace.h"
#include "support/ScopedBind.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

namespace fsys = std::filesystem;
using platform::EntryKind;
using platform::fs;

namespace {

std::unique_ptr<platform::Folder> Open(const std::string& path) {
  auto folder = fs().openFolder(path);
  if (!folder) ADD_FAILURE() << "cannot open " << path << ": " << folder.error().message();
  return folder.release();
}

const platform::DirEntry* Find(const std::vector<platform::DirEntry>& entries,
                               const std::string& name) {
  for (const auto& entry : entries) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

}  // namespace

TEST(Folder, ListingTellsKindIdentityAndLinkCount) {
  TestFolder t;
  const std::string file = t.write("f/file", "12345");
  fsys::create_hard_link(file, t / "f/second");
  fsys::create_directory_symlink(t / "f", t / "f/link");
  auto folder = Open(t / "f/");
  ASSERT_TRUE(folder);
  EXPECT_EQ(folder->pathOf("file"), t / "f/file");
  const auto entries = folder->list();
  ASSERT_TRUE(entries);
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  const auto* listed = Find(*entries, "file");
  ASSERT_TRUE(listed);
  EXPECT_EQ(listed->links, 2u);
  EXPECT_EQ(listed->id, (platform::EntryId{st.st_dev, st.st_ino}));
  EXPECT_EQ(Find(*entries, "link")->kind, EntryKind::Link);

  // The link count of the open file is the one at this moment.
  auto opened = folder->openFile("file", listed->id);
  ASSERT_TRUE(opened);
  fsys::remove(t / "f/second");
  EXPECT_EQ(opened->info()->links, 1u);
}

TEST(Folder, EntriesOpenOnlyWhileTheyAreWhatWasListed) {
  TestFolder t;
  const std::string outside = t.write("outside/file", "precious");
  t.write("f/file", "mine");
  t.makeFolder("f/sub");
  auto folder = Open(t / "f");
  ASSERT_TRUE(folder);
  const platform::EntryId file = folder->entry("file")->id;
  const platform::EntryId sub = folder->entry("sub")->id;
  const std::error_code changed = platform::FileError::Changed;

  struct Case {
    const char* what;
    std::function<void()> change;  // what happens between the listing and the open
    std::error_code fileError;     // empty: the file opens
    std::error_code folderError;   // empty: the folder opens
  };
  const Case cases[] = {
      {"nothing", [] {}, {}, {}},
      // Each replacement is made before the entry it replaces goes, as a swap is.
      {"replaced by links to the outside",
       [&] {
         fsys::create_symlink(outside, t / "f/file.new");
         fsys::rename(t / "f/file.new", t / "f/file");
         fsys::rename(t / "f/sub", t / "f/sub.old");
         fsys::create_directory_symlink(t / "outside", t / "f/sub");
       },
       changed, changed},
      {"replaced by other entries of the same kind",
       [&] {
         t.write("f/file.new", "planted");
         fsys::rename(t / "f/file.new", t / "f/file");
         fsys::remove(t / "f/sub");  // the link of the case before
         t.makeFolder("f/sub");
       },
       changed, changed},
      {"gone",
       [&] {
         fsys::remove(t / "f/file");
         fsys::remove(t / "f/sub");
       },
       std::make_error_code(std::errc::no_such_file_or_directory),
       std::make_error_code(std::errc::no_such_file_or_directory)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.change();
    auto opened = folder->openFile("file", file);
    EXPECT_EQ(opened.error(), c.fileError) << opened.error().message();
    auto openedFolder = folder->openFolder("sub", sub);
    EXPECT_EQ(openedFolder.error(), c.folderError) << openedFolder.error().message();
  }
  EXPECT_EQ(readFileBytes(outside), "precious");

  // A pipe in a file's place is refused without waiting for a reader; names that are not
  // entries of the folder are refused outright.
  const std::string fifo = t / "f/fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(folder->openFile("fifo", folder->entry("fifo")->id).error(),
            std::error_code(platform::FileError::NotAFile));
  auto real = platform::realFileSystem().openFolder(t / "f");
  for (const char* name : {"", ".", "..", "../outside"}) {
    EXPECT_EQ(real->removeFile(name).error(), std::errc::invalid_argument) << name;
  }
}

TEST(Folder, ChangesStayInTheFolderAndSayWhyTheyFail) {
  TestFolder t;
  const std::string target = t.write("outside/target", "precious");
  t.write("f/a", "A");
  t.write("f/b", "B");
  t.write("f/full/inside", "x");
  fsys::create_symlink(target, t / "f/link");
  fsys::permissions(target, fsys::perms::owner_read);
  auto folder = Open(t / "f");
  ASSERT_TRUE(folder);

  EXPECT_EQ(folder->rename("a", "b").error(), std::errc::file_exists);
  EXPECT_EQ(readFileBytes(t / "f/b"), "B");
  EXPECT_TRUE(folder->rename("a", "c"));
  EXPECT_FALSE(pathExists(t / "f/a"));

  // A link is removed as a link; its permissions and its target's stay.
  EXPECT_TRUE(folder->setAttributes("link", 0));
  EXPECT_EQ(fsys::status(target).permissions(), fsys::perms::owner_read);
  EXPECT_TRUE(folder->removeFile("link"));
  EXPECT_EQ(readFileBytes(target), "precious");

  fsys::permissions(t / "f/b", fsys::perms::owner_read);
  EXPECT_TRUE(folder->entry("b")->attributes & platform::AttrReadOnly);
  EXPECT_TRUE(folder->setAttributes("b", 0));
  EXPECT_FALSE(folder->entry("b")->attributes & platform::AttrReadOnly);

  EXPECT_EQ(folder->removeFolder("full").error(), std::errc::directory_not_empty);
  EXPECT_EQ(folder->removeFile("full").error(), std::errc::is_a_directory);
}

TEST(Folder, ContainingFolderOfAPath) {
  TestFolder t;
  t.makeFolder("real/inner");
  fsys::create_directory_symlink(t / "real", t / "via");
  struct Case {
    std::string path;
    std::string folder;  // empty: fails
    std::string name;
  };
  const Case cases[] = {
      {t / "via/inner", "", ""},  // no link on the way is followed
      {t / "real/inner//", t / "real", "inner"},
      {t / "via", t.path().substr(0, t.path().size() - 1), "via"},  // the entry itself is not
      {"/", "/", ""},
      {"relative/path", "", ""},
      {t / "real/..", "", ""},
      {t / "missing/x", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    auto place = platform::openContainingFolder(c.path);
    ASSERT_EQ(bool(place), !c.folder.empty()) << place.error().message();
    if (!place) continue;
    EXPECT_EQ(place->folder->path(), c.folder);
    EXPECT_EQ(place->name, c.name);
  }
  EXPECT_EQ(platform::openContainingFolder(t / "missing/x").error(),
            std::errc::no_such_file_or_directory);
  EXPECT_EQ(platform::openContainingFolder(t / "via/inner").error(), platform::FileError::Link);
}

TEST(Folder, APathIsSpelledWithoutTheLinksAboveItsLastComponent) {
  TestFolder t;
  t.makeFolder("real/inner");
  fsys::create_directory_symlink(t / "real", t / "via");
  fsys::create_directory_symlink(t / "real/inner", t / "real/link");
  const std::pair<std::string, std::string> cases[] = {
      {t / "via/inner", t / "real/inner"},
      {t / "via/inner/", t / "real/inner"},
      // A link named last is kept, separators after it or not: it is removed as a link.
      {t / "via/link", t / "real/link"},
      {t / "via/link/", t / "real/link"},
      {t / "via/link//", t / "real/link"},
      {t / "via/", t / "via"},
      {"relative/via/", "relative/via/"},
      {"/", "/"},
  };
  for (const auto& [given, spelled] : cases) {
    EXPECT_EQ(platform::withoutLinksAbove(given), spelled) << given;
  }
}

// Both ways of opening without links: openat2, and folder by folder where the system lacks it.
class NoLinkOpenTest : public ::testing::TestWithParam<bool> {
 protected:
  platform::posix::ScopedOpenat2Tried openat2{GetParam()};
};

TEST_P(NoLinkOpenTest, ALinkAnywhereOnTheWayEndsTheOpen) {
  TestFolder t;
  t.makeFolder("real/inner/deep");
  t.makeFolder("outside/inner/deep");
  fsys::create_directory_symlink(t / "outside", t / "real/planted");
  fsys::create_directory_symlink(t / "outside", t / "via");
  struct Case {
    std::string path;
    std::error_code error;  // empty: opens
  };
  const std::error_code link = platform::FileError::Link;
  const Case cases[] = {
      {t / "real/inner/deep", {}},
      {t / "real/inner/deep/", {}},
      {t / "via", link},                 // the folder itself
      {t / "via/inner/deep", link},      // the first folder below the test's own
      {t / "real/planted/inner", link},  // a middle one
      {t / "real/missing", std::make_error_code(std::errc::no_such_file_or_directory)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    auto folder = fs().openFolderWithoutLinks(c.path);
    EXPECT_EQ(folder.error(), c.error) << folder.error().message();
    if (folder) {
      EXPECT_EQ(folder->info()->id, fs().info(t / "real/inner/deep")->id);
    }
  }

  // Below an open folder: the same, and never above it.
  auto top = fs().openFolderWithoutLinks(t / "real");
  ASSERT_TRUE(top);
  EXPECT_TRUE(top->openBeneath("inner/deep"));
  EXPECT_EQ(top->openBeneath("planted").error(), link);
  EXPECT_EQ(top->openBeneath("planted/inner").error(), link);
  EXPECT_FALSE(top->openBeneath("inner/../../outside"));
  EXPECT_FALSE(top->openBeneath(t / "real/inner"));
}

TEST_P(NoLinkOpenTest, BelowItsMountPointNoOtherMountIsCrossed) {
  TestFolder t;
  const std::string point = t.makeFolder("real/mnt");
  ScopedMount mounted(point, ScopedMount::Kind::Tmpfs, 1);
  if (!mounted.mounted()) GTEST_SKIP() << mounted.reason();
  t.makeFolder("real/mnt/sub");
  // A path is opened from the mount point that holds it ...
  auto sub = fs().openFolderWithoutLinks(point + "/sub");
  ASSERT_TRUE(sub) << sub.error().message();
  EXPECT_EQ(sub->info()->id, fs().info(point + "/sub")->id);
  // ... and an open below a folder stays on that folder's mount.
  auto top = fs().openFolderWithoutLinks(t / "real");
  ASSERT_TRUE(top);
  EXPECT_EQ(top->openBeneath("mnt/sub").error(), platform::FileError::MountPoint);
}

TEST_P(NoLinkOpenTest, AMountPointIsNamedAndNeverEntered) {
  TestFolder t;
  const std::string tree = t.makeFolder("tree");
  ScopedMount ram(t.makeFolder("tree/ram"), ScopedMount::Kind::Tmpfs, 1);
  if (!ram.mounted()) GTEST_SKIP() << ram.reason();
  t.write("tree/ram/inner/kept", "on the tmpfs");
  t.write("outside/same/inner/kept", "elsewhere on the same file system");
  t.write("outside/file", "a file of elsewhere");
  t.write("tree/file", "the entry under the bound file");
  t.write("tree/comm", "the entry under the kernel's file");
  t.makeFolder("tree/own/inner");
  ScopedBind same(t / "outside/same", t.makeFolder("tree/same"));
  ScopedBind file(t / "outside/file", t / "tree/file");
  ScopedBind comm("/proc/self/comm", t / "tree/comm");
  for (const ScopedBind* bind : {&same, &file, &comm}) {
    ASSERT_TRUE(bind->mounted()) << bind->reason();
  }
  struct Case {
    const char* name;
    const char* mounted;  // the type of file system named; "?": any; null: not a mount point
  };
  const Case cases[] = {
      {"ram", "tmpfs"}, {"same", "?"}, {"file", "?"}, {"comm", "proc"}, {"own", nullptr},
  };
  const std::error_code refused = platform::FileError::MountPoint;
  for (const bool numbers : {true, false}) {
    // Without mount numbers, by the device and the mount table.
    platform::posix::ScopedMountNumbersUsed used(numbers);
    auto folder = fs().openFolderWithoutLinks(tree);
    ASSERT_TRUE(folder);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (numbers ? "" : ", without mount numbers"));
      const auto listed = folder->entry(c.name);
      ASSERT_TRUE(listed);
      const auto mounted = folder->mountedAt(c.name, *listed);
      ASSERT_EQ(mounted.has_value(), c.mounted != nullptr);
      if (!c.mounted) {
        EXPECT_TRUE(folder->openFolder(c.name, listed->id));
        EXPECT_TRUE(folder->openBeneath(std::string(c.name) + "/inner"));
        EXPECT_TRUE(folder->setAttributes(c.name, 0));
        continue;
      }
      if (std::string(c.mounted) != "?") {
        EXPECT_EQ(*mounted, c.mounted);
      }
      EXPECT_FALSE(mounted->empty());
      EXPECT_EQ(folder->setAttributes(c.name, platform::AttrReadOnly).error(), refused);
      if (listed->isFolder()) {
        EXPECT_EQ(folder->openFolder(c.name, listed->id).error(), refused);
        EXPECT_EQ(folder->openBeneath(std::string(c.name) + "/inner").error(), refused);
        EXPECT_EQ(platform::openContainingFolderBeneath(tree, t / "tree/" + c.name + "/inner/kept")
                      .error(),
                  refused);
        // The folder a job starts at may be one: the user chose it.
        EXPECT_TRUE(folder->openStartFolder(c.name, listed->id));
      } else {
        EXPECT_EQ(folder->openFile(c.name, listed->id).error(), refused);
      }
    }
  }
  EXPECT_EQ(readFileBytes(t / "outside/file"), "a file of elsewhere");
  EXPECT_NE(fsys::status(t / "outside/file").permissions() & fsys::perms::owner_write,
            fsys::perms::none);
}

TEST_P(NoLinkOpenTest, AMountPointAnchorsOnlyThePathsBelowIt) {
  // Sibling mount points, the name of one the start of the other's, and a folder whose name
  // starts with both.
  TestFolder t;
  ScopedMount a(t.makeFolder("m/a"), ScopedMount::Kind::Tmpfs, 1);
  if (!a.mounted()) GTEST_SKIP() << a.reason();
  ScopedMount ab(t.makeFolder("m/ab"), ScopedMount::Kind::Tmpfs, 1);
  for (const char* folder : {"m/a/sub", "m/a/b/sub", "m/ab/sub", "m/ab/c/sub", "m/abc/sub"}) {
    t.makeFolder(folder);
  }
  for (const char* path : {"m/a/sub", "m/ab/sub", "m/abc/sub", "m/ab/c/sub", "m/a/b/sub"}) {
    SCOPED_TRACE(path);
    auto folder = fs().openFolderWithoutLinks(t / path);
    ASSERT_TRUE(folder) << folder.error().message();
    EXPECT_EQ(folder->info()->id, fs().info(t / path)->id);
  }
}

INSTANTIATE_TEST_SUITE_P(Folder, NoLinkOpenTest, ::testing::Values(true, false),
                         [](const auto& info) {
                           return info.param ? "Openat2" : "FolderByFolder";
                         });

TEST(Folder, SystemFileSystemsAreNamedAndNothingOnThemIsChanged) {
  TestFolder t;
  EXPECT_EQ(Open(t.path())->systemFileSystem(), "");
  // Only refusals are asked of the process's own kernel entries: opening one for writing writes
  // nothing, and the kernel refuses their removal in any case. The real file system is used
  // directly, as the test's own refuses every change outside the test folder.
  auto proc = platform::realFileSystem().openFolder("/proc/self");
  if (!proc) GTEST_SKIP() << "no proc file system at /proc";
  EXPECT_EQ(proc->systemFileSystem(), "proc");
  const auto comm = proc->entry("comm");
  ASSERT_TRUE(comm);
  EXPECT_EQ(proc->openFile("comm", comm->id).error(), platform::FileError::SystemFileSystem);
  EXPECT_EQ(proc->removeFile("comm").error(), platform::FileError::SystemFileSystem);
  EXPECT_EQ(proc->removeFolder("fd").error(), platform::FileError::SystemFileSystem);
  EXPECT_EQ(platform::realFileSystem().openExisting("/proc/self/comm").error(),
            platform::FileError::SystemFileSystem);
  if (auto sys = platform::realFileSystem().openFolder("/sys/kernel")) {
    EXPECT_EQ(sys->systemFileSystem(), "sysfs");
  }
}

// A tmpfs is a file system for files like any other; the devices' tmpfs (devtmpfs), which has
// the same type number, is the system's. A file on a tmpfs lies on no device, which its layout
// says without mapping it.
TEST(Folder, ATmpfsHoldsFilesAndOnlyTheDevicesTmpfsIsTheSystems) {
  TestFolder t;
  const std::string point = t.makeFolder("ram");
  ScopedMount ram(point, ScopedMount::Kind::Tmpfs, 1);
  if (!ram.mounted()) GTEST_SKIP() << ram.reason();
  const std::string path = t.write("ram/file", std::string(5000, 'x'));
  auto folder = Open(point);
  ASSERT_TRUE(folder);
  EXPECT_EQ(folder->systemFileSystem(), "");
  auto file = folder->openFile("file", fs().info(path)->id);
  ASSERT_TRUE(file) << file.error().message();
  EXPECT_GT(file->clusterSize(), 0u);
  for (int ask = 0; ask < 2; ++ask) {
    const auto layout = file->layout();
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->fileSystem, "tmpfs");
    EXPECT_FALSE(layout->mapped);
    EXPECT_EQ(layout->mapError, std::errc::operation_not_supported);
  }

  bool devicesOnDevtmpfs = false;
  std::istringstream mounts(
      platform::realFileSystem().readFile("/proc/self/mountinfo", 1u << 20).value_or(""));
  for (std::string line; std::getline(mounts, line);) {
    std::istringstream fields(line);
    std::string id, parent, device, root, point;
    fields >> id >> parent >> device >> root >> point;
    if (point == "/dev") devicesOnDevtmpfs = line.find(" - devtmpfs ") != std::string::npos;
  }
  auto devices = platform::realFileSystem().openFolder("/dev");
  if (!devicesOnDevtmpfs || !devices) GTEST_SKIP() << "/dev is not a devtmpfs here";
  EXPECT_EQ(devices->systemFileSystem(), "devtmpfs");
  const auto null = devices->entry("null");
  ASSERT_TRUE(null);
  EXPECT_EQ(devices->openFile("null", null->id).error(), platform::FileError::SystemFileSystem);
}

TEST(FileSystem, FailuresCarryTheSystemsReason) {
  TestFolder t;
  const std::string file = t.write("file", std::string(100, 'x'));
  const std::string folder = t.makeFolder("folder");
  t.write("folder/inside", "");
  const std::string link = t / "link";
  fsys::create_symlink(file, link);
  const std::string missing = t / "missing";
  using std::errc;
  const std::pair<std::error_code, std::error_code> cases[] = {
      {fs().openExisting(missing).error(), std::make_error_code(errc::no_such_file_or_directory)},
      {fs().openExisting(link).error(), std::make_error_code(errc::too_many_symbolic_link_levels)},
      {fs().openExisting(folder).error(), std::make_error_code(errc::is_a_directory)},
      {fs().createAlways(link).error(), platform::FileError::NotAFile},
      {fs().deleteFile(missing).error(), std::make_error_code(errc::no_such_file_or_directory)},
      {fs().removeFolder(folder).error(), std::make_error_code(errc::directory_not_empty)},
      {fs().rename(link, file).error(), std::make_error_code(errc::file_exists)},
      {fs().listFolder(file).error(), std::make_error_code(errc::not_a_directory)},
      {fs().readFile(file, 99).error(), std::make_error_code(errc::file_too_large)},
      {fs().writeFileAtomic(folder, "x").error(), platform::FileError::NotAFile},
      {fs().openFolder(missing).error(), std::make_error_code(errc::no_such_file_or_directory)},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i << ": " << cases[i].first.message();
  }
}
