// ferrovane-cli and the files the user keeps: looking changes nothing (the autostart entry
// stays as it is), a file that is there but cannot be read is named and left as it is,
// processes recording settings at the same time keep each other's changes, and a process that
// keeps the lock holds no change up for long.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <thread>

#include "CliProcess.h"
#include "platform/FileLock.h"
#include "support/TestFolder.h"

namespace {

struct StoredFiles : ::testing::Test {
  TestFolder t;
  std::string cli = PortableCli(t);
  std::string home = t.makeFolder("home");
  std::string settings = t.programFolder() + "Ferrovane.ini";
  std::string prefs = t.programFolder() + "prefs.dat";
  std::string recent =
      t.write("home/.local/share/RecentDocuments/report.odt.desktop", "[Desktop Entry]\n");

  std::vector<std::string> environment() {
    return {"HOME=" + home, "XDG_DATA_HOME=" + home + "/.local/share",
            "XDG_CONFIG_HOME=" + home + "/.config", "XDG_CACHE_HOME=" + home + "/.cache",
            "TMPDIR=" + t.makeFolder("tmp")};
  }
  CliResult run(const std::vector<std::string>& args) {
    return RunCli(t, cli, args, environment());
  }
  // Every file of the folder with its contents, to compare before and after.
  static std::vector<std::pair<std::string, std::string>> contents(const std::string& folder) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      files.emplace_back(entry.path().filename().string(), readFileBytes(entry.path().string()));
    }
    std::sort(files.begin(), files.end());
    return files;
  }
};

}  // namespace

TEST_F(StoredFiles, LookingNeverChangesTheAutostartEntry) {
  const std::string autostart = t.makeFolder("home/.config/autostart");
  for (const char* option : {"True", "False"}) {
    SCOPED_TRACE(option);
    // The user's own entry of that name, and another program's.
    t.write("home/.config/autostart/Ferrovane.desktop", "[Desktop Entry]\nExec=mine\n");
    t.write("home/.config/autostart/other.desktop", "[Desktop Entry]\nExec=other\n");
    t.write("program/prefs.dat",
            std::string("<Configuration><Options LoadAtStartup=\"") + option +
                "\" StartInSystemTray=\"False\" AutoCleanAtWindowsStart=\"False\" "
                "AutoCleanAtWindowsShutdown=\"False\"/></Configuration>");
    const auto before = contents(autostart);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"clean", "--preview", "1"},
          {"-n", "clean", "1"},
          {"clean", "1"},
          {"methods"}}) {
      const CliResult result = run(args);
      EXPECT_EQ(result.status, 0) << args[0] << ": " << result.err;
      EXPECT_EQ(contents(autostart), before) << args[0];
    }
    std::filesystem::remove(t / "home/.config/autostart/Ferrovane.desktop");
    EXPECT_EQ(run({"clean", "--preview", "1"}).status, 0);
    EXPECT_FALSE(pathExists(t / "home/.config/autostart/Ferrovane.desktop"));
  }
}

TEST_F(StoredFiles, AFileThatCannotBeReadIsNamedTheRunSaysSoAndTheFileStaysAsItIs) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string file;      // the damaged file
    std::string contents;  // what it holds
    std::string message;   // what the command line says of it
  };
  const std::string store = home + "/.config/ferrovane/registry.reg";
  const std::string validStore =
      "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
      "RunMRU]\n\"a\"=\"secret command\"\n\"MRUList\"=\"a\"\n";
  const std::vector<Case> cases = {
      {"prefs.dat that is no XML",
       {"clean", "1"},
       prefs,
       "<Configuration><Options LoadAtStartup=\"True\"",
       prefs + ": could not be read (it is not a well-formed XML document); nothing is cleaned"},
      {"prefs.dat with a value that does not convert, previewed",
       {"clean", "--preview", "1"},
       prefs,
       "<Configuration><Options LoadAtStartup=\"perhaps\"/></Configuration>",
       prefs + ": could not be read ("},
      {"a registry store cut short",
       {"clean", "2"},
       store,
       validStore.substr(0, validStore.size() - 12),
       store + ": could not be read (damaged at line"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    t.write(c.file.substr(t.path().size()), c.contents);
    const CliResult result = run(c.args);
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(readFileBytes(c.file), c.contents);
    EXPECT_TRUE(pathExists(recent));  // nothing was cleaned on the strength of a damaged file
    std::filesystem::remove(c.file);
  }
}

TEST_F(StoredFiles, SettingsOverTheSizeLimitAreNamedAndNeverReplaced) {
  // A real settings file followed by a long comment: too large to be read.
  const std::string large = "[Engines]\nWipeFiles=02-zeros.mtd\n" + std::string(65 << 20, ';');
  t.write("program/Ferrovane.ini", large);
  const std::string reason = std::make_error_code(std::errc::file_too_large).message();
  const CliResult listing = run({"methods"});
  EXPECT_EQ(listing.status, 1);
  EXPECT_NE(listing.err.find(settings + ": could not be read (" + reason +
                             "); the default settings and methods are used"),
            std::string::npos)
      << listing.err;
  // The items checked for cleaning are not known: none is cleaned unless named.
  const CliResult clean = run({"clean"});
  EXPECT_EQ(clean.status, 1);
  EXPECT_NE(clean.err.find("nothing is cleaned"), std::string::npos) << clean.err;
  EXPECT_TRUE(pathExists(recent));
  // The method chosen for the engine is not known either: a wipe runs only with one named.
  const std::string victim = t.write("victim.txt", "still here");
  const CliResult unnamed = run({"wipe", victim});
  EXPECT_EQ(unnamed.status, 1);
  EXPECT_NE(unnamed.err.find("name one with --method"), std::string::npos) << unnamed.err;
  EXPECT_EQ(readFileBytes(victim), "still here");
  EXPECT_EQ(run({"wipe", "--method", "02-zeros", victim}).status, 1);  // wiped; settings named
  EXPECT_FALSE(pathExists(victim));
  const CliResult recording = run({"methods", "--set-engine", "folders", "02-zeros"});
  EXPECT_EQ(recording.status, 1);
  EXPECT_NE(recording.err.find("Unable to write to " + settings), std::string::npos);
  EXPECT_TRUE(readFileBytes(settings) == large);
}

TEST_F(StoredFiles, EnginesRecordedAtOnceByThreeProcessesAreAllKept) {
  const char* const methods[] = {"01-random", "02-zeros", "04-vsitr"};
  const char* const engines[] = {"files", "folders", "free-space"};
  const char* const keys[] = {"WipeFiles", "WipeFolders", "WipeFreeSpace"};
  for (int round = 0; round < 6; ++round) {
    SCOPED_TRACE(round);
    std::vector<std::unique_ptr<CliProcess>> running;
    for (int e = 0; e < 3; ++e) {
      running.push_back(std::make_unique<CliProcess>(
          t, cli,
          std::vector<std::string>{"methods", "--set-engine", engines[e], methods[(e + round) % 3]},
          environment()));
    }
    for (auto& process : running) {
      const CliResult result = process->finish();
      EXPECT_EQ(result.status, 0) << result.err;
    }
    const std::string text = readFileBytes(settings);
    for (int e = 0; e < 3; ++e) {
      const std::string line = std::string(keys[e]) + "=" + methods[(e + round) % 3] + ".mtd\n";
      EXPECT_NE(text.find(line), std::string::npos) << line << text;
    }
  }
}

// The settings lock: a process that keeps it holds up a change for a few seconds at most, which
// then fails with the reason and changes nothing; a stop signal ends the wait at once.
TEST_F(StoredFiles, AChangeWaitsForTheSettingsLockAFewSecondsAtMostAndAStopEndsTheWait) {
  const std::string before = readFileBytes(settings);
  const std::vector<std::string> choose = {"methods", "--set-engine", "files", "02-zeros"};
  const auto held = platform::FileLock::acquire(settings);
  ASSERT_TRUE(held) << held.error().message();

  const auto start = std::chrono::steady_clock::now();
  const CliResult gaveUp = run(choose);
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(gaveUp.status, 1);
  EXPECT_EQ(gaveUp.err, "ferrovane-cli: " + settings + " is locked by another process\n");
  EXPECT_GE(waited, std::chrono::seconds(2));
  EXPECT_LT(waited, std::chrono::seconds(30));
  EXPECT_EQ(readFileBytes(settings), before);

  CliProcess stopped(t, cli, choose, environment());
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // waiting for the lock by now
  const auto signalled = std::chrono::steady_clock::now();
  stopped.signal(SIGINT);
  const CliResult result = stopped.finish();
  EXPECT_LT(std::chrono::steady_clock::now() - signalled, std::chrono::seconds(2));
  EXPECT_EQ(result.status, 130) << result.err;
  EXPECT_EQ(readFileBytes(settings), before);
}
