// What `wipe --free-space-after` counts as finished: only the files whose old blocks lay in the
// free space of a drive that was then wiped without leaving anything of it behind.

#include <gtest/gtest.h>

#include "cli/FreeSpaceFinish.h"

namespace {

TWipeFailure Elsewhere(const std::string& path, const std::string& root) {
  return {path,
          TWipeFailureReason::NotOverwrittenInPlace,
          {},
          "(btrfs writes elsewhere): wipe the free space of " + root + " to finish",
          root + "/"};
}

}  // namespace

TEST(FreeSpaceFinishTest, OnlyDrivesWipedWithoutLeavingAnythingFinishTheirFiles) {
  TRunOutcome files;
  files.failures = {Elsewhere("/home/a", "/home"),
                    Elsewhere("/data/b", "/data"),
                    {"/home/c", TWipeFailureReason::SharedBlocks},
                    Elsewhere("/home/d", "/home")};
  TRunOutcome folders;
  folders.failures = {Elsewhere("/data/e", "/data")};
  std::vector<TRunOutcome> outcomes{files, folders};
  EXPECT_EQ(RootsToFinish(outcomes), (std::vector<std::string>{"/home/", "/data/"}));

  struct Case {
    const char* what;
    TRunOutcome freeSpace;
    bool home, data;
  };
  TRunOutcome clean;
  clean.notes = {{"/home/", TWipeFailureReason::FilledOnce},
                 {"/home/", TWipeFailureReason::NotDiscarded}};
  TRunOutcome reserve;
  reserve.failures = {{"/home/", TWipeFailureReason::ReserveUnreachable}};
  TRunOutcome stopped;
  stopped.aborted = true;
  TRunOutcome notReached;
  notReached.notReached = {"/data/"};
  const Case cases[] = {
      {"notes only", clean, true, true},
      {"the reserve of one drive not reached", reserve, false, true},
      {"stopped", stopped, false, false},
      {"one drive not reached", notReached, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FreeSpaceWiped(c.freeSpace, "/home/"), c.home);
    EXPECT_EQ(FreeSpaceWiped(c.freeSpace, "/data/"), c.data);
  }

  MarkFinished(outcomes, "/home/", false);
  // The shared file stays left behind; the two finished ones become notes that say why.
  ASSERT_EQ(outcomes[0].failures.size(), 2u);
  EXPECT_EQ(outcomes[0].failures[0].Path, "/data/b");
  EXPECT_EQ(outcomes[0].failures[1].Reason, TWipeFailureReason::SharedBlocks);
  ASSERT_EQ(outcomes[0].notes.size(), 2u);
  EXPECT_EQ(DescribeFailure(outcomes[0].notes[1]),
            "was deleted, but its old blocks were not overwritten (btrfs writes elsewhere): the "
            "free space of /home was wiped after it");
  EXPECT_EQ(outcomes[1].failures.size(), 1u);
}

TEST(FreeSpaceFinishTest, NamesLeftInMetadataAreFinishedOnlyByAFillThatMovedTheMetadataFirst) {
  const auto names = [](const std::string& root) {
    return TWipeFailure{root,
                        TWipeFailureReason::NamesRemain,
                        {},
                        "in the file system's metadata, until the administrator wipes the free "
                        "space of " +
                            root,
                        root};
  };
  TRunOutcome files;
  files.failures = {names("/home/"), Elsewhere("/home/a", "/home"), names("/data/")};
  // A drive whose only trace is names in its metadata is one the free-space wipe finishes.
  EXPECT_EQ(RootsToFinish({files}), (std::vector<std::string>{"/home/", "/data/"}));

  // The free-space run says whether it moved the metadata before the fill: its note names the
  // drive then.
  TRunOutcome moved;
  moved.notes = {{"/home/", TWipeFailureReason::NamesInMetadata, {}, "", "/home/"}};
  TRunOutcome unmoved;
  unmoved.notes = {{"/home/",
                    TWipeFailureReason::NamesInMetadata,
                    {},
                    "its metadata was not moved first: only the administrator may move it"}};
  EXPECT_TRUE(NamesReached(moved, "/home/", "btrfs"));
  EXPECT_FALSE(NamesReached(moved, "/data/", "btrfs"));
  EXPECT_FALSE(NamesReached(unmoved, "/home/", "btrfs"));
  // A file system that writes in place leaves names in freed folder blocks, which any fill
  // takes.
  for (const char* fileSystem : {"xfs", "fuseblk", "vfat"}) {
    EXPECT_TRUE(NamesReached(unmoved, "/home/", fileSystem)) << fileSystem;
  }

  struct Case {
    const char* what;
    bool reached;
    std::vector<std::string> left;  // the paths still counted as left behind
  };
  for (const Case& c :
       {Case{"moved", true, {"/data/"}}, Case{"not moved", false, {"/home/", "/data/"}}}) {
    SCOPED_TRACE(c.what);
    std::vector<TRunOutcome> outcomes{files};
    MarkFinished(outcomes, "/home/", c.reached);
    std::vector<std::string> left;
    for (const TWipeFailure& failure : outcomes[0].failures) left.push_back(failure.Path);
    EXPECT_EQ(left, c.left);
    // The content finished either way.
    ASSERT_EQ(outcomes[0].notes.size(), 1u);
    EXPECT_EQ(outcomes[0].notes[0].Reason, TWipeFailureReason::NotOverwrittenInPlace);
  }
}
