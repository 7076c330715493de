#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <vector>

#include "core/IniDocument.h"
#include "core/IniFileCache.h"
#include "core/IniIndex.h"
#include "core/TIniFile.h"
#include "platform/FileLock.h"
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
  file(
      "[S]\n  spaced  =   value with  inner  \nq1=\"quoted \"\nq2='single'\n"
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
  file(
      "[N]\nhex=0x1F\ndollar=$1F\nneg=-12\nplus=+7\ntrail=12abc\nbig=2147483648\n"
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
  file(
      "; settings of the test\r\n[Engines]\r\nWipeFiles = old.mtd\r\nodd line\r\n\r\n"
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
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path + " (Permission denied)");
  }
  EXPECT_EQ(text(), "[S]\nK=kept\n");
}

TEST_F(IniFileTest, AFileThatIsThereButCannotBeReadIsNeverReplacedByAWrite) {
  // Were it taken for an empty file, a write would leave it holding only the new key.
  const std::string kept = "[S]\nK=kept\n[Engines]\nWipeFiles=mine.mtd\n";
  struct Case {
    const char* name;
    void (*fault)(FaultyFileSystem&, const std::string&);
  };
  for (const Case& c : {
           Case{"read error",
                [](FaultyFileSystem&f, const std::string&p) { f.failRead.insert(p); }},
           Case{"cannot be examined",
                [](FaultyFileSystem&f, const std::string&p) { f.failExamine.insert(p); }},
       }) {
    SCOPED_TRACE(c.name);
    file(kept);
    FaultyFileSystem faulty;
    c.fault(faulty, path);
    platform::ScopedFileSystem use(faulty);
    EXPECT_NE(IniFileProblem(path), std::nullopt);
    EXPECT_THROW(ini.WriteString("S", "New", "v"), EIniFileError);
    EXPECT_THROW(ini.WriteString("S", "K", "changed"), EIniFileError);
    EXPECT_EQ(text(), kept);
  }
  EXPECT_EQ(IniFileProblem(path), std::nullopt);
  EXPECT_EQ(IniFileProblem(t / "missing.ini"), std::nullopt);  // none is no damage

  // Over the size limit: named with the system's reason, never cut down to the new key.
  const std::string large = "[S]\nK=kept\n" + std::string(IniDocument::kMaxFileSize, ';');
  file(large);
  EXPECT_EQ(IniFileProblem(path), std::make_error_code(std::errc::file_too_large).message());
  EXPECT_THROW(ini.WriteString("S", "K", "lost"), EIniFileError);
  EXPECT_EQ(text().size(), large.size());
  EXPECT_EQ(text() == large, true);
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFileReadsDefaultsAndCannotBeWritten) {
  t.makeFolder("test.ini");
  EXPECT_EQ(ini.ReadString("S", "K", "d"), "d");
  EXPECT_THROW(ini.WriteString("S", "K", "v"), EIniFileError);
}

namespace {

// The text after applying the writes to the text one at a time, and all of them at once.
std::pair<std::string, std::string> WrittenBothWays(
    const std::string& text, const std::vector<std::array<std::string, 3>>& writes) {
  std::string oneByOne = text;
  for (const auto& [section, key, value] : writes) {
    IniDocument single(oneByOne);
    single.write(section, key, value);
    oneByOne = single.text();
  }
  IniDocument together(text);
  for (const auto& [section, key, value] : writes) together.write(section, key, value);
  return {oneByOne, together.text()};
}

}  // namespace

TEST(IniDocumentWrites, ManyWritesAtOnceGiveWhatWritingOneByOneGives) {
  const std::vector<std::string> texts = {
      "",
      "[Method]\nName=Old\nPasses=9",  // no final line break
      "; header\r\n[method]\r\n  name = Old  \r\n\r\n\r\n[Pass1]\r\nName=p\r\n",  // CR LF, blanks
      "[Pass1]\nWipeWith=1\n[Method]\nName=a\n[METHOD]\nName=dup\nPasses=4\n",
      "loose=1\n[Pass2]\n; a comment\nodd line\n\n[Other]\nx=y\n",
      "[Method]\nName=a\nName=second\n[Pass1]\n",  // duplicate key, empty last section
      "[Method]\nName=a\r",                        // a final CR without LF
  };
  const std::vector<std::array<std::string, 3>> writes = {
      {"Method", "Name", "New"},   {"Method", "Passes", "2"},       {"Pass1", "Name", "first"},
      {"Pass1", "WipeWith", "3"},  {" pass2 ", " Name ", "second"}, {"Pass2", "WipeWith", "0"},
      {"METHOD", "name", "Newer"}, {"New Section", "Key", "v"},     {"Pass1", "WIPEWITH", "2"},
      {"Other", "x", "y"},
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    const auto [oneByOne, together] = WrittenBothWays(text, writes);
    EXPECT_EQ(together, oneByOne);
  }
  // Writing what is already there changes nothing; anything else does.
  IniDocument same("[S]\nK=v\n");
  same.write("s", "k", "v");
  EXPECT_FALSE(same.changed());
  same.write("S", "New", "");
  EXPECT_TRUE(same.changed());
}

TEST(IniIndexReads, EveryKeyOfManySectionsIsFoundAndTheFirstDuplicateWins) {
  std::string text;
  for (int s = 0; s < 3000; ++s) {
    text += "[Section" + std::to_string(s) + "]\n";
    for (int k = 0; k < 4; ++k)
      text += "Key" + std::to_string(k) + "=" + std::to_string(s * 10 + k) + "\n";
    text += "key0=duplicate\n";
  }
  text += "[SECTION7]\nKey0=later section\n";
  const IniIndex index(text);
  for (int s = 0; s < 3000; s += 7) {
    for (int k = 0; k < 4; ++k) {
      ASSERT_EQ(index.read("section" + std::to_string(s), "KEY" + std::to_string(k)),
                std::to_string(s * 10 + k));
    }
  }
  EXPECT_EQ(index.read("Section7", "Key0"), "70");
  EXPECT_EQ(index.read("Section3000", "Key0"), std::nullopt);
  EXPECT_EQ(index.read("Section1", "Key4"), std::nullopt);
  EXPECT_EQ(index.read("Section1", ""), std::nullopt);
}

TEST_F(IniFileTest, AnUnchangedFileIsParsedOnceAndEveryChangeIsSeen) {
  // A file last changed a while ago, as the settings are between two runs.
  auto settle = [&] {
    std::filesystem::last_write_time(
        path, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(10));
  };
  file("[Engines]\nWipeFiles=one.mtd\n");
  settle();
  const int before = IniFileCache::reads();
  for (int i = 0; i < 100; ++i) ASSERT_EQ(ini.ReadString("Engines", "WipeFiles", ""), "one.mtd");
  EXPECT_EQ(IniFileCache::reads(), before + 1);

  // Changed behind the program's back, to the same size: read again.
  file("[Engines]\nWipeFiles=two.mtd\n");
  settle();
  EXPECT_EQ(ini.ReadString("Engines", "WipeFiles", ""), "two.mtd");
  EXPECT_EQ(IniFileCache::reads(), before + 2);
  // Changed by the program itself.
  ini.WriteString("Engines", "WipeFiles", "six.mtd");
  EXPECT_EQ(ini.ReadString("Engines", "WipeFiles", ""), "six.mtd");

  // A file changed moments ago may change again without its time moving: it is read each time.
  file("[Engines]\nWipeFiles=new.mtd\n");
  const int fresh = IniFileCache::reads();
  EXPECT_EQ(ini.ReadString("Engines", "WipeFiles", ""), "new.mtd");
  EXPECT_EQ(ini.ReadString("Engines", "WipeFiles", ""), "new.mtd");
  EXPECT_EQ(IniFileCache::reads(), fresh + 2);

  // Gone, or too large to read: the defaults.
  std::filesystem::remove(path);
  EXPECT_EQ(ini.ReadString("Engines", "WipeFiles", "d"), "d");
  file("[Engines]\nWipeFiles=x\n" + std::string(IniDocument::kMaxFileSize, ';'));
  settle();
  EXPECT_EQ(ini.ReadString("Engines", "WipeFiles", "d"), "d");
}

TEST(IniHostileText, ReadingAndWritingEndWhateverTheTextHolds) {
  // Texts built to trip a walk over lines: nothing but line breaks, CRs without LF, NUL bytes,
  // brackets and "=" with no names, one endless line, many sections of one name.
  std::string sameName;
  for (int i = 0; i < 20000; ++i) sameName += "[S]\nK=" + std::to_string(i) + "\n";
  const std::vector<std::string> texts = {
      std::string(200000, '\n'),
      std::string(200000, '\r'),
      std::string(200000, '\0'),
      std::string(200000, '['),
      std::string(200000, '='),
      std::string(200000, ']'),
      "\r\n\r\n\r\r\n\n\r" + std::string(100000, ' '),
      sameName,
  };
  for (const std::string& hostile : texts) {
    SCOPED_TRACE(hostile.substr(0, 8));
    // The hostile part, then a section that must still be found after it.
    const std::string text = hostile + "\n[Last]\nKey=found\n";
    const IniIndex index(text);
    EXPECT_EQ(index.read("Last", "Key"), "found");
    EXPECT_EQ(index.read("Missing", "Key"), std::nullopt);
    IniDocument document(text);
    document.write("Last", "Key", "changed");
    document.write("Added", "Key", "new");
    const IniIndex written(document.text());
    EXPECT_EQ(written.read("Last", "Key"), "changed");
    EXPECT_EQ(written.read("Added", "Key"), "new");
  }
  EXPECT_EQ(IniIndex(sameName).read("s", "k"), "0");  // the first of many is the one read
}

TEST_F(IniFileTest, EveryValueReadsBackAsItWasWritten) {
  // Blanks at either end and enclosing quotes, which reading takes off, are kept in quotes.
  const std::vector<std::string> values = {
      " ",    "",          "  ab",  "'secret'", "\"quoted\"", "tab\t", "\"",
      "\"\"", "a \"b\" c", "'open", "end'",     "\" x \"",    "plain", "in  side",
  };
  for (std::size_t i = 0; i < values.size(); ++i) {
    SCOPED_TRACE(values[i]);
    ini.WriteString("S", "K" + std::to_string(i), values[i]);
    EXPECT_EQ(ini.ReadString("S", "K" + std::to_string(i), "default"), values[i]);
  }
  // A value reading leaves alone is written as it is.
  EXPECT_NE(text().find("\nK12=plain\n"), std::string::npos);
}

TEST_F(IniFileTest, WhatALineCannotHoldIsRefusedAndTheFileStaysAsItWas) {
  file("[S]\nK=kept\n");
  const std::array<std::string, 3> refused[] = {
      {"S", "K", "two\nlines"}, {"S", "K", "cr\ronly"}, {"S", "K", std::string("nul\0byte", 8)},
      {"S", "[K]", "v"},        {"S", ";K", "v"},       {"S", "a=b", "v"},
      {"S", " ", "v"},          {"S\n[T]", "K", "v"},
  };
  for (const auto& [section, key, value] : refused) {
    SCOPED_TRACE(key + " " + value);
    try {
      ini.WriteString(section, key, value);
      ADD_FAILURE() << "written";
    } catch (const EIniFileError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Unable to write to " + path + ": ", 0), 0u)
          << e.what();
    }
    EXPECT_EQ(text(), "[S]\nK=kept\n");
  }
}

TEST(IniDocumentWrites, ADuplicateKeyChangesTheFirstOnly) {
  IniDocument document("[S]\nK=first\nOther=x\nk=second\n[T]\nK=t\n");
  document.write("S", "K", "new");
  EXPECT_EQ(document.text(), "[S]\nK=new\nOther=x\nk=second\n[T]\nK=t\n");
}

TEST_F(IniFileTest, AWriteGivesUpWhileAnotherProcessKeepsTheLockAndChangesNothing) {
  file("[S]\nK=kept\n");
  const platform::ScopedLockWait shortWait(std::chrono::milliseconds(200));
  {
    const auto other = platform::FileLock::acquire(path);  // another holder of the lock
    ASSERT_TRUE(other);
    const auto start = std::chrono::steady_clock::now();
    try {
      ini.WriteString("S", "K", "lost");
      ADD_FAILURE() << "written";
    } catch (const EIniFileError& e) {
      EXPECT_EQ(std::string(e.what()), path + " is locked by another process");
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(text(), "[S]\nK=kept\n");
  }
  ini.WriteString("S", "K", "written");
  EXPECT_EQ(text(), "[S]\nK=written\n");
}
