// ferrovane-cli clean on a home of the test's own: a preview removes nothing and names what the
// clean then removes; items are chosen by number or name, and a word that names none is a usage
// error that touches nothing.

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "support/TestFolder.h"

namespace {

struct Clean : ::testing::Test {
  TestFolder t;
  std::string cli = PortableCli(t);
  std::string home = t.makeFolder("home");
  std::string recent =
      t.write("home/.local/share/RecentDocuments/report.odt.desktop", "[Desktop Entry]\n");
  std::string kept = t.write("home/.local/share/kept.txt", "not a trace");

  CliResult run(const std::vector<std::string>& args) {
    return RunCli(t, cli, args,
                  {"HOME=" + home, "XDG_DATA_HOME=" + home + "/.local/share",
                   "XDG_CONFIG_HOME=" + home + "/.config", "XDG_CACHE_HOME=" + home + "/.cache",
                   "TMPDIR=" + t.makeFolder("tmp")});
  }
};

}  // namespace

TEST_F(Clean, APreviewNamesWhatTheCleanThenRemoves) {
  const CliResult preview = run({"clean", "--preview", "1"});
  EXPECT_EQ(preview.status, 0) << preview.err;
  EXPECT_NE(preview.out.find("/.local/share/RecentDocuments"), std::string::npos) << preview.out;
  EXPECT_TRUE(pathExists(recent));
  const CliResult dryRun = run({"-n", "clean", "1"});
  EXPECT_EQ(dryRun.out, preview.out);
  EXPECT_TRUE(pathExists(recent));

  const CliResult clean = run({"clean", "1"});
  EXPECT_EQ(clean.status, 0) << clean.err;
  EXPECT_FALSE(pathExists(recent));
  EXPECT_EQ(readFileBytes(kept), "not a trace");
}

TEST_F(Clean, AWordThatNamesNoItemIsAUsageErrorAndNothingIsRemoved) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"clean", "1", "0"},
                                               {"clean", "36", "1"},
                                               {"clean", "no-such-item", "1"}}) {
    const CliResult result = run(args);
    EXPECT_EQ(result.status, 2) << args.back();
    EXPECT_NE(result.err.find("no trace item is named"), std::string::npos) << result.err;
    EXPECT_TRUE(pathExists(recent));
  }
}
