// How the paths and mount points given on the command line are taken before anything runs:
// nothing relative, empty, "."-named or the root ever reaches an engine, and only fixed drives
// that are mount points reach the free-space engine.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/ArgumentPath.h"
#include "cli/TFreeSpaceCommand.h"
#include "cli/TWipeCommand.h"
#include "support/FaultyFileSystem.h"
#include "support/TestDrives.h"
#include "support/TestFolder.h"

namespace {

// Runs the test in its folder as the current folder, and goes back afterwards.
struct InTestFolder : ::testing::Test {
  TestFolder t;
  std::filesystem::path before = std::filesystem::current_path();
  InTestFolder() { std::filesystem::current_path(t.path()); }
  ~InTestFolder() override { std::filesystem::current_path(before); }
};

}  // namespace

TEST_F(InTestFolder, ArgumentsBecomeAbsolutePathsWithoutFinalSeparators) {
  const struct {
    const char* given;
    std::string path;
  } cases[] = {
      {"file", t / "file"},
      {"sub/dir//", t / "sub/dir"},
      {"/abs/x/", "/abs/x"},
      {"/", "/"},
      {"///", "/"},
      {"-b", t / "-b"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(AbsoluteArgument(c.given), c.path) << c.given;

  // A linked folder on the way is spelled as the folder it names, once, when the path is given:
  // the wipe then reaches it without following a link. A link given itself stays the link.
  t.makeFolder("real/inner");
  std::filesystem::create_directory_symlink(t / "real", t / "via");
  EXPECT_EQ(AbsoluteArgument("via/inner/file"), t / "real/inner/file");
  EXPECT_EQ(AbsoluteArgument("via/inner"), t / "real/inner");
  EXPECT_EQ(AbsoluteArgument("via"), t / "via");
  EXPECT_EQ(AbsoluteArgument("via/"), t / "via");

  for (const char* dotted : {".", "..", "a/.", "a/..", "a/../", "/x/./"}) {
    EXPECT_TRUE(EndsInDotName(dotted)) << dotted;
  }
  for (const char* named : {"a", ".hidden", "..x", "a/...", "/"}) {
    EXPECT_FALSE(EndsInDotName(named)) << named;
  }
}

TEST_F(InTestFolder, WipeTargetsGoToTheirEngineOrAreRefusedWithTheReason) {
  t.write("file", "x");
  t.makeFolder("folder");
  std::filesystem::create_directory_symlink(t / "folder", t / "link");
  const struct {
    std::string given;
    bool recursive;
    TTargetKind kind;
    std::string path;
    std::string problem;
  } cases[] = {
      {"file", false, TTargetKind::File, t / "file", ""},
      {"folder/", true, TTargetKind::Folder, t / "folder", ""},
      {"folder", false, TTargetKind::Refused, t / "folder",
       "is a folder; give -r to wipe it with everything in it"},
      // A link to a folder is removed as a link, with or without -r, even written with "/".
      {"link/", true, TTargetKind::File, t / "link", ""},
      {"missing", false, TTargetKind::Refused, t / "missing", "not found"},
      {"", false, TTargetKind::Refused, "", "an empty path names nothing"},
      {"folder/..", true, TTargetKind::Refused, "folder/..",
       "names a folder by \".\" or \"..\"; give its name instead"},
      {".", true, TTargetKind::Refused, ".",
       "names a folder by \".\" or \"..\"; give its name instead"},
      {"/", true, TTargetKind::Refused, "/", "is the root folder: it is never wiped"},
      {"file/x", false, TTargetKind::Refused, t / "file/x",
       "could not be examined (Not a directory)"},
  };
  for (const auto& c : cases) {
    const auto targets = ClassifyTargets({c.given}, c.recursive);
    ASSERT_EQ(targets.size(), 1u);
    EXPECT_EQ(targets[0].kind, c.kind) << c.given;
    EXPECT_EQ(targets[0].path, c.path) << c.given;
    EXPECT_EQ(targets[0].problem, c.problem) << c.given;
  }
}

TEST(MountPoints, OnlyFixedDrivesThatAreMountPointsAreTakenEachOnce) {
  TestFolder t;
  const std::string fixed = t.makeFolder("fixed");
  const std::string ram = t.makeFolder("ram");
  const std::string usb = t.makeFolder("usb");
  t.makeFolder("fixed/inside");
  ScopedTestDrives drives(t, {{"/", "ext4"}, {fixed, "ext4"}, {ram, "tmpfs"}, {usb, "nfs"}});

  const auto targets = ClassifyMountPoints(
      {fixed, ram, usb, fixed + "/inside", fixed + "/", t / "gone", fixed + "/inside/.."});
  ASSERT_EQ(targets.size(), 6u);  // the second naming of the fixed drive is left out
  EXPECT_EQ(targets[0].root, fixed + "/");
  EXPECT_TRUE(targets[0].problem.empty());
  EXPECT_NE(targets[0].volume.device, 0u);
  EXPECT_EQ(targets[1].problem, "is a RAM disk: only fixed drives are wiped");
  EXPECT_EQ(targets[2].problem, "is a network drive: only fixed drives are wiped");
  EXPECT_EQ(targets[3].problem, "is not a mount point (it lies on the drive at " + fixed + "/)");
  EXPECT_EQ(targets[4].problem, "not found");
  // "inside/.." names the fixed drive's folder again.
  EXPECT_EQ(targets[5].root, fixed + "/inside/../");
  EXPECT_FALSE(targets[5].problem.empty());
}

TEST(MountPoints, AFixedDriveThatCannotBeExaminedIsRefusedWithTheSystemsReason) {
  TestFolder t;
  const std::string fixed = t.makeFolder("fixed");
  ScopedTestDrives drives(t, {{"/", "ext4"}, {fixed, "ext4"}});
  FaultyFileSystem files;
  files.failDiskSpace.insert(fixed + "/");
  platform::ScopedFileSystem scope(files);
  const auto targets = ClassifyMountPoints({fixed});
  ASSERT_EQ(targets.size(), 1u);
  EXPECT_EQ(targets[0].problem, "could not be examined (Input/output error)");
}
