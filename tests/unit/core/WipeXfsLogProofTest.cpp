// A thousand files wiped through the engine on a small XFS file system the test mounts itself:
// with the journal option off, the XFS log still holds copies of their names; left at its
// default, which is on, the log holds none. The file system checks whole either way, and the
// run tells that the folder blocks XFS keeps removed names in are out of its reach.

#include <cstdlib>
#include <filesystem>

#include "WipeEngineFixture.h"
#include "core/JournalCleanup.h"
#include "platform/Folder.h"
#include "platform/Journal.h"
#include "support/JournalImage.h"
#include "support/MountOrSkip.h"
#include "support/ScopedMount.h"

namespace {

const std::string kNamePrefix = "Numbat-ledger-of-";
constexpr int kFiles = 1000;

bool HasScratchFolder(const std::string& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (platform::isScratchFolderName(entry.path().filename().string())) return true;
  }
  return false;
}

bool RepairFindsNothing(const std::string& image) {
  return std::system(("xfs_repair -n '" + image + "' >/dev/null 2>&1").c_str()) == 0;
}

class WipeXfsLogProofTest : public WipeEngineTest {
 protected:
  WipeXfsLogProofTest() { AddMethod("one.mtd", {BytePass(0)}); }

  // Mounts a 192 MiB XFS image with a 12 MiB log and a folder `work` on it; why not, where that
  // is not possible.
  std::string Mount() {
    mount = std::make_unique<ScopedMount>(folder.makeFolder("mnt"), ScopedMount::Kind::XfsImage,
                                          192, "-l size=12m");
    work = mount->point() + "/work";
    return MountProblem(*mount, work);
  }

  // Files with distinctive names in two folders, then the whole file system forced to the
  // device, so the log and the folders' own blocks hold the names.
  void WriteFiles() {
    ASSERT_TRUE(platform::fs().createFolder(work + "/sub"));
    for (int i = 0; i < kFiles; ++i) {
      const std::string path =
          work + (i % 2 ? "/sub/" : "/") + kNamePrefix + std::to_string(1000 + i) + ".txt";
      auto file = platform::fs().createAlways(path);
      ASSERT_TRUE(file && file->write("secret", 6)) << path;
    }
    auto folder = platform::fs().openFolder(work);
    ASSERT_TRUE(folder && folder->syncFileSystem());
  }

  std::unique_ptr<ScopedMount> mount;
  std::string work;
};

struct Proof {
  const char* name;
  int choice;  // -1 off for the run, 0 the default (the settings do not say)
  friend void PrintTo(const Proof& p, std::ostream* out) { *out << p.name; }
};

class WipeXfsLogProof : public WipeXfsLogProofTest, public ::testing::WithParamInterface<Proof> {};

}  // namespace

TEST_P(WipeXfsLogProof, NamesOfWipedFilesAreGoneFromTheImageUnlessTheOptionIsOff) {
  const Proof& p = GetParam();
  MOUNT_OR_SKIP(Mount());
  WriteFiles();
  if (p.choice == 0) {
    manager.LoadSettings();  // the test's settings file says nothing of the journal
    ASSERT_FALSE(manager.JournalNamesChosen());
  } else {
    manager.ChooseJournalForRun(false);
  }
  engine.ClearItems();
  engine.AddItem(std::make_unique<TWipeItem>(wkFolder, work));
  ExecuteWith(engine, manager, services);
  // What no step reaches is told either way: the bytes of removed names in the folder blocks.
  ASSERT_EQ(engine.Failures.size(), 1u) << ::testing::PrintToString(engine.Failures);
  EXPECT_EQ(engine.Failures[0].Reason, TWipeFailureReason::NamesRemain);
  EXPECT_NE(engine.Failures[0].Detail.find("folder blocks"), std::string::npos);
  // Turned off, the log keeps the names, and the run says so without counting it.
  ASSERT_EQ(engine.Notes.size(), p.choice == 0 ? 0u : 1u) << ::testing::PrintToString(engine.Notes);
  if (p.choice != 0) {
    EXPECT_EQ(engine.Notes[0].Reason, TWipeFailureReason::JournalNotCleared);
  }
  EXPECT_FALSE(pathExists(work));
  EXPECT_FALSE(HasScratchFolder(mount->point()));
  ASSERT_TRUE(mount->unmount());
  EXPECT_TRUE(RepairFindsNothing(mount->image()));
  const std::size_t left = CountInImage(mount->image(), kNamePrefix);
  if (p.choice == 0) {
    EXPECT_EQ(left, 0u);
  } else {
    EXPECT_GT(left, std::size_t{kFiles / 2});
  }
}

INSTANTIATE_TEST_SUITE_P(Xfs, WipeXfsLogProof,
                         ::testing::Values(Proof{"Off", -1}, Proof{"Default", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WipeXfsLogProofTest, AScratchFolderLeftByAKilledCycleGoesWithTheNextOne) {
  MOUNT_OR_SKIP(Mount());
  const std::string stale = work + "/.ferrovane-journal-00112233aabb";
  ASSERT_TRUE(platform::fs().createFolder(stale));
  for (const char* name : {"0", "1", "2"})
    ASSERT_TRUE(platform::fs().createAlways(stale + "/" + name));

  JournalCleanup cleanup;
  cleanup.StaleScratchAge = {};  // just made, but nothing is at work in it
  cleanup.NoteDeletion(work);
  const auto results = cleanup.Finish({}, {});
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].Outcome.result, platform::JournalResult::Cleaned)
      << DescribeJournalOutcome(results[0].Outcome);
  EXPECT_FALSE(pathExists(stale));
  EXPECT_FALSE(HasScratchFolder(work));
}
