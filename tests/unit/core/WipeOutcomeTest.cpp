// What a run tells about itself: nothing ends as success by accident, every failure carries the
// system's reason, and paths that were already gone or given twice are told apart from what
// was left behind.

#include <filesystem>
#include <functional>
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
  ExecuteWith(engine, manager, services);
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
  // Outside Execute, a wipe of one folder goes by the run it is given.
  WipeRun run = WipeRun::For(engine, manager, services);
  const TWipeEngine::RunScope scope(engine, run);
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

TEST_F(WipeOutcomeTest, AFileNotCompletelyOverwrittenKeepsItsNameAndSaysWhereThePassFailed) {
  fsys::remove(folder.methodsFolder() + "one.mtd");  // the method of the run is the one below
  manager.WipeSlackSpace = false;
  const auto enospc = std::make_error_code(std::errc::no_space_on_device);
  const auto eio = std::make_error_code(std::errc::io_error);
  struct Case {
    const char* what;
    std::function<void(const std::string& path)> arrange;
    std::error_code error;
    std::string detail;
  };
  const Case cases[] = {
      {"the disk fills within the file", [&](const std::string&) { files.bytesLeft = 1000; },
       enospc, "pass 1 failed at byte 1000"},
      {"the flush reports a lost write",
       [&](const std::string& path) { files.failFlush.insert(path); }, eio,
       "pass 1 failed at byte 0"},
      {"the signature pass fills the disk",
       [&](const std::string&) {
         manager.Methods[0]->Passes.resize(1);
         manager.WriteSignature = true;
         files.bytesLeft = 10000 + 50;
       },
       enospc, "pass 2 failed at byte 50"},
      {"a pass of an unknown kind",
       [&](const std::string&) { manager.Methods[0]->Passes[1]->WipeWith = 99; },
       {},
       "pass 2 failed at byte 0 (it is of an unknown kind (99))"},
      {"a text pattern without text",
       [&](const std::string&) {
         manager.Methods[0]->Passes[0]->WipeWith = wwTextPattern;
         manager.Methods[0]->Passes[0]->TextPatternValue.clear();
       },
       {},
       "pass 1 failed at byte 0 (its text pattern is empty)"},
      {"a buffer size that holds nothing",
       [&](const std::string&) { manager.BufferSize = 0; },
       {},
       "pass 1 failed at byte 0 (the buffer size 0 is not usable)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AddMethod("two.mtd", {BytePass(1), BytePass(2)});
    manager.WriteSignature = false;
    manager.BufferSize = 4096;
    files.bytesLeft = -1;
    files.failFlush.clear();
    files.renames.clear();
    files.deleted.clear();
    const std::string path = folder.write("file", std::string(10000, 'x'));
    c.arrange(path);
    Run(wkFile, path);
    EXPECT_TRUE(pathExists(path));
    EXPECT_EQ(fsys::file_size(path), 10000u);
    EXPECT_TRUE(files.renames.empty());
    EXPECT_TRUE(files.deleted.empty());
    EXPECT_EQ(
        engine.Failures,
        (std::vector<TWipeFailure>{{path, TWipeFailureReason::PassFailed, c.error, c.detail}}));
    EXPECT_TRUE(LeavesSomethingBehind(engine.Failures.at(0)));
  }
  manager.BufferSize = 4096;
  files.bytesLeft = 1000;
  Run(wkFile, folder.write("full", std::string(10000, 'x')));
  EXPECT_EQ(DescribeFailure(engine.Failures.at(0)),
            "was not deleted: pass 1 failed at byte 1000 (No space left on device)");
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
  ExecuteWith(engine, manager, services);
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
