// ferrovane-cli wipe --journal / --no-journal: the choice holds for the run, and a journal that
// could not be cleared is told on standard error: as a note where it keeps no names, as something
// left behind where it does.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "CliProcess.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

TEST(JournalOption, TheChoiceHoldsForTheRunAndANoteLeavesTheStatusAlone) {
  TestFolder t;
  const std::string cli = PortableCli(t);
  const std::string point = t.makeFolder("ram");
  // A file system without a journal of its own: the note is certain and nothing real is touched.
  ScopedMount ram(point, ScopedMount::Kind::Tmpfs, 4);
  if (!ram.mounted()) GTEST_SKIP() << ram.reason();
  const std::string note = "not an ext4 or XFS file system";
  struct Case {
    const char* flag;
    bool noted;
  };
  for (const Case& c : {Case{"--journal", true}, Case{"--no-journal", false}}) {
    SCOPED_TRACE(c.flag);
    const std::string file = t.write(std::string("ram/") + c.flag, "content");
    const CliResult result = RunCli(t, cli, {"wipe", "-m", "02-zeros", c.flag, file});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_FALSE(pathExists(file));
    EXPECT_EQ(result.err.find(note) != std::string::npos, c.noted) << result.err;
  }
}

// On a full XFS the log cannot be cycled (no room for the scratch files): the names of what the
// run deleted stay in the log, so the run is incomplete and says where; the scratch folder it
// began is gone under every name.
TEST(JournalOption, AnXfsLogThatCouldNotBeCycledMakesTheRunIncompleteAndLeavesNoScratchFolder) {
  TestFolder t;
  const std::string cli = PortableCli(t);
  const std::string point = t.makeFolder("disk");
  ScopedMount disk(point, ScopedMount::Kind::XfsImage, "64m");
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  const std::string file = t.write("disk/docs/minutes.txt", "minutes of the board");
  // Every block taken, and the inodes the file system had made with them.
  std::system(("dd if=/dev/zero of='" + point + "/filler' bs=1M >/dev/null 2>&1").c_str());
  for (int i = 0; std::FILE* made = std::fopen((point + "/i" + std::to_string(i)).c_str(), "w");
       ++i) {
    std::fclose(made);
  }
  const CliResult result = RunCli(t, cli, {"wipe", "-m", "02-zeros", "--", file});
  EXPECT_FALSE(pathExists(file));
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_NE(result.err.find("names of wiped files remain: in the file system's journal, which "
                            "could not be cleared"),
            std::string::npos)
      << result.err;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(point)) {
    EXPECT_EQ(entry.path().filename().string().rfind(".ferrovane-journal-", 0), std::string::npos)
        << entry.path();
  }
}
