#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/Helpers.h"
#include "support/TestFolder.h"

TEST(Helpers, TrailingSeparator) {
  EXPECT_EQ(AddTrailingBackslash(""), "");
  EXPECT_EQ(AddTrailingBackslash("/"), "/");
  EXPECT_EQ(AddTrailingBackslash("/home/user"), "/home/user/");
  EXPECT_EQ(AddTrailingBackslash("/home/user/"), "/home/user/");
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
