// The Desktop items on a home shaped like a Linux desktop's: thumbnails go, shell histories are
// emptied in place (the same file, its mode and the handle a shell holds all kept), and KDE's
// activity database loses the files used but keeps those linked to an activity.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "CleanerFixture.h"
#include "SqlHelpers.h"

namespace {

namespace fsys = std::filesystem;
using sqltest::Count;
using sqltest::Exec;

struct stat StatOf(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info;
}

class DesktopTracesTest : public CleanerTest {};

TEST_F(DesktopTracesTest, ThumbnailsOfEverySizeGoAndTheirFolderStays) {
  const std::string thumbnails = folder.makeFolder("home/.cache/thumbnails");
  for (const char* file : {"normal/0a1b.png", "large/0a1b.png", "x-large/2c3d.png",
                           "fail/gnome-thumbnail-factory/4e5f.png"}) {
    folder.write(std::string("home/.cache/thumbnails/") + file, "PNG");
  }
  const std::string flatpak =
      folder.write("home/.var/app/org.gnome.Loupe/cache/thumbnails/large/6a7b.png", "PNG");
  const std::string other = folder.write("home/.cache/other/keep.png", "PNG");
  TEraserEngine engine;
  engine.Preview = true;
  engine.DesktopThumbnails->Erase();
  engine.Preview = false;
  EXPECT_EQ(engine.Removed.size(), 5u);
  EXPECT_TRUE(pathExists(thumbnails + "/normal/0a1b.png"));
  engine.DesktopThumbnails->Erase();
  EXPECT_TRUE(engine.Left.empty());
  EXPECT_TRUE(fsys::is_empty(thumbnails));
  EXPECT_FALSE(pathExists(flatpak));
  EXPECT_EQ(readFileBytes(other), "PNG");
}

TEST_F(DesktopTracesTest, HistoriesAreEmptiedInPlaceKeepingTheFileItsModeAndOpenHandles) {
  const char* histories[] = {"home/.bash_history",
                             "home/.zsh_history",
                             "home/.python_history",
                             "home/.lesshst",
                             "home/.sqlite_history",
                             "home/.node_repl_history",
                             "home/.local/share/fish/fish_history"};
  std::vector<std::string> paths;
  for (const char* history : histories) {
    paths.push_back(folder.write(history, std::string("secret command of ") + history + "\n"));
    ::chmod(paths.back().c_str(), 0600);
  }
  const struct stat before = StatOf(paths[0]);
  // A shell that holds its history open, appending.
  const int shell = ::open(paths[0].c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(shell, 0);
  // A history sent elsewhere by a link, and one that shares its content with another name.
  const std::string elsewhere = folder.write("elsewhere", "not a history");
  fsys::remove(paths[2]);
  fsys::create_symlink(elsewhere, paths[2]);
  const std::string shared = folder.write("shared-copy", "shared");
  fsys::remove(paths[3]);
  fsys::create_hard_link(shared, paths[3]);

  TEraserEngine engine;
  engine.Preview = true;
  engine.ShellHistories->Erase();
  engine.Preview = false;
  EXPECT_EQ(engine.Removed.size(), 5u);
  EXPECT_FALSE(readFileBytes(paths[0]).empty());
  engine.ClearRecords();
  engine.ShellHistories->Erase();

  ASSERT_EQ(engine.Left.size(), 1u);
  EXPECT_EQ(engine.Left[0].What, paths[3]);
  EXPECT_EQ(engine.Removed.size(), 5u);
  for (std::size_t i : {0, 1, 4, 5, 6}) {
    SCOPED_TRACE(paths[i]);
    EXPECT_TRUE(pathExists(paths[i]));
    EXPECT_EQ(readFileBytes(paths[i]), "");
  }
  // Empty histories are nothing to clean.
  engine.ClearRecords();
  engine.Preview = true;
  engine.ShellHistories->Erase();
  engine.Preview = false;
  EXPECT_TRUE(engine.Removed.empty());
  EXPECT_EQ(engine.Left.size(), 1u);

  const struct stat after = StatOf(paths[0]);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode & 07777, 0600u);
  EXPECT_EQ(after.st_uid, before.st_uid);
  ASSERT_EQ(::write(shell, "next\n", 5), 5);
  ::close(shell);
  EXPECT_EQ(readFileBytes(paths[0]), "next\n");
  EXPECT_EQ(readFileBytes(elsewhere), "not a history");
  EXPECT_EQ(readFileBytes(shared), "shared");
}

TEST_F(DesktopTracesTest, KdeActivitiesLoseTheFilesUsedAndKeepTheLinkedOnes) {
  folder.makeFolder("home/.local/share/kactivitymanagerd/resources");
  const std::string database = folder / "home/.local/share/kactivitymanagerd/resources/database";
  // The tables of kactivitymanagerd 5.27 / 6.0.
  Exec(database, R"(
    PRAGMA journal_mode=WAL;
    CREATE TABLE SchemaInfo (key text PRIMARY KEY, value text);
    CREATE TABLE ResourceEvent (usedActivity TEXT, initiatingAgent TEXT,
        targettedResource TEXT, start INTEGER, end INTEGER);
    CREATE TABLE ResourceScoreCache (usedActivity TEXT, initiatingAgent TEXT,
        targettedResource TEXT, scoreType INTEGER, cachedScore FLOAT, firstUpdate INTEGER,
        lastUpdate INTEGER, PRIMARY KEY(usedActivity, initiatingAgent, targettedResource));
    CREATE TABLE ResourceLink (usedActivity TEXT, initiatingAgent TEXT,
        targettedResource TEXT, PRIMARY KEY(usedActivity, initiatingAgent, targettedResource));
    CREATE TABLE ResourceInfo (targettedResource TEXT, title TEXT, mimetype TEXT,
        autoTitle INTEGER, autoMimetype INTEGER, PRIMARY KEY(targettedResource));
    INSERT INTO SchemaInfo VALUES ('version', '2015-02-09');
    INSERT INTO ResourceEvent VALUES ('a', 'org.kde.okular', '/home/u/secret.pdf', 1, 2);
    INSERT INTO ResourceScoreCache VALUES ('a', 'org.kde.okular', '/home/u/secret.pdf', 0, 1.5,
                                           1, 2);
    INSERT INTO ResourceLink VALUES ('a', 'org.kde.plasma.favorites', 'applications:kate.desktop');
    INSERT INTO ResourceInfo VALUES ('/home/u/secret.pdf', 'Secret', 'application/pdf', 1, 1),
                                    ('applications:kate.desktop', 'Kate', '', 1, 1);
  )");
  TEraserEngine engine;
  engine.KdeActivities->Erase();
  EXPECT_TRUE(engine.Left.empty());
  ASSERT_EQ(engine.Removed.size(), 1u);
  EXPECT_EQ(Count(database, "SELECT count(*) FROM ResourceEvent"), 0);
  EXPECT_EQ(Count(database, "SELECT count(*) FROM ResourceScoreCache"), 0);
  EXPECT_EQ(Count(database, "SELECT count(*) FROM ResourceLink"), 1);
  EXPECT_EQ(Count(database, "SELECT count(*) FROM ResourceInfo"), 1);
  EXPECT_EQ(Count(database, "SELECT count(*) FROM SchemaInfo"), 1);
  for (const char* file : {"", "-wal"}) {
    EXPECT_EQ(readFileBytes(database + file).find("secret.pdf"), std::string::npos) << file;
  }
}

TEST_F(DesktopTracesTest, KdeActivitiesCleanTheTablesThatExist) {
  folder.makeFolder("home/.local/share/kactivitymanagerd/resources");
  const std::string database = folder / "home/.local/share/kactivitymanagerd/resources/database";
  const std::string event =
      "CREATE TABLE ResourceEvent (targettedResource TEXT, start INTEGER);"
      "INSERT INTO ResourceEvent VALUES ('/home/u/secret.pdf', 1);";
  const std::string info =
      "CREATE TABLE ResourceInfo (targettedResource TEXT, title TEXT);"
      "INSERT INTO ResourceInfo VALUES ('/home/u/secret.pdf', 'Secret');";
  const std::string score =
      "CREATE TABLE ResourceScoreCache (targettedResource TEXT, cachedScore FLOAT);"
      "INSERT INTO ResourceScoreCache VALUES ('/home/u/secret.pdf', 1.5);";
  const struct {
    const char* name;
    std::string schema;
    std::size_t removed;  // rows
  } cases[] = {
      // Without ResourceLink nothing is linked to an activity: every description goes.
      {"no ResourceLink", event + info + score, 3},
      {"only the scores", score, 1},
      {"the descriptions and no events", info, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fsys::remove(database);
    Exec(database, c.schema);
    TEraserEngine engine;
    engine.KdeActivities->Erase();
    EXPECT_TRUE(engine.Left.empty()) << (engine.Left.empty() ? "" : engine.Left[0].Reason);
    ASSERT_EQ(engine.Removed.size(), 1u);
    EXPECT_EQ(engine.Removed[0].What,
              database + ": " + std::to_string(c.removed) + " activity records");
    EXPECT_EQ(readFileBytes(database).find("secret.pdf"), std::string::npos);
  }
  // A database of another kind is left and named.
  fsys::remove(database);
  Exec(database, "CREATE TABLE other (x); INSERT INTO other VALUES ('/home/u/secret.pdf');");
  TEraserEngine engine;
  engine.KdeActivities->Erase();
  ASSERT_EQ(engine.Left.size(), 1u);
  EXPECT_NE(engine.Left[0].Reason.find("holds no activity records"), std::string::npos);
}

TEST_F(DesktopTracesTest, CrashReportsGoAndTheBrowsersSettingsStay) {
  const std::string mozilla = "home/.mozilla/firefox/";
  folder.write(mozilla + "profiles.ini", "[Profile0]\nPath=a.default\nIsRelative=1\n");
  folder.write(mozilla + "a.default/prefs.js", "");
  folder.write(mozilla + "a.default/minidumps/1234.dmp", "dump");
  folder.write(mozilla + "a.default/crashes/store.json.mozlz4", "store");
  folder.write(mozilla + "Crash Reports/pending/1234.dmp", "dump");
  folder.write(mozilla + "Crash Reports/submitted/bp-1.txt", "submitted");
  folder.write(mozilla + "Crash Reports/crashreporter.ini", "[Crash Reporter]\n");
  folder.write("config/chromium/Default/Preferences", "{}");
  folder.write("config/chromium/Crash Reports/completed/abc.dmp", "dump");
  folder.write("config/chromium/Crash Reports/settings.dat", "client");
  folder.write("home/.cache/gnome-CrashReports/x.crash", "crash");
  folder.write("home/.cache/app.crash", "crash");
  folder.write("home/.cache/thumbnails/normal/a.png", "kept");
  TEraserEngine engine;
  engine.CrashReports->Erase();
  EXPECT_TRUE(engine.Left.empty());
  for (const char* gone : {"home/.mozilla/firefox/a.default/minidumps/1234.dmp",
                           "home/.mozilla/firefox/a.default/crashes/store.json.mozlz4",
                           "home/.mozilla/firefox/Crash Reports/pending/1234.dmp",
                           "home/.mozilla/firefox/Crash Reports/submitted/bp-1.txt",
                           "config/chromium/Crash Reports/completed/abc.dmp",
                           "home/.cache/gnome-CrashReports/x.crash", "home/.cache/app.crash"}) {
    EXPECT_FALSE(pathExists(folder / gone)) << gone;
  }
  for (const char* kept :
       {"home/.mozilla/firefox/Crash Reports/crashreporter.ini",
        "config/chromium/Crash Reports/settings.dat", "home/.cache/thumbnails/normal/a.png",
        "home/.mozilla/firefox/a.default/crashes", "config/chromium/Default/Preferences"}) {
    EXPECT_TRUE(pathExists(folder / kept)) << kept;
  }
}

}  // namespace
