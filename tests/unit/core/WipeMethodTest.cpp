#include <gtest/gtest.h>

#include "core/ProgramRandom.h"
#include "core/TIniFile.h"
#include "core/TWipeMethod.h"
#include "core/TWipeMethodsManager.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

namespace {

std::vector<int> bytes(const std::string& buffer) {
  return std::vector<int>(reinterpret_cast<const unsigned char*>(buffer.data()),
                          reinterpret_cast<const unsigned char*>(buffer.data()) + buffer.size());
}

TPass randomBytes(std::uint8_t low, std::uint8_t high) {
  TPass pass;
  pass.WipeWith = wwRandomBytes;
  pass.RandomBytesValue1 = low;
  pass.RandomBytesValue2 = high;
  return pass;
}

// Each test starts the generator where the program starts it, and leaves it as it found it.
struct FreshGenerator : ::testing::Test {
  ScopedRandomSeed seed{0};
};

}  // namespace

TEST_F(FreshGenerator, RandomBytesRightAfterStartFollowTheProgramsSequence) {
  EXPECT_EQ(bytes(randomBytes(0, 255).BuildBuffer(8)),
            (std::vector<int>{0, 8, 220, 51, 69, 171, 81, 41}));
}

TEST_F(FreshGenerator, RandomBytesStayWithinTheirBoundsEvenWhenTheBoundsAreSwapped) {
  for (auto [low, high] : {std::pair<int, int>{10, 12}, {12, 10}, {255, 255}, {200, 3}}) {
    std::string buffer =
        randomBytes(static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high))
            .BuildBuffer(4096);
    const int lo = std::min(low, high), hi = std::max(low, high);
    for (int b : bytes(buffer)) {
      ASSERT_GE(b, lo);
      ASSERT_LE(b, hi);
    }
  }
}

TEST_F(FreshGenerator, RandomCharacterDrawsOnceEvenForAnEmptyBuffer) {
  TPass pass;
  pass.WipeWith = wwRandomCharacter;
  pass.RandomCharacterValue1 = 65;
  pass.RandomCharacterValue2 = 65;
  EXPECT_EQ(pass.BuildBuffer(5), "AAAAA");
  const std::uint32_t before = RandomSeed();
  EXPECT_EQ(pass.BuildBuffer(0), "");
  EXPECT_NE(RandomSeed(), before);
  pass.RandomCharacterValue1 = 90;  // swapped bounds end too
  pass.RandomCharacterValue2 = 80;
  const std::string swapped = pass.BuildBuffer(3);
  EXPECT_TRUE(swapped[0] >= 80 && swapped[0] <= 90 && swapped == std::string(3, swapped[0]));
}

TEST(Pass, PatternBuffers) {
  TPass pass;
  pass.BytePatternValue = 0xAA;
  EXPECT_EQ(pass.BuildBuffer(3), "\xAA\xAA\xAA");
  EXPECT_EQ(pass.BuildBuffer(0), "");
  EXPECT_EQ(pass.BuildBuffer(-5), "");
  pass.WipeWith = wwTextPattern;
  pass.TextPatternValue = "abc";
  EXPECT_EQ(pass.BuildBuffer(10), "abcabcabca");
  EXPECT_EQ(pass.BuildBuffer(2), "ab");
  pass.TextPatternValue = "";
  EXPECT_THROW(pass.BuildBuffer(10), EPassBufferError);
  pass.WipeWith = 7;
  EXPECT_EQ(pass.BuildBuffer(10), "");
  EXPECT_EQ(RepeatToLength("Wiped by ME!", 30), "Wiped by ME!Wiped by ME!Wiped ");
}

TEST(WipeMethod, NewPassNumberingAfterLoadAndAssign) {
  TWipeMethod method;
  EXPECT_EQ(method.Name, "New method");
  EXPECT_EQ(method.Description, "New method Description");
  for (const char* expected : {"pass1", "pass2", "pass3"}) {
    EXPECT_EQ(method.AddPass(method.NewPass())->Name, expected);
  }
  TWipeMethod copy;
  copy.Assign(method);
  EXPECT_EQ(copy.PassCount(), 3);
  EXPECT_EQ(copy.NewPass()->Name, "pass4");
  EXPECT_EQ(copy.FileName, "");

  TestFolder t;
  method.FileName = t / "three.mtd";
  method.SaveToFile();
  TWipeMethod loaded;
  loaded.FileName = method.FileName;
  loaded.LoadFromFile();
  EXPECT_EQ(loaded.PassCount(), 3);
  EXPECT_EQ(loaded.NewPass()->Name, "pass1");
}

TEST(WipeMethod, PassListOperations) {
  TWipeMethod method;
  TPass* a = method.AddPass(method.NewPass());
  TPass* b = method.AddPass(method.NewPass());
  EXPECT_EQ(method.GetPass(1), b);
  EXPECT_EQ(method.GetPass(2), nullptr);
  EXPECT_EQ(method.GetPass(-1), nullptr);
  TPass stranger;
  method.DeletePass(&stranger);
  EXPECT_EQ(method.PassCount(), 2);
  method.DeletePass(a);
  EXPECT_EQ(method.GetPass(0), b);
  method.ClearPasses();
  EXPECT_EQ(method.PassCount(), 0);
  EXPECT_EQ(method.NewPass()->Name, "pass1");
}

TEST(MethodFile, RoundTripKeepsEveryFieldAndTheLowEightBits) {
  TestFolder t;
  TWipeMethod method;
  method.FileName = t / "m.mtd";
  method.Name = "Mine";
  method.Description = "Line one\r\nLine two";
  TPass* p = method.AddPass(method.NewPass());
  p->CheckWipe = true;
  p->WipeWith = wwTextPattern;
  p->TextPatternValue = "\x92I$";
  TPass* q = method.AddPass(method.NewPass());
  q->WipeWith = wwRandomCharacter;
  q->RandomBytesValue1 = 1;
  q->RandomBytesValue2 = 2;
  q->RandomCharacterValue1 = 3;
  q->RandomCharacterValue2 = 250;
  q->BytePatternValue = 255;
  method.SaveToFile();
  EXPECT_NE(readFileBytes(method.FileName).find("Description=Line one#13#10Line two\n"),
            std::string::npos);

  TWipeMethod loaded;
  loaded.FileName = method.FileName;
  loaded.LoadFromFile();
  EXPECT_EQ(loaded.Name, "Mine");
  EXPECT_EQ(loaded.Description, "Line one\r\nLine two");
  ASSERT_EQ(loaded.PassCount(), 2);
  EXPECT_EQ(loaded.GetPass(0)->Name, "pass1");
  EXPECT_TRUE(loaded.GetPass(0)->CheckWipe);
  EXPECT_EQ(loaded.GetPass(0)->TextPatternValue, "\x92I$");
  const TPass& r = *loaded.GetPass(1);
  EXPECT_EQ(r.WipeWith, wwRandomCharacter);
  EXPECT_EQ(r.BytePatternValue, 255);
  EXPECT_EQ(r.RandomBytesValue1, 1);
  EXPECT_EQ(r.RandomBytesValue2, 2);
  EXPECT_EQ(r.RandomCharacterValue1, 3);
  EXPECT_EQ(r.RandomCharacterValue2, 250);

  TIniFile(method.FileName).WriteInteger("Pass1", "BytePatternValue", 300);
  TIniFile(method.FileName).WriteInteger("Pass1", "WipeWith", -1);
  TWipeMethod wrapped;
  wrapped.FileName = method.FileName;
  wrapped.LoadFromFile();
  EXPECT_EQ(wrapped.GetPass(0)->BytePatternValue, 44);
  EXPECT_EQ(wrapped.GetPass(0)->WipeWith, 255);
}

TEST(MethodFile, ShrinkingLeavesStaleSectionsThatAreNotRead) {
  TestFolder t;
  TWipeMethod method;
  method.FileName = t / "m.mtd";
  for (int i = 0; i < 4; ++i) method.AddPass(method.NewPass());
  method.SaveToFile();
  method.DeletePass(method.GetPass(3));
  method.SaveToFile();
  EXPECT_NE(readFileBytes(method.FileName).find("[Pass4]"), std::string::npos);
  TWipeMethod loaded;
  loaded.FileName = method.FileName;
  loaded.LoadFromFile();
  EXPECT_EQ(loaded.PassCount(), 3);
}

TEST(MethodFile, TextPatternWithALineBreakReadsBackUpToTheBreak) {
  TestFolder t;
  TWipeMethod method;
  method.FileName = t / "m.mtd";
  method.AddPass(method.NewPass())->TextPatternValue = "abc\r\ndef";
  method.SaveToFile();
  TWipeMethod loaded;
  loaded.FileName = method.FileName;
  loaded.LoadFromFile();
  ASSERT_NE(loaded.GetPass(0), nullptr);
  EXPECT_EQ(loaded.GetPass(0)->TextPatternValue, "abc");
  EXPECT_TRUE(loaded.ReadWhole) << loaded.ReadProblem;
}

TEST(MethodFile, TextPatternsReadBackAsTyped) {
  // Blanks and quotes that reading would take off: a method saved with them is the same
  // method after a restart, and usable.
  TestFolder t;
  const std::vector<std::string> patterns = {" ", "\"\"", "\"  ab\"", "'secret'", "  ab", "x "};
  TWipeMethod method;
  method.FileName = t / "m.mtd";
  method.Name = " named ";
  for (const std::string& pattern : patterns) {
    TPass* pass = method.AddPass(method.NewPass());
    pass->WipeWith = wwTextPattern;
    pass->TextPatternValue = pattern;
  }
  method.SaveToFile();
  TWipeMethod loaded;
  loaded.FileName = method.FileName;
  loaded.LoadFromFile();
  EXPECT_TRUE(loaded.ReadWhole) << loaded.ReadProblem;
  EXPECT_EQ(loaded.Name, " named ");
  ASSERT_EQ(loaded.PassCount(), static_cast<int>(patterns.size()));
  for (std::size_t i = 0; i < patterns.size(); ++i) {
    EXPECT_EQ(loaded.GetPass(static_cast<std::int64_t>(i))->TextPatternValue, patterns[i]);
  }
}

TEST(MethodFile, MissingSectionsAndFilesGiveDefaults) {
  TestFolder t;
  TWipeMethod method;
  method.FileName = t.write("m.mtd", "[Method]\nName=Two\nPasses=2\n[Pass1]\nName=first\n");
  method.LoadFromFile();
  ASSERT_EQ(method.PassCount(), 2);
  EXPECT_EQ(method.GetPass(1)->Name, "");
  EXPECT_EQ(method.GetPass(1)->WipeWith, wwBytePattern);
  EXPECT_FALSE(method.GetPass(1)->CheckWipe);

  TWipeMethod missing;
  missing.FileName = t / "none.mtd";
  missing.LoadFromFile();
  EXPECT_EQ(missing.Name, "");
  EXPECT_EQ(missing.Description, "");
  EXPECT_EQ(missing.PassCount(), 0);
}

TEST(MethodFile, HostileFilesLoadQuicklyIntoSomethingHarmless) {
  TestFolder t;
  auto load = [&](const std::string& name) {
    auto method = std::make_unique<TWipeMethod>();
    method->FileName = t / name;
    method->LoadFromFile();
    return method;
  };
  t.write("huge.mtd", "[Method]\nName=Huge\nPasses=2147483647\n");
  EXPECT_EQ(load("huge.mtd")->PassCount(), TWipeMethod::kMaxPasses);
  t.write("negative.mtd", "[Method]\nPasses=-5\n");
  EXPECT_EQ(load("negative.mtd")->PassCount(), 0);
  t.write("garbage.mtd", "[Method]\nPasses=lots\nName\n=\n[[[\n");
  EXPECT_EQ(load("garbage.mtd")->PassCount(), 0);
  std::string binary(100000, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7919 % 256);
  t.write("binary.mtd", binary);
  EXPECT_LE(load("binary.mtd")->PassCount(), TWipeMethod::kMaxPasses);
  t.write("big.mtd",
          "[Method]\nName=Big\nPasses=1\n" + std::string(TWipeMethod::kMaxFileSize, ';'));
  EXPECT_EQ(load("big.mtd")->Name, "");
  t.makeFolder("folder.mtd");
  EXPECT_EQ(load("folder.mtd")->PassCount(), 0);
}

TEST(MethodFile, AFileNotReadWholeIsMarkedUntilTheMethodIsAssigned) {
  TestFolder t;
  const std::string three =
      "[Method]\nName=Three\nPasses=3\n[Pass1]\n[Pass2]\n[Pass3]\nWipeWith=2\n";
  struct Case {
    const char* name;
    std::string text;
    bool whole;
  };
  const std::vector<Case> cases = {
      {"three.mtd", three, true},
      {"all passes.mtd", "[Method]\nPasses=" + std::to_string(TWipeMethod::kMaxPasses) + "\n",
       true},
      {"more passes.mtd", "[Method]\nPasses=" + std::to_string(TWipeMethod::kMaxPasses + 1) + "\n",
       false},
      {"large comment.mtd", three + std::string(TWipeMethod::kMaxFileSize, ';') + "\n", false},
      {"longest name.mtd",
       "[Method]\nPasses=0\nName=" + std::string(TWipeMethod::kMaxTextLength, 'n') + "\n", true},
      {"longer name.mtd",
       "[Method]\nName=" + std::string(TWipeMethod::kMaxTextLength + 1, 'n') + "\n", false},
      {"long pattern.mtd", three + "TextPatternValue=\"" + std::string(3000, 'p') + "\"\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TWipeMethod method;
    method.FileName = t.write(c.name, c.text);
    method.LoadFromFile();
    EXPECT_EQ(method.ReadWhole, c.whole);
  }
  TWipeMethod missing;
  missing.FileName = t / "missing.mtd";
  missing.LoadFromFile();
  EXPECT_FALSE(missing.ReadWhole);

  // What the user confirms in the editor is stored with Assign: the method is whole again.
  TWipeMethod edited;
  edited.Name = "Repaired";
  missing.Assign(edited);
  EXPECT_TRUE(missing.ReadWhole);
  EXPECT_TRUE(TWipeMethod().ReadWhole);
}

TEST(MethodFile, AFileThatWouldWriteNothingIsRefusedWithItsReason) {
  TestFolder t;
  const std::string head = "[Method]\nName=M\n";
  const std::string two = head + "Passes=2\n[Pass1]\nWipeWith=2\n[Pass2]\n";
  struct Case {
    const char* name;
    std::string text;
    std::string problem;  // empty: read whole
  };
  const std::vector<Case> cases = {
      {"no passes written.mtd", head + "Passes=0\n", ""},
      {"a text pattern.mtd", two + "WipeWith=1\nTextPatternValue=abc\n", ""},
      {"every kind.mtd",
       head + "Passes=4\n[Pass1]\nWipeWith=0\n[Pass2]\nWipeWith=1\nTextPatternValue=x\n"
              "[Pass3]\nWipeWith=2\n[Pass4]\nWipeWith=0x3\n",
       ""},
      {"no count.mtd", head, "it does not say how many passes it has"},
      {"negative.mtd", head + "Passes=-1\n", "Passes=-1 is not a number of passes"},
      {"beyond 32 bits.mtd", head + "Passes=4294967297\n",
       "Passes=4294967297 is not a number of passes"},
      {"all ones.mtd", head + "Passes=0xFFFFFFFF\n", "Passes=0xFFFFFFFF is not a number of passes"},
      {"not a number.mtd", head + "Passes=lots\n", "Passes=lots is not a number of passes"},
      {"unknown kind.mtd", two + "WipeWith=99\n", "Pass2 is of an unknown kind (WipeWith=99)"},
      {"kind beyond a byte.mtd", two + "WipeWith=259\n",
       "Pass2 is of an unknown kind (WipeWith=259)"},
      {"kind in words.mtd", two + "WipeWith=zeros\n",
       "Pass2 is of an unknown kind (WipeWith=zeros)"},
      {"empty text.mtd", two + "WipeWith=1\nTextPatternValue=\n",
       "Pass2 has a text pattern without text"},
      {"no text.mtd", two + "WipeWith=1\n", "Pass2 has a text pattern without text"},
      {"binary.mtd", two + std::string("WipeWith=0\n\0\x01\x02", 14),
       "it holds binary content, not text"},
      {"missing.mtd", "", "it could not be opened (No such file or directory)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto method = std::make_unique<TWipeMethod>();
    method->FileName = c.text.empty() ? t / c.name : t.write(c.name, c.text);
    method->LoadFromFile();
    EXPECT_EQ(method->ReadProblem, c.problem);
    EXPECT_EQ(method->ReadWhole, c.problem.empty());
    // Such a method is never the one an engine falls back to.
    TCustomWipeMethodsManager catalogue;
    TWipeMethod* loaded = catalogue.AddMethod(std::move(method));
    EXPECT_EQ(catalogue.DefaultMethod(), c.problem.empty() ? loaded : nullptr);
  }
}

TEST(MethodFile, SaveFailureRaisesTheWriteErrorAndKeepsTheOldFile) {
  TestFolder t;
  TWipeMethod method;
  method.FileName = t.write("m.mtd", "[Method]\nName=Old\n");
  method.Name = "New";
  FaultyFileSystem faulty;
  faulty.failAtomicWrite.insert(method.FileName);
  platform::ScopedFileSystem use(faulty);
  EXPECT_THROW(method.SaveToFile(), EIniFileError);
  EXPECT_EQ(readFileBytes(method.FileName), "[Method]\nName=Old\n");
}

TEST(MethodFile, SavingAnUnchangedMethodLeavesTheFileAsItIs) {
  TestFolder t;
  TWipeMethod method;
  method.FileName = t / "m.mtd";
  method.AddPass(method.NewPass());
  method.SaveToFile();
  FaultyFileSystem faulty;
  faulty.failAtomicWrite.insert(method.FileName);
  platform::ScopedFileSystem use(faulty);
  EXPECT_NO_THROW(method.SaveToFile());
}

TEST_F(FreshGenerator, SkippingDrawsLandsWhereDrawingThemWould) {
  for (std::uint64_t steps : {0ull, 1ull, 7ull, 524288ull, 1000003ull}) {
    SetRandomSeed(12345);
    for (std::uint64_t i = 0; i < steps; ++i) Random(256);
    const std::uint32_t drawn = RandomSeed();
    SetRandomSeed(12345);
    SkipRandom(steps);
    EXPECT_EQ(RandomSeed(), drawn) << steps;
  }
}
