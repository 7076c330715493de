// ferrovane-cli --verify-device and --report on an ext4 image the test mounts itself (as root):
// a run that leaves nothing says so and ends with 0, a journal left as it was is named with its
// place and ends with 1, the report is written whichever way it went, without names when asked,
// a clean checks the files it overwrote before deleting them, and a file system without a
// device is "not verified", which fails only when required.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

namespace {

// Folders with files of a few blocks and distinctive names, on the file system at `point`.
std::string MakeFiles(const TestFolder& t, const std::string& relative) {
  for (int i = 0; i < 3; ++i) {
    t.write(relative + "/Platypus-minutes-" + std::to_string(i) + ".txt",
            std::string(9000, static_cast<char>('k' + i)) + std::to_string(i));
  }
  std::system("sync");
  return t / relative;
}

}  // namespace

TEST(DeviceCheck, TheVerdictDecidesTheExitStatusAndTheReportIsWritten) {
  TestFolder t;
  const std::string cli = PortableCli(t);
  ScopedMount mount(t.makeFolder("mnt"), ScopedMount::Kind::Ext4Image, 64, "-b 4096 -J size=4");
  if (!mount.mounted()) GTEST_SKIP() << mount.reason();

  const std::string clean = MakeFiles(t, "mnt/clean");
  const std::string report = t / "clean.json";
  const CliResult verified =
      RunCli(t, cli, {"wipe", "--journal", "-r", "--verify-device", "--report", report, clean});
  EXPECT_EQ(verified.status, 0) << verified.err;
  EXPECT_NE(verified.err.find("device check: 3 verified, 0 found, 0 not verified"),
            std::string::npos)
      << verified.err;
  const std::string written = readFileBytes(report);
  EXPECT_EQ(written.rfind("{\"report\":\"ferrovane-run\"", 0), 0u) << written;
  EXPECT_NE(written.find("\"exitStatus\":0"), std::string::npos);
  EXPECT_NE(written.find(clean), std::string::npos);
  // The report names the method the run went by (the default one here), with its passes.
  EXPECT_EQ(written.find("\"method\":{\"name\":\"\""), std::string::npos) << written;
  EXPECT_EQ(written.find("\"passes\":0}"), std::string::npos) << written;

  const std::string left = MakeFiles(t, "mnt/left");
  const std::string anonymous = t / "left.html";
  const CliResult found = RunCli(t, cli,
                                 {"wipe", "-m", "02-zeros", "--no-journal", "-r", "--verify-device",
                                  "--report", anonymous, "--report-names=no", left});
  EXPECT_EQ(found.status, 1) << found.err;
  EXPECT_NE(found.err.find("Platypus-minutes-1.txt: its name is still on the device: in the "
                           "journal at device offset "),
            std::string::npos)
      << found.err;
  const std::string page = readFileBytes(anonymous);
  EXPECT_NE(page.find("<!DOCTYPE html>"), std::string::npos);
  EXPECT_EQ(page.find("Platypus"), std::string::npos);
  EXPECT_NE(page.find("Exit status</th><td>1"), std::string::npos);
}

TEST(DeviceCheck, ACleanThatOverwritesIsCheckedLikeAWipeAndOneThatDoesNotIsNotVerified) {
  TestFolder t;
  const std::string cli = PortableCli(t);
  ScopedMount mount(t.makeFolder("mnt"), ScopedMount::Kind::Ext4Image, 64, "-b 4096 -J size=4");
  if (!mount.mounted()) GTEST_SKIP() << mount.reason();
  const std::vector<std::string> environment = {"HOME=" + t.makeFolder("home"),
                                                "TMPDIR=" + t.makeFolder("tmp")};
  // Names are cleared from the journal after the clean, as the wipes of the other test ask.
  std::string settings = readFileBytes(t.programFolder() + "Ferrovane.ini");
  settings.replace(0, std::string("[Settings]\n").size(), "[Settings]\nEraseJournalNames=1\n");
  for (const bool overwrite : {true, false}) {
    SCOPED_TRACE(overwrite ? "--overwrite" : "--no-overwrite");
    const std::string traces = MakeFiles(t, "mnt/traces");
    t.write("program/Ferrovane.ini",
            settings + "[CleanTracesCustom]\nCount=1\nPath1=" + traces + "\n");
    const CliResult result =
        RunCli(t, cli,
               {"clean", overwrite ? "--overwrite" : "--no-overwrite", "--verify-device", "custom"},
               environment);
    EXPECT_FALSE(pathExists(traces));
    if (overwrite) {
      EXPECT_EQ(result.status, 0) << result.err;
      EXPECT_NE(result.err.find("device check: 3 verified, 0 found, 0 not verified"),
                std::string::npos)
          << result.err;
    } else {
      // Deleted plainly: nothing was recorded, and the check says it could not vouch for them.
      EXPECT_NE(result.err.find("not verified on the device"), std::string::npos) << result.err;
      EXPECT_NE(result.err.find("device check: 0 verified"), std::string::npos) << result.err;
    }
  }
}

TEST(DeviceCheck, AFileSystemWithoutADeviceIsNotVerifiedWhichFailsOnlyWhenRequired) {
  TestFolder t;
  const std::string cli = PortableCli(t);
  ScopedMount ram(t.makeFolder("ram"), ScopedMount::Kind::Tmpfs, 4);
  if (!ram.mounted()) GTEST_SKIP() << ram.reason();
  for (const char* how : {"--verify-device", "--verify-device=required"}) {
    SCOPED_TRACE(how);
    const std::string file = t.write("ram/Echidna-notes.txt", std::string(5000, 'e'));
    const CliResult result = RunCli(t, cli, {"wipe", "-m", "02-zeros", how, file});
    EXPECT_EQ(result.status, std::string(how).find("required") != std::string::npos ? 1 : 0)
        << result.err;
    EXPECT_NE(result.err.find("Echidna-notes.txt: not verified (the file system lies on no block "
                              "device)"),
              std::string::npos)
        << result.err;
  }
  const CliResult wrong = RunCli(t, cli, {"wipe", "--verify-device=maybe", t / "ram/x"});
  EXPECT_EQ(wrong.status, 2);
}
