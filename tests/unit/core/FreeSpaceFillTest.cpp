// Filling a bound drive: the fill ends at the first write the file system refuses and tells what
// it could not reach, and a first pass that cannot be forced to the device is the fill's failure.

#include "core/TFreeSpaceFill.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "WipeEngineFixture.h"
#include "core/TFreeSpaceJob.h"
#include "core/TFreeSpacePlace.h"
#include "core/TWipeItem.h"
#include "core/WipeRun.h"
#include "platform/Drives.h"
#include "platform/Folder.h"
#include "support/FakeJournals.h"
#include "support/FakeWipeServices.h"
#include "support/FaultyFileSystem.h"
#include "support/TestDrives.h"
#include "support/TestFolder.h"

namespace {

constexpr std::uint32_t kCluster = 4096;

class FreeSpaceFillTest : public ::testing::Test {
 protected:
  FreeSpaceFillTest() {
    files.confinedTo = folder.path();
    // Figures that do not shrink as the file grows: the fill ends where the test says.
    files.diskSpaceOf[drive] = {16 * kCluster, 16 * kCluster, kCluster};
  }

  // Fills the drive with a run of the method (none: blocks of "0"), the drive bound and its
  // temporary file placed first.
  TFillEnd FillWith(std::optional<WipeRunMethod> method) {
    run = std::make_unique<WipeRun>(services, WipeRun::Platform{files, table, journals},
                                    WipeRunSettings{}, std::move(method));
    place = std::make_unique<TFreeSpacePlace>(
        *run, failures, notes,
        [](platform::Folder& in, const std::string& name, const platform::EntryId&, std::uint64_t) {
          return in.removeFile(name);
        });
    fill = std::make_unique<TFreeSpaceFill>(
        *run,
        TRunTurns{[this] { services.ProcessMessages(); }, [] { return false; }, &window,
                  run->Settings.BufferSize},
        *place, failures, notes, [](platform::File&) {});
    EXPECT_TRUE(place->Bind(TWipeItem(wkFreeSpace, drive), job));
    auto file = place->Place(job);
    EXPECT_TRUE(file);
    if (!file) return TFillEnd::Zeros;
    return fill->Fill(job, *file, job.bound.available, job.bound);
  }

  std::vector<std::uint64_t> LengthsWrittenTo(const std::string& path) const {
    std::vector<std::uint64_t> lengths;
    for (const FaultyFileSystem::Write& write : files.writes) {
      if (write.path == path) lengths.push_back(write.length);
    }
    return lengths;
  }

  TestFolder folder;
  FaultyFileSystem files;
  FakeWipeServices services;
  FakeWipeProgress window{services.log};
  FakeJournals journals;
  const std::string drive = folder.makeFolder("drive") + "/";
  platform::DriveTable table = TestDriveTable(folder, {{"/", "ext4"}, {drive, "ext4"}});
  std::vector<TWipeFailure> failures;
  std::vector<TWipeFailure> notes;
  TFreeSpaceJob job;
  std::unique_ptr<WipeRun> run;
  std::unique_ptr<TFreeSpacePlace> place;
  std::unique_ptr<TFreeSpaceFill> fill;
};

TEST_F(FreeSpaceFillTest, TheFillEndsAtTheFirstRefusedWriteAndTellsWhatItDidNotReach) {
  // The file system refuses more after five clusters, though its figures say sixteen are free.
  files.bytesLeft = 5 * kCluster;
  EXPECT_EQ(FillWith(std::nullopt), TFillEnd::Zeros);
  const std::string temporary = drive + "tem1.tmp";
  EXPECT_EQ(LengthsWrittenTo(temporary),
            (std::vector<std::uint64_t>{kCluster, kCluster, kCluster, kCluster, kCluster, 0}));
  EXPECT_EQ(std::filesystem::file_size(temporary), 5u * kCluster);
  EXPECT_TRUE(job.filled);
  EXPECT_TRUE(job.full);
  // The second file was refused at once too: nothing of it is left.
  EXPECT_EQ(LengthsWrittenTo(drive + "tem2.tmp"), std::vector<std::uint64_t>{0});
  EXPECT_TRUE(job.tails.empty());
  EXPECT_FALSE(pathExists(drive + "tem2.tmp"));
  EXPECT_TRUE(failures.empty());
  // What stayed free is named with the drive, in bytes.
  ASSERT_TRUE(job.left);
  fill->ReportUnreached(job, *job.left);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].Path, drive);
  EXPECT_EQ(failures[0].Reason, TWipeFailureReason::FreeSpaceFillFailed);
  EXPECT_EQ(failures[0].Error, std::errc::no_space_on_device);
  EXPECT_EQ(failures[0].Detail.rfind(std::to_string(16 * kCluster) + " bytes", 0), 0u)
      << failures[0].Detail;
}

TEST_F(FreeSpaceFillTest, AFirstPassThatCannotBeForcedToTheDeviceIsTheFillsFailure) {
  files.diskSpaceOf[drive] = {3 * kCluster, 3 * kCluster, kCluster};
  files.failFlush.insert(drive + "tem1.tmp");
  EXPECT_EQ(FillWith(WipeRunMethod{"one", true, {}, {BytePass(0xAB)}}), TFillEnd::FirstPassFailed);
  // The fill wrote the pass's bytes, a cluster past the figures' end.
  std::ifstream in(drive + "tem1.tmp", std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(written, std::string(4 * kCluster, '\xAB'));
  // Its failure is that of the first pass, from the file's first byte, with the system's reason.
  ASSERT_TRUE(fill->FirstPassFailure());
  EXPECT_EQ(fill->FirstPassFailure()->pass, 1);
  EXPECT_EQ(fill->FirstPassFailure()->at, 0u);
  EXPECT_EQ(fill->FirstPassFailure()->error, std::errc::io_error);
  EXPECT_TRUE(failures.empty());
}

}  // namespace
