// Another user renames the journal clearing's scratch folder while the clearing runs, in a folder
// they may write, and puts a folder or a link of their own under its name. The clearing empties
// and removes its own folder through the descriptor it holds, touches nothing of theirs, says
// what happened and where its folder went, and does not count as done. As the administrator
// (the other user is nobody) and as nobody (the other user is the administrator), on file systems
// the test mounts.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Journal.h"
#include "platform/posix/ScratchFolder.h"
#include "support/DropPrivileges.h"
#include "support/ScopedMount.h"
#include "support/ScopedReachableFolder.h"
#include "support/TestFolder.h"

using namespace platform;
namespace fsys = std::filesystem;

namespace {

// Named as scratch folders, made by the other user before the run.
const std::string kPlantedBefore = ".ferrovane-journal-000000000000";
const std::string kLinkedBefore = ".ferrovane-journal-111111111111";

// What the other user does to the scratch folder `name` in `work`; true when it could.
using Act = std::function<bool(const std::string& work, const std::string& name)>;

bool Plant(const std::string& work, const std::string& name, bool link) {
  const std::string at = work + name;
  return ::rename(at.c_str(), (work + "moved").c_str()) == 0 &&
         (link ? ::symlink((work + "victim").c_str(), at.c_str()) : ::mkdir(at.c_str(), 0755)) == 0;
}

struct Case {
  const char* what;
  bool whileMaking;  // at the moment the folder is made, before it is opened; else mid-run
  Act act;
  // Words the outcome must hold; "{moved}" stands for the folder's path after the move.
  std::vector<std::string> said;
  bool plantedFolder;  // a folder of the other user's is under the name afterwards
  bool plantedLink;    // a link of theirs is
  const char* stays;   // where the program's own folder stays (relative to work), or null
  bool asUserOnly;     // the move needs the administrator as the other user
};

const Case kCases[] = {
    {"renamed, a folder put under its name",
     false,
     [](const std::string& w, const std::string& n) { return Plant(w, n, false); },
     {"was moved by another process", "not the program's and was not touched",
      "removed under its new name \"moved\""},
     true,
     false,
     nullptr,
     false},
    {"renamed, a link put under its name",
     false,
     [](const std::string& w, const std::string& n) { return Plant(w, n, true); },
     {"was moved by another process", "not the program's and was not touched",
      "removed under its new name \"moved\""},
     false,
     true,
     nullptr,
     false},
    {"moved into another folder",
     false,
     [](const std::string& w, const std::string& n) {
       return ::rename((w + n).c_str(), (w + "elsewhere/moved").c_str()) == 0;
     },
     {"was moved by another process", "stays at \"{moved}\", empty"},
     false,
     false,
     "elsewhere/moved",
     true},
    {"swapped for a folder of theirs before it was opened",
     true,
     [](const std::string& w, const std::string& n) { return Plant(w, n, false); },
     {"the scratch folder could not be made", "could not be opened after it was made",
      "what is named so was not touched"},
     true,
     false,
     "moved",
     false},
};

struct Cleared {
  bool acted = false;
  int result = -1;
  std::string detail;
};

bool WriteAll(int fd, const std::string& text) {
  return ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

std::string ReadAll(int fd) {
  std::string text;
  char buffer[512];
  ssize_t n = 0;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, n);
  return text;
}

// The other user's act, in a process of theirs: nobody's in a child, the administrator's here.
bool ActAsOther(bool runAsNobody, const Act& act, const std::string& work,
                const std::string& name) {
  if (runAsNobody) return act(work, name);
  const pid_t stranger = ::fork();
  if (stranger == 0) std::_Exit(DropToNobody() && act(work, name) ? 0 : 1);
  int status = 0;
  return ::waitpid(stranger, &status, 0) == stranger && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

// Clears the journal through `work` in a child (as nobody when asked); at the moment the case
// names, the child hands the scratch folder's name over and waits while the other user acts.
Cleared ClearWithStranger(const std::string& work, bool asNobody, const Case& c) {
  int toTest[2];
  int toRun[2];
  if (::pipe(toTest) != 0 || ::pipe(toRun) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(toTest[0]);
    ::close(toRun[1]);
    if (asNobody && !DropToNobody()) std::_Exit(2);
    bool handed = false;
    const auto handOver = [&](const std::string& name) {
      handed = true;
      char done = 0;
      if (!WriteAll(toTest[1], name + "\n") || ::read(toRun[0], &done, 1) != 1) std::_Exit(3);
    };
    const auto current = [&] {
      for (const auto& entry : fsys::directory_iterator(work)) {
        const std::string name = entry.path().filename().string();
        if (isScratchFolderName(name) && name != kPlantedBefore && name != kLinkedBefore)
          return name;
      }
      return std::string();
    };
    journal::ScopedScratchFolderMade hook([&](int, const std::string& name) {
      if (c.whileMaking) handOver(name);
    });
    int asked = 0;
    JournalRequest request;
    request.folder = work;
    request.way = JournalWay::Rewrite;
    request.stop = [&] {
      if (!c.whileMaking && !handed && ++asked == 3) handOver(current());
      return false;
    };
    const JournalOutcome outcome = journals().clean(request);
    WriteAll(toTest[1],
             "=" + std::to_string(static_cast<int>(outcome.result)) + " " + outcome.detail);
    std::_Exit(0);
  }
  ::close(toTest[1]);
  ::close(toRun[0]);
  Cleared run;
  std::string text;
  char letter = 0;
  while (::read(toTest[0], &letter, 1) == 1 && letter != '\n' && letter != '=') text += letter;
  if (letter == '\n') {
    run.acted = ActAsOther(asNobody, c.act, work, text);
    WriteAll(toRun[1], "x");
    if (::read(toTest[0], &letter, 1) != 1) letter = 0;
  }
  ::close(toRun[1]);
  const std::string rest = ReadAll(toTest[0]);
  ::close(toTest[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (letter == '=' && WIFEXITED(status) && WEXITSTATUS(status) == 0) {
    const std::size_t space = rest.find(' ');
    run.result = std::atoi(rest.substr(0, space).c_str());
    run.detail = space == std::string::npos ? "" : rest.substr(space + 1);
  }
  return run;
}

struct Where {
  const char* name;
  ScopedMount::Kind kind;
  const char* mkfsOptions;
  bool asNobody;
  friend void PrintTo(const Where& w, std::ostream* out) { *out << w.name; }
};

struct ScratchFolderSwapTest : ::testing::TestWithParam<Where> {};

}  // namespace

TEST_P(ScratchFolderSwapTest, NothingOfTheOtherUsersIsTouchedAndTheRunSaysWhereItsFolderWent) {
  const Where& where = GetParam();
  TestFolder t;
  fsys::permissions(t.path(),
                    fsys::perms::owner_all | fsys::perms::others_exec | fsys::perms::group_exec);
  ScopedMount mount(t.makeFolder("mnt"), where.kind,
                    where.kind == ScopedMount::Kind::XfsImage ? 160 : 64, where.mkfsOptions);
  if (!mount.mounted()) GTEST_SKIP() << "no image could be mounted here: " << mount.reason();
  const ScopedReachableFolder reach(t.path());
  ASSERT_TRUE(reach.reachable()) << reach.reason();
  fsys::permissions(mount.point(), fsys::perms::all);

  int index = 0;
  for (const Case& c : kCases) {
    if (c.asUserOnly && !where.asNobody) continue;
    SCOPED_TRACE(c.what);
    // A folder both users may write in, without the sticky bit: either may rename there.
    const std::string work = mount.point() + "/work" + std::to_string(index++) + "/";
    fsys::create_directories(work + "victim");
    fsys::create_directories(work + "elsewhere");
    std::ofstream(work + "victim/keep") << "theirs";
    for (const char* folder : {"", "victim", "elsewhere"})
      fsys::permissions(work + folder, fsys::perms::all);
    ASSERT_TRUE(ActAsOther(where.asNobody,
                           [](const std::string& w, const std::string&) {
                             return ::mkdir((w + kPlantedBefore).c_str(), 0755) == 0 &&
                                    ::symlink((w + "victim").c_str(),
                                              (w + kLinkedBefore).c_str()) == 0;
                           },
                           work, {}));

    const Cleared run = ClearWithStranger(work, where.asNobody, c);
    ASSERT_TRUE(run.acted) << run.detail;
    EXPECT_EQ(run.result, static_cast<int>(JournalResult::Failed));
    for (std::string words : c.said) {
      if (const auto at = words.find("{moved}"); at != std::string::npos)
        words.replace(at, 7, work + (c.stays ? c.stays : ""));
      EXPECT_NE(run.detail.find(words), std::string::npos) << run.detail << "\nlacks: " << words;
    }

    // What the other user made is as they made it.
    EXPECT_TRUE(fsys::is_directory(work + kPlantedBefore));
    EXPECT_TRUE(fsys::is_symlink(work + kLinkedBefore));
    EXPECT_TRUE(fsys::exists(work + "victim/keep"));
    std::string planted;
    for (const auto& entry : fsys::directory_iterator(work)) {
      const std::string name = entry.path().filename().string();
      if (isScratchFolderName(name) && name != kPlantedBefore && name != kLinkedBefore) {
        planted = name;
      }
    }
    const fsys::path at = work + planted;
    EXPECT_EQ(!planted.empty() && fsys::is_directory(fsys::symlink_status(at)), c.plantedFolder);
    EXPECT_EQ(!planted.empty() && fsys::is_symlink(at), c.plantedLink);
    if (c.plantedFolder) {
      EXPECT_TRUE(fsys::is_empty(at));
    }
    // The program's own folder is gone, or empty where the outcome says it stays.
    if (c.stays) {
      EXPECT_TRUE(fsys::is_directory(work + c.stays));
      EXPECT_TRUE(fsys::is_empty(work + c.stays));
    } else {
      EXPECT_FALSE(fsys::exists(fsys::symlink_status(work + "moved")));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScratchFolderSwapTest,
    ::testing::Values(Where{"ext4_administrator", ScopedMount::Kind::Ext4Image, "-J size=4", false},
                      Where{"ext4_nobody", ScopedMount::Kind::Ext4Image, "-J size=4", true},
                      Where{"xfs_administrator", ScopedMount::Kind::XfsImage, "-l size=10m",
                            false}),
    [](const ::testing::TestParamInfo<Where>& info) { return std::string(info.param.name); });
