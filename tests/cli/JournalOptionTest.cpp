// ferrovane-cli wipe --journal / --no-journal: the choice holds for the run, and a journal that
// could not be cleared is told on standard error without counting as something left behind.

#include <gtest/gtest.h>

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
