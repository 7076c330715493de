// The journal cleaning on small ext4 file systems that the tests mount themselves: files with
// distinctive names are written and deleted, the journal is cleared (or not), and the raw image
// is searched for the names afterwards.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/FileSystem.h"
#include "platform/Journal.h"
#include "support/DropPrivileges.h"
#include "support/JournalImage.h"
#include "support/MountOrSkip.h"
#include "support/ScopedMount.h"
#include "support/ScopedReachableFolder.h"
#include "support/TestFolder.h"

using namespace platform;

namespace {

const std::string kNamePrefix = "Quokka-ledger-of-";
constexpr int kNames = 60;

std::string nameOf(int i) {
  return kNamePrefix + std::to_string(1000 + i) + ".txt";
}

bool hasScratchFolder(const std::string& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().filename().string().rfind(".ferrovane-journal-", 0) == 0) return true;
  }
  return false;
}

struct JournalCleaningTest : ::testing::Test {
  TestFolder t;
  std::unique_ptr<ScopedMount> mount;
  std::string folder;  // a folder on the mounted file system

  // Mounts a 64 MiB ext4 image; the reason the test skips where that is not possible.
  std::string Mount(const std::string& mkfsOptions,
                    ScopedMount::Kind kind = ScopedMount::Kind::Ext4Image) {
    mount = std::make_unique<ScopedMount>(t.makeFolder("mnt"), kind, 64, mkfsOptions);
    folder = mount->point() + "/work/";
    // Never anything but the file system mounted here.
    return MountProblem(*mount, folder);
  }

  // Writes the files, each forced to the device (which puts their names into fast commits as
  // well, where the file system makes them), then deletes them, forcing another file after
  // each deletion.
  void WriteAndDeleteNames() {
    auto other = fs().createAlways(folder + "kept");
    ASSERT_TRUE(other);
    for (int i = 0; i < kNames; ++i) {
      auto file = fs().createAlways(folder + nameOf(i));
      ASSERT_TRUE(file && file->write("x", 1) && file->flush());
    }
    for (int i = 0; i < kNames; ++i) {
      ASSERT_TRUE(fs().deleteFile(folder + nameOf(i)));
      ASSERT_TRUE(other->write("y", 1) && other->flush());
    }
  }

  std::size_t NamesLeftAfterUnmount() {
    EXPECT_TRUE(mount->unmount());
    EXPECT_TRUE(CheckedClean(mount->image()));
    return CountInImage(mount->image(), kNamePrefix);
  }
};

struct Cleaning {
  const char* name;
  const char* mkfsOptions;
  std::optional<JournalWay> way;  // none: the journal is left as it is
  friend void PrintTo(const Cleaning& c, std::ostream* out) { *out << c.name; }
};

struct JournalCleaningWays : JournalCleaningTest, ::testing::WithParamInterface<Cleaning> {};

}  // namespace

TEST_P(JournalCleaningWays, NamesOfDeletedFilesAreGoneFromTheImageOnlyWhenCleared) {
  const Cleaning& c = GetParam();
  MOUNT_OR_SKIP(Mount(c.mkfsOptions));
  WriteAndDeleteNames();
  if (!c.way) {
    // The kernel zeroes the folder entries of deleted files; the journal keeps copies.
    EXPECT_GT(NamesLeftAfterUnmount(), 0u);
    return;
  }
  std::vector<std::pair<std::uint64_t, std::uint64_t>> steps;
  JournalRequest request;
  request.folder = folder;
  request.way = *c.way;
  request.volume = journals().volumeOf(folder);
  request.progress = [&](std::uint64_t done, std::uint64_t total) {
    steps.emplace_back(done, total);
  };
  if (*c.way != JournalWay::Rewrite) {
    EXPECT_TRUE(journals().canEmpty(folder));
  }
  const JournalOutcome outcome = journals().clean(request);
  ASSERT_EQ(outcome.result, JournalResult::Cleaned)
      << outcome.detail << " " << outcome.error.message();
  EXPECT_EQ(outcome.way, *c.way == JournalWay::Auto ? JournalWay::Checkpoint : *c.way);
  // At least the log's size went through it or was zeroed.
  EXPECT_GE(outcome.bytes, journals().inspect(folder).journalBytes);
  ASSERT_FALSE(steps.empty());
  for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_GE(steps[i].first, steps[i - 1].first);
  EXPECT_EQ(steps.back().first, steps.back().second);
  EXPECT_FALSE(hasScratchFolder(folder));
  EXPECT_EQ(NamesLeftAfterUnmount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Ext4, JournalCleaningWays,
    ::testing::Values(
        Cleaning{"Left", "-J size=4", std::nullopt},
        Cleaning{"Checkpoint", "-J size=4", JournalWay::Checkpoint},
        Cleaning{"Rewrite", "-J size=4", JournalWay::Rewrite},
        Cleaning{"Auto", "-J size=4", JournalWay::Auto},
        Cleaning{"FastCommitLeft", "-J size=4 -O fast_commit", std::nullopt},
        Cleaning{"FastCommitCheckpoint", "-J size=4 -O fast_commit", JournalWay::Checkpoint},
        Cleaning{"FastCommitRewrite", "-J size=4 -O fast_commit", JournalWay::Rewrite}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(JournalCleaningTest, WithoutPrivilegesTheScratchCommitsClearTheJournal) {
  MOUNT_OR_SKIP(Mount("-J size=4"));
  WriteAndDeleteNames();
  namespace fsys = std::filesystem;
  fsys::permissions(t.path(), fsys::perms::others_exec, fsys::perm_options::add);
  fsys::permissions(folder, fsys::perms::all);
  {
    // Whatever the temporary folder above the test's lets others do.
    const ScopedReachableFolder reach(t.path());
    ASSERT_TRUE(reach.reachable()) << reach.reason();
    // In a child that runs as nobody: the administrator's way is refused, Auto takes the other.
    EXPECT_EXIT(
        {
          if (!DropToNobody()) std::_Exit(10);
          if (journals().canEmpty(folder)) std::_Exit(11);
          JournalRequest request;
          request.folder = folder;
          request.way = JournalWay::Checkpoint;
          if (journals().clean(request).result != JournalResult::NotPermitted) std::_Exit(12);
          request.way = JournalWay::Auto;
          const JournalOutcome outcome = journals().clean(request);
          std::_Exit(outcome.result == JournalResult::Cleaned && outcome.way == JournalWay::Rewrite
                         ? 0
                         : 13);
        },
        ::testing::ExitedWithCode(0), "");
  }
  EXPECT_EQ(NamesLeftAfterUnmount(), 0u);
}

TEST_F(JournalCleaningTest, StoppedRewriteRemovesItsScratchFolderAndLeavesTheFileSystemWhole) {
  MOUNT_OR_SKIP(Mount("-J size=4"));
  WriteAndDeleteNames();
  int asked = 0;
  std::uint64_t done = 0;
  JournalRequest request;
  request.folder = folder;
  request.way = JournalWay::Rewrite;
  request.progress = [&](std::uint64_t d, std::uint64_t) { done = d; };
  request.stop = [&] { return ++asked > 2; };  // while the scratch files are being made
  EXPECT_EQ(journals().clean(request).result, JournalResult::Stopped);
  EXPECT_EQ(done, 0u);
  EXPECT_FALSE(hasScratchFolder(folder));

  request.stop = [&] { return done > 0; };  // after the first commit
  EXPECT_EQ(journals().clean(request).result, JournalResult::Stopped);
  EXPECT_FALSE(hasScratchFolder(folder));
  EXPECT_GT(NamesLeftAfterUnmount(), 0u);  // checked whole by e2fsck in there
}

TEST_F(JournalCleaningTest, TooFewFreeInodesForTheScratchFilesIsReportedAsSuch) {
  MOUNT_OR_SKIP(Mount("-J size=4 -N 64"));
  // Use up the inodes but one (there are far fewer than this).
  std::vector<std::string> made;
  for (int i = 0; i < 4096 && fs().createAlways(folder + "f" + std::to_string(i)); ++i) {
    made.push_back(folder + "f" + std::to_string(i));
  }
  ASSERT_FALSE(made.empty());
  ASSERT_LT(made.size(), 4096u);
  ASSERT_TRUE(fs().deleteFile(made.back()));
  JournalRequest request;
  request.folder = folder;
  request.way = JournalWay::Rewrite;
  EXPECT_EQ(journals().clean(request).result, JournalResult::NoInodes);
  EXPECT_FALSE(hasScratchFolder(folder));
}

TEST_F(JournalCleaningTest, FewerScratchFilesThanTheRewriteNeedsEndItBeforeAnyCommit) {
  // A large journal needs scratch files on many inode-table blocks for each commit; with a
  // few dozen inodes free, the files made lie on only a few blocks, and the rewrite would take
  // thousands of commits.
  MOUNT_OR_SKIP(Mount("-J size=24 -N 64"));
  std::vector<std::string> made;
  for (int i = 0; i < 4096 && fs().createAlways(folder + "f" + std::to_string(i)); ++i) {
    made.push_back(folder + "f" + std::to_string(i));
  }
  ASSERT_GT(made.size(), 40u);
  ASSERT_LT(made.size(), 4096u);
  for (int i = 0; i < 40; ++i) {
    ASSERT_TRUE(fs().deleteFile(made.back()));
    made.pop_back();
  }
  int asked = 0;
  JournalRequest request;
  request.folder = folder;
  request.way = JournalWay::Rewrite;
  request.stop = [&] { return ++asked > 50; };  // a rewrite that went on would be stopped
  const JournalOutcome outcome = journals().clean(request);
  EXPECT_EQ(outcome.result, JournalResult::NoInodes) << outcome.detail;
  EXPECT_NE(outcome.detail.find("scratch files needed could be made"), std::string::npos)
      << outcome.detail;
  EXPECT_EQ(outcome.bytes, 0u);
  EXPECT_FALSE(hasScratchFolder(folder));
}

TEST_F(JournalCleaningTest, InspectionTellsTheJournalBlockAndInodeSizes) {
  struct Case {
    const char* options;
    bool journal;
    std::uint32_t blockSize, inodeSize;
    std::uint64_t journalBytes;
  };
  for (const Case& c : {Case{"-J size=4 -I 128", true, 1024, 128, 4u << 20},
                        Case{"-b 4096 -J size=8", true, 4096, 256, 8u << 20},
                        Case{"-O ^has_journal", false, 1024, 0, 0}}) {
    SCOPED_TRACE(c.options);
    MOUNT_OR_SKIP(Mount(c.options));
    const JournalInfo info = journals().inspect(folder);
    EXPECT_TRUE(info.ext4);
    EXPECT_EQ(info.journal, c.journal);
    EXPECT_EQ(info.internal, c.journal);
    EXPECT_EQ(info.blockSize, c.blockSize);
    EXPECT_EQ(info.inodeSize, c.inodeSize);
    // The log is the journal but for its first block and the kernel's rounding.
    EXPECT_LE(info.journalBytes, c.journalBytes);
    EXPECT_GE(info.journalBytes + 4 * c.blockSize, c.journalBytes);
    EXPECT_FALSE(info.device.empty());
    if (!c.journal) {
      JournalRequest request;
      request.folder = folder;
      EXPECT_EQ(journals().clean(request).result, JournalResult::NoJournal);
    }
    mount.reset();
    std::filesystem::remove(t / "mnt.img");
  }
}

TEST_F(JournalCleaningTest, OtherFileSystemsAndAnotherVolumeAreRefused) {
  MOUNT_OR_SKIP(Mount("", ScopedMount::Kind::Tmpfs));
  EXPECT_FALSE(journals().inspect(folder).ext4);
  EXPECT_FALSE(journals().canEmpty(folder));
  JournalRequest request;
  request.folder = folder;
  EXPECT_EQ(journals().clean(request).result, JournalResult::NotExt4);
  // The folder is checked against the file system it was found on.
  request.volume = journals().volumeOf(t.path());
  ASSERT_NE(request.volume, journals().volumeOf(folder));
  EXPECT_EQ(journals().clean(request).result, JournalResult::Changed);
  EXPECT_FALSE(journals().volumeOf(t / "missing"));
}
