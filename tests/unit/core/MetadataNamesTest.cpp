// Names in btrfs metadata: before the free space of a btrfs drive is filled its metadata is
// moved (through a relocator the test installs), and every run says what may remain of names.

#include <algorithm>
#include <optional>

#include "WipeEngineFixture.h"
#include "platform/Drives.h"
#include "platform/MetadataRelocation.h"
#include "support/FakeMetadataRelocator.h"
#include "support/TestDrives.h"

namespace {

platform::FileLayout Layout(const std::string& fileSystem) {
  platform::FileLayout layout;
  layout.fileSystem = fileSystem;
  layout.mapped = true;
  layout.extents = {{0, 1 << 20, 4096, 0}};
  return layout;
}

}  // namespace

class MetadataNamesTest : public WipeEngineTest {
 protected:
  MetadataNamesTest() {
    AddMethod("zeros.mtd", {BytePass(0)});
    manager.DiscardFreeBlocks = false;
  }

  // A test folder posing as a drive of the given file system, with three clusters free whatever
  // is written (the fill stops after four writes).
  std::string FakeDrive(const std::string& fileSystem, const std::string& name = "drive") {
    const std::string root = folder.makeFolder(name) + "/";
    drives_.reset();  // the earlier table goes first, so the real one is never put back between
    drives_ = std::make_unique<ScopedTestDrives>(
        folder,
        std::vector<std::pair<std::string, std::string>>{{"/", "ext4"}, {root, fileSystem}});
    files.diskSpaceOf.clear();
    files.diskSpaceOf[root] = {3 * kCluster, 3 * kCluster, kCluster};
    return root;
  }

  std::vector<TWipeFailure> NamesNotes() const {
    std::vector<TWipeFailure> notes;
    std::copy_if(engine.Notes.begin(), engine.Notes.end(), std::back_inserter(notes),
                 [](const TWipeFailure& note) {
                   return note.Reason == TWipeFailureReason::NamesInMetadata;
                 });
    return notes;
  }

  FakeMetadataRelocator relocator;

 private:
  platform::ScopedMetadataRelocator scopedRelocator_{relocator};
  std::unique_ptr<ScopedTestDrives> drives_;
};

TEST_F(MetadataNamesTest, BtrfsFreeSpaceIsFilledAfterItsMetadataMovedAndTheRunSaysWhatMayRemain) {
  struct Case {
    const char* what;
    std::error_code answer;
    std::string note;
  };
  const std::string remain =
      "names may remain in the file system's metadata; a drive that does not zero discarded "
      "blocks keeps them";
  const Case cases[] = {
      {"moved", {}, remain},
      {"an ordinary user", std::make_error_code(std::errc::operation_not_permitted),
       remain + "; its metadata was not moved first: only the administrator may move it"},
      {"no room", std::make_error_code(std::errc::no_space_on_device),
       remain + "; its metadata was not moved first: the file system has no unallocated space to "
                "move it to"},
      {"another reason", std::make_error_code(std::errc::io_error),
       remain + "; its metadata was not moved first (Input/output error)"},
  };
  const std::string root = FakeDrive("btrfs");
  const std::uint64_t mount = platform::realFileSystem().info(root)->mount;
  const auto space = files.diskSpace(root);
  ASSERT_TRUE(space);
  std::size_t writesBefore = 0;  // the file system's writes when it was asked
  relocator.during = [&](const platform::RelocationRequest&) {
    writesBefore = files.writes.size();
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writesBefore = 1;
    relocator.asked.clear();
    relocator.answer = c.answer;
    files.writes.clear();
    services.log = {};
    Run(wkFreeSpace, root);
    // Asked once, for the drive's own mount, before the fill wrote anything.
    ASSERT_EQ(relocator.asked.size(), 1u);
    EXPECT_EQ(relocator.asked[0].mountPoint, root);
    EXPECT_EQ(relocator.asked[0].device, space->id.device);
    EXPECT_EQ(relocator.asked[0].mount, mount);
    EXPECT_EQ(writesBefore, 0u);

    EXPECT_FALSE(files.writes.empty());
    EXPECT_FALSE(pathExists(root + "tem1.tmp"));
    // A note, never something left behind.
    EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
    const auto notes = NamesNotes();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].Path, root);
    EXPECT_FALSE(LeavesSomethingBehind(notes[0]));
    EXPECT_EQ(DescribeFailure(notes[0]), c.note);
    ASSERT_FALSE(services.log.files.empty());
    EXPECT_EQ(services.log.files.front(), kMovingMetadataText);
  }
}

TEST_F(MetadataNamesTest, TheMovingShowsItsProgressAndStopEndsTheDriveWithoutAFill) {
  const std::string root = FakeDrive("btrfs");
  relocator.during = [&](const platform::RelocationRequest& request) {
    request.progress(1, 4);
    request.progress(3, 4);
    services.onProcess = [&] { engine.Stop(); };
    EXPECT_TRUE(request.stop());
  };
  relocator.answer = std::make_error_code(std::errc::operation_canceled);
  Run(wkFreeSpace, root);
  EXPECT_TRUE(engine.Aborted);
  EXPECT_EQ(engine.StoppedInDrive(), root);
  EXPECT_NE(std::find(services.log.fileRanges.begin(), services.log.fileRanges.end(), 4u),
            services.log.fileRanges.end());
  EXPECT_NE(std::find(services.log.filePositions.begin(), services.log.filePositions.end(), 3u),
            services.log.filePositions.end());
  // Nothing filled, the empty temporary file removed, and nothing said of names: the wipe of
  // the drive did not happen.
  for (const auto& write : files.writes) EXPECT_EQ(write.length, 0u);
  EXPECT_FALSE(pathExists(root + "tem1.tmp"));
  EXPECT_TRUE(NamesNotes().empty());
  EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
}

TEST_F(MetadataNamesTest, OtherFileSystemsAreNeitherMovedNorToldOfNames) {
  for (const char* fileSystem : {"ext4", "f2fs"}) {
    SCOPED_TRACE(fileSystem);
    const std::string root = FakeDrive(fileSystem, std::string("drive-") + fileSystem);
    Run(wkFreeSpace, root);
    EXPECT_FALSE(files.writes.empty());
    EXPECT_TRUE(relocator.asked.empty());
    EXPECT_TRUE(NamesNotes().empty());
  }
}

TEST_F(MetadataNamesTest, AFileWipeOnBtrfsLeavesNamesUnlessTheRunMovesAndFillsTheMetadataAfter) {
  const std::string root = FakeDrive("btrfs");
  const std::string shown = root.substr(0, root.size() - 1);
  const auto wipeFiles = [&](bool freeSpaceAfter, const std::string& fileSystem,
                             const std::string& drive = "drive") {
    engine.ClearItems();
    for (const char* name : {"/a", "/b"}) {
      const std::string path = folder.write(drive + name, "secret");
      files.layoutsOf[path] = {Layout(fileSystem), Layout(fileSystem)};
      engine.AddItem(std::make_unique<TWipeItem>(wkFile, path));
    }
    if (freeSpaceAfter) engine.AddItem(std::make_unique<TWipeItem>(wkFreeSpace, root));
    ExecuteWith(engine, manager, services);
  };
  const auto namesLeft = [&] {
    std::vector<TWipeFailure> left;
    std::copy_if(engine.Failures.begin(), engine.Failures.end(), std::back_inserter(left),
                 [](const TWipeFailure& f) { return f.Reason == TWipeFailureReason::NamesRemain; });
    return left;
  };

  // Once for the drive, however many files went, and it counts: the administrator's free-space
  // wipe of the drive is what finishes it.
  wipeFiles(false, "btrfs");
  auto left = namesLeft();
  ASSERT_EQ(left.size(), 1u) << ::testing::PrintToString(engine.Failures);
  EXPECT_EQ(left[0].Path, root);
  EXPECT_EQ(left[0].FreeSpaceRoot, root);
  EXPECT_TRUE(LeavesSomethingBehind(left[0]));
  EXPECT_EQ(DescribeFailure(left[0]),
            "names of wiped files remain: in the file system's metadata, until the administrator "
            "wipes the free space of " +
                shown);
  EXPECT_TRUE(NamesNotes().empty());

  // A free-space wipe of that drive later in the run that moves the metadata first answers for
  // them instead, and its note names the drive it reached.
  wipeFiles(true, "btrfs");
  EXPECT_TRUE(namesLeft().empty()) << ::testing::PrintToString(engine.Failures);
  auto notes = NamesNotes();
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].Path, root);
  EXPECT_EQ(notes[0].FreeSpaceRoot, root);
  EXPECT_EQ(DescribeFailure(notes[0]).find("wipe the free space"), std::string::npos);

  // One that could not move it leaves them counted.
  relocator.answer = std::make_error_code(std::errc::operation_not_permitted);
  wipeFiles(true, "btrfs");
  ASSERT_EQ(namesLeft().size(), 1u);
  notes = NamesNotes();
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_TRUE(notes[0].FreeSpaceRoot.empty());

  // Nothing of the kind where the files lay on ext4.
  relocator.answer = {};
  FakeDrive("ext4", "ext4-drive");
  wipeFiles(false, "ext4", "ext4-drive");
  EXPECT_TRUE(NamesNotes().empty());
  EXPECT_TRUE(namesLeft().empty());
}
