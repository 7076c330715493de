// The places the user keeps from every clean, and the user's own files and folders to clean: a
// kept file is neither deleted, emptied, edited nor its rows removed, whichever item reaches it,
// and nothing below a kept folder is touched; the custom item removes what it lists and refuses
// what is too wide.

#include <filesystem>

#include "CleanerFixture.h"
#include "SqlHelpers.h"
#include "cleaner/TCleaningRun.h"
#include "cleaner/TracePathLists.h"
#include "core/TIniFile.h"

namespace {

namespace fsys = std::filesystem;
using sqltest::Count;
using sqltest::Exec;
using Texts = std::vector<std::string>;

class KeepListTest : public CleanerTest {};

TEST_F(KeepListTest, EveryItemPassesOverWhatIsKept) {
  const std::string history =
      "CREATE TABLE urls(id INTEGER PRIMARY KEY, url TEXT);"
      "INSERT INTO urls VALUES (1, 'https://secret.example/');";
  const struct {
    const char* name;
    std::function<TEraser*(TEraserEngine&)> item;
    std::function<void(const TestFolder&)> make;
    std::function<std::string(const TestFolder&)> kept;  // the keep list's entry
    std::function<bool(const TestFolder&)> stayed;       // what the entry keeps is as it was
    std::function<bool(const TestFolder&)> cleaned;      // what it does not keep went
  } cases[] = {
      {"a folder below a walked one", [](TEraserEngine& e) { return e.DesktopThumbnails; },
       [](const TestFolder& f) {
         f.write("home/.cache/thumbnails/large/a.png", "kept");
         f.write("home/.cache/thumbnails/normal/b.png", "gone");
       },
       [](const TestFolder&) { return std::string("~/.cache/thumbnails/large"); },
       [](const TestFolder& f) { return pathExists(f / "home/.cache/thumbnails/large/a.png"); },
       [](const TestFolder& f) { return !pathExists(f / "home/.cache/thumbnails/normal/b.png"); }},
      {"a file in a walked folder", [](TEraserEngine& e) { return e.DesktopThumbnails; },
       [](const TestFolder& f) {
         f.write("home/.cache/thumbnails/normal/keep.png", "kept");
         f.write("home/.cache/thumbnails/normal/b.png", "gone");
       },
       [](const TestFolder&) { return std::string("~/.cache/thumbnails/*/keep.png"); },
       [](const TestFolder& f) { return pathExists(f / "home/.cache/thumbnails/normal/keep.png"); },
       [](const TestFolder& f) { return !pathExists(f / "home/.cache/thumbnails/normal/b.png"); }},
      {"the walked folder itself", [](TEraserEngine& e) { return e.DesktopThumbnails; },
       [](const TestFolder& f) { f.write("home/.cache/thumbnails/normal/b.png", "kept"); },
       [](const TestFolder&) { return std::string("~/.cache/thumbnails/"); },
       [](const TestFolder& f) { return pathExists(f / "home/.cache/thumbnails/normal/b.png"); },
       [](const TestFolder&) { return true; }},
      {"a history emptied in place", [](TEraserEngine& e) { return e.ShellHistories; },
       [](const TestFolder& f) {
         f.write("home/.bash_history", "ls secret\n");
         f.write("home/.lesshst", "secret\n");
       },
       [](const TestFolder&) { return std::string("~/.bash_history"); },
       [](const TestFolder& f) { return readFileBytes(f / "home/.bash_history") == "ls secret\n"; },
       [](const TestFolder& f) { return readFileBytes(f / "home/.lesshst").empty(); }},
      {"a settings file rewritten", [](TEraserEngine& e) { return e.VlcRecentMedia; },
       [](const TestFolder& f) {
         f.write("config/vlc/vlc-qt-interface.conf", "[RecentsMRL]\nlist=file:///secret.mkv\n");
       },
       [](const TestFolder& f) { return f / "config/vlc"; },
       [](const TestFolder& f) {
         return readFileBytes(f / "config/vlc/vlc-qt-interface.conf") ==
                "[RecentsMRL]\nlist=file:///secret.mkv\n";
       },
       [](const TestFolder&) { return true; }},
      {"a database by a mask", [](TEraserEngine& e) { return e.ChromiumHistory; },
       [&history](const TestFolder& f) {
         f.makeFolder("config/chromium/Default");
         f.makeFolder("config/chromium/Profile 1");
         f.write("config/chromium/Local State",
                 R"({"profile":{"info_cache":{"Default":{},"Profile 1":{}}}})");
         Exec(f / "config/chromium/Default/History", history);
         Exec(f / "config/chromium/Profile 1/History", history);
         f.write("config/chromium/Default/Visited Links", "kept");
       },
       [](const TestFolder& f) { return f / "config/chromium/D*"; },
       [](const TestFolder& f) {
         return Count(f / "config/chromium/Default/History", "SELECT count(*) FROM urls") == 1 &&
                pathExists(f / "config/chromium/Default/Visited Links");
       },
       [](const TestFolder& f) {
         return Count(f / "config/chromium/Profile 1/History", "SELECT count(*) FROM urls") == 0;
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fsys::remove_all(folder / "home");
    fsys::remove_all(folder / "config");
    folder.makeFolder("home");
    c.make(folder);
    TEraserEngine engine;
    engine.KeepPaths = {c.kept(folder)};
    TCleaningRun(engine).Run({c.item(engine)}, false);
    EXPECT_TRUE(engine.Left.empty()) << (engine.Left.empty() ? "" : engine.Left[0].Reason);
    EXPECT_TRUE(c.stayed(folder));
    EXPECT_TRUE(c.cleaned(folder));
    // Without the keep list the same item takes what was kept.
    engine.KeepPaths.clear();
    TCleaningRun(engine).Run({c.item(engine)}, false);
    EXPECT_FALSE(c.stayed(folder));
  }
}

TEST_F(KeepListTest, KeptEntriesMatchWholeNamesFromTheirStartAndMasksWithinAName) {
  const std::string home = folder.homeFolder();
  const Texts keep = {"~/Keep", "/data/*.db", "relative/path", "  /spaced/  "};
  const struct {
    std::string path;
    bool kept;
  } cases[] = {
      {home + "Keep", true},     {home + "Keep/inner/file", true},
      {home + "Keeper", false},  {home + "other/Keep", false},
      {"/data/a.db", true},      {"/data/a.db/inside", true},
      {"/data/sub/a.db", false}, {"/data/a.dbx", false},
      {"/relative/path", false}, {"/spaced/x", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TTracePathLists::Keeps(keep, c.path), c.kept) << c.path;
  }
  EXPECT_FALSE(TTracePathLists::Keeps({}, home + "Keep"));
}

TEST_F(KeepListTest, TheListsAreKeptInTheSettingsFileAndReadBackAsWritten) {
  const std::string ini = folder.programFolder() + "Ferrovane.ini";
  TTracePathLists lists;
  lists.Custom = {"~/.cache/app", "/tmp/a b"};
  lists.Keep = {"~/.mozilla/firefox/*/cookies.sqlite", "/x", "/y", "/z"};
  lists.Write(ini);
  TTracePathLists read;
  read.Read(TIniFile(ini));
  EXPECT_EQ(read.Custom, lists.Custom);
  EXPECT_EQ(read.Keep, lists.Keep);
  // A shorter list leaves no entry of the longer one behind.
  lists.Keep = {"/only"};
  lists.Write(ini);
  read.Read(TIniFile(ini));
  EXPECT_EQ(read.Keep, Texts{"/only"});
  EXPECT_EQ(TIniFile(ini).ReadString(TTracePathLists::KeepSection, "Path4", "?"), "");
}

TEST_F(KeepListTest, TheCustomItemRemovesWhatItListsAndRefusesWhatIsTooWide) {
  const std::string file = folder.write("home/notes/secret.txt", "secret");
  folder.write("home/.cache/app/a/b", "cache");
  const std::string keptInside = folder.write("home/.cache/app/keep/me", "kept");
  const std::string target = folder.write("elsewhere/target", "not listed");
  fsys::create_symlink(target, folder / "home/link");
  TEraserEngine engine;
  engine.CustomPaths = {
      "~/notes/secret.txt", "~/.cache/app/", "~/link", "relative/x", "~", folder.path(), "/",
      "~/missing"};
  engine.KeepPaths = {"~/.cache/app/keep"};
  TCleaningRun(engine).Run({engine.CustomFiles}, false);
  EXPECT_FALSE(pathExists(file));
  EXPECT_FALSE(pathExists(folder / "home/.cache/app/a/b"));
  EXPECT_EQ(readFileBytes(keptInside), "kept");
  EXPECT_FALSE(pathExists(folder / "home/link"));
  EXPECT_EQ(readFileBytes(target), "not listed");
  Texts left;
  for (const TCleanRecord& record : engine.Left) left.push_back(record.What + ": " + record.Reason);
  const std::string home = folder.homeFolder().substr(0, folder.homeFolder().size() - 1);
  const std::string top = folder.path().substr(0, folder.path().size() - 1);
  EXPECT_EQ(left, (Texts{"relative/x: is not an absolute path: not cleaned",
                         home + ": holds the home folder: too wide to clean as a whole",
                         top + ": holds the home folder: too wide to clean as a whole",
                         "/: holds the home folder: too wide to clean as a whole"}));
  EXPECT_TRUE(pathExists(folder / "home/notes"));
}

}  // namespace
