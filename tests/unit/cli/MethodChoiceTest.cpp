// Naming a method on the command line, and how methods and passes are described.

#include <gtest/gtest.h>

#include "cli/MethodChoice.h"
#include "core/TPass.h"
#include "core/TWipeMethodsManager.h"

namespace {

struct Naming : ::testing::Test {
  TCustomWipeMethodsManager catalogue;

  TWipeMethod* add(const std::string& file, const std::string& name) {
    auto method = std::make_unique<TWipeMethod>();
    method->FileName = "/methods/" + file;
    method->Name = name;
    return catalogue.AddMethod(std::move(method));
  }
};

}  // namespace

TEST_F(Naming, AFileNameComesBeforeANameAndLettersMayDifferInCase) {
  TWipeMethod* zeros = add("02-zeros.mtd", "Zeros");
  TWipeMethod* gutmann = add("05-gutmann.mtd", "Peter Gutmann");
  TWipeMethod* tricky = add("zeros.mtd", "02-zeros.mtd");  // named like another's file
  const struct {
    const char* text;
    TWipeMethod* method;
  } cases[] = {
      {"02-zeros.mtd", zeros}, {"02-ZEROS.MTD", zeros},    {"02-zeros", zeros},
      {"05-gutmann", gutmann}, {"peter gutmann", gutmann}, {"zeros", tricky},
      {"Zeros.mtd", tricky},
  };
  for (const auto& c : cases) {
    const TMethodLookup found = FindMethod(catalogue, c.text);
    EXPECT_EQ(found.method, c.method) << c.text;
    EXPECT_TRUE(found.problem.empty()) << c.text;
  }
}

TEST_F(Naming, WhatNamesNoSingleMethodSaysWhy) {
  add("a.mtd", "Twice");
  add("b.mtd", "twice");
  const struct {
    const char* text;
    const char* problem;
  } cases[] = {
      {"", "an empty text names no method"},
      {"Twice", "several methods are named \"Twice\"; give the file name of one"},
      {"missing", "no method is named \"missing\" (see ferrovane-cli methods)"},
      {"/methods/a.mtd", "no method is named \"/methods/a.mtd\" (see ferrovane-cli methods)"},
  };
  for (const auto& c : cases) {
    const TMethodLookup found = FindMethod(catalogue, c.text);
    EXPECT_EQ(found.method, nullptr) << c.text;
    EXPECT_EQ(found.problem, c.problem);
  }
}

TEST(MethodWords, EveryKindOfPassIsDescribed) {
  TPass pass;
  pass.WipeWith = wwBytePattern;
  pass.BytePatternValue = 0xAA;
  EXPECT_EQ(DescribePass(pass), "the byte 0xAA");
  pass.WipeWith = wwTextPattern;
  pass.TextPatternValue = "abc";
  EXPECT_EQ(DescribePass(pass), "the text \"abc\"");
  pass.WipeWith = wwRandomBytes;
  pass.RandomBytesValue1 = 0;
  pass.RandomBytesValue2 = 255;
  EXPECT_EQ(DescribePass(pass), "random bytes 0x00-0xFF");
  pass.WipeWith = wwRandomCharacter;
  pass.RandomCharacterValue1 = 0x41;
  pass.RandomCharacterValue2 = 0x5A;
  EXPECT_EQ(DescribePass(pass), "one random byte 0x41-0x5A, repeated");
  pass.WipeWith = 9;
  EXPECT_EQ(DescribePass(pass), "nothing (an unknown kind of pass)");

  TWipeMethod method;
  method.FileName = "/m/05-gutmann.mtd";
  method.Name = "Peter Gutmann";
  EXPECT_EQ(DescribeMethod(method), "05-gutmann.mtd (0 passes): Peter Gutmann");
  method.AddPass(method.NewPass());
  EXPECT_EQ(DescribeMethod(method), "05-gutmann.mtd (1 pass): Peter Gutmann");
}
