// The administrator wipes a file in another user's folder on XFS, whose log is then cycled with
// scratch files in a scratch folder made there. That user plants a folder and a link named as
// scratch folders before the run, and, while the cycle runs, renames the scratch folder and puts
// a folder of their own under its name. Nothing they made is touched; the run says so and exits 1.

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "CliProcess.h"
#include "platform/Journal.h"
#include "support/DropPrivileges.h"
#include "support/ScopedMount.h"
#include "support/ScopedReachableFolder.h"
#include "support/TestFolder.h"

namespace fsys = std::filesystem;

namespace {

const std::string kPlantedBefore = ".ferrovane-journal-000000000000";
const std::string kLinkedBefore = ".ferrovane-journal-111111111111";

// In a child as nobody: waits for a scratch folder of the run in `home`, renames it and puts an
// empty folder of its own under the name. Exits 0 once done.
pid_t WatchAndPlant(const std::string& home) {
  const pid_t child = ::fork();
  if (child != 0) return child;
  if (!DropToNobody()) std::_Exit(2);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < end) {
    DIR* folder = ::opendir(home.c_str());
    if (!folder) std::_Exit(3);
    std::string found;
    while (const dirent* entry = ::readdir(folder)) {
      const std::string name = entry->d_name;
      if (platform::isScratchFolderName(name) && name != kPlantedBefore && name != kLinkedBefore)
        found = name;
    }
    ::closedir(folder);
    if (!found.empty()) {
      const std::string at = home + found;
      if (::rename(at.c_str(), (home + "moved").c_str()) != 0 || ::mkdir(at.c_str(), 0755) != 0)
        std::_Exit(4);
      {
        std::ofstream told(home + "planted-name");
        told << found;
      }
      std::_Exit(0);
    }
  }
  std::_Exit(5);
}

}  // namespace

TEST(ScratchFolderPlant, NothingPlantedUnderAScratchNameIsTouchedAndTheRunExitsOne) {
  TestFolder t;
  const std::string cli = PortableCli(t);
  fsys::permissions(t.path(),
                    fsys::perms::owner_all | fsys::perms::group_exec | fsys::perms::others_exec);
  const std::string point = t.makeFolder("disk");
  // A log large enough that the cycle lasts while the other user looks.
  ScopedMount disk(point, ScopedMount::Kind::XfsImage, 200, "-l size=32m");
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const ScopedReachableFolder reach(t.path());
  ASSERT_TRUE(reach.reachable()) << reach.reason();
  fsys::permissions(point,
                    fsys::perms::owner_all | fsys::perms::group_exec | fsys::perms::others_exec);
  // The other user's home, with what they made in it before the run.
  const std::string home = point + "/home/";
  fsys::create_directories(home + "victim");
  std::ofstream(home + "victim/keep") << "theirs";
  // A folder of theirs the administrator wipes whole: nothing else of the run's stays behind.
  const std::string file = t.write("disk/home/board/minutes.txt", "minutes of the board");
  ASSERT_EQ(::mkdir((home + kPlantedBefore).c_str(), 0755), 0);
  ASSERT_EQ(::symlink((home + "victim").c_str(), (home + kLinkedBefore).c_str()), 0);
  for (const auto& entry : fsys::recursive_directory_iterator(home)) {
    ASSERT_EQ(::lchown(entry.path().c_str(), 65534, 65534), 0);
  }
  ASSERT_EQ(::chown(home.c_str(), 65534, 65534), 0);

  const pid_t watcher = WatchAndPlant(home);
  ASSERT_GT(watcher, 0);
  const CliResult result =
      RunCli(t, cli, {"wipe", "-m", "02-zeros", "-r", "--free-space-after", "--", home + "board"});
  int status = 0;
  if (::waitpid(watcher, &status, WNOHANG) != watcher) {
    ::kill(watcher, SIGKILL);
    ::waitpid(watcher, &status, 0);
  }
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "the scratch folder was not seen: " << result.err;
  std::string planted;
  std::ifstream(home + "planted-name") >> planted;
  ASSERT_TRUE(platform::isScratchFolderName(planted)) << planted;

  EXPECT_FALSE(pathExists(home + "board"));
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_NE(result.err.find("was not touched"), std::string::npos) << result.err;
  // Everything of the other user's is as they made it.
  EXPECT_TRUE(fsys::is_directory(fsys::symlink_status(home + kPlantedBefore)));
  EXPECT_TRUE(fsys::is_symlink(home + kLinkedBefore));
  EXPECT_TRUE(fsys::exists(home + "victim/keep"));
  EXPECT_TRUE(fsys::is_directory(fsys::symlink_status(home + planted)));
  EXPECT_TRUE(fsys::is_empty(home + planted));
}
