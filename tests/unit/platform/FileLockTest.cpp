#include "platform/FileLock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/Signals.h"
#include "support/DropPrivileges.h"
#include "support/ScopedReachableFolder.h"
#include "support/TestFolder.h"

namespace {

mode_t modeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

}  // namespace

TEST(FileLock, TheLockFileLiesBesideTheFileIsTheUsersAloneAndIsNeverReachedThroughALink) {
  TestFolder t;
  const std::string settings = t.write("settings/Ferrovane.ini", "[Settings]\n");
  const std::string lockFile = t / "settings/.Ferrovane.ini.lock";
  EXPECT_EQ(platform::FileLock::lockFileOf(settings), lockFile);
  {
    // Made under a permissive umask, it is still the user's alone.
    const mode_t before = ::umask(0);
    auto lock = platform::FileLock::acquire(settings);
    ::umask(before);
    ASSERT_TRUE(lock) << lock.error().message();
    EXPECT_TRUE(lock->held());
    EXPECT_EQ(modeOf(lockFile), 0600u);
  }
  // Taken again once released (the file stays); one an earlier version left open to others is
  // closed to them.
  ASSERT_EQ(::chmod(lockFile.c_str(), 0644), 0);
  EXPECT_TRUE(platform::FileLock::acquire(settings));
  EXPECT_EQ(modeOf(lockFile), 0600u);

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

// No other user can hold the lock: the lock file cannot be opened by anyone else, and a lock
// file another user made is not used.
TEST(FileLock, NoOtherUserCanHoldTheLock) {
  if (::geteuid() != 0) GTEST_SKIP() << "another user needs root to play";
  TestFolder t;
  // A folder every user may reach, whatever the temporary folder above the test's lets them do.
  const std::string open = t.makeFolder("open");
  ASSERT_EQ(::chmod(t.path().c_str(), 0711), 0);
  ASSERT_EQ(::chmod(open.c_str(), 0755), 0);
  const ScopedReachableFolder reach(t.path());
  ASSERT_TRUE(reach.reachable()) << reach.reason();
  const std::string settings = t.write("open/Ferrovane.ini", "[Settings]\n");
  ASSERT_TRUE(platform::FileLock::acquire(settings));
  const std::string lockFile = platform::FileLock::lockFileOf(settings);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (!DropToNobody()) std::_Exit(10);
    // Reached, but not opened: nothing to hold the lock on.
    if (::access(settings.c_str(), R_OK) != 0) std::_Exit(11);
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    std::_Exit(fd < 0 && errno == EACCES ? 0 : 12);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  EXPECT_EQ(code, 0);

  // A lock file that belongs to another user is refused at once, without waiting.
  ASSERT_EQ(::chown(lockFile.c_str(), 65534, 65534), 0);
  const auto start = std::chrono::steady_clock::now();
  const auto refused = platform::FileLock::acquire(settings);
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error(), platform::FileError::NotOwn);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_FALSE(platform::FileLock::isHeld(settings));
}

// Waiting for a lock another process keeps ends: after the wait, or at once with a stop signal.
TEST(FileLock, AWaitForALockAnotherProcessKeepsEndsAfterTheWaitOrAtAStopSignal) {
  TestFolder t;
  const std::string settings = t.write("Ferrovane.ini", "");
  const std::string lockFile = platform::FileLock::lockFileOf(settings);
  ASSERT_TRUE(platform::FileLock::acquire(settings));  // makes the lock file
  // Another process keeps the lock for two seconds.
  const pid_t holder = ::fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::flock(fd, LOCK_EX) != 0) std::_Exit(1);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    std::_Exit(0);
  }
  while (!platform::FileLock::isHeld(settings)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  auto start = std::chrono::steady_clock::now();
  const auto gaveUp = platform::FileLock::acquire(settings, std::chrono::milliseconds(300));
  const auto waited = std::chrono::steady_clock::now() - start;
  ASSERT_FALSE(gaveUp);
  EXPECT_TRUE(platform::FileLock::isLockedError(gaveUp.error())) << gaveUp.error().message();
  EXPECT_GE(waited, std::chrono::milliseconds(300));
  EXPECT_LT(waited, std::chrono::milliseconds(1500));

  // A stop signal while waiting much longer: the wait ends at once.
  EXPECT_EXIT(
      {
        platform::catchStopSignals();
        std::thread([] {
          std::this_thread::sleep_for(std::chrono::milliseconds(200));
          ::kill(::getpid(), SIGTERM);
        }).detach();
        const auto begun = std::chrono::steady_clock::now();
        const auto stopped = platform::FileLock::acquire(settings, std::chrono::seconds(20));
        const bool atOnce = std::chrono::steady_clock::now() - begun < std::chrono::seconds(1);
        std::_Exit(!stopped && stopped.error() == std::errc::operation_canceled && atOnce ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");

  int status = 0;
  ASSERT_EQ(::waitpid(holder, &status, 0), holder);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  // Given up by its holder, the lock is taken.
  EXPECT_FALSE(platform::FileLock::isHeld(settings));
  EXPECT_TRUE(platform::FileLock::acquire(settings, std::chrono::milliseconds(0)));
}
