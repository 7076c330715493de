// Words of `clean` that choose trace items: numbers go on after the catalogue, and a group's key
// chooses every item of its group.

#include <gtest/gtest.h>

#include "cleaner/TEraserEngine.h"
#include "cli/TCleanCommand.h"
#include "support/TestFolder.h"

namespace {

using Texts = std::vector<std::string>;

TEST(TraceItemChoice, AGroupKeyChoosesAllItsItemsAndTheNumbersGoOnAfterTheCatalogue) {
  TestFolder folder;
  TEraserEngine engine;
  std::vector<std::string> unknown;
  const auto chosen = [&](const Texts& words) {
    Texts names;
    for (const TEraser* item : ChooseTraceItems(engine, words, unknown))
      names.push_back(item->Name);
    return names;
  };
  EXPECT_EQ(chosen({"chromium"}),
            (Texts{"ChromiumHistory", "ChromiumCookies", "ChromiumCache", "ChromiumFormData",
                   "ChromiumSessions", "ChromiumSiteData"}));
  EXPECT_EQ(chosen({"mozilla"}), (Texts{"NetscapeMozillaCache", "NetscapeMozillaLocationBar",
                                        "NetscapeMozillaCookies", "NetscapeMozillaFormsData",
                                        "NetscapeMozillaSessions", "NetscapeMozillaSiteData"}));
  EXPECT_EQ(chosen({"Desktop", "36"}), (Texts{"ChromiumHistory", "DesktopThumbnails",
                                              "ShellHistories", "KdeActivities", "CrashReports"}));
  EXPECT_EQ(chosen({"applications", "35"}), (Texts{"OperaFormsData", "LibreOfficeRecentDocuments",
                                                   "VlcRecentMedia", "GimpRecentDocuments"}));
  EXPECT_TRUE(unknown.empty());
  // The recently used lists come last: the desktop's list is the last item.
  EXPECT_EQ(chosen({"recent"}).size(), 12u);
  EXPECT_TRUE(chosen({"45", "46", "57", "58", "63", "64"}) ==
              (Texts{"GimpRecentDocuments", "RecentWordPad", "RecentDesktopFiles",
                     "ChromiumSessions", "CustomFilesAndFolders"}));
  EXPECT_EQ(unknown, Texts{"64"});
  unknown.clear();
  EXPECT_EQ(chosen({"custom"}), Texts{"CustomFilesAndFolders"});
  // The groups cover every item once; the first items of each group follow each other, and the
  // items added to a group later come after all of those, so that no number moved.
  std::size_t next = 0;
  std::vector<int> seen(engine.Erasers.size(), 0);
  for (const TTraceGroup& group : TEraserEngine::Groups()) {
    if (group.First < TEraserEngine::Groups().back().First) {
      EXPECT_EQ(group.First, next) << group.Key;
      next += group.Count;
    }
    for (std::size_t i : group.Items()) {
      ASSERT_LT(i, seen.size()) << group.Key;
      ++seen[i];
    }
  }
  EXPECT_EQ(next, 57u);
  EXPECT_EQ(seen, std::vector<int>(engine.Erasers.size(), 1));
}

}  // namespace
