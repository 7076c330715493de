// Where the program keeps the user's settings and methods: beside itself when its folder may be
// written and it is not installed, else in the user's configuration folder, seeded from the
// shipped files without ever replacing the user's own.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "core/Helpers.h"
#include "core/SettingsFolder.h"
#include "core/TWipeMethodsManager.h"
#include "platform/Folders.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

namespace {

struct SettingsFolder : ::testing::Test {
  TestFolder t;
  FaultyFileSystem files;
  platform::ScopedFileSystem scope{files};
  // No choice during the test; the one in use before it is put back afterwards.
  ScopedSettingsFolder chosen{std::string()};
  std::string own = t.configFolder() + "ferrovane/";

  SettingsFolder() {
    files.confinedTo = TestFolder::prefix();
    t.write("program/Methods/01-random.mtd", "[Method]\nName=Random\nPasses=0\n");
    t.write("program/Methods/02-zeros.mtd", "[Method]\nName=Zeros\nPasses=0\n");
    t.write("program/Ferrovane.ini", "[Settings]\nBufferSize=4096\n");
    t.write("program/readme.txt", "shipped readme");
  }

  void programNotWritable() { files.notWritable.insert(t.programFolder()); }
};

}  // namespace

TEST_F(SettingsFolder, AWritableProgramFolderKeepsEverythingBesideTheProgram) {
  const TSettingsChoice choice = ChooseSettingsFolder();
  EXPECT_TRUE(choice.BesideProgram);
  EXPECT_EQ(choice.Folder, t.programFolder());
  EXPECT_EQ(GetSettingsFolder(), t.programFolder());
  EXPECT_EQ(GetMethodsFolder(), t.methodsFolder());
  EXPECT_EQ(TWipeMethodsManager::SettingsFileName(), t.programFolder() + "Ferrovane.ini");
  EXPECT_TRUE(choice.Seeded.empty());
  EXPECT_FALSE(pathExists(own));
}

TEST_F(SettingsFolder, AReadOnlyProgramFolderSeedsTheUsersFolderOnce) {
  programNotWritable();
  const TSettingsChoice first = ChooseSettingsFolder();
  EXPECT_FALSE(first.BesideProgram);
  EXPECT_EQ(first.Folder, own);
  EXPECT_EQ(GetMethodsFolder(), own + "Methods/");
  EXPECT_EQ(TWipeMethodsManager::SettingsFileName(), own + "Ferrovane.ini");
  EXPECT_EQ(first.Seeded.size(), 3u);
  EXPECT_EQ(readFileBytes(own + "Methods/02-zeros.mtd"), "[Method]\nName=Zeros\nPasses=0\n");
  EXPECT_EQ(readFileBytes(own + "Ferrovane.ini"), "[Settings]\nBufferSize=4096\n");
  // The readme is read where it was shipped; it is not copied.
  EXPECT_FALSE(pathExists(own + "readme.txt"));
  EXPECT_EQ(GetShippedFolder(), t.programFolder());

  // The user changes the settings and deletes a method; the next start keeps both as they are.
  t.write("config/ferrovane/Ferrovane.ini", "[Engines]\nWipeFiles=02-zeros.mtd\n");
  std::remove((own + "Methods/01-random.mtd").c_str());
  const TSettingsChoice second = ChooseSettingsFolder();
  EXPECT_EQ(second.Folder, own);
  EXPECT_TRUE(second.Seeded.empty());
  EXPECT_TRUE(second.Problems.empty());
  EXPECT_EQ(readFileBytes(own + "Ferrovane.ini"), "[Engines]\nWipeFiles=02-zeros.mtd\n");
  EXPECT_FALSE(pathExists(own + "Methods/01-random.mtd"));
}

TEST_F(SettingsFolder, AnInstalledProgramUsesTheUsersFolderEvenWhereItMayWrite) {
  // <prefix>/bin/ with <prefix>/share/ferrovane/ beside it, all writable (as for root, or an
  // install into the home folder).
  t.write("prefix/share/ferrovane/Methods/05-gutmann.mtd", "[Method]\nName=Gutmann\n");
  t.write("prefix/share/ferrovane/readme.txt", "installed readme");
  t.makeFolder("prefix/bin");
  const platform::ScopedProgramFolder installedProgram{t.path() + "prefix/bin/"};
  EXPECT_EQ(GetShippedFolder(), t.path() + "prefix/share/ferrovane/");

  const TSettingsChoice choice = ChooseSettingsFolder();
  EXPECT_EQ(choice.Folder, own);
  EXPECT_EQ(choice.Shipped, t.path() + "prefix/share/ferrovane/");
  EXPECT_TRUE(pathExists(own + "Methods/05-gutmann.mtd"));
  // Nothing is shipped but the method: no settings file appears, and nothing is wrong.
  EXPECT_FALSE(pathExists(own + "Ferrovane.ini"));
  EXPECT_TRUE(choice.Problems.empty());
  EXPECT_FALSE(pathExists(t.path() + "prefix/bin/Ferrovane.ini"));
}

TEST_F(SettingsFolder, AUserFileIsNeverReplacedAndAMissingOneIsAdded) {
  programNotWritable();
  t.write("config/ferrovane/Ferrovane.ini", "mine");
  t.write("config/ferrovane/Methods/02-zeros.mtd", "my zeros");
  const TSettingsChoice choice = ChooseSettingsFolder();
  EXPECT_EQ(readFileBytes(own + "Ferrovane.ini"), "mine");
  EXPECT_EQ(readFileBytes(own + "Methods/02-zeros.mtd"), "my zeros");
  // The user's Methods folder exists, so no shipped method is added to it.
  EXPECT_FALSE(pathExists(own + "Methods/01-random.mtd"));
  EXPECT_TRUE(choice.Seeded.empty());
}

TEST_F(SettingsFolder, WhenTheUsersFolderCannotBeMadeTheShippedFilesAreUsedAsTheyAre) {
  programNotWritable();
  // A file where the configuration folder should be.
  std::filesystem::remove_all(t.configFolder());
  t.write("config", "not a folder");
  const TSettingsChoice choice = ChooseSettingsFolder();
  EXPECT_EQ(choice.Folder, t.programFolder());
  ASSERT_EQ(choice.Problems.size(), 1u);
  EXPECT_NE(choice.Problems[0].find("could not be made"), std::string::npos);
  EXPECT_EQ(GetMethodsFolder(), t.methodsFolder());
}

TEST_F(SettingsFolder, MethodsThatCannotAllBeCopiedLeaveNoMethodsFolderAndComeOnTheNextStart) {
  programNotWritable();
  // The disk fills at the second method: the first one was copied already.
  const std::string gathering = own + ".Methods.seeding/";
  files.failAtomicWrite.insert(gathering + "02-zeros.mtd");
  files.injectedError = std::make_error_code(std::errc::no_space_on_device);
  const TSettingsChoice first = ChooseSettingsFolder();
  EXPECT_EQ(first.Problems,
            (std::vector<std::string>{
                gathering + "02-zeros.mtd: could not be written (No space left on device)",
                own + "Methods: the shipped methods were not copied; the next start tries again"}));
  EXPECT_FALSE(pathExists(own + "Methods"));
  EXPECT_FALSE(pathExists(gathering));
  EXPECT_EQ(first.Seeded, std::vector<std::string>{own + "Ferrovane.ini"});

  // A start stopped part-way left some of them gathered; the next start gets them all.
  files.failAtomicWrite.clear();
  t.write("config/ferrovane/.Methods.seeding/01-random.mtd", "[Method]\nName=Ran");
  const TSettingsChoice second = ChooseSettingsFolder();
  EXPECT_TRUE(second.Problems.empty());
  EXPECT_EQ(second.Seeded, (std::vector<std::string>{own + "Methods/01-random.mtd",
                                                     own + "Methods/02-zeros.mtd"}));
  EXPECT_EQ(readFileBytes(own + "Methods/01-random.mtd"), "[Method]\nName=Random\nPasses=0\n");
  EXPECT_FALSE(pathExists(gathering));

  // A folder of that name that cannot be made into the methods folder is named too.
  std::filesystem::remove_all(own + "Methods");
  files.failRename.insert(own + ".Methods.seeding");
  const TSettingsChoice third = ChooseSettingsFolder();
  ASSERT_EQ(third.Problems.size(), 1u);
  EXPECT_EQ(third.Problems[0], own + "Methods: could not be made (No space left on device)");
  EXPECT_FALSE(pathExists(own + "Methods"));
  EXPECT_FALSE(pathExists(gathering));
}

TEST_F(SettingsFolder, AGatheringLeftByAnEarlierStartThatCannotBeRemovedIsNamedWithItsReason) {
  programNotWritable();
  const std::string gathering = own + ".Methods.seeding";
  const std::string stale = t.write("config/ferrovane/.Methods.seeding/01-random.mtd", "[Method]");
  files.failDelete.insert(stale);
  const TSettingsChoice choice = ChooseSettingsFolder();
  EXPECT_EQ(choice.Problems, std::vector<std::string>{
                                 gathering + ": what an earlier start left could not be removed "
                                             "(Permission denied)"});
  EXPECT_FALSE(pathExists(own + "Methods"));
  EXPECT_EQ(readFileBytes(stale), "[Method]");
}
