// The mount helper every test with a file system of its own goes through: it lets a test go on
// only on the file system it mounted, with its work folder made there, and otherwise says why.

#include "support/MountOrSkip.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Journal.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

TEST(MountOrSkip, AMountThatFailedGivesItsOwnReason) {
  TestFolder t;
  // No folder to mount on: the mount fails with a reason of its own.
  const ScopedMount mount(t.path() + "missing", ScopedMount::Kind::Tmpfs, "1m");
  ASSERT_FALSE(mount.mounted());
  const std::string problem = MountProblem(mount, t.path() + "missing/work");
  EXPECT_NE(problem.find(mount.reason()), std::string::npos) << problem;
  EXPECT_FALSE(problem.empty());
}

TEST(MountOrSkip, TheWorkFolderIsMadeOnTheMountedFileSystemOrTheTestIsToldWhyNot) {
  TestFolder t;
  const ScopedMount mount(t.makeFolder("mnt"), ScopedMount::Kind::Tmpfs, "1m");
  MOUNT_OR_SKIP(mount.mounted() ? std::string() : mount.reason());
  EXPECT_EQ(MountProblem(mount, mount.point() + "/work"), "");
  EXPECT_TRUE(std::filesystem::is_directory(mount.point() + "/work"));
  EXPECT_NE(platform::journals().volumeOf(mount.point() + "/work"),
            platform::journals().volumeOf(t.path()));

  const std::string problem = MountProblem(mount, mount.point() + "/no/such/work");
  EXPECT_NE(problem.find("/no/such/work"), std::string::npos) << problem;
}
