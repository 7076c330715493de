// A run of ferrovane-cli stopped by a signal, and its progress on a terminal.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "CliProcess.h"
#include "support/TestFolder.h"

namespace fsys = std::filesystem;

namespace {

struct RunStop : ::testing::Test {
  TestFolder t;
  std::string cli = PortableCli(t);

  // A file of `mebibytes` zero bytes.
  std::string large(const std::string& name, unsigned mebibytes) {
    const std::string path = t / name;
    fsys::resize_file(t.write(name, ""), std::uintmax_t{mebibytes} << 20);
    return path;
  }
};

}  // namespace

TEST_F(RunStop, AnInterruptOrATerminationStopsAfterTheCurrentBlockAndNamesWhatWasLeft) {
  const struct {
    int signal;
    int status;
  } cases[] = {{SIGINT, 130}, {SIGTERM, 143}};
  for (const auto& c : cases) {
    const std::string big = large("big", 64);
    const std::string next = t.write("next", "not reached");
    // 35 passes over 64 MiB, each forced to the device: the run is still on the first file
    // when the signal comes.
    CliProcess run(t, cli, {"wipe", "-v", "-m", "05-gutmann", big, next});
    ASSERT_TRUE(run.waitForError(big + "\n"));
    run.signal(c.signal);
    const CliResult result = run.finish();
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(fsys::file_size(big), 64u << 20);
    EXPECT_EQ(readFileBytes(next), "not reached");
    EXPECT_NE(result.err.find("ferrovane-cli: " + big +
                              ": left under its own name, not completely overwritten"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("ferrovane-cli: " + next + ": not reached"), std::string::npos);
    fsys::remove(big);
    fsys::remove(next);
  }
}

TEST_F(RunStop, TheProgressLineIsShownOnATerminalOnly) {
  // Each pass is drawn when it starts, so the line shows it however fast the run goes.
  const std::string file = large("file", 4);
  CliProcess onTerminal(t, cli, {"wipe", "-m", "03-dod-5220-22-m", file}, {}, true);
  const CliResult shown = onTerminal.finish();
  EXPECT_EQ(shown.status, 0);
  EXPECT_NE(shown.err.find("\r" + file), std::string::npos) << shown.err;
  EXPECT_NE(shown.err.find("  pass "), std::string::npos);
  EXPECT_NE(shown.err.find(" of 3  "), std::string::npos);
  EXPECT_NE(shown.err.find("%"), std::string::npos);
  // The line goes when the run ends, and no line is longer than the terminal is wide.
  EXPECT_EQ(shown.err.substr(shown.err.size() - 4), "\r\x1b[K");
  std::size_t start = 0;
  for (std::size_t at; (at = shown.err.find('\r', start)) != std::string::npos; start = at + 1) {
    const std::size_t end = shown.err.find_first_of("\r\x1b", at + 1);
    EXPECT_LT((end == std::string::npos ? shown.err.size() : end) - at - 1, 100u);
  }

  const std::string quiet = large("quiet", 8);
  CliProcess quietOnTerminal(t, cli, {"-q", "wipe", quiet}, {}, true);
  EXPECT_EQ(quietOnTerminal.finish().err, "");
}
