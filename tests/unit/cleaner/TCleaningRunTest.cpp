#include "cleaner/TCleaningRun.h"

#include <filesystem>

#include "CleanerFixture.h"
#include "cleaner/WindowsTraces.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"

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
  HookedServices services;
  const ScopedWipeServices installed(services);
  int entries = 0;
  services.onMessages = [&] {
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
  services.onMessages = nullptr;
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
  const ScopedWipeMethodsManager installed(manager);
  TWipeEngine overwrite("WipeFiles");
  engine.Overwrite = &overwrite;
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
  EXPECT_TRUE(run.Run(items, false));
  EXPECT_EQ(FilesLeft("one"), 0u);
  EXPECT_TRUE(engine.Left.empty());
  EXPECT_EQ(run.Summary("one").Count, 3u);
}

}  // namespace
