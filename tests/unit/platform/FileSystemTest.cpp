#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "platform/FileSystem.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

using platform::EntryKind;
using platform::fs;

namespace {

std::vector<std::string> names(const std::vector<platform::DirEntry>& entries) {
  std::vector<std::string> result;
  for (const auto& e : entries) result.push_back(e.name);
  return result;
}

const platform::DirEntry* entry(const std::vector<platform::DirEntry>& entries,
                                const std::string& name) {
  auto it = std::find_if(entries.begin(), entries.end(),
                         [&](const platform::DirEntry& e) { return e.name == name; });
  return it == entries.end() ? nullptr : &*it;
}

}  // namespace

TEST(FileSystem, ListingShowsEveryEntrySortedWithItsKind) {
  TestFolder t;
  const std::string dir = t.makeFolder("list");
  t.write("list/b.txt", "bb");
  t.write("list/.dot", "");
  t.write("list/\xff\xfe-not-text", "x");
  t.write("list/locked", "1234");
  ::chmod((dir + "/locked").c_str(), 0444);
  t.makeFolder("list/sub");
  std::filesystem::create_symlink("/etc/hostname", dir + "/link");

  auto entries = fs().listFolder(dir);
  ASSERT_TRUE(entries);
  EXPECT_EQ(names(*entries), (std::vector<std::string>{".dot", "b.txt", "link", "locked", "sub",
                                                       "\xff\xfe-not-text"}));
  EXPECT_EQ(entry(*entries, "b.txt")->size, 2u);
  EXPECT_EQ(entry(*entries, "sub")->kind, EntryKind::Folder);
  EXPECT_TRUE(entry(*entries, "sub")->attributes & platform::AttrDirectory);
  EXPECT_EQ(entry(*entries, "link")->kind, EntryKind::Link);
  EXPECT_TRUE(entry(*entries, ".dot")->attributes & platform::AttrHidden);
  EXPECT_TRUE(entry(*entries, "locked")->attributes & platform::AttrReadOnly);
  EXPECT_FALSE(entry(*entries, "b.txt")->attributes & platform::AttrReadOnly);

  EXPECT_FALSE(fs().listFolder(t / "missing"));
  EXPECT_FALSE(fs().listFolder(""));
}

TEST(FileSystem, ClearingReadOnlyGivesTheOwnerWriteAccess) {
  TestFolder t;
  const std::string file = t.write("ro.txt", "x");
  ASSERT_TRUE(fs().setAttributes(file, platform::AttrReadOnly));
  EXPECT_TRUE(fs().info(file)->attributes & platform::AttrReadOnly);
  ASSERT_TRUE(fs().setAttributes(file, 0));
  EXPECT_FALSE(fs().info(file)->attributes & platform::AttrReadOnly);
}

TEST(FileSystem, OpenExistingWritesInPlaceAndRefusesLinksFoldersAndPipes) {
  TestFolder t;
  const std::string file = t.write("data.bin", "abcdef");
  {
    auto f = fs().openExisting(file);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->size(), 6u);
    ASSERT_TRUE(f->seek(2));
    ASSERT_TRUE(f->write("XY", 2));
    EXPECT_EQ(f->position(), 4u);
    EXPECT_TRUE(f->flush());
  }
  EXPECT_EQ(readFileBytes(file), "abXYef");

  const std::string link = t / "link";
  std::filesystem::create_symlink(file, link);
  EXPECT_FALSE(fs().openExisting(link));
  EXPECT_FALSE(fs().openExisting(t.makeFolder("folder")));
  const std::string fifo = t / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(fs().openExisting(fifo));  // must not block waiting for a reader
  EXPECT_FALSE(fs().openExisting(t / "missing"));
  EXPECT_FALSE(fs().createAlways(link));
  EXPECT_EQ(readFileBytes(file), "abXYef");
}

TEST(FileSystem, RenameNeverReplacesAndDeleteRemovesOnlyTheLink) {
  TestFolder t;
  const std::string a = t.write("a", "A");
  const std::string b = t.write("b", "B");
  EXPECT_FALSE(fs().rename(a, b));
  EXPECT_EQ(readFileBytes(b), "B");
  EXPECT_TRUE(fs().rename(a, t / "c"));
  EXPECT_FALSE(pathExists(a));

  const std::string link = t / "link";
  std::filesystem::create_symlink(b, link);
  EXPECT_TRUE(fs().deleteFile(link));
  EXPECT_FALSE(pathExists(link));
  EXPECT_EQ(readFileBytes(b), "B");

  const std::string folder = t.makeFolder("f");
  EXPECT_FALSE(fs().deleteFile(folder));
  t.write("f/inside", "");
  EXPECT_FALSE(fs().removeFolder(folder));
  EXPECT_TRUE(fs().deleteFile(folder + "/inside"));
  EXPECT_TRUE(fs().removeFolder(folder));
}

TEST(FileSystem, AtomicWriteReplacesTheFileKeepingItsPermissionsAndLeavesNoTemporaryFile) {
  TestFolder t;
  const std::string file = t.write("settings.ini", "old");
  ::chmod(file.c_str(), 0640);
  ASSERT_TRUE(fs().writeFileAtomic(file, "new contents"));
  EXPECT_EQ(readFileBytes(file), "new contents");
  struct stat st {};
  ::stat(file.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(fs().listFolder(t.path())->size(), 5u);  // program, temp, config, home, the file

  // Through a link the target is written and the link stays.
  const std::string link = t / "link.ini";
  std::filesystem::create_symlink(file, link);
  ASSERT_TRUE(fs().writeFileAtomic(link, "via link"));
  EXPECT_EQ(fs().info(link)->kind, EntryKind::Link);
  EXPECT_EQ(readFileBytes(file), "via link");

  EXPECT_FALSE(fs().writeFileAtomic(t.makeFolder("dir.ini"), "x"));
  EXPECT_FALSE(fs().writeFileAtomic(t / "no/such/folder/x.ini", "x"));

  // A file made read-only is not replaced, by the administrator either, nor through a link.
  ::chmod(file.c_str(), 0444);
  const std::size_t entries = fs().listFolder(t.path())->size();
  for (const std::string& path : {file, link}) {
    const platform::Status refused = fs().writeFileAtomic(path, "replaced");
    EXPECT_EQ(refused.error(), platform::FileError::ReadOnly);
    EXPECT_EQ(readFileBytes(file), "via link");
  }
  EXPECT_EQ(fs().listFolder(t.path())->size(), entries);
}

TEST(FileSystem, AtomicWriteByTheAdministratorKeepsTheFilesOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the administrator can hand a file to another owner";
  TestFolder t;
  const std::string file = t.write("recent.xbel", "old");
  ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
  ASSERT_TRUE(fs().writeFileAtomic(file, "new"));
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(st.st_gid, 65534u);
  EXPECT_EQ(readFileBytes(file), "new");
}

TEST(FileSystem, ReadFileHonoursItsLimit) {
  TestFolder t;
  const std::string file = t.write("f", std::string(1000, 'x'));
  EXPECT_EQ(fs().readFile(file, 1000)->size(), 1000u);
  EXPECT_FALSE(fs().readFile(file, 999));
  EXPECT_FALSE(fs().readFile(t / "missing", 10));
}

TEST(FileSystem, DiskSpaceOfAPathThatDoesNotExistYetIsThatOfItsFolder) {
  TestFolder t;
  auto here = fs().diskSpace(t.path());
  auto later = fs().diskSpace(t / "not/yet/there.tmp");
  ASSERT_TRUE(here && later);
  EXPECT_GT(here->clusterSize, 0u);
  EXPECT_EQ(here->clusterSize, later->clusterSize);
  EXPECT_EQ(here->total, later->total);
  EXPECT_FALSE(fs().diskSpace(""));
}

// Space that cannot be asked for comes with the system's reason, never as a bare "none".
TEST(FileSystem, DiskSpaceThatCannotBeAskedForSaysWhy) {
  TestFolder t;
  std::filesystem::create_symlink(t / "loop", t / "loop");
  const struct {
    std::string path;
    std::errc reason;
  } cases[] = {
      {"", std::errc::invalid_argument},
      {t / "loop/file", std::errc::too_many_symbolic_link_levels},
      {t / (std::string(300, 'n') + "/file"), std::errc::filename_too_long},
  };
  for (const auto& c : cases) {
    const auto space = fs().diskSpace(c.path);
    EXPECT_FALSE(space) << c.path;
    EXPECT_EQ(space.error(), std::make_error_code(c.reason)) << c.path;
  }
}

TEST(FileSystem, DiskSpaceTellsFileSystemsApartAndWhetherTheFolderMayBeWritten) {
  TestFolder t;
  const std::string point = t.makeFolder("mnt");
  const auto outside = fs().diskSpace(t.path());
  ASSERT_TRUE(outside);
  ScopedMount first(point, ScopedMount::Kind::Tmpfs, 1);
  if (!first.mounted()) GTEST_SKIP() << first.reason();
  const auto mounted = fs().diskSpace(point);
  ASSERT_TRUE(mounted);
  EXPECT_NE(mounted->id.device, outside->id.device);
  EXPECT_EQ(fs().diskSpace(point + "/not/yet/there")->id, mounted->id);
  EXPECT_TRUE(mounted->writable);

  // The next file system mounted there may get the same device number; it is still another.
  ASSERT_TRUE(first.unmount());
  ScopedMount second(point, ScopedMount::Kind::Tmpfs, 1);
  ASSERT_TRUE(second.mounted());
  EXPECT_NE(fs().diskSpace(point)->id, mounted->id);

  ASSERT_EQ(std::system(("mount -o remount,ro '" + point + "'").c_str()), 0);
  EXPECT_FALSE(fs().diskSpace(point)->writable);
}

TEST(FileSystem, WaitsForTheDeviceEndWithWhatWasWrittenOnIt) {
  TestFolder t;
  const std::string path = t.write("large", std::string(8u << 20, 'x'));
  auto file = fs().openExisting(path);
  ASSERT_TRUE(file);
  const std::string block(1u << 20, 'y');
  for (int i = 0; i < 8; ++i) ASSERT_TRUE(file->write(block.data(), block.size()));

  // Waiting for the written bytes, a piece at a time, leaves none of them on their way.
  file->startWriteback();
  for (int i = 0; i < 8; ++i) file->waitWritten(1u << 20);
  EXPECT_FALSE(file->unwrittenBeyond(0));

  // A flush waited for in turns ends with its outcome; no wait answers before it has ended.
  ASSERT_TRUE(file->seek(0));
  for (int i = 0; i < 8; ++i) ASSERT_TRUE(file->write(block.data(), block.size()));
  ASSERT_TRUE(file->startFlush());
  std::optional<platform::Status> ended;
  for (int turn = 0; turn < 100000 && !ended; ++turn) {
    ended = file->waitFlush(std::chrono::milliseconds(16));
  }
  ASSERT_TRUE(ended);
  EXPECT_TRUE(*ended);
  EXPECT_FALSE(file->unwrittenBeyond(0));
  // Nothing going on: answered at once, with the last outcome.
  const auto again = file->waitFlush(std::chrono::milliseconds(16));
  ASSERT_TRUE(again);
  EXPECT_TRUE(*again);
}

TEST(FileSystem, AnOpenFileTellsTheClusterSizeOfItsFileSystem) {
  TestFolder t;
  const std::string path = t.write("file", "12345");
  auto file = fs().openExisting(path);
  ASSERT_TRUE(file);
  const auto space = fs().diskSpace(path);
  ASSERT_TRUE(space);
  EXPECT_NE(file->clusterSize(), 0u);
  EXPECT_EQ(file->clusterSize(), space->clusterSize);
}

TEST(FileSystem, AFlushInMemoryHasEndedWhenItIsStarted) {
  TestFolder t;
  const std::string point = t.makeFolder("memory");
  ScopedMount memory(point, ScopedMount::Kind::Tmpfs, 1);
  if (!memory.mounted()) GTEST_SKIP() << memory.reason();
  const std::string path = t.write("memory/file", std::string(8192, 'x'));
  auto file = fs().openExisting(path);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->write("abcd", 4));
  // No other thread takes it: its outcome is there at once.
  ASSERT_TRUE(file->startFlush());
  const auto ended = file->flushEnded();
  ASSERT_TRUE(ended);
  EXPECT_TRUE(*ended);
  EXPECT_FALSE(file->unwrittenBeyond(0));
}
