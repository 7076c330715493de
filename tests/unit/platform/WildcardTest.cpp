#include <gtest/gtest.h>

#include "platform/Wildcard.h"

using platform::matchesMask;

TEST(Wildcard, MethodMaskFindsEveryCaseOfTheExtension) {
  EXPECT_TRUE(matchesMask("x.mtd", "**.mtd"));
  EXPECT_TRUE(matchesMask("X.MTD", "**.mtd"));
  EXPECT_TRUE(matchesMask("Gutmann 35.Mtd", "**.mtd"));
  EXPECT_TRUE(matchesMask(".mtd", "**.mtd"));
  EXPECT_FALSE(matchesMask("x.mtd.bak", "**.mtd"));
  EXPECT_FALSE(matchesMask("xmtd", "**.mtd"));
}

TEST(Wildcard, StarDotStarMatchesNamesWithAndWithoutExtension) {
  EXPECT_TRUE(matchesMask("readme", "*.*"));
  EXPECT_TRUE(matchesMask("a.b.c", "*.*"));
  EXPECT_TRUE(matchesMask(".hidden", "*.*"));
  EXPECT_TRUE(matchesMask("report", "report.*"));
  EXPECT_TRUE(matchesMask("report.txt", "report.*"));
  EXPECT_FALSE(matchesMask("reports", "report.*"));
}

TEST(Wildcard, QuestionMarkIsExactlyOneCharacter) {
  EXPECT_TRUE(matchesMask("file1.chk", "file?.chk"));
  EXPECT_FALSE(matchesMask("file.chk", "file?.chk"));
  EXPECT_FALSE(matchesMask("file12.chk", "file?.chk"));
  EXPECT_TRUE(matchesMask("FILE0001.CHK", "*.chk"));
}

TEST(Wildcard, BytesOutsideAsciiAreComparedExactly) {
  EXPECT_TRUE(matchesMask("caf\xe9.txt", "caf?.txt"));
  EXPECT_TRUE(matchesMask("caf\xe9.txt", "CAF\xe9.TXT"));
  EXPECT_FALSE(matchesMask("caf\xc9.txt", "caf\xe9.txt"));
}

TEST(Wildcard, ManyStarsDoNotTakeExponentialTime) {
  const std::string name(5000, 'a');
  EXPECT_FALSE(matchesMask(name, "*a*a*a*a*a*a*a*a*a*a*b"));
  EXPECT_TRUE(matchesMask(name, "*a*a*a*a*a*a*a*a*a*a*"));
  EXPECT_FALSE(matchesMask("anything", ""));
}
