#include <gtest/gtest.h>

#include "core/TIniFile.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

namespace {

struct IniFileTest : ::testing::Test {
  TestFolder t;
  std::string path = t / "test.ini";
  TIniFile ini{path};
  void file(const std::string& text) { t.write("test.ini", text); }
  std::string text() const { return readFileBytes(path); }
};

}  // namespace

TEST_F(IniFileTest, NamesIgnoreCaseAndTheFirstDuplicateWins) {
  file("[Settings]\nKey=first\nkey=second\n[SETTINGS]\nOther=x\n[settings]\nKey=third\n");
  EXPECT_EQ(ini.ReadString("settings", "KEY", "d"), "first");
  EXPECT_EQ(ini.ReadString("Settings", "Other", "d"), "d");  // only the first section counts
  EXPECT_EQ(ini.ReadString("Missing", "Key", "d"), "d");
}

TEST_F(IniFileTest, ValuesAreTrimmedAndLoseMatchingQuotes) {
  file("[S]\n  spaced  =   value with  inner  \nq1=\"quoted \"\nq2='single'\n"
       "odd=\"open\nmixed=\"a'\nempty=\nbare\n;comment=no\n");
  EXPECT_EQ(ini.ReadString("S", "spaced", ""), "value with  inner");
  EXPECT_EQ(ini.ReadString("S", "q1", ""), "quoted ");
  EXPECT_EQ(ini.ReadString("S", "q2", ""), "single");
  EXPECT_EQ(ini.ReadString("S", "odd", ""), "\"open");
  EXPECT_EQ(ini.ReadString("S", "mixed", ""), "\"a'");
  EXPECT_EQ(ini.ReadString("S", "empty", "d"), "");
  EXPECT_EQ(ini.ReadString("S", "bare", "d"), "d");
  EXPECT_EQ(ini.ReadString("S", ";comment", "d"), "d");
}

TEST_F(IniFileTest, CrLfAndLfFilesReadTheSame) {
  file("[A]\r\nName=crlf value\r\nNumber=0x1F\r\n");
  EXPECT_EQ(ini.ReadString("A", "Name", ""), "crlf value");
  EXPECT_EQ(ini.ReadInteger("A", "Number", 0), 31);
}

TEST_F(IniFileTest, ReadsAreLimitedTo2047Characters) {
  file("[A]\nLong=" + std::string(3000, 'x') + "\n");
  EXPECT_EQ(ini.ReadString("A", "Long", "").size(), 2047u);
  EXPECT_EQ(ini.ReadString("A", "Missing", std::string(3000, 'd')).size(), 2047u);
}

TEST_F(IniFileTest, IntegersAndBooleans) {
  file("[N]\nhex=0x1F\ndollar=$1F\nneg=-12\nplus=+7\ntrail=12abc\nbig=2147483648\n"
       "min=-2147483648\nallbits=$FFFFFFFF\nzero=0\ntwo=2\nx=0x\n");
  EXPECT_EQ(ini.ReadInteger("N", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "dollar", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -12);
  EXPECT_EQ(ini.ReadInteger("N", "plus", 0), 7);
  EXPECT_EQ(ini.ReadInteger("N", "trail", 99), 99);
  EXPECT_EQ(ini.ReadInteger("N", "big", 99), 99);
  EXPECT_EQ(ini.ReadInteger("N", "min", 0), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("N", "allbits", 0), -1);
  EXPECT_EQ(ini.ReadInteger("N", "x", 5), 5);
  EXPECT_EQ(ini.ReadInteger("N", "missing", 5), 5);
  EXPECT_TRUE(ini.ReadBool("N", "two", false));
  EXPECT_FALSE(ini.ReadBool("N", "zero", true));
  EXPECT_TRUE(ini.ReadBool("N", "missing", true));
  EXPECT_FALSE(ini.ReadBool("N", "trail", false));
}

TEST_F(IniFileTest, WritesReplaceInPlaceAndKeepEverythingElse) {
  file("; settings of the test\r\n[Engines]\r\nWipeFiles = old.mtd\r\nodd line\r\n\r\n"
       "[Settings]\r\nBufferSize=1\r\n");
  ini.WriteString("engines", "WIPEFILES", "Seven.mtd");
  ini.WriteInteger("Settings", "BufferSize", 65536);
  ini.WriteString("Engines", "WipeFolders", "One.mtd");
  ini.WriteBool("New", "Flag", true);
  EXPECT_EQ(text(),
            "; settings of the test\r\n[Engines]\r\nWipeFiles=Seven.mtd\r\nodd line\r\n"
            "WipeFolders=One.mtd\r\n\r\n[Settings]\r\nBufferSize=65536\r\n\r\n[New]\r\nFlag=1\r\n");
  EXPECT_EQ(ini.ReadString("Engines", "WipeFiles", ""), "Seven.mtd");
}

TEST_F(IniFileTest, WritesCreateTheFileAndHandleAFileWithoutFinalLineBreak) {
  ini.WriteString("Method", "Name", "Mine");
  EXPECT_EQ(text(), "[Method]\nName=Mine\n");
  file("[Method]\nName=Mine");
  ini.WriteString("Method", "Passes", "3");
  EXPECT_EQ(text(), "[Method]\nName=Mine\nPasses=3\n");
  file("[Other]\nx=1");
  ini.WriteString("Method", "Name", "A");
  EXPECT_EQ(text(), "[Other]\nx=1\n\n[Method]\nName=A\n");
}

TEST_F(IniFileTest, EveryCallGoesToTheFile) {
  TIniFile other(path);
  ini.WriteString("S", "K", "one");
  EXPECT_EQ(other.ReadString("S", "K", ""), "one");
  file("[S]\nK=changed behind our back\n");
  EXPECT_EQ(ini.ReadString("S", "K", ""), "changed behind our back");
}

TEST_F(IniFileTest, AFileThatCannotBeWrittenRaisesAndStaysAsItWas) {
  file("[S]\nK=kept\n");
  FaultyFileSystem faulty;
  faulty.failAtomicWrite.insert(path);
  platform::ScopedFileSystem use(faulty);
  try {
    ini.WriteString("S", "K", "lost");
    FAIL() << "no error";
  } catch (const EIniFileError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
  }
  EXPECT_EQ(text(), "[S]\nK=kept\n");
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFileReadsDefaultsAndCannotBeWritten) {
  t.makeFolder("test.ini");
  EXPECT_EQ(ini.ReadString("S", "K", "d"), "d");
  EXPECT_THROW(ini.WriteString("S", "K", "v"), EIniFileError);
}
