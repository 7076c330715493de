#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/DriveFunctions.h"
#include "core/Helpers.h"
#include "platform/Drives.h"
#include "platform/PathText.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"
#include "support/ThrowingServices.h"

TEST(Helpers, TrailingSeparator) {
  EXPECT_EQ(AddTrailingBackslash(""), "");
  EXPECT_EQ(AddTrailingBackslash("/"), "/");
  EXPECT_EQ(AddTrailingBackslash("/home/user"), "/home/user/");
  EXPECT_EQ(AddTrailingBackslash("/home/user/"), "/home/user/");
  EXPECT_EQ(AddTrailingBackslash("/home//"), "/home//");
  EXPECT_EQ(RemoveTrailingBackslash("/home/user/"), "/home/user");
  EXPECT_EQ(RemoveTrailingBackslash("/home//"), "/home/");
  EXPECT_EQ(RemoveTrailingBackslash("/"), "");
  EXPECT_EQ(RemoveTrailingBackslash(""), "");
}

TEST(Helpers, LineBreakEscapingRoundTripsAndIsNotAQuotingScheme) {
  EXPECT_EQ(EscapeLineBreaks("one\r\ntwo\nthree\r"), "one#13#10two#10three#13");
  EXPECT_EQ(UnescapeLineBreaks("one#13#10two"), "one\r\ntwo");
  // A stored text that holds the escape itself comes back with a line break.
  EXPECT_EQ(UnescapeLineBreaks(EscapeLineBreaks("Room #10")), "Room \n");
  EXPECT_EQ(UnescapeLineBreaks("#1310"), "\r10");
}

TEST(Helpers, FoldersWithoutALinuxEquivalentAreEmptyNotRelative) {
  EXPECT_EQ(GetWindowsFolder(), "");
  EXPECT_EQ(GetWindowsTempFolder(), "");
  EXPECT_EQ(GetShortPath("/tmp"), "");
}

TEST(Helpers, ProgramFoldersComeFromTheTestsFolder) {
  TestFolder t;
  EXPECT_EQ(GetAppFolder(), t.programFolder());
  EXPECT_EQ(GetMethodsFolder(), t.methodsFolder());
  EXPECT_EQ(GetTempFolder(), t.tempFolder());
}

TEST(Helpers, ListFilesGivesSortedOrdinaryVisibleFilesOnly) {
  TestFolder t;
  t.write("m/b.mtd", "");
  t.write("m/A.MTD", "");
  t.write("m/c.Mtd", "");
  t.write("m/.hidden.mtd", "");
  t.write("m/notes.txt", "");
  t.makeFolder("m/folder.mtd");
  std::filesystem::create_symlink(t / "m/b.mtd", t / "m/link.mtd");
  const std::string readOnly = t.write("m/ro.mtd", "");
  ::chmod(readOnly.c_str(), 0444);

  EXPECT_EQ(ListFiles(t / "m", "**.mtd"),
            (std::vector<std::string>{"A.MTD", "b.mtd", "c.Mtd", "ro.mtd"}));
  EXPECT_EQ(ListFiles(t / "m/", "*.txt"), (std::vector<std::string>{"notes.txt"}));
  EXPECT_TRUE(ListFiles(t / "missing", "*.*").empty());
  EXPECT_TRUE(ListFiles("", "*.*").empty());
}

TEST(Helpers, ClusterSize) {
  TestFolder t;
  EXPECT_EQ(GetClusterSize("relative/path"), 1u);
  EXPECT_EQ(GetClusterSize("//server/share/file"), GetClusterSize("/"));
  EXPECT_GE(GetClusterSize(t.path()), 512u);
  EXPECT_EQ(GetClusterSize(t / "not-yet-created"), GetClusterSize(t.path()));
}

TEST(Helpers, FilterDigitKey) {
  EXPECT_EQ(FilterDigitKey('7'), '7');
  EXPECT_EQ(FilterDigitKey('0'), '0');
  EXPECT_EQ(FilterDigitKey('\b'), '\b');
  EXPECT_EQ(FilterDigitKey('a'), '\0');
  EXPECT_EQ(FilterDigitKey('-'), '\0');
}

// What the program shows about a drive comes from the drive table and the file system it is
// given (the window's), never from those installed, which here fail any call.
TEST(DriveFunctions, ADriveIsDescribedByTheTableAndFileSystemItIsGiven) {
  TestFolder folder;
  const std::string root = folder.makeFolder("data") + "/";
  const std::string table = folder.write(
      "mountinfo", "100 1 0:100 / " + platform::trimSeparators(root) + " rw - ext4 testdev rw\n");
  const platform::DriveTable drives(table, folder / "sys");
  FaultyFileSystem files;
  platform::DiskSpace figures;
  figures.available = 4096;
  figures.total = 8192;
  files.diskSpaceOf[root] = figures;
  files.deviceOf[root] = 77;
  ThrowingFileSystem installedFiles;
  const platform::ScopedFileSystem scope(installedFiles);
  const platform::DriveTable none(folder / "none", "");
  const platform::ScopedDriveTable installedDrives(none);

  // Named with the file system and device of the table given, which the installed table does
  // not know.
  const std::string name = GetDriveDisplayName(drives, root);
  EXPECT_NE(name, GetDriveDisplayName(none, root));
  EXPECT_EQ(name, platform::trimSeparators(root) + " (ext4, testdev)");
  EXPECT_EQ(GetDriveFileSystem(drives, root), "ext4");
  EXPECT_EQ(GetDriveVolume(files, root).device, 77u);
  std::int64_t freeBytes = 0;
  std::int64_t totalBytes = 0;
  EXPECT_TRUE(GetDriveSpace(files, root, freeBytes, totalBytes));
  EXPECT_EQ(freeBytes, 4096);
  EXPECT_EQ(totalBytes, 8192);
  // A root that is gone has no figures, whatever the folder above it has.
  EXPECT_FALSE(GetDriveSpace(files, root + "gone/", freeBytes, totalBytes));
  EXPECT_EQ(GetDriveVolume(files, root + "gone/").device, 0u);
}
