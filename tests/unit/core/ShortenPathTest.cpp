#include <gtest/gtest.h>

#include "core/ShortenPath.h"

namespace {

// Every form the path goes through until it fits in `width` characters.
std::vector<std::string> Forms(const std::string& path, char separator) {
  std::vector<std::string> forms;
  ShortenPath(
      path,
      [&](const std::string& text) {
        forms.push_back(text);
        return false;
      },
      separator);
  return forms;
}

}  // namespace

TEST(ShortenPathTest, FolderNamesGoFromTheFrontUntilTheFileNameIsLeft) {
  EXPECT_EQ(Forms("C:\\Program Files\\Data\\Sub\\file.txt", '\\'),
            (std::vector<std::string>{"C:\\Program Files\\Data\\Sub\\file.txt",
                                      "C:\\...\\Data\\Sub\\file.txt", "C:\\...\\Sub\\file.txt",
                                      "C:\\...\\file.txt", "...\\file.txt", "file.txt"}));
  EXPECT_EQ(
      Forms("/Program Files/Data/Sub/file.txt", '/'),
      (std::vector<std::string>{"/Program Files/Data/Sub/file.txt", "/.../Data/Sub/file.txt",
                                "/.../Sub/file.txt", "/.../file.txt", ".../file.txt", "file.txt"}));
  // No drive where the separator is "/"; relative folders and files in the root end too.
  EXPECT_EQ(Forms("C:/a/f", '/'), (std::vector<std::string>{"C:/a/f", ".../a/f", ".../f", "f"}));
  EXPECT_EQ(Forms("/file", '/'), (std::vector<std::string>{"/file", "file"}));
  EXPECT_EQ(Forms("C:\\file", '\\'), (std::vector<std::string>{"C:\\file", "file"}));
  EXPECT_EQ(Forms("file", '/'), std::vector<std::string>{"file"});
}

TEST(ShortenPathTest, StopsAtTheFirstFormThatFits) {
  const std::string path = "/home/user/some/deep/folder/name.txt";
  auto within = [](std::size_t width) {
    return [width](const std::string& text) { return text.size() <= width; };
  };
  EXPECT_EQ(ShortenPath(path, within(100), '/'), path);
  EXPECT_EQ(ShortenPath(path, within(25), '/'), "/.../deep/folder/name.txt");
  EXPECT_EQ(ShortenPath(path, within(24), '/'), "/.../folder/name.txt");
  EXPECT_EQ(ShortenPath(path, within(3), '/'), "name.txt");
}
