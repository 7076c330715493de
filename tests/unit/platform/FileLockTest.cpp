#include "platform/FileLock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/TestFolder.h"

TEST(FileLock, TheLockFileLiesBesideTheFileIsOpenToAllAndIsNeverReachedThroughALink) {
  TestFolder t;
  const std::string settings = t.write("settings/Ferrovane.ini", "[Settings]\n");
  const std::string lockFile = t / "settings/.Ferrovane.ini.lock";
  EXPECT_EQ(platform::FileLock::lockFileOf(settings), lockFile);
  {
    // Made under a strict umask, it still serves every user whose program changes the file.
    const mode_t before = ::umask(077);
    auto lock = platform::FileLock::acquire(settings);
    ::umask(before);
    ASSERT_TRUE(lock) << lock.error().message();
    EXPECT_TRUE(lock->held());
    struct stat st {};
    ASSERT_EQ(::stat(lockFile.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0644, 0644u);
  }
  // Taken again once released (the file stays).
  EXPECT_TRUE(platform::FileLock::acquire(settings));

  // A link planted in its place is not followed: nothing is made where it points.
  const std::string planted = t / "elsewhere/made-by-the-lock";
  t.makeFolder("elsewhere");
  const std::string other = t.write("other/Ferrovane.ini", "");
  std::filesystem::create_symlink(planted, t / "other/.Ferrovane.ini.lock");
  EXPECT_FALSE(platform::FileLock::acquire(other));
  EXPECT_FALSE(pathExists(planted));

  // No folder, no lock, and the reason says so.
  const auto missing = platform::FileLock::acquire(t / "missing/Ferrovane.ini");
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error(), std::errc::no_such_file_or_directory);
}
