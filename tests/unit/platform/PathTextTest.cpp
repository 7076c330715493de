#include "platform/PathText.h"

#include <gtest/gtest.h>

#include <string>

using namespace platform;

namespace {

struct PathCase {
  const char* path;
  const char* folderPart;
  const char* fileName;
  const char* parent;
  const char* trimmed;
};

// Every helper over the same paths, the edge ones included: the root, separators doubled at
// the end, bare names.
const PathCase kPaths[] = {
    {"", "", "", "", ""},
    {"/", "/", "", "", "/"},
    {"//", "//", "", "", "/"},
    {"/a", "/", "a", "/", "/a"},
    {"/a/", "/a/", "", "/", "/a"},
    {"/a//", "/a//", "", "/", "/a"},
    {"/a/b.txt", "/a/", "b.txt", "/a", "/a/b.txt"},
    {"/a/b/c/", "/a/b/c/", "", "/a/b", "/a/b/c"},
    {"name", "", "name", "", "name"},
    {"rel/name", "rel/", "name", "rel", "rel/name"},
};

}  // namespace

TEST(PathText, PartsOfAPath) {
  for (const PathCase& c : kPaths) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(folderPartOf(c.path), c.folderPart);
    EXPECT_EQ(fileNameOf(c.path), c.fileName);
    EXPECT_EQ(parentFolderOf(c.path), c.parent);
    EXPECT_EQ(trimSeparators(c.path), c.trimmed);
  }
}

TEST(PathText, TrailingSeparatorAddedOnceAndRemovedOnce) {
  const struct {
    const char* path;
    const char* with;
    const char* without;
  } cases[] = {
      {"", "", ""},         {"/", "/", ""},          {"/a", "/a/", "/a"},
      {"/a/", "/a/", "/a"}, {"/a//", "/a//", "/a/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(withTrailingSeparator(c.path), c.with);
    EXPECT_EQ(withoutTrailingSeparator(c.path), c.without);
  }
}

TEST(PathText, TrimsTakeOnlyTheGivenCharactersAtTheEnds) {
  EXPECT_EQ(trim(" \t a b \t "), "a b");
  EXPECT_EQ(trim(" \t "), "");
  EXPECT_EQ(trim(""), "");
  EXPECT_EQ(trim("\ra\r"), "\ra\r");  // a carriage return is no blank
  EXPECT_EQ(trim("\v x \f", " \v\f"), "x");
  EXPECT_EQ(trimStart("  a  "), "a  ");
  EXPECT_EQ(trimEnd("  a  "), "  a");
  // A line: blanks at both ends, and the CR of a CRLF line break, but a CR at its start stays.
  EXPECT_EQ(trimLine("\t key = value \r"), "key = value");
  EXPECT_EQ(trimLine("\rkey"), "\rkey");
  static_assert(trim("  x ") == "x");
}
