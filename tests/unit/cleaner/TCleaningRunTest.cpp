#include "cleaner/TCleaningRun.h"

#include <filesystem>

#include "CleanerFixture.h"
#include "cleaner/WindowsTraces.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/Journal.h"
#include "platform/posix/RegistryStore.h"
#include "support/FakeJournals.h"
#include "support/FakeWipeServices.h"
#include "support/FaultyFileSystem.h"
#include "support/ScopedReadOnlyBind.h"
#include "support/ThrowingServices.h"

namespace {

class CleaningRunTest : public CleanerTest {
 protected:
  // An item that deletes everything in its own folder of three files.
  TEraseFiles* Item(const std::string& name) {
    auto* item = static_cast<TEraseFiles*>(engine.AddEraser(std::make_unique<TEraseFiles>()));
    item->Name = name;
    for (const char* file : {"/a", "/b", "/c"}) folder.write(name + file, "12345");
    item->AddFolder(folder / name, "*", true, true);
    return item;
  }
  std::size_t FilesLeft(const std::string& name) {
    return std::distance(std::filesystem::directory_iterator(folder / name),
                         std::filesystem::directory_iterator());
  }

  TCustomEraserEngine engine;
  TCleaningRun run{engine};
};

TEST_F(CleaningRunTest, APreviewCountsWhatTheCleanThenRemoves) {
  std::vector<TEraser*> items = {Item("one"), Item("two")};
  EXPECT_TRUE(run.Run(items, true));
  EXPECT_EQ(FilesLeft("one") + FilesLeft("two"), 6u);
  const TItemSummary previewed = run.Summary("one");
  EXPECT_EQ(previewed.Count, 3u);
  EXPECT_EQ(previewed.Bytes, 15u);
  EXPECT_TRUE(run.Run(items, false));
  EXPECT_EQ(run.Summary("one").Count, previewed.Count);
  EXPECT_EQ(run.Summary("one").Bytes, previewed.Bytes);
  EXPECT_EQ(FilesLeft("one") + FilesLeft("two"), 0u);
  EXPECT_FALSE(engine.Preview);
}

TEST_F(CleaningRunTest, StopEndsTheWalkAtItsNextEntryAndNoLaterItemStarts) {
  std::vector<TEraser*> items = {Item("one"), Item("two"), Item("three")};
  FakeWipeServices services;
  engine.Services = &services;
  int entries = 0;
  services.onProcess = [&] {
    if (++entries == 8) run.Stop();  // in the second item, after its first file
  };
  std::vector<std::size_t> started;
  EXPECT_FALSE(
      run.Run(items, false, [&](std::size_t index, const TEraser&) { started.push_back(index); }));
  EXPECT_EQ(started, (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(FilesLeft("one"), 0u);
  EXPECT_EQ(FilesLeft("two"), 2u);
  EXPECT_EQ(FilesLeft("three"), 3u);

  // The next run starts afresh.
  services.onProcess = nullptr;
  EXPECT_TRUE(run.Run(items, false));
  EXPECT_EQ(FilesLeft("three"), 0u);
}

TEST_F(CleaningRunTest, AnItemThatFailsIsNamedAndTheRunGoesOn) {
  auto* failing = static_cast<TEraseFiles*>(engine.AddEraser(std::make_unique<TEraseFiles>()));
  failing->Name = "failing";
  failing->Caption = "Failing item";
  failing->OnErase = [](TEraser&) { throw ECleanerError("The setting cannot be written."); };
  std::vector<TEraser*> items = {failing, Item("after")};
  EXPECT_TRUE(run.Run(items, false));
  ASSERT_EQ(engine.Left.size(), 1u);
  EXPECT_EQ(engine.Left[0].What, "Failing item");
  EXPECT_EQ(engine.Left[0].Reason, "The setting cannot be written.");
  EXPECT_EQ(run.Summary("failing").Left, 1u);
  EXPECT_EQ(FilesLeft("after"), 0u);
}

TEST_F(CleaningRunTest, OverwritingUsesTheFileEnginesMethodAndSaysWhyAFileStayed) {
  TWipeMethodsManager manager;  // no method yet
  TWipeEngine overwrite("WipeFiles");
  engine.Overwrite = &overwrite;
  WipeRun withoutMethod = WipeRun::For(overwrite, manager, SilentWipeServices());
  engine.OverwriteRun = &withoutMethod;
  std::vector<TEraser*> items = {Item("one")};
  EXPECT_TRUE(run.Run(items, false));
  EXPECT_EQ(FilesLeft("one"), 3u);
  ASSERT_EQ(engine.Left.size(), 3u);
  EXPECT_EQ(engine.Left[0].Reason,
            DescribeFailure({folder / "one/a", TWipeFailureReason::NoMethod}));
  EXPECT_EQ(engine.PostEraser->Items.size(), 3u);

  folder.write("program/Methods/zeros.mtd",
               "[Method]\nName=Zeros\nPasses=1\n[Pass1]\nWipeWith=0\nBytePatternValue=0\n");
  manager.LoadMethods();
  WipeRun withMethod = WipeRun::For(overwrite, manager, SilentWipeServices());
  engine.OverwriteRun = &withMethod;
  EXPECT_TRUE(run.Run(items, false));
  EXPECT_EQ(FilesLeft("one"), 0u);
  EXPECT_TRUE(engine.Left.empty());
  EXPECT_EQ(run.Summary("one").Count, 3u);
}

}  // namespace

TEST_F(CleaningRunTest, RegistryDeletionsAreWrittenOnceAndKeptAsLeftWhenTheStoreRefusesThem) {
  const std::string key = "Software\\Editor\\Recent File List";
  auto& store = registry.store();
  const auto fill = [&] {
    platform::RegistryBatch filling(store);
    ASSERT_TRUE(store.createKey(platform::kCurrentUser, key));
    for (int i = 0; i < 500; ++i) {
      ASSERT_TRUE(store.writeString(platform::kCurrentUser, key, "v" + std::to_string(i), "x"));
    }
  };
  const auto valuesLeft = [&] {
    return store.valueNames(platform::kCurrentUser, key)
        .value_or(std::vector<std::string>{})
        .size();
  };
  TEraseRegistry* item =
      static_cast<TEraseRegistry*>(engine.AddEraser(std::make_unique<TEraseRegistry>()));
  item->Name = "List";
  item->OnErase = [&key](TEraser& self) {
    for (int i = 0; i < 500; ++i) {
      static_cast<TEraseRegistry&>(self).AddValue(platform::kCurrentUser, key,
                                                  "v" + std::to_string(i));
    }
  };

  fill();
  int saves = store.saveCount();
  ASSERT_TRUE(run.Run({item}, false));
  EXPECT_EQ(store.saveCount(), saves + 1);
  EXPECT_EQ(valuesLeft(), 0u);
  EXPECT_EQ(engine.Removed.size(), 500u);

  fill();
  const std::string storeFolder = std::filesystem::path(store.storePath()).parent_path();
  const ScopedReadOnlyBind readOnly(storeFolder);
  if (!readOnly.mounted()) GTEST_SKIP() << readOnly.reason();
  ASSERT_TRUE(run.Run({item}, false));
  EXPECT_EQ(valuesLeft(), 500u);
  EXPECT_TRUE(engine.Removed.empty());
  ASSERT_EQ(engine.Left.size(), 500u);
  EXPECT_EQ(engine.Left.front().Item, "List");
  EXPECT_NE(engine.Left.front().Reason.find(
                "the registry store could not be written: " +
                std::make_error_code(std::errc::read_only_file_system).message()),
            std::string::npos)
      << engine.Left.front().Reason;
}

TEST_F(CleaningRunTest, ACleanDeletesInItsEnginesRegistryAndTellsWhyThatRegistryRefusedIt) {
  // The engine's registry is the only one asked: the one installed fails any call.
  platform::RegistryStore own(folder / "own.reg", folder / "own-autostart/");
  ThrowingRegistry installed;
  const platform::ScopedRegistry scope(installed);
  engine.Registry = &own;
  const std::string key = "Software\\Editor\\Recent File List";
  const auto fill = [&] {
    ASSERT_TRUE(own.createKey(platform::kCurrentUser, key + "\\Old"));
    for (const char* name : {"a", "b"}) {
      ASSERT_TRUE(own.writeString(platform::kCurrentUser, key, name, "x"));
    }
  };
  auto* item = static_cast<TEraseRegistry*>(engine.AddEraser(std::make_unique<TEraseRegistry>()));
  item->Name = "List";
  item->OnErase = [&key](TEraser& self) {
    auto& list = static_cast<TEraseRegistry&>(self);
    for (const char* name : {"a", "b"}) list.AddValue(platform::kCurrentUser, key, name);
    list.AddKey(platform::kCurrentUser, key + "\\Old");
  };

  fill();
  ASSERT_TRUE(run.Run({item}, false));
  EXPECT_TRUE(run.RegistryWritten());
  EXPECT_TRUE(engine.Left.empty()) << engine.Left.front().Reason;
  EXPECT_EQ(engine.Removed.size(), 3u);
  EXPECT_EQ(own.valueNames(platform::kCurrentUser, key), std::vector<std::string>{});
  EXPECT_EQ(own.subkeyNames(platform::kCurrentUser, key), std::vector<std::string>{});

  // The store's file cannot be written: every deletion is left, with the system's reason, and
  // so is one made outside a run, which the store writes at once.
  fill();
  FaultyFileSystem faulty;
  const platform::ScopedFileSystem files(faulty);
  faulty.failAtomicWrite.insert(folder / "own.reg");
  const std::string denied = std::make_error_code(std::errc::permission_denied).message();
  ASSERT_TRUE(run.Run({item}, false));
  EXPECT_EQ(run.RegistryWritten().error(), std::errc::permission_denied);
  ASSERT_EQ(engine.Left.size(), 3u);
  for (const TCleanRecord& left : engine.Left) {
    EXPECT_NE(left.Reason.find("could not be written: " + denied), std::string::npos)
        << left.Reason;
  }
  engine.ClearRecords();
  item->DeleteValue(platform::kCurrentUser, key, "a");
  ASSERT_EQ(engine.Left.size(), 1u);
  EXPECT_EQ(engine.Left.front().Reason, "could not be deleted: " + denied);
  EXPECT_EQ(own.valueNames(platform::kCurrentUser, key), (std::vector<std::string>{"a", "b"}));
}

TEST_F(CleaningRunTest, ACleanThatDeletedClearsTheJournalsOnceWhenAskedAndNotesWhatFailed) {
  FakeJournals journals;
  const std::string root = folder.path();
  journals.otherVolumes = [root](const std::string& path) -> std::optional<std::uint64_t> {
    if (path.compare(0, root.size(), root) == 0) return 7;
    return std::nullopt;
  };
  const platform::ScopedJournals scoped(journals);
  struct Case {
    const char* name;
    bool option;
    bool preview;
    platform::JournalResult answer;
    std::size_t cleanings;
    std::size_t notes;
  };
  using platform::JournalResult;
  for (const Case& c : {Case{"off", false, false, JournalResult::Cleaned, 0, 0},
                        Case{"preview", true, true, JournalResult::Cleaned, 0, 0},
                        Case{"cleaned", true, false, JournalResult::Cleaned, 1, 0},
                        Case{"not ext4", true, false, JournalResult::NotExt4, 1, 1}}) {
    SCOPED_TRACE(c.name);
    journals.calls.clear();
    journals.answer = [&](const platform::JournalRequest&) {
      platform::JournalOutcome outcome;
      outcome.result = c.answer;
      return outcome;
    };
    engine.Erasers.clear();
    run.ClearJournals = c.option;
    bool told = false;
    EXPECT_TRUE(run.Run({Item(c.name), Item(std::string(c.name) + "-2")}, c.preview, {},
                        [&] { told = true; }));
    EXPECT_EQ(journals.calls.size(), c.cleanings);
    EXPECT_EQ(told, c.cleanings > 0);
    EXPECT_EQ(engine.Notes.size(), c.notes);
    EXPECT_FALSE(engine.Journal.Pending());  // nothing carried into the next run
  }
}
