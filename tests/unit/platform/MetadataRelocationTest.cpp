// Moving a btrfs file system's metadata, on file systems the test mounts itself: only the mount
// asked for is moved, reached without a link, and any other file system is refused.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/FileSystem.h"
#include "platform/MetadataRelocation.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

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
