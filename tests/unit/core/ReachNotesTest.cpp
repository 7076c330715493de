// What is said of a deleted file whose passes did not reach its blocks, by how they missed.

#include <gtest/gtest.h>

#include "core/TReachNotes.h"
#include "platform/Drives.h"
#include "support/TestDrives.h"
#include "support/TestFolder.h"

namespace {

TEST(ReachNotes, EachVerdictIsSaidItsOwnWayNamingTheDriveWhoseFreeSpaceFinishesTheFile) {
  TestFolder folder;
  const std::string drive = folder.makeFolder("drive");
  const platform::DriveTable table = TestDriveTable(folder, {{"/", "ext4"}, {drive, "btrfs"}});
  const TReachNotes notes(table);
  const std::string file = drive + "/inner/file";

  EXPECT_EQ(notes.Of(file, {TOverwriteReach::InPlace, {}}), std::nullopt);
  EXPECT_EQ(notes.Of(file, {TOverwriteReach::Shared, "a snapshot shares them"}),
            (TWipeFailure{file, TWipeFailureReason::SharedBlocks}));
  // The drive by its mount point, as the user names it, and as the one whose wipe finishes it.
  const auto elsewhere = notes.Of(file, {TOverwriteReach::Elsewhere, "btrfs writes elsewhere"});
  ASSERT_TRUE(elsewhere);
  EXPECT_EQ(elsewhere->Reason, TWipeFailureReason::NotOverwrittenInPlace);
  EXPECT_EQ(elsewhere->Detail,
            "(btrfs writes elsewhere): wipe the free space of " + drive + " to finish");
  EXPECT_EQ(elsewhere->FreeSpaceRoot, drive + "/");
}

}  // namespace
