// A run writes through the platform services it was made with: the file system, the drive table
// and the journals it was given, and the windows' services of its own, whatever is installed.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "WipeEngineFixture.h"
#include "core/Translated.h"
#include "core/WipeRun.h"
#include "platform/Drives.h"
#include "platform/Journal.h"
#include "platform/PathText.h"
#include "support/FakeJournals.h"
#include "support/TestDrives.h"
#include "support/ThrowingServices.h"

namespace {

TEST_F(WipeEngineTest, ARunWipesThroughTheServicesItWasMadeWithAndNeverTheInstalledOnes) {
  AddMethod("one.mtd", {BytePass(0x5A)});
  const std::string file = folder.write("file", std::string(5000, 'f'));
  const std::string tree = folder.makeFolder("tree");
  folder.write("tree/inner", std::string(300, 'i'));
  // A folder of the test posing as a drive of three free clusters, in the run's table alone.
  const std::string drive = folder.makeFolder("drive") + "/";
  // Its figures alone: a fill that failed to stop would end after a few clusters.
  files.diskSpaceOf.clear();
  files.diskSpaceOf[drive] = {3 * kCluster, 3 * kCluster, kCluster};
  files.bytesLeft = 1 << 20;
  platform::DriveTable table = TestDriveTable(folder, {{"/", "ext4"}, {drive, "ext4"}});
  FakeJournals journals;
  journals.folders[platform::trimSeparators(folder.path())] = 7;
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, file));
  engine.AddItem(std::make_unique<TWipeItem>(wkFolder, tree));
  engine.AddItem(std::make_unique<TWipeItem>(wkFreeSpace, drive));
  WipeRunSettings settings = WipeRunSettings::Of(manager);
  settings.Journal = WipeRunSettings::JournalNames::All;
  std::optional<WipeRunMethod> method = RunMethodOf(manager.MethodForEngine(engine));

  // The program's texts are read once, through the installed file system, before any run.
  (void)Tr("was not wiped");
  // From here on, the installed services fail the run the moment it asks them anything, and the
  // installed drive table knows no drive.
  ThrowingFileSystem throwingFiles;
  ThrowingJournals throwingJournals;
  ThrowingWipeServices throwingServices;
  const platform::ScopedFileSystem installedFiles(throwingFiles);
  const platform::ScopedDriveTable installedDrives(
      platform::DriveTable(folder / "no-mounts", folder / "no-devices"));
  const platform::ScopedJournals installedJournals(&throwingJournals);
  const ScopedWipeServices installedServices(throwingServices);
  WipeRun run(services, {files, table, journals}, std::move(settings), std::move(method));
  engine.Execute(run);

  EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
  EXPECT_FALSE(engine.Aborted);
  EXPECT_FALSE(pathExists(file));
  EXPECT_FALSE(pathExists(tree));
  // The file, the folder's file and the free space's file were overwritten with the pass, then
  // deleted.
  const std::vector<std::string> wiped = WipedContents();
  ASSERT_EQ(wiped.size(), 3u);
  EXPECT_EQ(wiped[0], std::string(5000, '\x5A'));
  EXPECT_EQ(wiped[1], std::string(300, '\x5A'));
  EXPECT_EQ(wiped[2].find_first_not_of('\x5A'), std::string::npos);
  // The drive's free space was filled through the run's file system, its file gone afterwards.
  bool filled = false;
  for (const FaultyFileSystem::Write& write : files.writes) {
    filled = filled || write.path.rfind(drive, 0) == 0;
  }
  EXPECT_TRUE(filled);
  EXPECT_TRUE(std::filesystem::is_empty(drive));
  // The journal of the file system deleted on was cleared through the run's journals.
  ASSERT_EQ(journals.calls.size(), 1u);
  EXPECT_EQ(journals.calls[0].volume, std::optional<std::uint64_t>(7));
  EXPECT_EQ(services.log.opened, 1);
}

}  // namespace
