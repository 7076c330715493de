// A run goes by what it was given when it started: the settings, the method and its own stop
// token. The catalogue that the window and the command line own is read when a run is made,
// and its start names what kept it from loading everything.

#include <gtest/gtest.h>

#include "WipeEngineFixture.h"
#include "core/WipeRun.h"
#include "support/TestFolder.h"

namespace {

TEST_F(WipeEngineTest, ARunKeepsTheSettingsAndTheMethodItStartedWith) {
  AddMethod("one.mtd", {BytePass(0xAB)});
  manager.WriteSignature = false;
  engine.FlushWindowFiles = 0;  // the first file is gone before the second starts
  const std::string first = folder.write("first", std::string(3000, 'x'));
  const std::string second = folder.write("second", std::string(3000, 'y'));
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, first));
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, second));
  // Once the first file is gone, the settings change and the method is edited, then taken out
  // of the catalogue, as the window's controls could do between two files.
  bool changed = false;
  services.onProcess = [&] {
    if (changed || files.deleted.empty()) return;
    changed = true;
    manager.WriteSignature = true;
    manager.Signature = "changed";
    manager.BufferSize = 1;
    manager.WipeSlackSpace = false;
    manager.Methods[0]->Passes[0]->BytePatternValue = 0xCD;
    manager.Methods.clear();
  };
  ExecuteWith(engine, manager, services);
  ASSERT_TRUE(changed);
  EXPECT_TRUE(engine.Failures.empty());
  // Both files alike: one pass of 0xAB, no signature.
  const std::vector<std::string> wiped = WipedContents();
  ASSERT_EQ(wiped.size(), 2u);
  EXPECT_EQ(wiped[0], std::string(3000, '\xAB'));
  EXPECT_EQ(wiped[1], wiped[0]);
}

TEST_F(WipeEngineTest, EachRunHasAStopTokenOfItsOwn) {
  AddMethod("one.mtd", {BytePass(0)});
  const auto jobs = [&] {
    engine.ClearItems();
    engine.AddItem(std::make_unique<TWipeItem>(wkFile, folder.write("a", "a")));
    engine.AddItem(std::make_unique<TWipeItem>(wkFile, folder.write("b", "b")));
  };
  // Stopped in its first file: the second is never reached.
  jobs();
  services.onProcess = [&] { engine.Stop(); };
  ExecuteWith(engine, manager, services);
  EXPECT_TRUE(engine.Aborted);
  EXPECT_TRUE(pathExists(folder / "b"));

  // A stop asked for between runs reaches no run; the next one has a token of its own.
  services.onProcess = nullptr;
  engine.Stop();
  jobs();
  ExecuteWith(engine, manager, services);
  EXPECT_FALSE(engine.Aborted);
  EXPECT_FALSE(pathExists(folder / "a"));
  EXPECT_FALSE(pathExists(folder / "b"));

  // The token is the run's: set before the run begins, nothing is wiped.
  jobs();
  WipeRun stopped = WipeRun::For(engine, manager, services);
  stopped.Stop.Request();
  engine.Execute(stopped);
  EXPECT_TRUE(engine.Aborted);
  EXPECT_TRUE(pathExists(folder / "a"));
  EXPECT_EQ(engine.ItemsReached(), 0u);
}

TEST(WipeRunSettingsTest, TheSnapshotTakesEveryWipeSettingAndTheJournalChoice) {
  WipeSettings settings;
  settings.BufferSize = 4096;
  settings.WipeSlackSpace = true;
  settings.ScrambleFile = true;
  settings.WriteSignature = true;
  settings.Signature = "sig";
  settings.DiscardFreeBlocks = false;
  settings.ChooseJournalForRun(true);
  WipeRunSettings snapshot = WipeRunSettings::Of(settings);
  EXPECT_EQ(snapshot.BufferSize, 4096);
  EXPECT_TRUE(snapshot.WipeSlackSpace);
  EXPECT_TRUE(snapshot.ScrambleFile);
  EXPECT_TRUE(snapshot.WriteSignature);
  EXPECT_EQ(snapshot.Signature, "sig");
  EXPECT_FALSE(snapshot.DiscardFreeBlocks);
  EXPECT_EQ(snapshot.Journal, WipeRunSettings::JournalNames::All);
  settings.ChooseJournalForRun(false);
  EXPECT_EQ(WipeRunSettings::Of(settings).Journal, WipeRunSettings::JournalNames::None);
}

TEST(WipeMethodsManagerStartTest, WhatStoppedTheLoadIsNamedAndUnreadSettingsAreNeverSaved) {
  TestFolder folder;
  folder.write("program/Methods/a.mtd", "[Method]\nName=A\nPasses=1\n[Pass1]\nWipeWith=0\n");
  const std::string ini = folder.write("program/Ferrovane.ini", "[Settings]\nBufferSize=4096\n");
  const std::string stored = readFileBytes(ini);
  {
    auto catalogue = StartWipeMethodsManager();
    EXPECT_EQ(catalogue->LoadProblem, "");
    EXPECT_EQ(catalogue->Methods.size(), 1u);
    EXPECT_EQ(catalogue->BufferSize, 4096);
  }
  FaultyFileSystem disk;
  const platform::ScopedFileSystem installed(disk);
  {
    // The methods cannot be listed: the settings are read all the same.
    disk.throwOnList = {folder.methodsFolder()};
    auto catalogue = StartWipeMethodsManager();
    EXPECT_EQ(catalogue->LoadProblem, "the methods: the listing broke off");
    EXPECT_TRUE(catalogue->Methods.empty());
    EXPECT_EQ(catalogue->BufferSize, 4096);
    catalogue->WipeSlackSpace = !catalogue->WipeSlackSpace;
    EXPECT_EQ(FinishWipeMethodsManager(*catalogue), "");
    EXPECT_NE(readFileBytes(ini), stored);  // a change of settings that were read is saved
  }
  folder.write("program/Ferrovane.ini", stored);
  disk.throwOnList.clear();
  disk.throwOnRead = {ini};
  auto catalogue = StartWipeMethodsManager();
  EXPECT_EQ(catalogue->LoadProblem, "the settings: the read broke off");
  EXPECT_EQ(catalogue->Methods.size(), 1u);
  // The defaults in use are not written over the file, even once changed.
  catalogue->DiscardFreeBlocks = !catalogue->DiscardFreeBlocks;
  disk.throwOnRead.clear();
  EXPECT_NE(FinishWipeMethodsManager(*catalogue), "");
  EXPECT_EQ(readFileBytes(ini), stored);
}

}  // namespace
