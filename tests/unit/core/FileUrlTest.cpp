#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/FileUrl.h"

namespace {

struct UrlCase {
  const char* url;
  std::optional<std::string> path;
};

}  // namespace

TEST(FileUrlTest, LocalFileUrlsDecodeToTheBytesOfTheirPath) {
  const UrlCase cases[] = {
      {"file:///home/u/report.txt", "/home/u/report.txt"},
      {"FILE:///home/u/a%20b", "/home/u/a b"},
      {"file://localhost/tmp/x", "/tmp/x"},
      {"file://LocalHost/tmp/x", "/tmp/x"},
      {"file://box/tmp/x", "/tmp/x"},  // this computer's own name
      {"file:/tmp/x", "/tmp/x"},
      // Bytes that are no valid text stay bytes; escapes of either case.
      {"file:///tmp/caf%E9%ff", std::string("/tmp/caf\xe9\xff")},
      {"file:///tmp/na%23me%3F", "/tmp/na#me?"},
      {"file:///tmp/100%25", "/tmp/100%"},
      // A folder's trailing separator goes; the root stays.
      {"file:///tmp/folder/", "/tmp/folder"},
      {"file:///", "/"},
  };
  for (const UrlCase& c : cases) {
    EXPECT_EQ(LocalPathOfUrl(c.url, "box"), c.path) << c.url;
  }
}

TEST(FileUrlTest, AnythingThatIsNotPlainlyALocalPathIsRefused) {
  for (const char* url : {
           "http://example.org/file",
           "smb://server/share/file",
           "sftp:///tmp/x",
           "/tmp/x",
           "file://otherhost/tmp/x",  // another computer's file
           "file://box",              // a host and no path
           "file:relative/x",         // no full path
           "file:///tmp/a%2",         // escape cut short
           "file:///tmp/a%zz",        // no escape at all
           "file:///tmp/a%00b",       // a NUL would cut the path short
           "file:///tmp/report.txt#2",
           "file:///tmp/x?y",  // which file is meant is unclear
           "file:///tmp/../etc/passwd",
           "file:///tmp/./x",
           "file:///tmp/..",
       }) {
    EXPECT_EQ(LocalPathOfUrl(url, "box"), std::nullopt) << url;
  }
  // Without a name of its own, only the empty host and "localhost" are this computer.
  EXPECT_EQ(LocalPathOfUrl("file://box/tmp/x"), std::nullopt);
  // Control bytes written out rather than escaped: a raw NUL would end the path at /etc.
  using namespace std::string_view_literals;
  for (const std::string_view url :
       {"file:///etc\0x"sv, "file:///tmp/a\tb"sv, "file:///tmp/\x7f"sv}) {
    EXPECT_EQ(LocalPathOfUrl(url, "box"), std::nullopt) << url.size();
  }
}

TEST(FileUrlTest, UriListKeepsOrderSkipsCommentsAndNamesWhatItRefused) {
  using namespace std::string_view_literals;
  const TUriListPaths list = PathsOfUriList(
      "# dragged from a file manager\r\n"
      "file:///tmp/one\r\n"
      "\r\n"
      "http://example.org/page\r\n"
      "file:///tmp/caf%E9\n"
      "file:///tmp/last\n"
      "file:///etc\0x\n"sv,
      "box");
  EXPECT_EQ(list.paths,
            (std::vector<std::string>{"/tmp/one", std::string("/tmp/caf\xe9"), "/tmp/last"}));
  EXPECT_EQ(list.refused, (std::vector<std::string>{"http://example.org/page",
                                                    std::string("file:///etc\0x", 13)}));
}
