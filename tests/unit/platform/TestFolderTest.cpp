// The test folders clean up after a test program that crashed: the next program removes what
// the dead one left, and never a folder whose program still runs.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "support/TestFolder.h"

namespace {

// A child process with a test folder of its own, kept until it is released. With `crash`, it then
// ends without its destructors, as a crashed test program does. It lives until the test has seen
// its folder, so another test program cleaning up meanwhile cannot take the folder first.
class FolderOwner {
 public:
  explicit FolderOwner(bool crash) {
    int ready[2];
    int release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      ::close(release[1]);
      {
        TestFolder own;
        own.write("left/behind.txt", "x");
        const std::string& path = own.path();
        if (::write(ready[1], path.data(), path.size()) < 0) ::_exit(0);
        char byte = 0;
        while (::read(release[0], &byte, 1) > 0) {
        }
        if (crash) ::_exit(0);
      }
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    char buffer[512];
    const ssize_t got = ::read(ready[0], buffer, sizeof buffer);
    if (got > 0) path_.assign(buffer, static_cast<std::size_t>(got));
    ::close(ready[0]);
    release_ = release[1];
  }
  ~FolderOwner() { release(); }
  // Lets the child end, and waits for it.
  void release() {
    if (release_ >= 0) ::close(release_);
    release_ = -1;
    if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  const std::string& path() const { return path_; }

 private:
  pid_t pid_ = -1;
  int release_ = -1;
  std::string path_;
};

}  // namespace

TEST(TestFolder, TheFoldersOfACrashedProgramGoAtTheNextStartAndLiveOnesStay) {
  TestFolder mine;
  // The live owner comes first: a child started later holds the earlier ones' ends of their pipes.
  const FolderOwner running(false);
  FolderOwner crashed(true);
  ASSERT_FALSE(crashed.path().empty());
  ASSERT_FALSE(running.path().empty());
  ASSERT_TRUE(pathExists(crashed.path() + "left/behind.txt"));
  crashed.release();

  // Another test program starting at this moment sweeps too, and may hold the crashed folder's
  // lock while it removes the folder: this sweep then passes over it, and the folder goes a
  // moment later. A live owner's folder would stay however long one looked.
  TestFolder::removeLeftovers();
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  const std::string lockFile = crashed.path().substr(0, crashed.path().size() - 1) + ".lock";
  while ((pathExists(crashed.path()) || pathExists(lockFile)) &&
         std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    TestFolder::removeLeftovers();
  }
  EXPECT_FALSE(pathExists(crashed.path()));
  EXPECT_FALSE(pathExists(lockFile));
  EXPECT_TRUE(pathExists(running.path() + "left/behind.txt"));
  EXPECT_TRUE(pathExists(mine.path()));
}
