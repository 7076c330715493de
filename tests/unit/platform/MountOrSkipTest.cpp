// The mount helper every test with a file system of its own goes through: it lets a test go on
// only on the file system it mounted, with its work folder made there, and otherwise says why.

#include "support/MountOrSkip.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

TEST(MountOrSkip, AMountThatDidNotTakeStopsTheTestBeforeItWritesOnTheHoldersDisk) {
  TestFolder t;
  const ScopedMount mount(t.makeFolder("mnt"), ScopedMount::Kind::Tmpfs, "1m");
  MOUNT_OR_SKIP(mount.mounted() ? std::string() : mount.reason());
  // Taken away behind the mount's back: its point is a folder of the holder's file system again.
  ASSERT_EQ(std::system(("umount '" + mount.point() + "' >/dev/null 2>&1").c_str()), 0);
  const std::string work = mount.point() + "/work";
  EXPECT_EQ(MountProblem(mount, work), "nothing new is mounted at " + mount.point());
  EXPECT_FALSE(std::filesystem::exists(work));
  // With no work folder the test would work at the point itself: the same answer.
  EXPECT_EQ(MountProblem(mount, {}), "nothing new is mounted at " + mount.point());
}
