#include <gtest/gtest.h>

#include <filesystem>

#include "platform/posix/RegistryStore.h"
#include "support/TestFolder.h"

namespace {

using platform::kCurrentUser;
using Names = std::vector<std::string>;

constexpr const char* kRun = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class RegistryRunKeyTest : public ::testing::Test {
 protected:
  std::string storeFile() const { return folder / "store/registry.reg"; }
  std::string autostart() const { return folder / "autostart/"; }

  TestFolder folder;
  platform::RegistryStore store{storeFile(), autostart()};
};

TEST_F(RegistryRunKeyTest, TheRunKeyAlwaysExistsAndItsFirstValueMakesTheAutostartFolder) {
  EXPECT_TRUE(store.keyExists(kCurrentUser, kRun));
  EXPECT_EQ(store.valueNames(kCurrentUser, kRun), Names{});
  EXPECT_FALSE(pathExists(autostart()));
  EXPECT_TRUE(store.writeString(kCurrentUser, kRun, "Ferrovane", "/opt/ferrovane"));
  EXPECT_EQ(store.readString(kCurrentUser, kRun, "Ferrovane"), "/opt/ferrovane");
  EXPECT_TRUE(pathExists(autostart() + "Ferrovane.desktop"));
  EXPECT_TRUE(store.deleteValue(kCurrentUser, kRun, "Ferrovane"));

  EXPECT_TRUE(store.keyExists(kCurrentUser, "software\\microsoft\\windows\\currentversion\\run\\"));
  EXPECT_TRUE(store.keyExists(kCurrentUser, "Software\\Microsoft"));
  EXPECT_EQ(store.subkeyNames(kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion"),
            (Names{"Run"}));
  EXPECT_EQ(store.subkeyNames(kCurrentUser, kRun), Names{});
  EXPECT_FALSE(store.keyExists(platform::kLocalMachine, kRun));
  EXPECT_FALSE(pathExists(storeFile()));  // nothing of it is kept in the store file
}

TEST_F(RegistryRunKeyTest, AFileInThePlaceOfTheAutostartFolderMeansThereIsNoRunKey) {
  folder.write("autostart", "not a folder");
  EXPECT_FALSE(store.keyExists(kCurrentUser, kRun));
  EXPECT_FALSE(store.writeString(kCurrentUser, kRun, "Ferrovane", "/opt/ferrovane"));
  EXPECT_EQ(readFileBytes(folder / "autostart"), "not a folder");
}

TEST_F(RegistryRunKeyTest, ValuesAreDesktopEntriesWhoseExecIsTheValue) {
  folder.makeFolder("autostart");
  const std::string command = "\"/opt/my apps/ferrovane\" --tray \\x";
  ASSERT_TRUE(store.writeString(kCurrentUser, kRun, "Ferrovane", command));
  const std::string entry = readFileBytes(autostart() + "Ferrovane.desktop");
  EXPECT_NE(entry.find("[Desktop Entry]\n"), std::string::npos);
  EXPECT_NE(entry.find("\nType=Application\n"), std::string::npos);
  EXPECT_NE(entry.find("\nExec=\"/opt/my apps/ferrovane\" --tray \\\\x\n"), std::string::npos);
  EXPECT_EQ(store.readString(kCurrentUser, kRun, "ferrovane"), command);
  EXPECT_TRUE(store.valueExists(kCurrentUser, kRun, "FERROVANE"));

  folder.write("autostart/Other.desktop", "[Desktop Entry]\nExec = other\\s--x\n");
  folder.write("autostart/Gone.desktop", "[Desktop Entry]\nExec=gone\nHidden=true\n");
  folder.write("autostart/notes.txt", "not an entry");
  EXPECT_EQ(store.valueNames(kCurrentUser, kRun), (Names{"Ferrovane", "Other"}));
  EXPECT_EQ(store.readString(kCurrentUser, kRun, "Other"), "other --x");
  EXPECT_EQ(store.readString(kCurrentUser, kRun, "Gone"), std::nullopt);

  // Replacing a value rewrites its own file, whatever the case of the name asked for.
  ASSERT_TRUE(store.writeString(kCurrentUser, kRun, "FERROVANE", "/usr/bin/ferrovane"));
  EXPECT_FALSE(pathExists(autostart() + "FERROVANE.desktop"));
  EXPECT_EQ(store.readString(kCurrentUser, kRun, "Ferrovane"), "/usr/bin/ferrovane");

  EXPECT_TRUE(store.deleteValue(kCurrentUser, kRun, "ferrovane"));
  EXPECT_FALSE(pathExists(autostart() + "Ferrovane.desktop"));
  EXPECT_TRUE(store.deleteValue(kCurrentUser, kRun, "Ferrovane"));  // already gone: no error
  EXPECT_TRUE(pathExists(autostart() + "Other.desktop"));
  EXPECT_FALSE(store.writeInteger(kCurrentUser, kRun, "Number", 1));
  EXPECT_FALSE(store.writeString(kCurrentUser, kRun, "a/b", "x"));
}

TEST_F(RegistryRunKeyTest, AnEntryThatIsALinkIsReplacedNotWrittenThrough) {
  folder.makeFolder("autostart");
  const std::string shared = folder.write("shared/app.desktop", "[Desktop Entry]\nExec=app\n");
  std::filesystem::create_symlink(shared, autostart() + "Ferrovane.desktop");
  EXPECT_EQ(store.readString(kCurrentUser, kRun, "Ferrovane"), "app");
  ASSERT_TRUE(store.writeString(kCurrentUser, kRun, "Ferrovane", "/bin/ferrovane"));
  EXPECT_EQ(readFileBytes(shared), "[Desktop Entry]\nExec=app\n");
  EXPECT_FALSE(std::filesystem::is_symlink(autostart() + "Ferrovane.desktop"));
  EXPECT_TRUE(store.deleteValue(kCurrentUser, kRun, "Ferrovane"));
  EXPECT_TRUE(pathExists(shared));
}

TEST_F(RegistryRunKeyTest, DeletingAKeyAboveRunLeavesTheAutostartEntries) {
  folder.makeFolder("autostart");
  ASSERT_TRUE(store.writeString(kCurrentUser, kRun, "Other", "other"));
  ASSERT_TRUE(store.createKey(kCurrentUser, "Software\\Microsoft\\Windows\\Shell"));
  EXPECT_TRUE(store.deleteKeyTree(kCurrentUser, "Software\\Microsoft"));
  EXPECT_FALSE(store.keyExists(kCurrentUser, "Software\\Microsoft\\Windows\\Shell"));
  EXPECT_FALSE(store.deleteKeyTree(kCurrentUser, kRun));
  EXPECT_EQ(store.readString(kCurrentUser, kRun, "Other"), "other");
}

TEST(RunCommand, PlainPathsStayAsTheyAreOthersAreQuoted) {
  EXPECT_EQ(platform::runCommandFor("/usr/bin/ferrovane"), "/usr/bin/ferrovane");
  EXPECT_EQ(platform::runCommandFor("/opt/My Apps/ferrovane"), "\"/opt/My Apps/ferrovane\"");
  EXPECT_EQ(platform::runCommandFor("/opt/a$b\"c/100%"), "\"/opt/a\\$b\\\"c/100%%\"");
}

}  // namespace
