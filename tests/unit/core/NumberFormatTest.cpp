// Numbers for the user to read in the user's form: the digits grouped by threes with the
// locale's separator and its decimal mark; the C form (and so the English output as it always
// was) for C, English and any language the program does not speak.

#include <gtest/gtest.h>

#include "core/TNumberFormat.h"

TEST(NumberFormat, EachLocaleWritesNumbersInItsOwnForm) {
  struct Case {
    const char* locale;
    const char* million;  // 1234567
    const char* rate;     // 45.37 cut to one decimal
  };
  const Case cases[] = {
      {"de_DE.UTF-8", "1.234.567", "45,3"},
      {"de_AT", "1.234.567", "45,3"},
      {"pt_BR.UTF-8", "1.234.567", "45,3"},
      {"fr_FR.UTF-8", "1\u202f234\u202f567", "45,3"},
      {"ru_RU.UTF-8", "1\u00a0234\u00a0567", "45,3"},
      {"pl_PL", "1\u00a0234\u00a0567", "45,3"},
      {"zh_CN.UTF-8", "1,234,567", "45.3"},
      {"ja_JP.UTF-8", "1,234,567", "45.3"},
      {"C", "1234567", "45.3"},
      {"C.UTF-8", "1234567", "45.3"},
      {"POSIX", "1234567", "45.3"},
      {"en_US.UTF-8", "1234567", "45.3"},
      {"", "1234567", "45.3"},
      {"fi_FI.UTF-8", "1234567", "45.3"},
      // A name that only starts like a language the program speaks is another language.
      {"dee", "1234567", "45.3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale);
    const TNumberFormat format = TNumberFormat::Of(c.locale);
    EXPECT_EQ(format.Whole(1234567), c.million);
    EXPECT_EQ(format.Cut(45.37, 1), c.rate);
  }
}

TEST(NumberFormat, GroupsFallOnlyBetweenThreeDigits) {
  const TNumberFormat german = TNumberFormat::Of("de_DE");
  EXPECT_EQ(german.Whole(0), "0");
  EXPECT_EQ(german.Whole(999), "999");
  EXPECT_EQ(german.Whole(1000), "1.000");
  EXPECT_EQ(german.Whole(100000), "100.000");
  EXPECT_EQ(german.Whole(18446744073709551615ULL), "18.446.744.073.709.551.615");
  // Cut, never rounded up: a rate shown is never more than the one measured.
  EXPECT_EQ(german.Cut(99.99, 1), "99,9");
  EXPECT_EQ(german.Cut(1023.9, 0), "1.023");
  EXPECT_EQ(german.Cut(0.05, 1), "0,0");
  EXPECT_EQ(german.Cut(7.0, 2), "7,00");
  EXPECT_EQ(german.Cut(-3.5, 1), "0,0");
}
