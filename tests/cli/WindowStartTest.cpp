// The window's program started where no display can be opened, and started for real (on the
// offscreen platform): it is the one that makes the autostart entry follow prefs.dat, and the
// entry it makes starts the window.

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <thread>

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

TEST(WindowStart, TheWindowMakesTheAutostartEntryAndTheEntryStartsTheWindow) {
  TestFolder t;
  const std::string home = t.makeFolder("home");
  t.makeFolder("home/.config/autostart");
  // A portable copy of the window, so that its settings are the test's.
  const std::string window = t.programFolder() + "ferrovane";
  std::error_code linked;
  std::filesystem::create_hard_link(FERROVANE_WINDOW, window, linked);
  if (linked) std::filesystem::copy_file(FERROVANE_WINDOW, window);
  t.write("program/prefs.dat",
          "<Configuration><Options LoadAtStartup=\"True\" StartInSystemTray=\"False\" "
          "AutoCleanAtWindowsStart=\"False\" AutoCleanAtWindowsShutdown=\"False\"/>"
          "</Configuration>");
  CliProcess running(
      t, window, {},
      {"QT_QPA_PLATFORM=offscreen", "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config",
       "XDG_DATA_HOME=" + home + "/data", "XDG_CACHE_HOME=" + home + "/cache"});
  // The entry is made while the window is being built; the window then waits for the user.
  const std::string entry = home + "/.config/autostart/Ferrovane.desktop";
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (readFileBytes(entry).find("Exec=") == std::string::npos &&
         std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  running.signal(SIGTERM);
  running.finish();
  const std::string text = readFileBytes(entry);
  EXPECT_NE(text.find("Exec=" + window + "\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("ferrovane-cli"), std::string::npos) << text;
}
#endif
