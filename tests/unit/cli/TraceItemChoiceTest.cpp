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
            (Texts{"ChromiumHistory", "ChromiumCookies", "ChromiumCache", "ChromiumFormData"}));
  EXPECT_EQ(chosen({"Desktop", "36"}),
            (Texts{"ChromiumHistory", "DesktopThumbnails", "ShellHistories", "KdeActivities"}));
  EXPECT_EQ(chosen({"applications", "35"}), (Texts{"OperaFormsData", "LibreOfficeRecentDocuments",
                                                   "VlcRecentMedia", "GimpRecentDocuments"}));
  EXPECT_TRUE(unknown.empty());
  // The recently used lists come last: the desktop's list is the last item.
  EXPECT_EQ(chosen({"recent"}).size(), 12u);
  EXPECT_TRUE(chosen({"45", "46", "57", "58"}) ==
              (Texts{"GimpRecentDocuments", "RecentWordPad", "RecentDesktopFiles"}));
  EXPECT_EQ(unknown, Texts{"58"});
  // The groups cover every item once, in order.
  std::size_t next = 0;
  for (const TTraceGroup& group : TEraserEngine::Groups()) {
    EXPECT_EQ(group.First, next) << group.Key;
    next += group.Count;
  }
  EXPECT_EQ(next, engine.Erasers.size());
}

}  // namespace
