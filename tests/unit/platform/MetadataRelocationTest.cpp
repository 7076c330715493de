// Moving a btrfs file system's metadata, on file systems the test mounts itself: only the mount
// asked for is moved, reached without a link, and any other file system is refused.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "platform/FileSystem.h"
#include "platform/MetadataRelocation.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

namespace {

// Where the image's metadata block groups start, as its chunk tree lists them (read from the
// unmounted image); empty when it cannot be read.
std::set<std::uint64_t> MetadataGroupsOf(const std::string& image) {
  std::set<std::uint64_t> groups;
  FILE* dump = ::popen(
      ("btrfs inspect-internal dump-tree -t chunk '" + image + "' 2>/dev/null").c_str(), "r");
  if (!dump) return groups;
  std::string text;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, dump)) > 0;) {
    text.append(buffer, got);
  }
  ::pclose(dump);
  // "item 1 key (FIRST_CHUNK_TREE CHUNK_ITEM 13631488) ...", then "... type DATA|METADATA|single"
  std::istringstream lines(text);
  std::optional<std::uint64_t> start;
  for (std::string line; std::getline(lines, line);) {
    if (const auto at = line.find("CHUNK_ITEM "); at != std::string::npos) {
      start = std::stoull(line.substr(at + 11));
    } else if (const auto type = line.find(" type "); start && type != std::string::npos) {
      if (line.find("METADATA", type) != std::string::npos) groups.insert(*start);
      start.reset();
    }
  }
  return groups;
}

// A few thousand small files, whose names and contents all lie in metadata blocks.
// Files small enough to be kept inside the metadata itself; `length` pads each note so that
// there is more metadata to move.
void WriteSmallFiles(const std::string& folder, int count, std::size_t length = 0) {
  for (int i = 0; i < count; ++i) {
    const std::string path = folder + "/note-" + std::to_string(i);
    FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr) << path;
    std::string note = "a short note, number " + std::to_string(i);
    if (note.size() < length) note.resize(length, '.');
    std::fputs(note.c_str(), file);
    std::fclose(file);
  }
  ::sync();
}

}  // namespace

TEST(MetadataRelocationTest, OnlyTheBtrfsMountAskedForIsMovedAndNothingElse) {
  TestFolder t;
  const std::string point = t.makeFolder("disk");
  ScopedMount disk(point, ScopedMount::Kind::BtrfsImage, 128);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const std::string other = t.makeFolder("memory");
  ScopedMount memory(other, ScopedMount::Kind::Tmpfs, 1);
  ASSERT_TRUE(memory.mounted()) << memory.reason();
  const auto here = platform::realFileSystem().info(point);
  ASSERT_TRUE(here);
  ASSERT_EQ(::symlink(point.c_str(), (t.path() + "link").c_str()), 0);

  struct Case {
    const char* what;
    std::string mountPoint;
    std::uint64_t device, mount;
    std::error_code expected;
  };
  const Case cases[] = {
      {"another device expected", point, here->id.device + 1, here->mount,
       platform::FileError::Changed},
      {"another mount expected", point, here->id.device, here->mount + 1,
       platform::FileError::Changed},
      {"reached through a link", t.path() + "link", 0, 0, platform::FileError::Link},
      {"not btrfs", other, 0, 0, std::make_error_code(std::errc::not_supported)},
      {"the mount asked for", point, here->id.device, here->mount, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    platform::RelocationRequest request;
    request.mountPoint = c.mountPoint;
    request.device = c.device;
    request.mount = c.mount;
    EXPECT_EQ(platform::relocateMetadata(request).error(), c.expected);
  }
  // Moved for good: the file system is whole.
  ASSERT_TRUE(disk.unmount());
  EXPECT_EQ(std::system(("btrfs check --readonly '" + disk.image() + "' >/dev/null 2>&1").c_str()),
            0);
}

TEST(MetadataRelocationTest, EveryMetadataBlockGroupIsMovedAlsoWhereDataSharesThem) {
  // A "mixed" file system keeps data and metadata in the same block groups, which the file
  // system moves only together.
  for (const char* options : {"", "--mixed"}) {
    SCOPED_TRACE(*options ? options : "separate metadata");
    TestFolder t;
    ScopedMount disk(t.makeFolder("disk"), ScopedMount::Kind::BtrfsImage, 128, options);
    if (!disk.mounted()) GTEST_SKIP() << disk.reason();
    WriteSmallFiles(disk.point(), 500);
    ASSERT_TRUE(disk.unmount());
    const std::set<std::uint64_t> before = MetadataGroupsOf(disk.image());
    if (before.empty()) GTEST_SKIP() << "btrfs inspect-internal cannot read the image";
    ASSERT_EQ(std::system(("mount -o loop '" + disk.image() + "' '" + disk.point() + "'").c_str()),
              0);

    platform::RelocationRequest request;
    request.mountPoint = disk.point();
    EXPECT_TRUE(platform::relocateMetadata(request));

    ASSERT_EQ(std::system(("umount '" + disk.point() + "'").c_str()), 0);
    const std::set<std::uint64_t> after = MetadataGroupsOf(disk.image());
    EXPECT_FALSE(after.empty());
    for (const std::uint64_t group : after) EXPECT_EQ(before.count(group), 0u) << group;
    EXPECT_EQ(
        std::system(("btrfs check --readonly '" + disk.image() + "' >/dev/null 2>&1").c_str()), 0);
  }
}

TEST(MetadataRelocationTest, AStopDuringTheMoveCancelsItAndTheFileSystemStaysWhole) {
  TestFolder t;
  ScopedMount disk(t.makeFolder("disk"), ScopedMount::Kind::BtrfsImage, 256);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  // Enough metadata that moving it takes many turns of waiting.
  WriteSmallFiles(disk.point(), 3000, 1800);
  platform::RelocationRequest request;
  request.mountPoint = disk.point();
  int asked = 0;
  request.stop = [&asked] { return ++asked > 0; };
  const platform::Status moved = platform::relocateMetadata(request);
  // On an idle machine a move can end within its first turn, before any stop is asked for:
  // then there was nothing to stop.
  if (asked == 0) GTEST_SKIP() << "the move ended before a stop was asked for";
  EXPECT_EQ(moved.error(), std::errc::operation_canceled);
  // Cancelled, not left paused: the next move runs to its end.
  request.stop = {};
  EXPECT_TRUE(platform::relocateMetadata(request));
  ASSERT_TRUE(disk.unmount());
  EXPECT_EQ(std::system(("btrfs check --readonly '" + disk.image() + "' >/dev/null 2>&1").c_str()),
            0);
}
