// The journal cleaning at the end of a wipe run: which file systems are cleared, what the
// progress window shows, how a stop and a journal that cannot be cleared end up in the outcome.

#include "WipeEngineFixture.h"
#include "core/JournalCleanup.h"
#include "platform/PathText.h"
#include "support/FakeJournals.h"

using platform::JournalOutcome;
using platform::JournalRequest;
using platform::JournalResult;

namespace {

constexpr std::uint64_t kTestVolume = 7;

class WipeJournalTest : public WipeEngineTest {
 protected:
  WipeJournalTest() {
    AddMethod("one.mtd", {BytePass(0)});
    manager.EraseJournalNames = true;
    // An ext4 file system with a journal, which keeps copies of names.
    journals.ext4 = true;
    journals.inspected.journal = true;
    // Every folder of the test is on one file system; nothing else is reached.
    const std::string root = platform::trimSeparators(folder.path());
    journals.otherVolumes = [root](const std::string& path) -> std::optional<std::uint64_t> {
      if (path.compare(0, root.size(), root) == 0) return kTestVolume;
      return std::nullopt;
    };
  }

  std::size_t JournalNotes() const {
    return std::count_if(engine.Notes.begin(), engine.Notes.end(), [](const auto& f) {
      return f.Reason == TWipeFailureReason::JournalNotCleared;
    });
  }

  FakeJournals journals;
  platform::ScopedJournals scopedJournals_{journals};
};

}  // namespace

TEST_F(WipeJournalTest, OneCleaningPerRunAfterItsDeletionsOnlyWhenTheOptionIsOn) {
  struct Case {
    const char* name;
    bool option;
    bool deletes;  // the run deletes something (else its only file is missing)
    std::size_t cleanings;
  };
  for (const Case& c : {Case{"on", true, true, 1}, Case{"off", false, true, 0},
                        Case{"nothing deleted", true, false, 0}}) {
    SCOPED_TRACE(c.name);
    journals.calls.clear();
    services.log = {};
    manager.EraseJournalNames = c.option;
    const std::string top = folder.makeFolder(std::string("top-") + c.name);
    folder.write(std::string("top-") + c.name + "/a", "a");
    folder.write(std::string("top-") + c.name + "/sub/b", "b");
    const std::string loose = folder.path() + "loose-" + c.name;
    if (c.deletes) folder.write("loose-" + std::string(c.name), "c");
    engine.ClearItems();
    engine.AddItem(std::make_unique<TWipeItem>(wkFile, loose));
    if (c.deletes) engine.AddItem(std::make_unique<TWipeItem>(wkFolder, top));
    ExecuteWith(engine, manager, services);
    ASSERT_EQ(journals.calls.size(), c.cleanings);
    const bool shown = std::find(services.log.files.begin(), services.log.files.end(),
                                 kClearingJournalText) != services.log.files.end();
    EXPECT_EQ(shown, c.cleanings > 0);
    // Turned off, the run says that the names stay, without counting them as left behind.
    EXPECT_EQ(JournalNotes(), !c.option && c.deletes ? 1u : 0u);
    EXPECT_TRUE(std::none_of(engine.Failures.begin(), engine.Failures.end(), LeavesSomethingBehind))
        << ::testing::PrintToString(engine.Failures);
    if (c.cleanings == 0) continue;
    // Cleared through the folder where the first deletion was, checked against its volume.
    EXPECT_EQ(journals.calls[0].folder, platform::trimSeparators(folder.path()));
    EXPECT_EQ(journals.calls[0].volume, kTestVolume);
    EXPECT_EQ(services.log.files.back(), kClearingJournalText);  // the last step of the run
    EXPECT_FALSE(engine.Aborted);
  }
}

TEST_F(WipeJournalTest, AJournalNotClearedCountsUnlessItKeepsNoNamesOrTheRunWasStopped) {
  struct Case {
    JournalResult result;
    bool noted;  // a note, not counted
    bool left;   // names remain: counted as left behind
  };
  for (const Case& c :
       {Case{JournalResult::Cleaned, false, false}, Case{JournalResult::NoJournal, false, false},
        Case{JournalResult::NotExt4, true, false}, Case{JournalResult::Stopped, true, false},
        Case{JournalResult::ExternalJournal, false, true},
        Case{JournalResult::NoSpace, false, true}, Case{JournalResult::NoInodes, false, true},
        Case{JournalResult::Changed, false, true}, Case{JournalResult::Failed, false, true}}) {
    SCOPED_TRACE(JournalResultText(c.result));
    journals.answer = [&](const JournalRequest&) {
      JournalOutcome outcome;
      outcome.result = c.result;
      outcome.detail = c.result == JournalResult::Failed ? "a commit failed" : "";
      outcome.error = c.result == JournalResult::Failed ? std::make_error_code(std::errc::io_error)
                                                        : std::error_code();
      return outcome;
    };
    const std::string file = folder.write("f", "x");
    Run(wkFile, file);
    ASSERT_FALSE(pathExists(file));
    ASSERT_EQ(engine.Notes.size(), c.noted ? 1u : 0u);
    ASSERT_EQ(engine.Failures.size(), c.left ? 1u : 0u);
    if (!c.noted && !c.left) continue;
    const TWipeFailure& told = c.noted ? engine.Notes[0] : engine.Failures[0];
    EXPECT_EQ(told.Reason,
              c.noted ? TWipeFailureReason::JournalNotCleared : TWipeFailureReason::NamesRemain);
    EXPECT_EQ(LeavesSomethingBehind(told), c.left);
    EXPECT_EQ(told.Path, platform::trimSeparators(folder.path()));
    // The user reads why: the result's own words, then the detail and the system's reason.
    const std::string text = DescribeFailure(told);
    EXPECT_NE(text.find(JournalResultText(c.result)), std::string::npos) << text;
    if (c.result == JournalResult::Failed) {
      EXPECT_NE(text.find("a commit failed"), std::string::npos) << text;
      EXPECT_NE(text.find("(" + std::make_error_code(std::errc::io_error).message() + ")"),
                std::string::npos)
          << text;
    }
  }
}

TEST_F(WipeJournalTest, AFileSystemThatCannotBeForcedToTheDeviceBeforeAFolderGoesIsNoted) {
  const std::string top = folder.makeFolder("top");
  folder.write("top/a", "a");
  files.failSync.insert(platform::trimSeparators(folder.path()));
  Run(wkFolder, top);
  EXPECT_FALSE(pathExists(top));
  EXPECT_TRUE(engine.Failures.empty());
  const auto noted = std::find_if(engine.Notes.begin(), engine.Notes.end(), [&](const auto& note) {
    return note.Error == std::errc::io_error;
  });
  ASSERT_NE(noted, engine.Notes.end());
  EXPECT_EQ(noted->Reason, TWipeFailureReason::JournalNotCleared);
  EXPECT_EQ(platform::trimSeparators(noted->Path), platform::trimSeparators(top));
  EXPECT_NE(DescribeFailure(*noted).find("could not be forced to the device"), std::string::npos);
}

TEST_F(WipeJournalTest, StopEndsTheCleaningAndAStopDuringTheWipeSkipsIt) {
  // Stop pressed while the journal is being cleared: the cleaning asks between commits.
  const std::string first = folder.write("first", "x");
  bool asked = false;
  journals.answer = [&](const JournalRequest& request) {
    services.onProcess = [&] { engine.Stop(); };
    asked = request.stop && request.stop();
    JournalOutcome outcome;
    outcome.result = asked ? JournalResult::Stopped : JournalResult::Cleaned;
    return outcome;
  };
  Run(wkFile, first);
  EXPECT_TRUE(asked);
  EXPECT_TRUE(engine.Aborted);
  ASSERT_EQ(JournalNotes(), 1u);
  EXPECT_NE(DescribeFailure(engine.Notes.back()).find("stopped"), std::string::npos);

  // Stop pressed during the wipe itself: the journal is left, and the outcome says so.
  journals.calls.clear();
  services.onProcess = {};
  const std::string second = folder.write("second", "x");
  const std::string third = folder.write("third", "x");
  engine.FlushWindowFiles = 0;  // each file goes before the next is written
  services.onProcess = [&] {
    if (!pathExists(second)) engine.Stop();
  };
  engine.ClearItems();
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, second));
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, third));
  ExecuteWith(engine, manager, services);
  EXPECT_TRUE(journals.calls.empty());
  EXPECT_TRUE(pathExists(third));
  EXPECT_EQ(JournalNotes(), 1u);
}

TEST_F(WipeJournalTest, TheDefaultFollowsTheFileSystemDeletedOnAndContentJournalsAreAlwaysCleared) {
  struct Case {
    const char* name;
    int choice;       // 0: the default (the settings do not say), 1 on, -1 off, for this run
    bool keepsNames;  // the file system deleted on keeps a journal of names (ext4, XFS)
    bool contents;    // it journals file contents (data=journal)
    std::size_t cleanings;
  };
  // The defaults first: a choice for the run stays for the rest of it. Whether the journal
  // may be emptied at once (for the administrator) does not matter.
  const Case cases[] = {
      {"default where a journal keeps names", 0, true, false, 1},
      {"default where none does", 0, false, false, 0},
      {"default where none does, contents journalled", 0, false, true, 1},
      {"on where none does", 1, false, false, 1},
      {"off where a journal keeps names", -1, true, false, 0},
      {"off, contents journalled", -1, false, true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    journals.calls.clear();
    journals.emptiable = false;
    journals.ext4 = c.keepsNames;
    journals.inspected.dataJournal = c.contents;
    if (c.choice == 0) {
      manager.LoadSettings();  // the test's settings file says nothing of the journal
      ASSERT_FALSE(manager.JournalNamesChosen());
    } else {
      manager.ChooseJournalForRun(c.choice > 0);
    }
    Run(wkFile, folder.write(std::string("file-") + c.name, "x"));
    EXPECT_EQ(journals.calls.size(), c.cleanings);
    EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
  }

  // A journal holding contents that cannot be cleared leaves them readable: not a mere note.
  journals.answer = [](const JournalRequest&) {
    JournalOutcome outcome;
    outcome.result = JournalResult::NotPermitted;
    return outcome;
  };
  Run(wkFile, folder.write("kept-in-journal", "x"));
  ASSERT_EQ(engine.Failures.size(), 1u);
  EXPECT_EQ(engine.Failures[0].Reason, TWipeFailureReason::JournalContentRemains);
  EXPECT_TRUE(LeavesSomethingBehind(engine.Failures[0]));
  EXPECT_EQ(JournalNotes(), 0u);
}
