#include <gtest/gtest.h>

#include <filesystem>

#include "core/Helpers.h"
#include "core/TIniFile.h"
#include "core/TWipeMethodsManager.h"
#include "platform/FileLock.h"
#include "support/FakeJournals.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

namespace {

struct Catalogue : ::testing::Test {
  TestFolder t;
  TWipeMethodsManager manager;
  std::string settings = t.programFolder() + "Ferrovane.ini";

  std::string method(const std::string& file, const std::string& name, int passes = 1) {
    return t.write("program/Methods/" + file,
                   "[Method]\nName=" + name + "\nPasses=" + std::to_string(passes) + "\n");
  }
};

}  // namespace

TEST_F(Catalogue, CreateSetsItsOwnValuesUntilTheSettingsAreLoaded) {
  EXPECT_EQ(manager.BufferSize, 512000);
  EXPECT_TRUE(manager.WriteSignature);
  EXPECT_EQ(manager.Signature, "Wiped by ME!");
  EXPECT_FALSE(manager.WipeSlackSpace);
  EXPECT_EQ(manager.FilesEngine->Name, "FilesEngine");
  EXPECT_EQ(manager.DrivesEngine->Name, "DrivesEngine");

  manager.LoadSettings();  // no settings file: every default
  EXPECT_TRUE(manager.WipeWithCurrentMethod);
  EXPECT_TRUE(manager.WipeSlackSpace);
  EXPECT_FALSE(manager.DeleteToRecycleBin);
  EXPECT_TRUE(manager.ScrambleFile);
  EXPECT_FALSE(manager.WriteSignature);
  EXPECT_EQ(manager.Signature, "");
  EXPECT_FALSE(manager.ConfirmEraseFile);
  EXPECT_TRUE(manager.ConfirmEraseAllFiles);
  EXPECT_FALSE(manager.ConfirmEraseFolder);
  EXPECT_TRUE(manager.ConfirmErrorOccur);
  EXPECT_EQ(manager.BufferSize, 524288);
  EXPECT_TRUE(manager.DiscardFreeBlocks);
  EXPECT_FALSE(pathExists(settings));
}

TEST_F(Catalogue, SettingsRoundTripAndOtherContentSurvives) {
  t.write("program/Ferrovane.ini",
          "; mine\n[Engines]\nWipeFiles=x.mtd\n[Settings]\nBufferSize=0x10000\nSignature= \"  "
          "padded \" \n"
          "Unknown=kept\n[Extra]\nA=1\n");
  manager.LoadSettings();
  EXPECT_EQ(manager.BufferSize, 65536);
  EXPECT_EQ(manager.Signature, "  padded ");
  manager.WipeSlackSpace = false;
  manager.DiscardFreeBlocks = false;
  manager.SaveSettings();
  const std::string text = readFileBytes(settings);
  // Only what changed is written: a value read in another form keeps that form.
  for (const char* kept : {"; mine\n", "WipeFiles=x.mtd\n", "Unknown=kept\n", "[Extra]\nA=1\n",
                           "BufferSize=0x10000\n", "WipeSlackSpace=0\n", "DiscardFreeBlocks=0\n"}) {
    EXPECT_NE(text.find(kept), std::string::npos) << kept;
  }
  TWipeMethodsManager again;
  again.LoadSettings();
  EXPECT_FALSE(again.WipeSlackSpace);
  EXPECT_FALSE(again.DiscardFreeBlocks);
  EXPECT_EQ(again.BufferSize, 65536);
}

TEST_F(Catalogue, EachKindOfRunAsksFirstByItsOwnKey) {
  struct Case {
    const char* key;
    bool WipeSettings::*ask;
  };
  const Case cases[] = {{"ConfirmEraseAllFiles", &WipeSettings::ConfirmEraseAllFiles},
                        {"ConfirmWipeFreeSpace", &WipeSettings::ConfirmWipeFreeSpace},
                        {"ConfirmWipeSpecialFolders", &WipeSettings::ConfirmWipeSpecialFolders},
                        {"ConfirmCleanTraces", &WipeSettings::ConfirmCleanTraces},
                        {"ConfirmClearRecentFiles", &WipeSettings::ConfirmClearRecentFiles}};
  // Without the keys, every kind asks.
  manager.LoadSettings();
  for (const Case& c : cases) EXPECT_TRUE(manager.*c.ask) << c.key;
  for (const Case& off : cases) {
    SCOPED_TRACE(off.key);
    t.write("program/Ferrovane.ini", std::string("[Settings]\n") + off.key + "=0\n");
    manager.LoadSettings();
    for (const Case& c : cases) EXPECT_EQ(manager.*c.ask, c.ask != off.ask) << c.key;
    // Turned on again, that key alone is written.
    manager.*off.ask = true;
    manager.SaveSettings();
    EXPECT_EQ(readFileBytes(settings), std::string("[Settings]\n") + off.key + "=1\n");
  }
}

TEST_F(Catalogue, ABufferSizeThatWouldWriteNothingGivesTheDefaultAndIsNamed) {
  struct Case {
    const char* stored;
    std::int32_t used;
    bool named;
  };
  const Case cases[] = {
      {"1", 1, false},
      {"2147483647", 2147483647, false},
      {"0x10000", 65536, false},
      {"0", 524288, true},
      {"-5", 524288, true},
      {"2147483648", 524288, true},
      {"99999999999", 524288, true},
      {"lots", 524288, true},
      {"0xFFFFFFFF", 524288, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    const std::string text = std::string("[Settings]\nBufferSize=") + c.stored + "\n";
    t.write("program/Ferrovane.ini", text);
    manager.LoadSettings();
    EXPECT_EQ(manager.BufferSize, c.used);
    ASSERT_EQ(manager.SettingsProblems.size(), c.named ? 1u : 0u);
    if (c.named) {
      EXPECT_EQ(manager.SettingsProblems[0],
                std::string("Ferrovane.ini: BufferSize=") + c.stored +
                    " is not usable (it must be a number from 1 to 2147483647); 524288 is used "
                    "instead");
    }
    EXPECT_EQ(readFileBytes(settings), text);  // reading leaves the file as the user wrote it
  }
  // Read again without the value: nothing is named any more.
  t.write("program/Ferrovane.ini", "[Settings]\n");
  manager.LoadSettings();
  EXPECT_TRUE(manager.SettingsProblems.empty());
}

TEST_F(Catalogue, JournalOptionIsOnForEveryUserAndIsStoredOnlyOnceChosen) {
  FakeJournals journals;
  platform::ScopedJournals installed{journals};
  struct Case {
    const char* name;
    const char* stored;  // the key's value in the file, or none
    bool emptiable;      // the quick way is permitted here
    bool expected;
  };
  // Whether the file system may be asked to empty its journal at once no longer matters: the
  // journal of an ordinary user's drive holds names too.
  for (const Case& c :
       {Case{"unset, quick way permitted", nullptr, true, true},
        Case{"unset, only the rewrite", nullptr, false, true}, Case{"chosen off", "0", true, false},
        Case{"chosen on", "1", false, true}}) {
    SCOPED_TRACE(c.name);
    journals.emptiable = c.emptiable;
    t.write("program/Ferrovane.ini",
            std::string("[Settings]\n") +
                (c.stored ? std::string("EraseJournalNames=") + c.stored + "\n" : ""));
    manager.LoadSettings();
    EXPECT_EQ(manager.EraseJournalNames, c.expected);
    // A default of this machine and user is not written back as if it had been chosen.
    manager.SaveSettings();
    EXPECT_EQ(TIniFile(settings).ReadString("Settings", "EraseJournalNames", "none"),
              c.stored ? c.stored : "none");
    manager.EraseJournalNames = !c.expected;
    manager.SaveSettings();
    EXPECT_EQ(TIniFile(settings).ReadBool("Settings", "EraseJournalNames", c.expected),
              !c.expected);
  }
}

TEST_F(Catalogue, MethodsLoadInSortedOrderAndTheFirstIsTheDefault) {
  method("b.mtd", "Bee");
  method("A.mtd", "Ay");
  method("c.MTD", "Cee");
  t.write("program/Methods/readme.txt", "");
  manager.LoadMethods();
  ASSERT_EQ(manager.Methods.size(), 3u);
  EXPECT_EQ(manager.Methods[0]->Name, "Ay");
  EXPECT_EQ(manager.Methods[0]->FileName, t.methodsFolder() + "A.mtd");
  EXPECT_EQ(manager.Methods[2]->Name, "Cee");

  TWipeEngine engine("WipeFiles");
  EXPECT_EQ(manager.MethodForEngine(engine), manager.Methods[0].get());
}

TEST_F(Catalogue, EnginesSectionChoosesTheMethodAndIsReadAfreshEveryTime) {
  method("a.mtd", "A");
  method("Seven.mtd", "Seven");
  manager.LoadMethods();
  TWipeEngine engine("WipeFiles");
  TWipeMethod* seven = manager.MethodByFileName(t.methodsFolder() + "SEVEN.MTD");
  ASSERT_NE(seven, nullptr);
  manager.SetEngineMethod(engine, seven);
  EXPECT_EQ(TIniFile(settings).ReadString("Engines", "WipeFiles", ""), "Seven.mtd");
  EXPECT_EQ(manager.MethodForEngine(engine), seven);

  // Another program (or the user) changes the file: the next call sees it.
  TIniFile(settings).WriteString("Engines", "WipeFiles", "gone.mtd");
  EXPECT_EQ(manager.MethodForEngine(engine), nullptr);
  TIniFile(settings).WriteString("Engines", "WipeFiles", "");
  EXPECT_EQ(manager.MethodForEngine(engine), manager.Methods[0].get());
}

TEST_F(Catalogue, AMethodChosenForTheRunGoesAheadOfTheSettingsAndIsNeverWritten) {
  method("a.mtd", "A");
  method("b.mtd", "B");
  t.write("program/Ferrovane.ini", "[Engines]\nWipeFiles=a.mtd\n");
  manager.LoadMethods();
  TWipeEngine files("WipeFiles");
  TWipeEngine folders("WipeFolders");
  TWipeMethod* b = manager.Methods[1].get();
  manager.ChooseForRun(files, b);
  EXPECT_EQ(manager.MethodForEngine(files), b);
  EXPECT_EQ(manager.MethodForEngine(folders), manager.Methods[0].get());  // others as before
  EXPECT_EQ(readFileBytes(settings), "[Engines]\nWipeFiles=a.mtd\n");

  // A method taken out of the catalogue is not used in its place.
  manager.RemoveMethod(b);
  EXPECT_EQ(manager.MethodForEngine(files), nullptr);
  manager.ChooseForRun(files, nullptr);
  EXPECT_EQ(manager.MethodForEngine(files), manager.Methods[0].get());
}

TEST_F(Catalogue, EmptyOrMissingMethodsFolderGivesNoMethod) {
  manager.LoadMethods();
  TWipeEngine engine("WipeFiles");
  EXPECT_TRUE(manager.Methods.empty());
  EXPECT_EQ(manager.MethodForEngine(engine), nullptr);
  EXPECT_EQ(manager.MethodByFileName("anything"), nullptr);
}

TEST_F(Catalogue, FinishWritesOnlyTheSettingsThisProcessChangedAndNoMethod) {
  const std::string a = method("a.mtd", "A");
  const std::string b = method("b.mtd", "B");
  t.write("program/Ferrovane.ini", "[Settings]\nBufferSize=4096\nDiscardFreeBlocks=1\n");
  auto catalogue = StartWipeMethodsManager();
  ASSERT_NE(catalogue, nullptr);
  EXPECT_EQ(catalogue->Methods.size(), 2u);
  EXPECT_EQ(catalogue->BufferSize, 4096);
  EXPECT_EQ(catalogue->SettingsProblem, "");
  catalogue->Methods[0]->Name = "A2";  // changed in memory only, never edited
  catalogue->WipeSlackSpace = false;

  // Meanwhile others edit by hand, delete a method and change settings of their own.
  t.write("program/Methods/b.mtd", "[Method]\nName=Edited by hand\nPasses=1\n");
  std::filesystem::remove(a);
  TIniFile(settings).WriteString("Settings", "DiscardFreeBlocks", "0");
  TIniFile(settings).WriteString("Engines", "WipeFiles", "b.mtd");

  EXPECT_EQ(FinishWipeMethodsManager(*catalogue), "");
  EXPECT_FALSE(pathExists(a));  // not brought back
  EXPECT_EQ(readFileBytes(b), "[Method]\nName=Edited by hand\nPasses=1\n");
  EXPECT_EQ(readFileBytes(settings),
            "[Settings]\nBufferSize=4096\nDiscardFreeBlocks=0\nWipeSlackSpace=0\n\n"
            "[Engines]\nWipeFiles=b.mtd\n");
}

// What a save wrote counts as stored: a later save writes only what changed after it, never
// the same values again over what another process changed in between; a save that could not be
// written keeps its changes for the next.
TEST_F(Catalogue, ASaveWritesOnlyWhatChangedSinceTheLastSaveAndKeepsWhatCouldNotBeSaved) {
  manager.LoadSettings();
  manager.BufferSize = 4096;
  manager.SaveSettings();
  EXPECT_EQ(readFileBytes(settings), "[Settings]\nBufferSize=4096\n");
  TIniFile(settings).WriteString("Settings", "BufferSize", "8192");  // another process
  manager.WipeSlackSpace = false;
  manager.SaveSettings();
  EXPECT_EQ(readFileBytes(settings), "[Settings]\nBufferSize=8192\nWipeSlackSpace=0\n");

  // Another process keeps the lock: the save gives up after the wait and says why.
  const platform::ScopedLockWait shortWait(std::chrono::milliseconds(100));
  manager.ScrambleFile = false;
  {
    const auto other = platform::FileLock::acquire(settings);
    ASSERT_TRUE(other);
    EXPECT_EQ(manager.TrySaveSettings(), settings + " is locked by another process");
  }
  EXPECT_EQ(readFileBytes(settings), "[Settings]\nBufferSize=8192\nWipeSlackSpace=0\n");
  EXPECT_EQ(FinishWipeMethodsManager(manager), "");
  EXPECT_EQ(readFileBytes(settings),
            "[Settings]\nBufferSize=8192\nWipeSlackSpace=0\nScrambleFile=0\n");
}

TEST_F(Catalogue, AProgramRunWithoutChangesWritesNothing) {
  method("a.mtd", "A");
  for (const char* stored :
       {static_cast<const char*>(nullptr), "; by hand\n[Settings]\nSignature= x \n"}) {
    SCOPED_TRACE(stored ? stored : "no settings file");
    if (stored) t.write("program/Ferrovane.ini", stored);
    auto catalogue = StartWipeMethodsManager();
    EXPECT_EQ(FinishWipeMethodsManager(*catalogue), "");
    if (stored) {
      EXPECT_EQ(readFileBytes(settings), stored);
    } else {
      EXPECT_FALSE(pathExists(settings));
    }
  }
}

TEST_F(Catalogue, ASettingsFileThatCannotBeReadIsNamedAndNeverWritten) {
  method("a.mtd", "A");
  const std::string stored = "[Engines]\nWipeFiles=a.mtd\n[Settings]\nBufferSize=4096\n";
  t.write("program/Ferrovane.ini", stored);
  FaultyFileSystem faulty;
  faulty.failRead.insert(settings);
  platform::ScopedFileSystem use(faulty);
  auto catalogue = StartWipeMethodsManager();
  EXPECT_EQ(catalogue->SettingsProblem, std::make_error_code(std::errc::io_error).message());
  EXPECT_EQ(catalogue->BufferSize, 524288);  // the defaults are used
  catalogue->DiscardFreeBlocks = !catalogue->DiscardFreeBlocks;
  TWipeEngine engine("WipeFolders");
  EXPECT_THROW(catalogue->SetEngineMethod(engine, catalogue->Methods[0].get()), EIniFileError);
  EXPECT_NE(FinishWipeMethodsManager(*catalogue), "");  // the save fails, and says so
  EXPECT_EQ(readFileBytes(settings), stored);
}

TEST_F(Catalogue, AMethodNotReadWholeIsNeverTheDefaultNorWrittenBack) {
  // A real three-pass method followed by a large comment: too large to read, and first in order.
  const std::string big = t.write("program/Methods/A big.mtd",
                                  "[Method]\nName=Big\nPasses=3\n[Pass1]\n[Pass2]\n[Pass3]\n" +
                                      std::string(TWipeMethod::kMaxFileSize, ';') + "\n");
  method("b.mtd", "Bee");
  auto catalogue = StartWipeMethodsManager();
  ASSERT_EQ(catalogue->Methods.size(), 2u);
  TWipeMethod* unread = catalogue->Methods[0].get();
  TWipeMethod* bee = catalogue->Methods[1].get();
  EXPECT_FALSE(unread->ReadWhole);

  TWipeEngine engine("WipeFiles");
  EXPECT_EQ(catalogue->MethodForEngine(engine), bee);
  // Chosen for the engine by name, it is what the engine gets (and refuses to use).
  TIniFile(settings).WriteString("Engines", "WipeFiles", "A big.mtd");
  EXPECT_EQ(catalogue->MethodForEngine(engine), unread);

  const std::string before = readFileBytes(big);
  FinishWipeMethodsManager(*catalogue);
  EXPECT_EQ(readFileBytes(big), before);

  // Once edited, it is written like any other method.
  catalogue = StartWipeMethodsManager();
  ASSERT_FALSE(catalogue->Methods.empty());
  TWipeMethod repaired;
  repaired.Name = "Repaired";
  catalogue->Methods[0]->Assign(repaired);
  catalogue->SaveMethods();
  FinishWipeMethodsManager(*catalogue);
  EXPECT_NE(readFileBytes(big).find("Name=Repaired\n"), std::string::npos);
}

TEST_F(Catalogue, WithoutAMethodReadWholeThereIsNoDefault) {
  t.write("program/Methods/a.mtd", "[Method]\nPasses=99999\n");
  manager.LoadMethods();
  ASSERT_EQ(manager.Methods.size(), 1u);
  TWipeEngine engine("WipeFiles");
  EXPECT_EQ(manager.MethodForEngine(engine), nullptr);
}

TEST(ShippedMethods, EveryShippedMethodLoadsWithItsPasses) {
  TWipeMethodsManager manager;
  // The shipped files sit in methods/ of the source tree, not in Methods/ beside a program.
  for (const std::string& name :
       ListFiles(std::string(FERROVANE_SOURCE_DIR) + "/methods", "**.mtd")) {
    auto method = std::make_unique<TWipeMethod>();
    method->FileName = std::string(FERROVANE_SOURCE_DIR) + "/methods/" + name;
    method->LoadFromFile();
    manager.AddMethod(std::move(method));
  }
  ASSERT_EQ(manager.Methods.size(), 6u);
  auto passes = [&](int i) { return manager.Methods[static_cast<std::size_t>(i)].get(); };

  EXPECT_EQ(passes(0)->Name, "Random data (1 pass)");  // sorts first: the default
  ASSERT_EQ(passes(0)->PassCount(), 1);
  EXPECT_EQ(passes(0)->GetPass(0)->WipeWith, wwRandomBytes);
  EXPECT_EQ(passes(0)->GetPass(0)->RandomBytesValue2, 255);
  EXPECT_FALSE(passes(0)->GetPass(0)->CheckWipe);

  // Right after the default: the same pass, read back.
  ASSERT_EQ(passes(1)->PassCount(), 1);
  EXPECT_EQ(passes(1)->GetPass(0)->WipeWith, wwRandomBytes);
  EXPECT_EQ(passes(1)->GetPass(0)->RandomBytesValue2, 255);
  EXPECT_TRUE(passes(1)->GetPass(0)->CheckWipe);

  EXPECT_EQ(passes(2)->GetPass(0)->WipeWith, wwBytePattern);
  EXPECT_EQ(passes(2)->GetPass(0)->BytePatternValue, 0);

  ASSERT_EQ(passes(3)->PassCount(), 3);
  EXPECT_EQ(passes(3)->GetPass(1)->BytePatternValue, 0xFF);
  EXPECT_EQ(passes(3)->GetPass(2)->WipeWith, wwRandomBytes);

  ASSERT_EQ(passes(4)->PassCount(), 7);
  EXPECT_EQ(passes(4)->GetPass(6)->BytePatternValue, 0xAA);

  const TWipeMethod& gutmann = *passes(5);
  ASSERT_EQ(gutmann.PassCount(), 35);
  for (int i : {0, 1, 2, 3, 31, 32, 33, 34}) EXPECT_EQ(gutmann.GetPass(i)->WipeWith, wwRandomBytes);
  EXPECT_EQ(gutmann.GetPass(4)->BytePatternValue, 0x55);
  EXPECT_EQ(gutmann.GetPass(5)->BytePatternValue, 0xAA);
  EXPECT_EQ(gutmann.GetPass(6)->TextPatternValue, "\x92\x49\x24");
  EXPECT_EQ(gutmann.GetPass(8)->TextPatternValue, "\x24\x92\x49");
  for (int k = 0; k < 16; ++k) {
    EXPECT_EQ(gutmann.GetPass(9 + k)->WipeWith, wwBytePattern);
    EXPECT_EQ(gutmann.GetPass(9 + k)->BytePatternValue, 0x11 * k);
  }
  EXPECT_EQ(gutmann.GetPass(25)->TextPatternValue, "\x92\x49\x24");
  EXPECT_EQ(gutmann.GetPass(28)->TextPatternValue, "\x6D\xB6\xDB");
  EXPECT_EQ(gutmann.GetPass(30)->TextPatternValue, "\xDB\x6D\xB6");
  for (const auto& method : manager.Methods) {
    EXPECT_GT(method->Description.size(), 60u);
    EXPECT_TRUE(method->ReadWhole);
  }
}
