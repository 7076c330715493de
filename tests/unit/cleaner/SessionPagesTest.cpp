// The pages a saved session lists, read from Chromium's command files and Firefox's compressed
// session store as the browsers write them; files cut short or damaged count as unreadable,
// never as empty, and never make the reader run past their end.

#include <gtest/gtest.h>

#include "SessionFiles.h"
#include "cleaner/SessionPages.h"

namespace {

using Texts = std::vector<std::string>;
using namespace sessiontest;

TEST(SessionPages, ChromiumCommandsGiveTheirAddressesAndDamageEndsTheFile) {
  const std::string session = ChromiumSession({"https://a.example/", "chrome://newtab/"});
  const struct {
    const char* name;
    std::string bytes;
    std::optional<Texts> addresses;
  } cases[] = {
      {"plain", session, Texts{"https://a.example/", "chrome://newtab/"}},
      {"version 1", ChromiumSession({"http://b.example/"}, 1), Texts{"http://b.example/"}},
      {"closed tabs (command 1)",
       "SNSS" + Little(3, 4) + Navigation(1, "file:///home/u/secret.pdf"),
       Texts{"file:///home/u/secret.pdf"}},
      {"cut short in the last command", session.substr(0, session.size() - 3),
       Texts{"https://a.example/"}},
      {"a length beyond the command",
       "SNSS" + Little(3, 4) + Little(17, 2) + std::string(1, '\x06') + Little(4, 4) +
           Little(0, 4) + Little(0, 4) + Little(1000, 4),
       Texts{}},
      {"encrypted (version 5)", ChromiumSession({"https://a.example/"}, 5), std::nullopt},
      {"not a session", "SNSX" + Little(3, 4), std::nullopt},
      {"header cut short", "SNSS", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AddressesInChromiumSession(c.bytes), c.addresses);
  }
}

TEST(SessionPages, MozLz4TextsComeBackWholeOrNotAtAll) {
  const std::string text = FirefoxSessionText({"https://a.example/"}, "https://b.example/");
  // "abc" then a match of 9 bytes three back (overlapping what it copies), then "!".
  const std::string matched = std::string("mozLz40\0", 8) + Little(13, 4) +
                              "\x35"
                              "abc" +
                              Little(3, 2) +
                              "\x10"
                              "!";
  const struct {
    const char* name;
    std::string bytes;
    std::optional<std::string> text;
  } cases[] = {
      {"literals", MozLz4(text), text},
      {"short literals", MozLz4("{}"), std::string("{}")},
      {"an overlapping match", matched, std::string("abcabcabcabc!")},
      {"a length other than announced",
       std::string("mozLz40\0", 8) + Little(14, 4) + matched.substr(12), std::nullopt},
      {"a match reaching before the start",
       std::string("mozLz40\0", 8) + Little(13, 4) +
           "\x35"
           "abc" +
           Little(4, 2) +
           "\x10"
           "!",
       std::nullopt},
      {"cut short", MozLz4(text).substr(0, 40), std::nullopt},
      {"no magic", "mozLz41" + MozLz4(text).substr(7), std::nullopt},
      {"a length beyond any session", std::string("mozLz40\0", 8) + Little(0xFFFFFFFF, 4),
       std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MozLz4Text(c.bytes), c.text);
  }
}

TEST(SessionPages, OnlyAddressesOfPagesAndFilesCount) {
  for (const char* page : {"http://a", "https://a/b", "ftp://a/", "file:///etc/x"}) {
    EXPECT_TRUE(IsPageAddress(page)) << page;
  }
  for (const char* other : {"about:home", "chrome://newtab/", "data:text/html,x", "", "https:/x"}) {
    EXPECT_FALSE(IsPageAddress(other)) << other;
  }
}

}  // namespace
