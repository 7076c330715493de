// What a run tells about itself: nothing ends as success by accident, every failure carries the
// system's reason, and paths that were already gone or given twice are told apart from what
// was left behind.

#include <filesystem>
#include <stdexcept>

#include "WipeEngineFixture.h"

namespace fsys = std::filesystem;

class WipeOutcomeTest : public WipeEngineTest {
 protected:
  WipeOutcomeTest() { AddMethod("one.mtd", {BytePass(0)}); }
};

TEST_F(WipeOutcomeTest, AnErrorEscapingAJobNamesTheJobAndTheRunGoesOn) {
  const std::string first = folder.write("first", "data");
  const std::string second = folder.write("second", "data");
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, first));
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, second));
  // The windows fail once while the first file is being wiped.
  services.onProcess = [&] {
    if (services.processed == 2) throw std::runtime_error("the window system went away");
  };
  engine.Execute();
  ASSERT_EQ(engine.Failures.size(), 1u);
  EXPECT_EQ(engine.Failures[0].Path, first);
  EXPECT_EQ(engine.Failures[0].Reason, TWipeFailureReason::Interrupted);
  EXPECT_EQ(engine.Failures[0].Detail, "the window system went away");
  EXPECT_TRUE(LeavesSomethingBehind(engine.Failures[0]));
  EXPECT_TRUE(pathExists(first));
  EXPECT_FALSE(pathExists(second));
  EXPECT_FALSE(engine.Running());
  EXPECT_EQ(services.log.closed, services.log.opened);
}

TEST_F(WipeOutcomeTest, FailuresCarryTheSystemsReason) {
  // An injected refusal, as the system gives it for a file the user may not write.
  const std::string locked = folder.write("locked", "keep");
  files.failOpen.insert(locked);
  Run(wkFile, locked);
  ASSERT_EQ(engine.Failures.size(), 1u);
  EXPECT_EQ(engine.Failures[0].Error, std::errc::permission_denied);
  EXPECT_EQ(DescribeFailure(engine.Failures[0]), "could not be opened (Permission denied)");

  // A real one: a folder that still holds files the mask did not take.
  const std::string top = folder.makeFolder("top");
  folder.write("top/keep.doc", "k");
  folder.write("top/drop.tmp", "d");
  engine.Failures.clear();
  EXPECT_FALSE(engine.WipeDirectory(top, "*.tmp", false, false));
  EXPECT_FALSE(pathExists(top + "/drop.tmp"));
  ASSERT_EQ(engine.Failures.size(), 1u);
  EXPECT_EQ(engine.Failures[0].Reason, TWipeFailureReason::FolderNotRemoved);
  EXPECT_EQ(engine.Failures[0].Error, std::errc::directory_not_empty);

  // A deletion that fails, and a full disk.
  const std::string stuck = folder.write("stuck", "x");
  files.failRename.insert(stuck);
  files.failDelete.insert(stuck);
  Run(wkFile, stuck);
  ASSERT_EQ(engine.Failures.size(), 1u);
  EXPECT_EQ(engine.Failures[0].Reason, TWipeFailureReason::CannotDelete);
  EXPECT_TRUE(engine.Failures[0].Error);
  files.bytesLeft = 10;
  Run(wkFile, folder.write("full", std::string(100, 'x')));
  ASSERT_EQ(engine.Failures.size(), 1u);
  EXPECT_EQ(engine.Failures[0].Reason, TWipeFailureReason::PassFailed);
  EXPECT_EQ(engine.Failures[0].Error, std::errc::no_space_on_device);
}

TEST_F(WipeOutcomeTest, AMethodWithoutPassesDeletesAndSaysSo) {
  AddMethod("one.mtd", {});
  const std::string path = folder.write("file", "secret");
  Run(wkFile, path);
  EXPECT_FALSE(pathExists(path));
  EXPECT_TRUE(files.writes.empty());
  ASSERT_EQ(engine.Failures.size(), 1u);
  EXPECT_EQ(engine.Failures[0].Path, path);
  EXPECT_EQ(DescribeFailure(engine.Failures[0]),
            "was deleted without being overwritten: the method has no passes");

  // With the signature pass there is one pass to write.
  manager.WriteSignature = true;
  Run(wkFile, folder.write("file", "secret"));
  EXPECT_EQ(WipedContents().back(), std::string(6, '\0'));
  EXPECT_TRUE(engine.Failures.empty());
}

TEST_F(WipeOutcomeTest, PathsGivenTwiceAreWipedOnceAndMissingOnesAreNotLeftBehind) {
  const std::string file = folder.write("file", "x");
  const std::string top = folder.makeFolder("top");
  folder.write("top/inside", "y");
  const std::string missing = folder / "missing";
  for (const auto& [kind, path] : std::vector<std::pair<TWipeItemKind, std::string>>{
           {wkFile, file},
           {wkFolder, top},
           {wkFile, missing},
           {wkFile, file},
           {wkFolder, top + "/"},
           {wkFolder, folder / "missing-folder"},
           {wkFile, folder / "no-such-folder/file"},
       }) {
    engine.AddItem(std::make_unique<TWipeItem>(kind, path));
  }
  engine.Execute();
  EXPECT_FALSE(pathExists(file));
  EXPECT_FALSE(pathExists(top));
  EXPECT_EQ(files.renames.size(), 2u);
  const std::vector<TWipeFailure> expected = {
      {missing, TWipeFailureReason::NotFound},
      {folder / "missing-folder", TWipeFailureReason::NotFound},
      {folder / "no-such-folder/file", TWipeFailureReason::NotFound},
  };
  EXPECT_EQ(engine.Failures, expected);
  for (const TWipeFailure& failure : engine.Failures) EXPECT_FALSE(LeavesSomethingBehind(failure));
}
