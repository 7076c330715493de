#include "cleaner/TShredder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cleaner/PrefsValues.h"
#include "cleaner/TEraserEngine.h"
#include "core/TWipeMethodsManager.h"
#include "support/TestFolder.h"

namespace {

class ShredderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.write("program/Methods/a.mtd", "[Method]\nName=First\nPasses=0\n");
    folder.write("program/Methods/b.mtd", "[Method]\nName=Second\nPasses=0\n");
    folder.write("program/Ferrovane.ini", "[Engines]\nWipeFolders=b.mtd\nWipeFreeSpace=gone.mtd\n");
    manager.LoadMethods();
    manager.LoadSettings();
  }

  // Loads a prefs document into a fresh engine.
  std::unique_ptr<TEraserEngine> Load(const std::string& text) {
    auto engine = std::make_unique<TEraserEngine>();
    engine->LoadFromFile(folder.write("program/prefs.dat", text));
    return engine;
  }

  static std::vector<std::string> Paths(const TWipeEngine& engine) {
    std::vector<std::string> paths;
    for (const auto& item : engine.Items) paths.push_back(item->Path);
    return paths;
  }

  TestFolder folder;
  TWipeMethodsManager manager;
};

TEST_F(ShredderTest, EnginesAreNamedSoThatTheCatalogueGivesThemTheMethodsOfTheSettings) {
  TShredder shredder;
  EXPECT_EQ(shredder.WipeFiles->Name, "WipeFiles");
  EXPECT_EQ(shredder.WipeFolders->Name, "WipeFolders");
  EXPECT_EQ(shredder.WipeFreeSpace->Name, "WipeFreeSpace");
  const TWipeMethod* files = manager.MethodForEngine(*shredder.WipeFiles);
  ASSERT_NE(files, nullptr);
  EXPECT_EQ(files->Name, "First");  // no entry: the first method
  const TWipeMethod* folders = manager.MethodForEngine(*shredder.WipeFolders);
  ASSERT_NE(folders, nullptr);
  EXPECT_EQ(folders->Name, "Second");
  // Names a file that is not loaded.
  EXPECT_EQ(manager.MethodForEngine(*shredder.WipeFreeSpace), nullptr);
  EXPECT_FALSE(shredder.CleanFreeSpaceEnabled);
  EXPECT_TRUE(shredder.WipeFiles->Items.empty());
}

TEST_F(ShredderTest, JobListsAreReadInDocumentOrderWhateverTheTag) {
  auto engine = Load(R"(<Configuration><Shredder CleanFreeSpaceEnabled="true">
      <WipeFiles><Item FileName="/a/one"/><!-- note --><Other FileName="/a/two"/></WipeFiles>
      <WipeFolders><Item Folder="/b"/></WipeFolders>
      <WipeFreeSpace><Item Drive="/mnt/data/"/></WipeFreeSpace>
    </Shredder></Configuration>)");
  TShredder& shredder = *engine->Shredder;
  ASSERT_EQ(Paths(*shredder.WipeFiles), (std::vector<std::string>{"/a/one", "/a/two"}));
  EXPECT_EQ(shredder.WipeFiles->Items[1]->Kind, wkFile);
  ASSERT_EQ(Paths(*shredder.WipeFolders), (std::vector<std::string>{"/b"}));
  EXPECT_EQ(shredder.WipeFolders->Items[0]->Kind, wkFolder);
  ASSERT_EQ(Paths(*shredder.WipeFreeSpace), (std::vector<std::string>{"/mnt/data/"}));
  EXPECT_EQ(shredder.WipeFreeSpace->Items[0]->Kind, wkFreeSpace);
  EXPECT_TRUE(shredder.CleanFreeSpaceEnabled);
  EXPECT_EQ(shredder.WipeFiles->Items[0]->Caption, "");
}

TEST_F(ShredderTest, AJobWrittenWithASeparatorAfterALinkNamesTheLinkNotItsTarget) {
  folder.write("target/precious", "p");
  std::filesystem::create_directory_symlink(folder / "target", folder / "link");
  std::filesystem::create_directory_symlink(folder.path(), folder / "via");
  auto engine = Load(
      "<Configuration><Shredder>"
      "<WipeFiles><Item FileName=\"" +
      folder / "via/link/" +
      "\"/></WipeFiles>"
      "<WipeFolders><Item Folder=\"" +
      folder / "link//" +
      "\"/></WipeFolders>"
      "</Shredder></Configuration>");
  EXPECT_EQ(Paths(*engine->Shredder->WipeFiles), (std::vector<std::string>{folder / "link"}));
  EXPECT_EQ(Paths(*engine->Shredder->WipeFolders), (std::vector<std::string>{folder / "link"}));
}

TEST_F(ShredderTest, MissingListElementEmptiesItsEngine) {
  TShredder shredder;
  shredder.WipeFolders->AddItem(std::make_unique<TWipeItem>(wkFolder, "/old"));
  shredder.WipeFreeSpace->AddItem(std::make_unique<TWipeItem>(wkFreeSpace, "/"));
  pugi::xml_document document;
  document.load_string(R"(<Configuration><Shredder CleanFreeSpaceEnabled="False">
      <WipeFiles><Item FileName="/x"/></WipeFiles></Shredder></Configuration>)");
  shredder.Load(document.child("Configuration"));
  EXPECT_EQ(Paths(*shredder.WipeFiles), (std::vector<std::string>{"/x"}));
  EXPECT_TRUE(shredder.WipeFolders->Items.empty());
  EXPECT_TRUE(shredder.WipeFreeSpace->Items.empty());
}

TEST_F(ShredderTest, NoShredderElementKeepsTheJobs) {
  TShredder shredder;
  shredder.WipeFiles->AddItem(std::make_unique<TWipeItem>(wkFile, "/kept"));
  pugi::xml_document document;
  document.load_string("<Configuration><Misc/></Configuration>");
  shredder.Load(document.child("Configuration"));
  EXPECT_EQ(Paths(*shredder.WipeFiles), (std::vector<std::string>{"/kept"}));
}

TEST_F(ShredderTest, JobWithoutItsAttributeStopsTheReadingAfterTheJobsBeforeIt) {
  TShredder shredder;
  shredder.WipeFolders->AddItem(std::make_unique<TWipeItem>(wkFolder, "/old"));
  pugi::xml_document document;
  document.load_string(R"(<Configuration><Shredder CleanFreeSpaceEnabled="True">
      <WipeFiles><Item FileName="/first"/><Item Folder="/wrong"/><Item FileName="/never"/></WipeFiles>
      <WipeFolders><Item Folder="/b"/></WipeFolders></Shredder></Configuration>)");
  EXPECT_THROW(shredder.Load(document.child("Configuration")), EConvertError);
  EXPECT_EQ(Paths(*shredder.WipeFiles), (std::vector<std::string>{"/first"}));
  EXPECT_EQ(Paths(*shredder.WipeFolders), (std::vector<std::string>{"/old"}));
  EXPECT_FALSE(shredder.CleanFreeSpaceEnabled);
}

TEST_F(ShredderTest, MissingFlagEndsTheDocumentAfterTheLists) {
  auto engine = Load(R"(<Configuration><Shredder>
      <WipeFiles><Item FileName="/f"/></WipeFiles><WipeFolders><Item Folder="/d"/></WipeFolders>
    </Shredder></Configuration>)");
  EXPECT_EQ(Paths(*engine->Shredder->WipeFiles), (std::vector<std::string>{"/f"}));
  EXPECT_EQ(Paths(*engine->Shredder->WipeFolders), (std::vector<std::string>{"/d"}));
  EXPECT_FALSE(engine->Shredder->CleanFreeSpaceEnabled);
}

TEST_F(ShredderTest, SaveWritesWhatLoadReads) {
  TShredder original;
  original.CleanFreeSpaceEnabled = true;
  original.WipeFiles->AddItem(std::make_unique<TWipeItem>(wkFile, "/a b/\xE9t\xE9.txt"));
  original.WipeFiles->AddItem(std::make_unique<TWipeItem>(wkFile, "/c & <d>\"e\""));
  original.WipeFolders->AddItem(std::make_unique<TWipeItem>(wkFolder, "/f"));
  original.WipeFreeSpace->AddItem(std::make_unique<TWipeItem>(wkFreeSpace, "/mnt/g/"));
  pugi::xml_document document;
  pugi::xml_node configuration = document.append_child("Configuration");
  original.Save(configuration);
  EXPECT_STREQ(configuration.child("Shredder").attribute("CleanFreeSpaceEnabled").value(), "True");
  EXPECT_STREQ(configuration.child("Shredder").child("WipeFiles").first_child().name(), "Item");

  TShredder copy;
  copy.Load(configuration);
  EXPECT_EQ(Paths(*copy.WipeFiles), Paths(*original.WipeFiles));
  EXPECT_EQ(Paths(*copy.WipeFolders), Paths(*original.WipeFolders));
  EXPECT_EQ(Paths(*copy.WipeFreeSpace), Paths(*original.WipeFreeSpace));
  EXPECT_TRUE(copy.CleanFreeSpaceEnabled);
}

}  // namespace
