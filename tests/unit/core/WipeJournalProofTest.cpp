// Files wiped through the engine on a small ext4 file system the test mounts itself: with the
// journal option on, none of their names can be read from the raw image afterwards; with it
// off, the journal still holds copies of them. The file system checks whole either way.

#include "WipeEngineFixture.h"
#include "core/JournalCleanup.h"
#include "platform/Folder.h"
#include "platform/Journal.h"
#include "support/JournalImage.h"
#include "support/MountOrSkip.h"
#include "support/ScopedMount.h"

namespace {

const std::string kNamePrefix = "Wombat-minutes-of-";
constexpr int kFiles = 40;

struct Proof {
  const char* name;
  const char* mkfsOptions;
  bool option;
  friend void PrintTo(const Proof& p, std::ostream* out) { *out << p.name; }
};

class WipeJournalProofTest : public WipeEngineTest {
 protected:
  WipeJournalProofTest() { AddMethod("one.mtd", {BytePass(0)}); }

  // Mounts a 64 MiB ext4 image with a folder `work` on it; why not, where that is not possible.
  std::string Mount(const std::string& mkfsOptions) {
    mount = std::make_unique<ScopedMount>(folder.makeFolder("mnt"), ScopedMount::Kind::Ext4Image,
                                          64, mkfsOptions);
    work = mount->point() + "/work";
    return MountProblem(*mount, work);
  }

  // Files with distinctive names, each forced to the device, half of them in a subfolder; then
  // the whole file system is, so that the folders' own blocks hold the names on the device too.
  void WriteFiles() {
    ASSERT_TRUE(platform::fs().createFolder(work + "/sub"));
    for (int i = 0; i < kFiles; ++i) {
      const std::string path =
          work + (i % 2 ? "/sub/" : "/") + kNamePrefix + std::to_string(1000 + i) + ".txt";
      auto file = platform::fs().createAlways(path);
      ASSERT_TRUE(file && file->write("secret", 6) && file->flush()) << path;
    }
    auto folder = platform::fs().openFolder(work);
    ASSERT_TRUE(folder && folder->syncFileSystem());
  }

  std::unique_ptr<ScopedMount> mount;
  std::string work;
};

class WipeJournalProof : public WipeJournalProofTest,
                         public ::testing::WithParamInterface<Proof> {};

}  // namespace

TEST_P(WipeJournalProof, NamesOfWipedFilesAreGoneFromTheImageOnlyWithTheOption) {
  const Proof& p = GetParam();
  MOUNT_OR_SKIP(Mount(p.mkfsOptions));
  WriteFiles();
  manager.ChooseJournalForRun(p.option);
  engine.ClearItems();
  // A file on its own, then the folder with everything left in it.
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, work + "/" + kNamePrefix + "1000.txt"));
  engine.AddItem(std::make_unique<TWipeItem>(wkFolder, work));
  ExecuteWith(engine, manager, services);
  EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
  EXPECT_FALSE(pathExists(work));
  ASSERT_TRUE(mount->unmount());
  EXPECT_TRUE(CheckedClean(mount->image()));
  const std::size_t left = CountInImage(mount->image(), kNamePrefix);
  if (p.option) {
    EXPECT_EQ(left, 0u);
  } else {
    EXPECT_GT(left, 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ext4, WipeJournalProof,
    ::testing::Values(Proof{"Off", "-J size=4", false}, Proof{"On", "-J size=4", true},
                      Proof{"FastCommitOff", "-J size=4 -O fast_commit", false},
                      Proof{"FastCommitOn", "-J size=4 -O fast_commit", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WipeJournalProofTest, AScratchFolderLeftByAKilledCleaningGoesWithTheNextCleaning) {
  MOUNT_OR_SKIP(Mount("-J size=4"));
  const std::string stale = work + "/.ferrovane-journal-00112233aabb";
  ASSERT_TRUE(platform::fs().createFolder(stale));
  for (const char* name : {"0", "1", "2"})
    ASSERT_TRUE(platform::fs().createAlways(stale + "/" + name));
  const std::string notOurs = work + "/.ferrovane-journal-00112233aabc";
  ASSERT_TRUE(platform::fs().createFolder(notOurs));
  ASSERT_TRUE(platform::fs().createAlways(notOurs + "/letter.txt"));

  JournalCleanup cleanup;
  cleanup.StaleScratchAge = {};  // just made, but nothing is at work in it
  cleanup.NoteDeletion(work);
  const auto results = cleanup.Finish({}, {});
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].Outcome.result, platform::JournalResult::Cleaned);
  EXPECT_FALSE(pathExists(stale));
  EXPECT_TRUE(pathExists(notOurs + "/letter.txt"));
}
