// Where the real program keeps its settings and methods when its folder may not be written: in
// the user's configuration folder, seeded once, never over the user's own files.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "CliProcess.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

TEST(SettingsLocation, AProgramOnAReadOnlyFileSystemKeepsTheUsersFilesInTheConfigurationFolder) {
  TestFolder t;
  const std::string media = t.makeFolder("media");
  ScopedMount mount(media, ScopedMount::Kind::Tmpfs, 512);  // room for a sanitizer build
  if (!mount.mounted()) GTEST_SKIP() << mount.reason();
  const std::string cli = PortableCli(t, media);
  ASSERT_EQ(std::system(("mount -o remount,ro '" + media + "'").c_str()), 0);
  const std::string own = t.configFolder() + "ferrovane/";
  t.write("config/ferrovane/Ferrovane.ini", "; mine\n");

  const CliResult listed = RunCli(t, cli, {"methods"});
  EXPECT_EQ(listed.status, 0) << listed.err;
  EXPECT_NE(listed.out.find("Settings folder: " + own + "\n"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("05-gutmann.mtd"), std::string::npos);
  EXPECT_EQ(readFileBytes(own + "Methods/05-gutmann.mtd"),
            readFileBytes(FERROVANE_SOURCE_DIR "/methods/05-gutmann.mtd"));
  EXPECT_EQ(readFileBytes(own + "Ferrovane.ini"), "; mine\n");

  const CliResult chosen = RunCli(t, cli, {"methods", "--set-engine", "free-space", "04-vsitr"});
  EXPECT_EQ(chosen.status, 0) << chosen.err;
  EXPECT_EQ(readFileBytes(own + "Ferrovane.ini"),
            "; mine\n\n[Engines]\nWipeFreeSpace=04-vsitr.mtd\n");
  EXPECT_NE(RunCli(t, cli, {"methods"}).out.find("free-space  04-vsitr.mtd"), std::string::npos);
}

TEST(SettingsLocation, ListingMethodsThatCouldNotAllBeCopiedSaysSoAndEndsIncomplete) {
  TestFolder t;
  const std::string media = t.makeFolder("media");
  ScopedMount mount(media, ScopedMount::Kind::Tmpfs, 512);  // room for a sanitizer build
  if (!mount.mounted()) GTEST_SKIP() << mount.reason();
  const std::string cli = PortableCli(t, media);
  // A shipped method too large to be a method file: it is not copied, and neither are the rest.
  std::filesystem::resize_file(t.write("media/Methods/99-large.mtd", ""), 5u << 20);
  ASSERT_EQ(std::system(("mount -o remount,ro '" + media + "'").c_str()), 0);
  const std::string own = t.configFolder() + "ferrovane/";

  const CliResult listed = RunCli(t, cli, {"methods"});
  EXPECT_EQ(listed.status, 1) << listed.err;
  EXPECT_NE(listed.err.find(own + "Methods: the shipped methods were not copied"),
            std::string::npos)
      << listed.err;
  EXPECT_FALSE(pathExists(own + "Methods"));
}
