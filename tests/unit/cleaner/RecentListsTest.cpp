// The items of the recently used lists: the desktop's bookmark file and documents folder in
// the shapes the desktops write them, and the registry lists, each of its kind; what is not a
// trace stays byte for byte, and a preview changes nothing.

#include "cleaner/RecentLists.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "CleanerFixture.h"
#include "cleaner/DesktopRecentFiles.h"

namespace {

namespace fsys = std::filesystem;
using platform::kCurrentUser;
using Names = std::vector<std::string>;

// recently-used.xbel as GTK 3 and 4 write it: two bookmarks with their metadata.
const char* const kGtkList =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
    ">\n"
    "  <bookmark href=\"file:///home/u/Documents/secret.odt\" added=\"2026-12-01T10:00:00.1Z\" "
    "modified=\"2026-12-01T10:00:00.1Z\" visited=\"2026-12-01T10:00:00.1Z\">\n"
    "    <info>\n"
    "      <metadata owner=\"http://freedesktop.org\">\n"
    "        <mime:mime-type type=\"application/vnd.oasis.opendocument.text\"/>\n"
    "        <bookmark:applications>\n"
    "          <bookmark:application name=\"LibreOffice\" exec=\"&apos;soffice %u&apos;\" "
    "modified=\"2026-12-01T10:00:00.1Z\" count=\"3\"/>\n"
    "        </bookmark:applications>\n"
    "      </metadata>\n"
    "    </info>\n"
    "  </bookmark>\n"
    "  <bookmark href=\"file:///home/u/Pictures/holiday.jpg\" added=\"2026-12-02T09:00:00.1Z\" "
    "modified=\"2026-12-02T09:00:00.1Z\" visited=\"2026-12-02T09:00:00.1Z\"/>\n"
    "</xbel>\n";

// An entry of KDE's RecentDocuments folder.
const char* const kKdeEntry =
    "[Desktop Entry]\nIcon=application-vnd.oasis.opendocument.text\nName=secret.odt\n"
    "Type=Link\nURL[$e]=file:$HOME/Documents/secret.odt\nX-KDE-LastOpenedWith=calligrawords\n";

class RecentListsTest : public CleanerTest {
 protected:
  // The engine's item of the list with the caption.
  TEraser& Item(TEraserEngine& engine, const std::string& caption) {
    for (const TTraceGroup& group : TEraserEngine::Groups()) {
      if (std::string(group.Key) != "recent") continue;
      for (std::size_t i = group.First; i < group.First + group.Count; ++i) {
        if (engine.Erasers[i]->Caption == caption) return *engine.Erasers[i];
      }
    }
    ADD_FAILURE() << "no item " << caption;
    return *engine.Erasers.front();
  }
  void Values(const std::string& key, const Names& names) {
    ASSERT_TRUE(registry.store().createKey(kCurrentUser, key));
    for (const std::string& name : names) {
      ASSERT_TRUE(registry.store().writeString(kCurrentUser, key, name, "C:\\secret.txt"));
    }
  }
  Names ValuesOf(const std::string& key) {
    return registry.store().valueNames(kCurrentUser, key).value_or(Names{"<no key>"});
  }
  Names SubkeysOf(const std::string& key) {
    return registry.store().subkeyNames(kCurrentUser, key).value_or(Names{"<no key>"});
  }
};

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

TEST_F(RecentListsTest, EachRegistryListLosesItsEntriesAndNothingElse) {
  struct Case {
    const char* caption;
    std::string key;
    Names values;
    Names subkeys;
    Names valuesLeft;
    Names subkeysLeft;
  };
  const Case cases[] = {
      {"WordPad",
       "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List",
       {"File1", "File2"},
       {},
       {},
       {}},
      {"Explorer Recent Documents",
       kExplorer + "\\RecentDocs",
       {"0", "MRUListEx"},
       {".txt"},
       {},
       {}},
      {"Open/Save MRU", kExplorer + "\\ComDlg32\\OpenSaveMRU", {"a"}, {"*", "pdf"}, {}, {}},
      // Only "##" names are mount points of network shares; the rest are drives of the system.
      {"Mount Points",
       kExplorer + "\\MountPoints2",
       {"##server#share", "#single", "a"},
       {"##server#share"},
       {"#single", "a"},
       {"##server#share"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    Values(c.key, c.values);
    for (const std::string& sub : c.subkeys) Values(c.key + "\\" + sub, {"x"});
    Values("Software\\Kept\\Recent File List", {"keep"});

    TEraserEngine engine;
    engine.Preview = true;
    Item(engine, c.caption).Erase();
    EXPECT_FALSE(engine.Removed.empty());
    EXPECT_EQ(ValuesOf(c.key), c.values);

    engine.Preview = false;
    engine.ClearRecords();
    Item(engine, c.caption).Erase();
    EXPECT_TRUE(engine.Left.empty());
    EXPECT_EQ(ValuesOf(c.key), c.valuesLeft);
    EXPECT_EQ(SubkeysOf(c.key), c.subkeysLeft);
    EXPECT_EQ(ValuesOf("Software\\Kept\\Recent File List"), Names{"keep"});
    ASSERT_TRUE(registry.store().deleteKeyTree(kCurrentUser, c.key));
  }
}

TEST_F(RecentListsTest, TheDesktopListsAreClearedAndWhatIsNotTheirsStaysByteForByte) {
  const std::string list = folder.write("home/.local/share/recently-used.xbel", kGtkList);
  const std::string docs = folder.dataFolder() + "RecentDocuments/";
  folder.write("home/.local/share/RecentDocuments/secret.odt.desktop", kKdeEntry);
  folder.write("home/.local/share/RecentDocuments/old/holiday.jpg.desktop", kKdeEntry);
  const std::string outside = folder.write("home/Documents/secret.odt", "the document");
  fsys::create_symlink(outside, docs + "link.desktop");
  const std::string beside = folder.write("home/.local/share/user-places.xbel", kGtkList);

  TEraserEngine engine;
  TEraser& item = Item(engine, "Recently used files (desktop)");
  engine.Preview = true;
  item.Erase();
  ASSERT_FALSE(engine.Removed.empty());
  EXPECT_EQ(engine.Removed.front().What, list + ": 2 recently used files");
  EXPECT_EQ(readFileBytes(list), kGtkList);
  EXPECT_TRUE(pathExists(docs + "secret.odt.desktop"));

  engine.Preview = false;
  engine.ClearRecords();
  item.Erase();
  EXPECT_TRUE(engine.Left.empty())
      << engine.Left.front().What << ": " << engine.Left.front().Reason;
  EXPECT_EQ(readFileBytes(list), DesktopRecentFiles::kEmptyList);
  EXPECT_TRUE(fsys::is_directory(docs));
  EXPECT_TRUE(fsys::is_empty(docs));
  // What the link named, and the other bookmark file of the desktop, stay as they were.
  EXPECT_EQ(readFileBytes(outside), "the document");
  EXPECT_EQ(readFileBytes(beside), kGtkList);

  // Cleared, the lists hold nothing more, and a second clean changes nothing.
  EXPECT_FALSE(RecentLists::Holds(RecentLists::All().back(), registry.store()));
  engine.ClearRecords();
  item.Erase();
  EXPECT_TRUE(engine.Removed.empty());
}

TEST_F(RecentListsTest, ABookmarkFileOfAnotherFormIsLeftAsItIsAndNamed) {
  const std::string list =
      folder.write("home/.local/share/recently-used.xbel", "<html><bookmark/></html>");
  TEraserEngine engine;
  Item(engine, "Recently used files (desktop)").Erase();
  ASSERT_EQ(engine.Left.size(), 1u);
  EXPECT_EQ(engine.Left.front().What, list);
  EXPECT_EQ(readFileBytes(list), "<html><bookmark/></html>");
}

TEST_F(RecentListsTest, BookmarksAreFoundAtEveryDepthAndOnlyRealOnesCount) {
  const std::string head =
      "<?xml version=\"1.0\"?>\n<xbel version=\"1.0\" "
      "xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\">\n";
  const struct {
    const char* name;
    std::string text;
    bool holds;
    std::size_t removed;
  } cases[] = {
      {"inside a folder",
       head + "<folder><title>f</title><folder><bookmark href=\"file:///secret\"/></folder>"
              "</folder>\n</xbel>\n",
       true, 1},
      {"beside and inside",
       head + "<bookmark href=\"file:///a\"/><folder><bookmark "
              "href=\"file:///b\"/></folder></xbel>\n",
       true, 2},
      {"a comment that mentions one", head + "<!-- <bookmark href=\"x\"/> -->\n</xbel>\n", false,
       0},
      {"a title that mentions one", head + "<title>&lt;bookmark</title></xbel>\n", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string list = folder.write("home/.local/share/recently-used.xbel", c.text);
    EXPECT_EQ(RecentLists::Holds(RecentLists::All().back(), registry.store()), c.holds);
    TEraserEngine engine;
    Item(engine, "Recently used files (desktop)").Erase();
    EXPECT_TRUE(engine.Left.empty());
    EXPECT_EQ(readFileBytes(list), c.removed > 0 ? DesktopRecentFiles::kEmptyList : c.text);
    if (c.removed > 0) {
      ASSERT_EQ(engine.Removed.size(), 1u);
      EXPECT_EQ(engine.Removed[0].What,
                list + ": " + std::to_string(c.removed) + " recently used files");
    } else {
      EXPECT_TRUE(engine.Removed.empty());
    }
  }
}

TEST_F(RecentListsTest, AListHoldingOnlySubkeysHoldsSomething) {
  const std::string key = kExplorer + "\\ComDlg32\\OpenSaveMRU";
  const TRecentList* list = nullptr;
  for (const TRecentList& each : RecentLists::All()) {
    if (std::string(each.Caption) == "Open/Save MRU") list = &each;
  }
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(registry.store().createKey(kCurrentUser, key));
  EXPECT_FALSE(RecentLists::Holds(*list, registry.store()));
  Values(key + "\\pdf", {"0"});
  EXPECT_TRUE(RecentLists::Holds(*list, registry.store()));
}

}  // namespace
