// The device check on file systems the test mounts itself (ext4, XFS, btrfs on loop devices,
// as root): after runs that leave nothing every file is verified on the device; each fault put
// in on purpose is found, and named with the place: a pass that never reached the file, a
// journal left as it was, a btrfs file whose new bytes went to other blocks, a name left in a
// folder block. As an ordinary user the device cannot be read, and the files say so.

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "WipeEngineFixture.h"
#include "core/DeviceCheck.h"
#include "core/DeviceRecord.h"
#include "core/DriveFunctions.h"
#include "platform/Folder.h"
#include "platform/Journal.h"
#include "support/DropPrivileges.h"
#include "support/MountOrSkip.h"
#include "support/ScopedMount.h"

using Verdict = TDeviceRecord::Verdict;

namespace {

const std::string kPrefix = "Numbat-ledger-";

class DeviceCheckProof : public WipeEngineTest {
 protected:
  DeviceCheckProof() { AddMethod("one.mtd", {BytePass(0x5A)}); }

  // Mounts an image of the kind with a folder `work` on it; why not, where that is not possible.
  std::string Mount(ScopedMount::Kind kind, unsigned megabytes, const std::string& mkfs = {}) {
    mount = std::make_unique<ScopedMount>(folder.makeFolder("mnt"), kind, megabytes, mkfs);
    work = mount->point() + "/work";
    return MountProblem(*mount, work);
  }

  // A file of `blocks` blocks of content no other block holds, forced to the device.
  std::string WriteFile(const std::string& path, int blocks) {
    std::string content;
    for (int b = 0; b < blocks; ++b) {
      content += path + " block " + std::to_string(b) + ":";
      for (int i = 0; content.size() % kCluster != 0; ++i)
        content += static_cast<char>('a' + (i * 7 + b) % 26);
    }
    auto file = platform::fs().createAlways(path);
    EXPECT_TRUE(file && file->write(content.data(), content.size()) && file->flush()) << path;
    return path;
  }
  // `count` files with distinctive names in the folder, then the whole file system forced to the
  // device, so that the folders' blocks hold the names there too.
  std::vector<std::string> WriteFiles(const std::string& in, int count, int blocks = 3) {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
      paths.push_back(WriteFile(in + "/" + kPrefix + std::to_string(1000 + i) + ".txt", blocks));
    }
    auto opened = platform::fs().openFolder(in);
    EXPECT_TRUE(opened && opened->syncFileSystem());
    return paths;
  }

  // Runs the engine's jobs with the record as witness, then the check.
  TDeviceCheckSummary RunAndCheck(TDeviceRecord& record) {
    WipeRun run = WipeRun::For(engine, manager, services);
    run.Witness = &record;
    engine.Execute(run);
    return TDeviceCheck(record).Run();
  }
  // The detail of the one file whose path ends in `name`.
  const TDeviceRecord::File* Recorded(const TDeviceRecord& record, const std::string& name) {
    for (const auto& file : record.Files()) {
      if (file.Path.size() >= name.size() &&
          file.Path.compare(file.Path.size() - name.size(), name.size(), name) == 0) {
        return &file;
      }
    }
    return nullptr;
  }
  static std::string Verdicts(const TDeviceRecord& record) {
    std::string text;
    for (const auto& file : record.Files()) text += "\n" + file.Path + ": " + file.Detail;
    return text;
  }

  std::unique_ptr<ScopedMount> mount;
  std::string work;
};

struct Clean {
  const char* name;
  ScopedMount::Kind kind;
  unsigned megabytes;
  const char* mkfs;
  bool freeSpaceAfter;  // the file system writes elsewhere: its free space is wiped too
  friend void PrintTo(const Clean& c, std::ostream* out) { *out << c.name; }
};

class DeviceCheckClean : public DeviceCheckProof, public ::testing::WithParamInterface<Clean> {};

}  // namespace

TEST_P(DeviceCheckClean, RunsThatLeaveNothingAreVerifiedOnTheDevice) {
  const Clean& c = GetParam();
  MOUNT_OR_SKIP(Mount(c.kind, c.megabytes, c.mkfs));
  WriteFiles(work, 3);
  manager.ChooseJournalForRun(true);
  engine.ClearItems();
  engine.AddItem(std::make_unique<TWipeItem>(wkFolder, work));
  if (c.freeSpaceAfter) {
    auto drive = std::make_unique<TWipeItem>(wkFreeSpace, mount->point() + "/");
    drive->Volume = GetDriveVolume(platform::fs(), drive->Path);
    engine.AddItem(std::move(drive));
  }
  TDeviceRecord record;
  const TDeviceCheckSummary summary = RunAndCheck(record);
  EXPECT_FALSE(pathExists(work));
  EXPECT_EQ(summary.Verified, 3u) << Verdicts(record);
  EXPECT_EQ(summary.Found + summary.NotVerified, 0u) << Verdicts(record);
  EXPECT_GT(summary.BytesRead, 3u * kCluster);
  for (const auto& file : record.Files()) EXPECT_EQ(file.Samples, 3u) << file.Path;
}

INSTANTIATE_TEST_SUITE_P(
    Loop, DeviceCheckClean,
    ::testing::Values(Clean{"Ext4", ScopedMount::Kind::Ext4Image, 64, "-b 4096 -J size=4", false},
                      Clean{"Xfs", ScopedMount::Kind::XfsImage, 160, "-l size=10m", false},
                      Clean{"Btrfs", ScopedMount::Kind::BtrfsImage, 160, "", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeviceCheckProof, APassThatNeverReachedTheFileIsFoundAtItsBlocks) {
  MOUNT_OR_SKIP(Mount(ScopedMount::Kind::Ext4Image, 64, "-b 4096 -J size=4"));
  const std::vector<std::string> paths = WriteFiles(work, 2);
  manager.ChooseJournalForRun(true);
  // The test file system swallows every write to the second file and says it wrote them.
  files.dropWrites.insert(paths[1]);
  engine.ClearItems();
  for (const std::string& path : paths) engine.AddItem(std::make_unique<TWipeItem>(wkFile, path));
  TDeviceRecord record;
  const TDeviceCheckSummary summary = RunAndCheck(record);
  EXPECT_EQ(summary.Verified, 1u) << Verdicts(record);
  EXPECT_EQ(summary.Found, 1u) << Verdicts(record);
  const auto* skipped = Recorded(record, "1001.txt");
  ASSERT_TRUE(skipped);
  EXPECT_EQ(skipped->Checked, Verdict::Found);
  EXPECT_EQ(skipped->OldBlocks, 3u);
  EXPECT_EQ(skipped->Detail.rfind("3 of 3 blocks compared still hold the old content, at device "
                                  "offsets ",
                                  0),
            0u)
      << skipped->Detail;
}

TEST_F(DeviceCheckProof, AJournalLeftAsItWasStillHoldsTheNames) {
  MOUNT_OR_SKIP(Mount(ScopedMount::Kind::Ext4Image, 64, "-b 4096 -J size=4"));
  WriteFiles(work, 3);
  manager.ChooseJournalForRun(false);
  engine.ClearItems();
  engine.AddItem(std::make_unique<TWipeItem>(wkFolder, work));
  TDeviceRecord record;
  const TDeviceCheckSummary summary = RunAndCheck(record);
  EXPECT_EQ(summary.Found, 3u) << Verdicts(record);
  for (const auto& file : record.Files()) {
    EXPECT_NE(file.Detail.find("its name is still on the device: in the journal at device offset"),
              std::string::npos)
        << file.Detail;
    EXPECT_EQ(file.OldBlocks, 0u);
  }
}

TEST_F(DeviceCheckProof, ABtrfsFileWhoseBlocksMovedIsFoundAtItsOldBlocks) {
  MOUNT_OR_SKIP(Mount(ScopedMount::Kind::BtrfsImage, 160));
  // The data chunk moves to a new address of the file system, away from its place on the
  // device: a byte's address is no longer its offset there.
  if (std::system(("btrfs balance start -d '" + mount->point() + "' >/dev/null 2>&1").c_str()) !=
      0) {
    GTEST_SKIP() << "btrfs balance is not there";
  }
  const std::vector<std::string> paths = WriteFiles(work, 1, 4);
  engine.ClearItems();
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, paths[0]));
  TDeviceRecord record;
  const TDeviceCheckSummary summary = RunAndCheck(record);
  // The engine knows it too: the passes went elsewhere.
  EXPECT_TRUE(HasFailure(paths[0], TWipeFailureReason::NotOverwrittenInPlace));
  EXPECT_EQ(summary.Found, 1u) << Verdicts(record);
  const auto* moved = Recorded(record, "1000.txt");
  ASSERT_TRUE(moved);
  EXPECT_EQ(moved->OldBlocks, 4u);
  EXPECT_NE(moved->Detail.find("4 of 4 blocks compared still hold the old content"),
            std::string::npos)
      << moved->Detail;
}

TEST_F(DeviceCheckProof, ANameLeftInAFolderBlockIsFoundThere) {
  MOUNT_OR_SKIP(Mount(ScopedMount::Kind::XfsImage, 160, "-l size=10m"));
  // Enough entries that XFS keeps the folder in a block of its own, which stays after the wipe.
  const std::vector<std::string> paths = WriteFiles(work, 120, 1);
  manager.ChooseJournalForRun(true);
  engine.ClearItems();
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, paths[7]));
  TDeviceRecord record;
  const TDeviceCheckSummary summary = RunAndCheck(record);
  // The engine tells it too: the folder stays, and its block holds the name.
  ASSERT_EQ(engine.Failures.size(), 1u) << ::testing::PrintToString(engine.Failures);
  EXPECT_EQ(engine.Failures[0].Reason, TWipeFailureReason::NamesRemain);
  EXPECT_EQ(summary.Found, 1u) << Verdicts(record);
  const auto* left = Recorded(record, "1007.txt");
  ASSERT_TRUE(left);
  EXPECT_EQ(left->OldBlocks, 0u);
  EXPECT_NE(
      left->Detail.find("its name is still on the device: in a folder block at device offset"),
      std::string::npos)
      << left->Detail;
}

TEST_F(DeviceCheckProof, AnOrdinaryUserIsToldTheCheckNeedsAdministratorRights) {
  // Earlier runs may have left threads of the system's asynchronous flushes: the child starts
  // afresh rather than from a fork of this process.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  MOUNT_OR_SKIP(Mount(ScopedMount::Kind::Ext4Image, 64, "-b 4096 -J size=4"));
  namespace fsys = std::filesystem;
  for (const std::string& open : {folder.path(), folder.path() + "mnt", mount->point(), work}) {
    fsys::permissions(open, fsys::perms::all);
  }
  EXPECT_EXIT(
      {
        if (!DropToNobody()) std::_Exit(10);
        const std::string path = WriteFile(work + "/" + kPrefix + "nobody.txt", 2);
        engine.ClearItems();
        engine.AddItem(std::make_unique<TWipeItem>(wkFile, path));
        TDeviceRecord record;
        const TDeviceCheckSummary summary = RunAndCheck(record);
        if (pathExists(path)) std::_Exit(11);
        if (summary.NotVerified != 1 || summary.Found != 0) std::_Exit(12);
        std::_Exit(record.Files()[0].Detail == "not verified (needs administrator rights)" ? 0
                                                                                           : 13);
      },
      ::testing::ExitedWithCode(0), "");
}
