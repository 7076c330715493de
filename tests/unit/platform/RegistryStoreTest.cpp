#include "platform/posix/RegistryStore.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

namespace {

using platform::kCurrentUser;
using platform::kLocalMachine;
using Names = std::vector<std::string>;

class RegistryStoreTest : public ::testing::Test {
 protected:
  std::string storeFile() const { return folder / "store/registry.reg"; }
  std::string autostart() const { return folder / "autostart/"; }

  TestFolder folder;
  platform::RegistryStore store{storeFile(), autostart()};
};

TEST_F(RegistryStoreTest, KeysAndValuesAreFoundWithoutCaseAndKeptInTheFile) {
  EXPECT_FALSE(store.keyExists(kCurrentUser, "Software\\Opera Software"));
  ASSERT_TRUE(store.createKey(kCurrentUser, "\\Software\\Opera Software\\"));
  EXPECT_TRUE(store.keyExists(kCurrentUser, "software\\OPERA SOFTWARE"));
  EXPECT_TRUE(store.keyExists(kCurrentUser, "\\Software"));
  EXPECT_TRUE(store.keyExists(kCurrentUser, ""));
  EXPECT_FALSE(store.keyExists(kLocalMachine, "Software"));
  EXPECT_FALSE(store.keyExists(kCurrentUser, "Software\\\\Opera Software"));

  ASSERT_TRUE(store.writeString(kCurrentUser, "Software\\Opera Software", "Last CommandLine v2",
                                "C:\\Opera\\opera.exe \"x\""));
  ASSERT_TRUE(store.writeInteger(kCurrentUser, "Software\\Opera Software", "Count", -2));
  EXPECT_EQ(store.readString(kCurrentUser, "\\SOFTWARE\\opera software", "last commandline V2"),
            "C:\\Opera\\opera.exe \"x\"");
  EXPECT_EQ(store.readInteger(kCurrentUser, "Software\\Opera Software", "count"), -2);
  EXPECT_EQ(store.readInteger(kCurrentUser, "Software\\Opera Software", "Last CommandLine v2"),
            std::nullopt);
  EXPECT_EQ(store.readString(kCurrentUser, "Software\\Opera Software", "Count"), std::nullopt);

  // Another store reads the same file: what was written is really on disk, in readable form.
  platform::RegistryStore other(storeFile(), autostart());
  EXPECT_EQ(other.readString(kCurrentUser, "Software\\Opera Software", "Last CommandLine v2"),
            "C:\\Opera\\opera.exe \"x\"");
  const std::string text = readFileBytes(storeFile());
  EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\n", 0), 0u);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Opera Software]\n"
                      "\"Last CommandLine v2\"=\"C:\\\\Opera\\\\opera.exe \\\"x\\\"\"\n"
                      "\"Count\"=dword:fffffffe\n"),
            std::string::npos);
}

TEST_F(RegistryStoreTest, WritesNeverCreateKeys) {
  EXPECT_FALSE(store.writeString(kCurrentUser, "Software\\Missing", "a", "b"));
  EXPECT_FALSE(store.writeInteger(kLocalMachine, "SYSTEM", "a", 1));
  EXPECT_FALSE(store.keyExists(kCurrentUser, "Software\\Missing"));
  EXPECT_FALSE(store.keyExists(kCurrentUser, "SYSTEM"));
  EXPECT_FALSE(pathExists(storeFile()));
}

TEST_F(RegistryStoreTest, ListsDeletesAndKeepsRoots) {
  for (const char* key : {"A\\zeta", "A\\Beta", "A\\alpha\\deep\\deeper", "B"}) {
    ASSERT_TRUE(store.createKey(kCurrentUser, key));
  }
  for (const char* name : {"MRUList", "b", "a", ""}) {
    ASSERT_TRUE(store.writeString(kCurrentUser, "A", name, name));
  }
  EXPECT_EQ(store.subkeyNames(kCurrentUser, "A"), (Names{"alpha", "Beta", "zeta"}));
  EXPECT_EQ(store.valueNames(kCurrentUser, "A"), (Names{"MRUList", "b", "a", ""}));
  EXPECT_EQ(store.subkeyNames(kCurrentUser, "Nothing"), std::nullopt);
  EXPECT_EQ(store.valueNames(kCurrentUser, "Nothing"), std::nullopt);

  // Writing an existing value keeps its place and its name.
  ASSERT_TRUE(store.writeString(kCurrentUser, "A", "MRULIST", "new"));
  EXPECT_EQ(store.valueNames(kCurrentUser, "A"), (Names{"MRUList", "b", "a", ""}));

  EXPECT_TRUE(store.deleteValue(kCurrentUser, "A", "B"));
  EXPECT_TRUE(store.deleteValue(kCurrentUser, "A", "never there"));
  EXPECT_FALSE(store.deleteValue(kCurrentUser, "Missing", "a"));
  EXPECT_EQ(store.valueNames(kCurrentUser, "A"), (Names{"MRUList", "a", ""}));

  EXPECT_TRUE(store.deleteKeyTree(kCurrentUser, "\\a\\ALPHA"));
  EXPECT_FALSE(store.keyExists(kCurrentUser, "A\\alpha\\deep"));
  EXPECT_EQ(store.subkeyNames(kCurrentUser, "A"), (Names{"Beta", "zeta"}));
  EXPECT_FALSE(store.deleteKeyTree(kCurrentUser, "A\\alpha"));

  EXPECT_FALSE(store.deleteKeyTree(kCurrentUser, ""));
  EXPECT_FALSE(store.deleteKeyTree(kCurrentUser, "\\"));
  EXPECT_TRUE(store.keyExists(kCurrentUser, "B"));
  EXPECT_FALSE(store.createKey(0x80000003u, "Software"));
}

TEST_F(RegistryStoreTest, TextValuesKeepEveryByte) {
  ASSERT_TRUE(store.createKey(kCurrentUser, "K"));
  const std::string tricky = "line1\r\nline2 \"q\" \\\\server\\share \xE9\xFF ;[x]=";
  const std::string name = "na\"me\\with=\n";
  ASSERT_TRUE(store.writeString(kCurrentUser, "K", name, tricky));
  platform::RegistryStore other(storeFile(), autostart());
  EXPECT_EQ(other.readString(kCurrentUser, "K", name), tricky);
  EXPECT_EQ(other.valueNames(kCurrentUser, "K"), (Names{name}));
}

TEST_F(RegistryStoreTest, ReadsTheFileAgainOnlyWhenItChanged) {
  ASSERT_TRUE(store.createKey(kCurrentUser, "K"));
  ASSERT_TRUE(store.writeString(kCurrentUser, "K", "v", "1"));
  const int loads = store.loadCount();
  for (int i = 0; i < 1000; ++i) {
    ASSERT_EQ(store.readString(kCurrentUser, "K", "v"), "1");
    ASSERT_TRUE(store.subkeyNames(kCurrentUser, "K"));
  }
  EXPECT_EQ(store.loadCount(), loads);

  // Another program replaces the file: the next read sees its content.
  folder.write(
      "store/registry.reg",
      "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"v\"=\"2\"\r\n");
  EXPECT_EQ(store.readString(kCurrentUser, "K", "v"), "2");
  EXPECT_EQ(store.loadCount(), loads + 1);
}

TEST_F(RegistryStoreTest, ABatchWritesItsChangesOnceOrNotAtAll) {
  ASSERT_TRUE(store.createKey(kCurrentUser, "MRU"));
  {
    platform::RegistryBatch filling(store);
    for (int i = 0; i < 2000; ++i) {
      ASSERT_TRUE(store.writeString(kCurrentUser, "MRU", "v" + std::to_string(i), "x"));
    }
  }
  const int saves = store.saveCount();
  const std::string full = readFileBytes(storeFile());
  ASSERT_NE(full.find("\"v1999\"=\"x\""), std::string::npos);

  {
    platform::RegistryBatch outer(store);
    {
      platform::RegistryBatch inner(store);
      for (int i = 0; i < 2000; ++i) {
        ASSERT_TRUE(store.deleteValue(kCurrentUser, "MRU", "v" + std::to_string(i)));
      }
    }
    // Until the outermost batch ends the file holds everything, while reads see the changes.
    EXPECT_EQ(readFileBytes(storeFile()), full);
    EXPECT_EQ(store.valueNames(kCurrentUser, "MRU")->size(), 0u);
  }
  EXPECT_EQ(store.saveCount(), saves + 1);
  EXPECT_EQ(readFileBytes(storeFile()).find("\"v0\""), std::string::npos);

  // A batch whose write fails leaves the file as it was, and none of its changes in use.
  ASSERT_TRUE(store.writeString(kCurrentUser, "MRU", "a", "1"));
  const std::string before = readFileBytes(storeFile());
  FaultyFileSystem faulty;
  platform::ScopedFileSystem scope(&faulty);
  faulty.failAtomicWrite.insert(storeFile());
  platform::RegistryBatch batch(store);
  ASSERT_TRUE(store.deleteValue(kCurrentUser, "MRU", "a"));
  ASSERT_TRUE(store.createKey(kCurrentUser, "MRU\\New"));
  const platform::Status written = batch.end();
  EXPECT_FALSE(written);
  EXPECT_EQ(written.error(), std::make_error_code(std::errc::permission_denied));
  EXPECT_EQ(readFileBytes(storeFile()), before);
  EXPECT_EQ(store.readString(kCurrentUser, "MRU", "a"), "1");
  EXPECT_FALSE(store.keyExists(kCurrentUser, "MRU\\New"));
}

TEST_F(RegistryStoreTest, ValuesOfOtherTypesSurviveARewrite) {
  const std::string text =
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n\n"
      "; a comment\n"
      "[HKEY_LOCAL_MACHINE\\SYSTEM\\Memory Management]\n"
      "\"Bin\"=hex:01,02,03,\\\n  04,05\n"
      "\"Paths\"=hex(7):41,00,00,00\n"
      "@=\"default\"\n";
  folder.write("store/registry.reg", text);
  EXPECT_EQ(store.problem(), "");
  EXPECT_EQ(store.readString(kLocalMachine, "SYSTEM\\Memory Management", ""), "default");
  EXPECT_TRUE(store.valueExists(kLocalMachine, "SYSTEM\\Memory Management", "bin"));
  EXPECT_EQ(store.readString(kLocalMachine, "SYSTEM\\Memory Management", "Bin"), std::nullopt);
  ASSERT_TRUE(
      store.writeInteger(kLocalMachine, "SYSTEM\\Memory Management", "ClearPageFileAtShutdown", 1));
  const std::string rewritten = readFileBytes(storeFile());
  EXPECT_NE(rewritten.find("\"Bin\"=hex:01,02,03,\\\n  04,05\n\"Paths\"=hex(7):41,00,00,00\n"
                           "@=\"default\"\n\"ClearPageFileAtShutdown\"=dword:00000001\n"),
            std::string::npos);
}

TEST_F(RegistryStoreTest, DamagedStoreIsReportedAndLeftAsItIs) {
  const std::vector<std::string> damaged = {
      "[HKEY_CURRENT_USER\\K]\n\"v\"=\"1\"\n",                      // no header
      "REGEDIT4\n\"v\"=\"1\"\n",                                    // value first
      "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"v\"=dword:123456789\n",  // too long
      "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"v\"=\"open\n",           // unclosed
      "REGEDIT4\n[-HKEY_CURRENT_USER\\K]\n",                        // a deletion
      "REGEDIT4\n[HKEY_USERS\\K]\n",                                // other root
      "REGEDIT4\n[HKEY_CURRENT_USER\\K\\\\L]\n",                    // empty name
      "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"v\"=hex:01,\\",          // cut short
      "\xFF\xFEW\0i\0n\0",                                          // UTF-16
  };
  for (const std::string& text : damaged) {
    SCOPED_TRACE(text);
    folder.write("store/registry.reg", text);
    platform::RegistryStore fresh(storeFile(), autostart());
    EXPECT_NE(fresh.problem().find("registry.reg"), std::string::npos);
    EXPECT_FALSE(fresh.keyExists(kCurrentUser, "K"));
    EXPECT_FALSE(fresh.createKey(kCurrentUser, "New"));
    EXPECT_FALSE(fresh.deleteKeyTree(kCurrentUser, "K"));
    EXPECT_EQ(readFileBytes(storeFile()), text);
  }
  // Repairing the file is noticed without a restart.
  platform::RegistryStore repaired(storeFile(), autostart());
  EXPECT_NE(repaired.problem(), "");
  folder.write("store/registry.reg", "REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n");
  EXPECT_EQ(repaired.problem(), "");
  EXPECT_TRUE(repaired.keyExists(kCurrentUser, "k"));
}

TEST_F(RegistryStoreTest, AFolderInPlaceOfTheStoreIsReportedNotReplaced) {
  folder.makeFolder("store/registry.reg");
  EXPECT_NE(store.problem(), "");
  EXPECT_FALSE(store.createKey(kCurrentUser, "K"));
  EXPECT_TRUE(std::filesystem::is_directory(storeFile()));
}

TEST_F(RegistryStoreTest, DeepPathsAreRefusedWithoutHarm) {
  std::string deep;
  for (int i = 0; i < 600; ++i) deep += "\\k";
  EXPECT_FALSE(store.createKey(kCurrentUser, deep));
  EXPECT_FALSE(store.keyExists(kCurrentUser, deep));
  EXPECT_FALSE(store.createKey(kCurrentUser, std::string(256, 'n')));
  folder.write("store/registry.reg", "REGEDIT4\n[HKEY_CURRENT_USER" + deep + "]\n");
  EXPECT_NE(store.problem(), "");

  // Thousands of keys are read once and listed quickly.
  std::string text = "REGEDIT4\n";
  for (int i = 0; i < 5000; ++i) text += "[HKEY_CURRENT_USER\\Many\\k" + std::to_string(i) + "]\n";
  folder.write("store/registry.reg", text);
  ASSERT_EQ(store.subkeyNames(kCurrentUser, "Many")->size(), 5000u);
}

TEST_F(RegistryStoreTest, TheFileHoldsOnlyTheKeysThatRebuildTheTree) {
  // A key 511 deep of names 255 long: one line, not one line for every key above it.
  std::string deep;
  for (int i = 1; i <= 511; ++i) deep += "\\" + std::string(253, 'k') + std::to_string(i % 90 + 10);
  ASSERT_TRUE(store.createKey(kCurrentUser, deep));
  ASSERT_TRUE(store.createKey(kCurrentUser, "Empty"));
  ASSERT_TRUE(store.createKey(kCurrentUser, "Software\\Vendor\\App"));
  ASSERT_TRUE(store.writeString(kCurrentUser, "Software\\Vendor", "v", "1"));
  EXPECT_LT(readFileBytes(storeFile()).size(), 2 * deep.size());
  EXPECT_EQ(readFileBytes(storeFile()).find("[HKEY_CURRENT_USER\\Software]"), std::string::npos);

  platform::RegistryStore other(storeFile(), autostart());
  EXPECT_EQ(other.problem(), "");
  EXPECT_TRUE(other.keyExists(kCurrentUser, deep));
  EXPECT_TRUE(other.keyExists(kCurrentUser, "Empty"));
  EXPECT_EQ(other.subkeyNames(kCurrentUser, "")->size(), 3u);
  // "Microsoft" leads to the Run key, which always exists.
  EXPECT_EQ(other.subkeyNames(kCurrentUser, "Software"), (Names{"Microsoft", "Vendor"}));
  EXPECT_EQ(other.readString(kCurrentUser, "Software\\Vendor", "v"), "1");
  EXPECT_EQ(other.subkeyNames(kCurrentUser, "Software\\Vendor"), (Names{"App"}));
}

TEST_F(RegistryStoreTest, AChangeTheStoreCouldNotReadBackIsRefusedAndTheFileKept) {
  constexpr std::uint64_t kLimit = 4096;
  platform::RegistryStore small(storeFile(), autostart(), kLimit);
  ASSERT_TRUE(small.createKey(kCurrentUser, "Big"));
  ASSERT_TRUE(small.writeString(kCurrentUser, "Big", "a", std::string(3500, 'a')));
  const std::string before = readFileBytes(storeFile());
  for (int i = 0; i < 2; ++i) {  // both a new key and a new value
    EXPECT_FALSE(
        i == 0 ? small.createKey(kCurrentUser, std::string(255, 'k') + "\\" + std::string(255, 'k'))
               : small.writeString(kCurrentUser, "Big", "b", std::string(1200, 'b')));
    EXPECT_NE(small.problem().find("refused"), std::string::npos);
    EXPECT_EQ(readFileBytes(storeFile()), before);
  }
  // The store is what the file holds.
  EXPECT_FALSE(small.valueExists(kCurrentUser, "Big", "b"));
  EXPECT_EQ(small.subkeyNames(kCurrentUser, ""), (Names{"Big", "Software"}));

  // A change that fits is stored, and the store works as before.
  EXPECT_TRUE(small.deleteValue(kCurrentUser, "Big", "a"));
  EXPECT_EQ(small.problem(), "");
  EXPECT_TRUE(small.writeString(kCurrentUser, "Big", "b", std::string(1200, 'b')));
  platform::RegistryStore other(storeFile(), autostart(), kLimit);
  EXPECT_EQ(other.problem(), "");
  EXPECT_EQ(other.valueNames(kCurrentUser, "Big"), (Names{"b"}));
}

TEST_F(RegistryStoreTest, AFailedWriteLeavesTheFileAndTheStoreAsOnDisk) {
  ASSERT_TRUE(store.createKey(kCurrentUser, "K"));
  const std::string before = readFileBytes(storeFile());
  FaultyFileSystem faulty;
  faulty.failAtomicWrite.insert(storeFile());
  platform::ScopedFileSystem scoped(faulty);
  EXPECT_FALSE(store.writeString(kCurrentUser, "K", "v", "1"));
  EXPECT_FALSE(store.valueExists(kCurrentUser, "K", "v"));
  EXPECT_EQ(readFileBytes(storeFile()), before);
}

TEST_F(RegistryStoreTest, TheUsersStoreLivesInTheConfigurationFolderInUse) {
  platform::RegistryStore user;
  EXPECT_EQ(user.storePath(), folder.configFolder() + "ferrovane/registry.reg");
  EXPECT_EQ(user.autostartFolder(), folder.configFolder() + "autostart/");
  ASSERT_TRUE(user.createKey(kCurrentUser, "Software\\Opera Software"));
  EXPECT_TRUE(pathExists(folder.configFolder() + "ferrovane/registry.reg"));
}

}  // namespace
