// The values of a message go where its placeholders are: in order for "{}", by number for "{1}"
// to "{9}", so that a translation may name them in another order than the English text.

#include <gtest/gtest.h>

#include "core/Translated.h"

TEST(Substituted, ValuesGoWhereTheirPlaceholdersStand) {
  struct Case {
    const char* pattern;
    const char* expected;
  };
  const Case cases[] = {
      {"{} of {} blocks", "3 of 7 blocks"},
      {"{2} blocks, {1} of them read", "7 blocks, 3 of them read"},
      {"{1}: {2} ({1})", "3: 7 (3)"},
      {"no values", "no values"},
      // Braces that are no placeholder stay text; a placeholder without its value stays as it is.
      {"{x} {} {0} {}", "{x} 3 {0} 7"},
      {"{} {} {}", "3 7 {}"},
      {"{3} and {9}", "{3} and {9}"},
      {"ends in {", "ends in {"},
      {"{1", "{1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(Substituted(c.pattern, {"3", "7"}), c.expected);
  }
  // A value that holds a placeholder is not filled in again.
  EXPECT_EQ(Substituted("{} and {}", {"{}", "x"}), "{} and x");
  EXPECT_EQ(Substituted("{2} {1}", {"{2}", "y"}), "y {2}");
}
