// The finishing step for names on its own: each noted file system's journal is cleared once and
// one that could not be is named, what a journal keeps is said by what it holds and by the run's
// choice, and the names files left are told unless the free-space fill reached them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/TNamesFinish.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/Drives.h"
#include "platform/PathText.h"
#include "support/FakeJournals.h"
#include "support/FaultyFileSystem.h"
#include "support/TestDrives.h"
#include "support/TestFolder.h"
#include "support/ThrowingServices.h"

using platform::JournalOutcome;
using platform::JournalRequest;
using platform::JournalResult;
using JournalNames = WipeRunSettings::JournalNames;
using R = TWipeFailureReason;

namespace {

class NamesFinishTest : public ::testing::Test {
 protected:
  // A run with the journal choice given, over the test's journals and drives.
  void Begin(JournalNames choice) {
    WipeRunSettings settings;
    settings.Journal = choice;
    run_.emplace(services_, WipeRun::Platform{files_, drives, journals}, std::move(settings));
    names.Begin(*run_);
  }
  // The run's end, as the engine ends it.
  void Finish() {
    names.NoteNamesLeftByFiles();
    names.ClearJournals(TRunTurns{[] {}, [] { return false; }, &NoWipeProgress()});
    names.End();
  }
  static std::vector<R> Reasons(const std::vector<TWipeFailure>& said) {
    std::vector<R> reasons;
    for (const TWipeFailure& failure : said) reasons.push_back(failure.Reason);
    return reasons;
  }
  // A folder of the test on the journals' volume given.
  std::string Folder(const std::string& name, std::uint64_t volume) {
    const std::string path = platform::trimSeparators(folder.makeFolder(name));
    journals.folders[path] = volume;
    return path;
  }

  TestFolder folder;
  FakeJournals journals;
  platform::DriveTable drives =
      TestDriveTable(folder, {{folder.path() + "fat", "vfat"}, {folder.path() + "btrfs", "btrfs"}});
  std::vector<TWipeFailure> failures;
  std::vector<TWipeFailure> notes;
  TNamesFinish names{failures, notes};

 private:
  ThrowingWipeServices services_;
  FaultyFileSystem files_;
  std::optional<WipeRun> run_;
};

}  // namespace

TEST_F(NamesFinishTest, EachNotedFileSystemsJournalIsClearedOnceAndOneThatCouldNotBeIsNamed) {
  journals.ext4 = true;
  journals.inspected.journal = true;
  const std::string first = Folder("first", 1);
  const std::string again = Folder("again", 1);
  const std::string other = Folder("other", 2);
  journals.answer = [&](const JournalRequest& request) {
    JournalOutcome outcome;
    outcome.result = request.folder == other ? JournalResult::NoSpace : JournalResult::Cleaned;
    return outcome;
  };
  Begin(JournalNames::WhereKept);
  for (const std::string& where : {first, other, again, first, other}) names.NoteDeletion(where);
  Finish();

  ASSERT_EQ(journals.calls.size(), 2u);
  EXPECT_EQ(journals.calls[0].folder, first);
  EXPECT_EQ(journals.calls[1].folder, other);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].Path, other);
  EXPECT_EQ(failures[0].Reason, R::NamesRemain);
  EXPECT_TRUE(notes.empty());
  // Ended: what is deleted now is nobody's to clear.
  names.NoteDeletion(first);
  EXPECT_FALSE(names.Noting());
}

TEST_F(NamesFinishTest, WhatAJournalKeepsIsSaidByWhatItHoldsAndByTheRunsChoice) {
  struct Case {
    const char* what;
    JournalNames choice;
    bool dataJournal;   // the file system journals file contents too
    bool namesJournal;  // ext4 with a journal: it keeps copies of names
    JournalResult result;
    std::size_t cleanings;
    std::vector<R> failures;
    std::vector<R> notes;
  };
  const Case cases[] = {
      {"turned off where names are kept",
       JournalNames::None,
       false,
       true,
       JournalResult::Cleaned,
       0,
       {},
       {R::JournalNotCleared}},
      {"turned off where no names are kept",
       JournalNames::None,
       false,
       false,
       JournalResult::Cleaned,
       0,
       {},
       {}},
      {"file contents, turned off, not cleared",
       JournalNames::None,
       true,
       true,
       JournalResult::NoSpace,
       1,
       {R::JournalContentRemains},
       {}},
      {"asked of a file system without one",
       JournalNames::All,
       false,
       false,
       JournalResult::NotExt4,
       1,
       {},
       {R::JournalNotCleared}},
      {"by default where none is kept",
       JournalNames::WhereKept,
       false,
       false,
       JournalResult::Cleaned,
       0,
       {},
       {}},
  };
  const std::string where = Folder("where", 3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    journals.calls.clear();
    failures.clear();
    notes.clear();
    journals.inspected = {};
    journals.inspected.ext4 = c.namesJournal;
    journals.inspected.journal = c.namesJournal;
    journals.inspected.dataJournal = c.dataJournal;
    journals.answer = [&](const JournalRequest&) {
      JournalOutcome outcome;
      outcome.result = c.result;
      return outcome;
    };
    Begin(c.choice);
    names.NoteDeletion(where);
    Finish();
    EXPECT_EQ(journals.calls.size(), c.cleanings);
    EXPECT_EQ(Reasons(failures), c.failures);
    EXPECT_EQ(Reasons(notes), c.notes);
  }
}

TEST_F(NamesFinishTest, NamesFilesLeftAreToldUnlessTheFillReachedThemOrNobodyChoseThem) {
  struct Case {
    const char* what;
    const char* drive;
    bool chosen;         // a file the user chose, not the free space's own temporary file
    bool metadataMoved;  // the drive's free space was filled after its metadata moved
    std::ptrdiff_t told;
  };
  for (const Case& c : {Case{"on FAT", "fat", true, false, 1},
                        Case{"the free space's own file", "fat", false, false, 0},
                        Case{"on btrfs", "btrfs", true, false, 1},
                        Case{"on btrfs, reached by the fill", "btrfs", true, true, 0}}) {
    SCOPED_TRACE(c.what);
    failures.clear();
    const std::string drive = folder.makeFolder(c.drive);
    Begin(JournalNames::None);
    names.NoteFileDeletion(drive + "/photos", c.chosen);
    if (c.metadataMoved) {
      names.NoteNamesInMetadata(drive, c.drive, TNamesFinish::MetadataMove{true, {}});
    }
    names.NoteNamesLeftByFiles();
    names.End();
    const auto reasons = Reasons(failures);
    EXPECT_EQ(std::count(reasons.begin(), reasons.end(), R::NamesRemain), c.told);
  }
}
