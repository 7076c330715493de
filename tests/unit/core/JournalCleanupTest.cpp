#include "core/JournalCleanup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/PathText.h"
#include "support/FakeJournals.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

using platform::JournalOutcome;
using platform::JournalRequest;
using platform::JournalResult;
using platform::JournalWay;

namespace {

struct JournalCleanupTest : ::testing::Test {
  FakeJournals fake;
  platform::ScopedJournals installed{fake};

  void SetUp() override {
    fake.folders = {{"/", 1},          {"/home", 1},
                    {"/home/ann", 1},  {"/home/ann/docs", 1},
                    {"/media/usb", 2}, {"/media/usb/photos", 2},
                    {"/srv", 3}};
  }
};

std::vector<std::string> foldersOf(const std::vector<JournalCleanup::Result>& results) {
  std::vector<std::string> folders;
  for (const auto& result : results) folders.push_back(result.Folder);
  return folders;
}

}  // namespace

TEST_F(JournalCleanupTest, EachFileSystemIsClearedOnceInTheOrderFirstNoted) {
  fake.answer = [](const JournalRequest& request) {
    request.progress(5, 10);
    JournalOutcome outcome;
    outcome.result = JournalResult::Cleaned;
    return outcome;
  };
  std::vector<std::tuple<std::string, std::uint64_t, std::uint64_t>> shown;
  JournalCleanup cleanup(JournalWay::Rewrite);
  EXPECT_FALSE(cleanup.Pending());
  cleanup.NoteDeletion("/media/usb/photos/");
  cleanup.NoteDeletion("/home/ann/docs");
  cleanup.NoteDeletion("/media/usb");
  cleanup.NoteDeletion("/home/ann/docs");
  EXPECT_TRUE(cleanup.Pending());

  const auto results =
      cleanup.Finish([&](const std::string& text, std::uint64_t done,
                         std::uint64_t total) { shown.emplace_back(text, done, total); },
                     {});
  EXPECT_EQ(foldersOf(results), (std::vector<std::string>{"/media/usb/photos", "/home/ann/docs"}));
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back(), std::make_tuple(std::string("Clearing file names from the journal…"),
                                          std::uint64_t{5}, std::uint64_t{10}));
  ASSERT_EQ(fake.calls.size(), 2u);
  EXPECT_EQ(fake.calls[0].volume, 2u);  // checked again by the cleaning when it acts
  EXPECT_EQ(fake.calls[1].volume, 1u);
  EXPECT_EQ(fake.calls[0].way, JournalWay::Rewrite);
  for (const auto& result : results) EXPECT_EQ(result.Outcome.result, JournalResult::Cleaned);

  // The notes are forgotten: the next run starts from nothing.
  EXPECT_FALSE(cleanup.Pending());
  EXPECT_TRUE(cleanup.Finish({}, {}).empty());
  EXPECT_EQ(fake.calls.size(), 2u);
}

TEST_F(JournalCleanupTest, FoldersGoneCountByTheNearestFolderThatIsLeft) {
  JournalCleanup cleanup;
  // Deleted with everything in it; noted afterwards.
  cleanup.NoteDeletion("/media/usb/photos/2019/summer");
  cleanup.NoteDeletion("relative/name");  // reaches no file system: ignored
  cleanup.NoteDeletion("");
  cleanup.Finish({}, {});
  ASSERT_EQ(fake.calls.size(), 1u);
  EXPECT_EQ(fake.calls[0].folder, "/media/usb/photos");

  // Noted while it existed, gone by the end of the run: a parent on the same file system.
  fake.calls.clear();
  cleanup.NoteDeletion("/home/ann/docs");
  fake.folders.erase("/home/ann/docs");
  const auto results = cleanup.Finish({}, {});
  ASSERT_EQ(fake.calls.size(), 1u);
  EXPECT_EQ(fake.calls[0].folder, "/home/ann");
  EXPECT_EQ(results[0].Folder, "/home/ann");

  // Never a parent on another file system (the mount point itself is gone).
  fake.calls.clear();
  cleanup.NoteDeletion("/media/usb/photos");
  fake.folders.erase("/media/usb/photos");
  fake.folders["/media/usb"] = 4;  // something else is mounted there now
  const auto changed = cleanup.Finish({}, {});
  EXPECT_TRUE(fake.calls.empty());
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].Outcome.result, JournalResult::Changed);
}

TEST_F(JournalCleanupTest, AStopEndsTheWorkAndTheFileSystemsNotReachedAreReportedStopped) {
  struct Case {
    const char* name;
    bool stopAtOnce;
    std::size_t cleaned;
  };
  for (const Case& c :
       {Case{"stopped before", true, 0}, Case{"stopped during the first", false, 1}}) {
    SCOPED_TRACE(c.name);
    fake.calls.clear();
    bool stop = c.stopAtOnce;
    fake.answer = [&](const JournalRequest& request) {
      stop = true;
      JournalOutcome outcome;
      outcome.result = request.stop() ? JournalResult::Stopped : JournalResult::Cleaned;
      return outcome;
    };
    JournalCleanup cleanup;
    cleanup.NoteDeletion("/home/ann");
    cleanup.NoteDeletion("/media/usb");
    cleanup.NoteDeletion("/srv");
    const auto results = cleanup.Finish({}, [&] { return stop; });
    EXPECT_EQ(fake.calls.size(), c.cleaned);
    ASSERT_EQ(results.size(), 3u);
    for (const auto& result : results) EXPECT_EQ(result.Outcome.result, JournalResult::Stopped);
  }
}

TEST_F(JournalCleanupTest, AStaleScratchFolderThatStaysMakesTheOutcomeAFailureNamingIt) {
  TestFolder t;
  const std::string scratch = t / ".ferrovane-journal-0123456789ab";
  FaultyFileSystem files;
  const platform::ScopedFileSystem installedFiles(files);
  files.failDelete = {scratch + "/0"};
  const std::string folder = platform::trimSeparators(t.path());
  fake.folders[folder] = 4;
  fake.ext4 = true;
  struct Case {
    const char* what;
    JournalResult cleaning;
    std::error_code error;  // the system's reason the cleaning ended early, if it gave one
    std::string detail;     // what the outcome says
  };
  const std::string stays = "the scratch folder " + scratch + " could not be removed";
  const Case cases[] = {
      {"the cleaning worked", JournalResult::Cleaned, {}, stays},
      {"the cleaning failed too", JournalResult::NoSpace, {}, "too little room; " + stays},
      // The cleaning's own reason is the one told: it is why the journal was not cleared.
      {"the cleaning failed with the system's reason", JournalResult::NoSpace,
       std::make_error_code(std::errc::no_space_on_device), "too little room; " + stays},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::create_directories(scratch);
    t.write(".ferrovane-journal-0123456789ab/0", "");
    fake.answer = [&](const JournalRequest&) {
      JournalOutcome outcome;
      outcome.result = c.cleaning;
      if (c.cleaning != JournalResult::Cleaned) outcome.detail = "too little room";
      outcome.error = c.error;
      return outcome;
    };
    JournalCleanup cleanup;
    cleanup.StaleScratchAge = std::chrono::nanoseconds(0);
    cleanup.NoteDeletion(folder);
    const auto results = cleanup.Finish({}, {});
    ASSERT_EQ(results.size(), 1u);
    const JournalOutcome& outcome = results[0].Outcome;
    EXPECT_EQ(outcome.result,
              c.cleaning == JournalResult::Cleaned ? JournalResult::Failed : c.cleaning);
    EXPECT_EQ(outcome.detail, c.detail);
    EXPECT_EQ(outcome.error, c.error ? c.error : files.injectedError);
    EXPECT_TRUE(std::filesystem::exists(scratch + "/0"));
  }
}
