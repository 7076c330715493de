// ferrovane-cli run as a program on scratch folders: what each subcommand does, what it says,
// and the exit statuses a script relies on.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "CliProcess.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

namespace fsys = std::filesystem;

namespace {

struct CommandLine : ::testing::Test {
  TestFolder t;
  std::string cli = PortableCli(t);

  CliResult run(const std::vector<std::string>& args) { return RunCli(t, cli, args); }

  // Every path below the folder with its bytes (folders with "/"), to show nothing changed.
  std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> all;
    for (const auto& entry : fsys::recursive_directory_iterator(folder)) {
      const std::string path = entry.path().string();
      all[path] = entry.is_symlink()     ? "-> " + fsys::read_symlink(entry.path()).string()
                  : entry.is_directory() ? "/"
                                         : readFileBytes(path);
    }
    return all;
  }
};

}  // namespace

TEST_F(CommandLine, WhatIsNotUnderstoodEndsWithStatusTwoAndTouchesNothing) {
  const std::string file = t.write("data/file", "keep");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"bogus"},
      {"wipe"},
      {"wipe", "--"},
      {"wipe", "--bogus", file},
      {"wipe", "-m"},
      {"-q", "-v", "wipe", file},
      {"free-space"},
      {"methods", "--set-engine", "files"},
      {"methods", "extra", "--", "more"},
      {"wipe", "-m", "no such method", file},
      {"methods", "--set-engine", "everything", "02-zeros"},
  };
  for (const auto& args : cases) {
    const CliResult result = run(args);
    std::string line;
    for (const std::string& arg : args) line += " " + arg;
    EXPECT_EQ(result.status, 2) << line;
    EXPECT_FALSE(result.err.empty()) << line;
    EXPECT_EQ(result.out, "") << line;
  }
  EXPECT_EQ(readFileBytes(file), "keep");
  EXPECT_EQ(readFileBytes(t.programFolder() + "Ferrovane.ini"),
            readFileBytes(FERROVANE_SOURCE_DIR "/methods/Ferrovane.ini"));
}

TEST_F(CommandLine, EverySubcommandHasHelpAndTheProgramAVersion) {
  for (const char* subcommand : {"wipe", "free-space", "methods", "clean"}) {
    const CliResult result = run({subcommand, "--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find(std::string("Usage: ferrovane-cli ") + subcommand),
              std::string::npos);
  }
  const CliResult help = run({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* subcommand : {"wipe", "free-space", "methods", "clean"}) {
    EXPECT_NE(help.out.find(subcommand), std::string::npos);
  }
  const CliResult version = run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("ferrovane-cli ", 0), 0u) << version.out;
}

TEST_F(CommandLine, FilesAndFoldersAreWipedSilentlyWhateverTheirNames) {
  const std::string outside = t.write("outside", "not chosen");
  t.write("data/plain", "one");
  t.write("data/-dash", "two");
  t.write("data/name\xff\xfe", "three");
  t.write("data/tree/.hidden", "four");
  t.write("data/tree/deep/er/file\x01", "five");
  fsys::create_symlink(outside, t / "data/tree/link");
  fsys::permissions(t / "data/tree/deep/er/file\x01", fsys::perms::owner_read);

  // Relative paths are taken from the current folder; "--" lets a path start with "-".
  CliProcess inData(t, cli, {"wipe", "-r", "plain", "name\xff\xfe", "tree", "--", "-dash"}, {},
                    false, t / "data");
  const CliResult wiped = inData.finish();
  EXPECT_EQ(wiped.status, 0) << wiped.err;
  EXPECT_EQ(wiped.out, "");
  EXPECT_EQ(wiped.err, "");
  EXPECT_TRUE(fsys::is_empty(t / "data"));
  EXPECT_EQ(readFileBytes(outside), "not chosen");
}

TEST_F(CommandLine, APathGivenThroughALinkedFolderIsWipedWhereTheLinkLedWhenItWasGiven) {
  // A home folder reached through a linked /home, say: the user names the file by that path.
  t.write("real/home/notes", "secret");
  t.write("real/home/dir/inside", "secret");
  fsys::create_directory_symlink(t / "real", t / "via");
  const CliResult wiped = run({"wipe", "-r", t / "via/home/notes", t / "via/home/dir"});
  EXPECT_EQ(wiped.status, 0) << wiped.err;
  EXPECT_FALSE(pathExists(t / "real/home/notes"));
  EXPECT_FALSE(pathExists(t / "real/home/dir"));
  EXPECT_TRUE(fsys::is_symlink(t / "via"));
  EXPECT_TRUE(fsys::is_directory(t / "real/home"));
}

TEST_F(CommandLine, EveryPathLeftBehindIsNamedWithItsReason) {
  const std::string shared = t.write("data/shared\xff", "also elsewhere");
  fsys::create_hard_link(shared, t / "other name");
  t.write("data/folder/shared2", "x");
  fsys::create_hard_link(t / "data/folder/shared2", t / "other name 2");
  const std::string gone = t / "data/gone";
  const std::string wiped = t.write("data/wiped", "bye");

  const CliResult plain = run({"wipe", shared, gone, t / "data/folder", wiped});
  EXPECT_EQ(plain.status, 1);
  EXPECT_NE(plain.err.find("ferrovane-cli: " + shared +
                           ": has other hard links; its content is "
                           "shared\n"),
            std::string::npos)
      << plain.err;
  EXPECT_NE(plain.err.find("ferrovane-cli: " + gone + ": not found\n"), std::string::npos);
  EXPECT_NE(plain.err.find(t / "data/folder" + ": is a folder; give -r"), std::string::npos);
  EXPECT_EQ(readFileBytes(shared), "also elsewhere");
  EXPECT_FALSE(pathExists(wiped));

  const CliResult recursive = run({"wipe", "-r", t / "data/folder"});
  EXPECT_EQ(recursive.status, 1);
  EXPECT_NE(recursive.err.find(t / "data/folder/shared2: has other hard links"), std::string::npos);
  EXPECT_NE(recursive.err.find(t / "data/folder: could not be removed"), std::string::npos);
  EXPECT_EQ(readFileBytes(t / "other name 2"), "x");
}

TEST_F(CommandLine, ADryRunListsWhatWouldGoAndChangesNothing) {
  t.write("data/b", "2");
  t.write("data/tree/z", "3");
  t.write("data/tree/sub/y", "4");
  fsys::create_symlink("/etc/hostname", t / "data/tree/link");
  t.write("data/tree/shared", "5");
  fsys::create_hard_link(t / "data/tree/shared", t / "data/twin");
  const auto before = snapshot(t / "data");

  const CliResult listed = run({"wipe", "--dry-run", "-r", t / "data/b", t / "data/tree/sub"});
  EXPECT_EQ(listed.status, 0) << listed.err;
  EXPECT_EQ(listed.out, t / "data/b\n" + t / "data/tree/sub/y\n" + t / "data/tree/sub\n");

  const CliResult left = run({"-n", "wipe", "-r", t / "data/tree"});
  EXPECT_EQ(left.status, 1);
  // The files first, then each subfolder with what it holds; a folder that would keep something
  // is not listed.
  EXPECT_EQ(left.out, t / "data/tree/link\n" + t / "data/tree/z\n" + t / "data/tree/sub/y\n" +
                          t / "data/tree/sub\n");
  EXPECT_NE(left.err.find(t / "data/tree/shared: would be left: has other hard links"),
            std::string::npos);
  EXPECT_EQ(snapshot(t / "data"), before);
}

TEST_F(CommandLine, MethodsAreListedAndAnEnginesChoiceIsRecordedForBothPrograms) {
  const CliResult listed = run({"methods"});
  EXPECT_EQ(listed.status, 0);
  EXPECT_NE(listed.out.find("Settings folder: " + t.programFolder() + "\n"), std::string::npos);
  auto lineOf = [&](const std::string& start) {
    const auto at = listed.out.find("\n  " + start);
    return at == std::string::npos
               ? std::string()
               : listed.out.substr(at + 3, listed.out.find('\n', at + 1) - at - 3);
  };
  EXPECT_NE(lineOf("05-gutmann.mtd").find(" 35 passes  Peter Gutmann (35 passes)"),
            std::string::npos)
      << listed.out;
  EXPECT_NE(lineOf("01-random.mtd").find(" 1 pass  Random data (1 pass)  [default]"),
            std::string::npos);
  EXPECT_EQ(lineOf("02-zeros.mtd").find("[default]"), std::string::npos);
  EXPECT_NE(lineOf("free-space").find("01-random.mtd (1 pass): Random data (1 pass)  [the default"),
            std::string::npos);

  const std::string settings = t.programFolder() + "Ferrovane.ini";
  const std::string shipped = readFileBytes(settings);
  EXPECT_EQ(run({"-n", "methods", "--set-engine", "folders", "02-zeros"}).status, 0);
  EXPECT_EQ(readFileBytes(settings), shipped);
  EXPECT_EQ(run({"methods", "--set-engine", "folders", "Zeros (1 pass)"}).status, 0);
  EXPECT_NE(readFileBytes(settings).find("[Engines]\nWipeFolders=02-zeros.mtd\n"),
            std::string::npos);

  t.write("data/dir/f", "x");
  const CliResult used = run({"-v", "-n", "wipe", "-r", t / "data/dir", t / "data/dir/f"});
  EXPECT_NE(used.err.find("files: 01-random.mtd (1 pass)"), std::string::npos) << used.err;
  EXPECT_NE(used.err.find("folders: 02-zeros.mtd (1 pass)"), std::string::npos);
  const CliResult named = run({"-v", "-n", "wipe", "-m", "03-DOD-5220-22-M", t / "data/dir/f"});
  EXPECT_NE(named.err.find("files: 03-dod-5220-22-m.mtd (3 passes)"), std::string::npos);

  // A method file that could not be read whole is listed, but no engine takes it.
  t.write("program/Methods/06-broken.mtd", "[Method]\nPasses=5000\n");
  const CliResult damaged = run({"wipe", "-m", "06-broken", t / "data/dir/f"});
  EXPECT_EQ(damaged.status, 1);
  EXPECT_TRUE(pathExists(t / "data/dir/f"));
  EXPECT_NE(damaged.err.find("06-broken.mtd: method file could not be read: it has more than "
                             "1000 passes\n"),
            std::string::npos)
      << damaged.err;
  EXPECT_EQ(run({"methods", "--set-engine", "files", "06-broken"}).status, 1);

  // A settings file the user made read-only is not replaced, and the choice is not recorded.
  fsys::permissions(settings, fsys::perms::owner_read | fsys::perms::group_read);
  const std::string readOnly = readFileBytes(settings);
  const CliResult refused = run({"methods", "--set-engine", "files", "02-zeros"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Unable to write to " + settings + " (the file is read-only)"),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(readFileBytes(settings), readOnly);
}

TEST_F(CommandLine, AFileThatCouldNotBeOverwrittenIsKeptAndThePassNamed) {
  const std::string point = t.makeFolder("small");
  ScopedMount disk(point, ScopedMount::Kind::Tmpfs, "256k");
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  // A sparse file four times the size of its file system: the first pass fills the disk.
  const std::string file = t.write("small/sparse", "secret");
  fsys::resize_file(file, 1u << 20);
  const CliResult result = run({"wipe", "-m", "02-zeros", file});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find(file + ": was not deleted: pass 1 failed at byte "), std::string::npos)
      << result.err;
  EXPECT_NE(result.err.find(" (No space left on device)\n"), std::string::npos);
  EXPECT_EQ(fsys::file_size(file), 1u << 20);
}

TEST_F(CommandLine, WhatIsMountedInsideATreeIsNamedAndStays) {
  const std::string tree = t.makeFolder("tree");
  ScopedMount ram(t.makeFolder("tree/mnt"), ScopedMount::Kind::Tmpfs, "256k");
  if (!ram.mounted()) GTEST_SKIP() << ram.reason();
  for (const char* name : {"a", "b", "sub/c"}) t.write(std::string("tree/mnt/") + name, "kept");
  t.write("tree/own/file", "wiped");
  const auto mounted = snapshot(tree + "/mnt");
  const std::string named = tree + "/mnt: ";
  const CliResult listed = run({"-n", "wipe", "-r", tree});
  EXPECT_NE(listed.err.find(named + "would be left: is a mount point (tmpfs): not entered\n"),
            std::string::npos)
      << listed.err;
  const CliResult wiped = run({"wipe", "-r", tree});
  EXPECT_EQ(wiped.status, 1);
  EXPECT_NE(wiped.err.find(named + "is a mount point (tmpfs): not entered\n"), std::string::npos)
      << wiped.err;
  EXPECT_EQ(snapshot(tree + "/mnt"), mounted);
  EXPECT_FALSE(pathExists(tree + "/own"));
}

TEST_F(CommandLine, AnUnusableBufferSizeIsNamedOnceAndTheDefaultIsUsed) {
  t.write("program/Ferrovane.ini", "[Settings]\nBufferSize=0\n");
  const std::string file = t.write("data/f", std::string(5000, 's'));
  const CliResult wiped = run({"wipe", file});
  EXPECT_EQ(wiped.status, 0) << wiped.err;
  EXPECT_FALSE(pathExists(file));
  const std::string said = "Ferrovane.ini: BufferSize=0 is not usable";
  const auto first = wiped.err.find(said);
  EXPECT_NE(first, std::string::npos) << wiped.err;
  EXPECT_EQ(wiped.err.find(said, first + 1), std::string::npos);
  EXPECT_EQ(readFileBytes(t.programFolder() + "Ferrovane.ini"), "[Settings]\nBufferSize=0\n");
}

TEST_F(CommandLine, AFileOnASystemFileSystemIsRefusedAndNothingIsWritten) {
  std::string reason;
  if (!EnterPrivateMountNamespace(&reason)) GTEST_SKIP() << reason;
  // The kernel's own file systems, mounted read-only in the test's own namespace: the program
  // could write nothing there even if it tried.
  struct Case {
    const char* type;
    const char* file;  // an entry that always exists
  };
  bool mounted = false;
  for (const Case& c : {Case{"sysfs", "kernel/uevent_seqnum"}, Case{"proc", "version"}}) {
    SCOPED_TRACE(c.type);
    const std::string point = t.makeFolder(std::string("system-") + c.type);
    if (::mount(c.type, point.c_str(), c.type, MS_RDONLY | MS_NOSUID | MS_NODEV | MS_NOEXEC,
                nullptr) != 0) {
      continue;
    }
    mounted = true;
    const std::string file = point + "/" + c.file;
    const std::string before = readFileBytes(file);
    const CliResult refused = run({"wipe", file});
    const CliResult walked = run({"wipe", "-r", point});
    ::umount2(point.c_str(), MNT_DETACH);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(file + ": is on a system file system (" + c.type + "): not wiped"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(walked.status, 1);
    EXPECT_NE(walked.err.find(point + ": is on a system file system (" + c.type + "): not wiped"),
              std::string::npos)
        << walked.err;
    EXPECT_EQ(refused.out.find("wiped"), std::string::npos);
    EXPECT_FALSE(before.empty());
  }
  if (!mounted) GTEST_SKIP() << "no system file system could be mounted";
}
