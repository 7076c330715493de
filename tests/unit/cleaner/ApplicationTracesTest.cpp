// The Applications items on the real files of LibreOffice, VLC and GIMP: the recent lists go,
// every other setting stays byte for byte, and a file not in its program's form is left whole.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CleanerFixture.h"
#include "cleaner/ApplicationTraces.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeRun.h"

namespace {

using Texts = std::vector<std::string>;

// registrymodifications.xcu as LibreOffice 7.6 writes it: one item per line, the recent
// documents (order list and item list, with a thumbnail) between other settings.
const std::string kXcuHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
    "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Misc\"><prop oor:name=\"FirstRun\" "
    "oor:op=\"fuse\"><value>false</value></prop></item>\n";
const std::string kXcuRecent =
    "<item oor:path=\"/org.openoffice.Office.Histories/Histories/"
    "org.openoffice.Office.Histories:HistoryInfo['PickList']/OrderList/"
    "org.openoffice.Office.Histories:HistoryItem['0']\"><prop oor:name=\"HistoryItemRef\" "
    "oor:op=\"fuse\"><value>file:///home/u/secret.odt</value></prop></item>\n"
    "<item oor:path=\"/org.openoffice.Office.Histories/Histories/"
    "org.openoffice.Office.Histories:HistoryInfo['PickList']/ItemList/"
    "org.openoffice.Office.Histories:HistoryItem['file:///home/u/secret.odt']\">"
    "<prop oor:name=\"Title\" oor:op=\"fuse\"><value>Secret plans</value></prop></item>\n"
    "<item oor:path=\"/org.openoffice.Office.Histories/Histories/"
    "org.openoffice.Office.Histories:HistoryInfo['PickList']/ItemList/"
    "org.openoffice.Office.Histories:HistoryItem['file:///home/u/secret.odt']\">"
    "<prop oor:name=\"Thumbnail\" oor:op=\"fuse\"><value>iVBORw0KGgo=</value></prop></item>\n"
    "<item oor:path=\"/org.openoffice.Office.Histories/Histories/"
    "org.openoffice.Office.Histories:HistoryInfo['PickList']/ItemList/"
    "org.openoffice.Office.Histories:HistoryItem['file:///home/u/other.ods']\">"
    "<prop oor:name=\"Title\" oor:op=\"fuse\"><value>Other</value></prop></item>\n";
const std::string kXcuMiddle =
    "<item oor:path=\"/org.openoffice.Office.Histories/Histories/"
    "org.openoffice.Office.Histories:HistoryInfo['HelpBookmarks']/ItemList/"
    "org.openoffice.Office.Histories:HistoryItem['help']\"><prop oor:name=\"Title\" "
    "oor:op=\"fuse\"><value>Help kept</value></prop></item>\r\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Save/Document\"><prop "
    "oor:name=\"AutoSave\" oor:op=\"fuse\"><value>true</value></prop></item>\n";
const std::string kXcuTail = "</oor:items>\n";

class ApplicationTracesTest : public CleanerTest {};

TEST(ApplicationLists, EachEditTakesOutTheListOnlyAndRefusesTextsNotInItsForm) {
  struct Case {
    const char* what;
    std::function<std::optional<std::string>(const std::string&, std::size_t&)> edit;
    std::string text;
    std::optional<std::string> kept;
    std::size_t removed;
  };
  const std::string gimpHead = "# GIMP documents\n#\n# This file will be entirely rewritten.\n\n";
  const std::string gimpDocument =
      "(document \"file:///home/u/secret%20(1).xcf\"\n    (mime-type \"image/x-xcf\")\n"
      "    (last-visited 1700000000)\n    (timestamp 0)\n    (thumb-state none)\n"
      "    (desc \"a \\\"quoted)\\\" text\"))\n\n";
  const Case cases[] = {
      {"xcu", WithoutLibreOfficeRecentDocuments,
       kXcuHead + kXcuRecent + kXcuMiddle + kXcuRecent + kXcuTail, kXcuHead + kXcuMiddle + kXcuTail,
       2},
      {"xcu without recent documents", WithoutLibreOfficeRecentDocuments,
       kXcuHead + kXcuMiddle + kXcuTail, kXcuHead + kXcuMiddle + kXcuTail, 0},
      {"xcu cut short", WithoutLibreOfficeRecentDocuments, kXcuHead + kXcuRecent, std::nullopt, 0},
      {"xcu of another root", WithoutLibreOfficeRecentDocuments, "<items/>\n", std::nullopt, 0},
      {"vlc", WithoutVlcRecentMedia,
       "[General]\r\nfiledialog-path=@Variant(x)\r\n\r\n[RecentsMRL]\r\n"
       "list=file:///home/u/a.mkv, file:///home/u/b%2C%20c.mp4, https://x.example/s\r\n"
       "times=0, 4200, 0\r\n\r\n[MainWindow]\r\nQtStyle=\r\n",
       "[General]\r\nfiledialog-path=@Variant(x)\r\n\r\n[RecentsMRL]\r\n\r\n[MainWindow]\r\n"
       "QtStyle=\r\n",
       3},
      {"vlc with an empty list", WithoutVlcRecentMedia, "[RecentsMRL]\nlist=@Invalid()\n",
       "[RecentsMRL]\n", 0},
      {"vlc with a line that is no setting", WithoutVlcRecentMedia, "[RecentsMRL]\nlist\n",
       std::nullopt, 0},
      {"gimp", WithoutGimpDocuments,
       gimpHead + gimpDocument + gimpDocument + "# end of documents\n",
       gimpHead + "# end of documents\n", 2},
      {"gimp cut short", WithoutGimpDocuments, gimpHead + "(document \"file:///x\"\n", std::nullopt,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::size_t removed = 99;
    const auto kept = c.edit(c.text, removed);
    EXPECT_EQ(kept, c.kept);
    if (kept) {
      EXPECT_EQ(removed, c.removed);
    }
  }
}

TEST_F(ApplicationTracesTest, TheRecentListsGoFromEveryInstallAndEverythingElseStays) {
  const std::string full = kXcuHead + kXcuRecent + kXcuMiddle + kXcuTail;
  const std::string xcu = folder.write("config/libreoffice/4/user/registrymodifications.xcu", full);
  ::chmod(xcu.c_str(), 0640);
  const std::string flatpakXcu = folder.write(
      "home/.var/app/org.libreoffice.LibreOffice/config/libreoffice/4/user/"
      "registrymodifications.xcu",
      full);
  const std::string vlc = folder.write("config/vlc/vlc-qt-interface.conf",
                                       "[General]\nx=1\n[RecentsMRL]\nlist=file:///a.mkv\n"
                                       "times=0\n[Other]\ny=2\n");
  const std::string gimp2 =
      folder.write("config/GIMP/2.10/documents",
                   "# GIMP documents\n\n(document \"file:///a.xcf\"\n"
                   "    (mime-type \"image/x-xcf\"))\n\n# end of documents\n");
  const std::string gimp3 =
      folder.write("config/GIMP/3.0/documents", "(document \"file:///b.png\")\n");
  const std::string gimprc = folder.write("config/GIMP/2.10/gimprc", "(document-not \"kept\")\n");

  TEraserEngine engine;
  const std::vector<TEraser*> items = {engine.LibreOfficeRecentDocuments, engine.VlcRecentMedia,
                                       engine.GimpRecentDocuments};
  engine.Preview = true;
  for (TEraser* item : items) item->Erase();
  engine.Preview = false;
  const std::vector<TCleanRecord> previewed = engine.Removed;
  EXPECT_EQ(previewed.size(), 5u);
  EXPECT_EQ(readFileBytes(xcu), full);
  engine.ClearRecords();
  for (TEraser* item : items) item->Erase();

  EXPECT_TRUE(engine.Left.empty()) << engine.Left.front().What << engine.Left.front().Reason;
  ASSERT_EQ(engine.Removed.size(), previewed.size());
  for (std::size_t i = 0; i < previewed.size(); ++i)
    EXPECT_EQ(engine.Removed[i].What, previewed[i].What);
  EXPECT_EQ(engine.Removed[0].What, xcu + ": 2 recent documents");
  for (const std::string& file : {xcu, flatpakXcu}) {
    EXPECT_EQ(readFileBytes(file), kXcuHead + kXcuMiddle + kXcuTail);
  }
  struct stat info {};
  ::stat(xcu.c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(readFileBytes(vlc), "[General]\nx=1\n[RecentsMRL]\n[Other]\ny=2\n");
  EXPECT_EQ(readFileBytes(gimp2), "# GIMP documents\n\n# end of documents\n");
  EXPECT_EQ(readFileBytes(gimp3), "");
  EXPECT_EQ(readFileBytes(gimprc), "(document-not \"kept\")\n");

  engine.ClearRecords();
  for (TEraser* item : items) item->Erase();
  EXPECT_TRUE(engine.Removed.empty());
  EXPECT_TRUE(engine.Left.empty());
}

TEST_F(ApplicationTracesTest, ASettingsFileNotInItsFormIsLeftWholeAndNamed) {
  const std::string broken = kXcuHead + kXcuRecent;  // cut short by a crash
  const std::string xcu =
      folder.write("config/libreoffice/4/user/registrymodifications.xcu", broken);
  TEraserEngine engine;
  engine.LibreOfficeRecentDocuments->Erase();
  EXPECT_TRUE(engine.Removed.empty());
  ASSERT_EQ(engine.Left.size(), 1u);
  EXPECT_EQ(engine.Left[0].What, xcu);
  EXPECT_EQ(readFileBytes(xcu), broken);
}

// What a descriptor held on the file before it was replaced reads now.
std::string ReadThrough(int fd, std::size_t size) {
  std::string bytes(size, '?');
  const ssize_t got = ::pread(fd, bytes.data(), size, 0);
  bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return bytes;
}

TEST_F(ApplicationTracesTest, OverwritingLeavesNoEarlierCopyOfARewrittenList) {
  const std::string conf =
      "[General]\nx=1\n[RecentsMRL]\nlist=file:///home/u/secret.mkv\n"
      "times=1234\n";
  const std::string zeros(conf.size(), '\0');
  TWipeMethodsManager manager;
  folder.write("program/Methods/zeros.mtd",
               "[Method]\nName=Zeros\nPasses=1\n[Pass1]\nWipeWith=0\nBytePatternValue=0\n");
  manager.LoadMethods();
  for (const bool overwriting : {false, true}) {
    SCOPED_TRACE(overwriting);
    const std::string vlc = folder.write("config/vlc/vlc-qt-interface.conf", conf);
    // The earlier file, as something that reads the device would still find it.
    const int earlier = ::open(vlc.c_str(), O_RDONLY);
    ASSERT_GE(earlier, 0);
    TEraserEngine engine;
    TWipeEngine overwrite("WipeFiles");
    WipeRun run = WipeRun::For(overwrite, manager, SilentWipeServices());
    if (overwriting) {
      engine.Overwrite = &overwrite;
      engine.OverwriteRun = &run;
    }
    engine.VlcRecentMedia->Erase();
    EXPECT_TRUE(engine.Left.empty());
    EXPECT_TRUE(engine.Notes.empty()) << engine.Notes.front().Reason;
    EXPECT_EQ(readFileBytes(vlc), "[General]\nx=1\n[RecentsMRL]\n");
    EXPECT_EQ(ReadThrough(earlier, conf.size()), overwriting ? zeros : conf);
    ::close(earlier);
  }
}

}  // namespace
