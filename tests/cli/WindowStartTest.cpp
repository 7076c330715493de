// The window's program started where no display can be opened.

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "support/TestFolder.h"

#ifdef FERROVANE_WINDOW
TEST(WindowStart, WithoutADisplayItSaysSoInOneLineAndEndsWithStatusOne) {
  TestFolder t;
  const std::vector<std::vector<std::string>> environments = {
      {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},      // nothing names a display
      {"DISPLAY=:97", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},  // one that cannot be opened
  };
  for (const auto& environment : environments) {
    const CliResult result = RunCli(t, FERROVANE_WINDOW, {}, environment);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "ferrovane: no display can be opened; without a window, use ferrovane-cli (see "
              "ferrovane-cli --help)\n");
  }
}
#endif
