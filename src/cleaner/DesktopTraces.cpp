#include "cleaner/DesktopTraces.h"

#include <algorithm>
#include <vector>

#include "cleaner/BrowserProfiles.h"
#include "cleaner/ChromiumProfiles.h"
#include "cleaner/SqliteRows.h"
#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TraceFileEdits.h"
#include "cleaner/TracePaths.h"
#include "core/Helpers.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"

void CollectThumbnails(TEraseFiles& item) {
  const std::string thumbnails = Joined(platform::cacheFolder(), "thumbnails");
  if (!thumbnails.empty()) item.AddFolder(thumbnails, "*", true, true);
  // A flatpak application keeps the thumbnails it makes in its own cache folder.
  const std::string flatpaks = Joined(platform::homeFolder(), ".var/app/");
  if (flatpaks.empty()) return;
  if (auto apps = platform::fs().listFolder(flatpaks)) {
    for (const platform::DirEntry& app : *apps) {
      if (app.isFolder())
        item.AddFolder(flatpaks + app.name + "/cache/thumbnails", "*", true, true);
    }
  }
}

void EmptyShellHistories(TEraseFiles& item) {
  const std::string home = platform::homeFolder();
  if (home.empty()) return;
  for (const char* name : {".bash_history", ".zsh_history", ".python_history", ".lesshst",
                           ".sqlite_history", ".node_repl_history"}) {
    EmptyFileInPlace(item, Joined(home, name));
  }
  const std::string fish = Joined(platform::dataFolder(), "fish/fish_history");
  if (!fish.empty()) EmptyFileInPlace(item, fish);
}

void ClearKdeActivities(TEraseFiles& item) {
  const std::string database =
      Joined(platform::dataFolder(), "kactivitymanagerd/resources/database");
  if (database.empty()) return;
  const auto info = platform::fs().info(database);
  if (!info || info->kind != platform::EntryKind::File || item.Keeps(database)) return;
  // Each table is cleaned where it exists (the layout differs between versions); without
  // ResourceLink no file is linked to an activity, and every description goes.
  const std::vector<TRowSelection> rows = {
      {"ResourceEvent", {}},
      {"ResourceScoreCache", {}},
      {"ResourceInfo", "targettedResource NOT IN (SELECT targettedResource FROM ResourceLink)",
       "ResourceLink"},
  };
  const bool preview = item.Engine && item.Engine->Preview;
  const TRowsCleared cleared =
      ClearSqliteRows(database, {}, rows, preview, Tr("holds no activity records; left as it is"));
  if (!item.Engine) return;
  if (!cleared.Ok) {
    item.Engine->RecordLeft(
        item, database,
        Substituted(Tr("the activity history could not be removed ({})"), {cleared.Error}));
  } else if (cleared.Rows > 0) {
    item.Engine->RecordRemoved(
        item, Substituted(Tr("{}: {} activity records"), {database, std::to_string(cleared.Rows)}));
  }
  if (!cleared.Note.empty()) item.Engine->Notes.push_back({item.Name, database, 0, cleared.Note});
}

namespace {

// Whether a name of the cache folder says it holds crash reports ("crash", any letter case).
bool NamesCrashes(const std::string& name) {
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return lower.find("crash") != std::string::npos;
}

}  // namespace

void CollectCrashReports(TEraseFiles& item) {
  // Firefox and Thunderbird: the reports of each install, and the dumps and crash records of
  // each profile.
  for (const std::string& install : FindMozillaInstallFolders()) {
    for (const char* folder :
         {"Crash Reports/pending", "Crash Reports/submitted", "Crash Reports/events"}) {
      item.AddFolder(install + folder, "*", true, true);
    }
  }
  for (const TBrowserProfile& profile : FindMozillaProfiles()) {
    item.AddFolder(profile.Folder + "minidumps", "*", true, true);
    item.AddFolder(profile.Folder + "crashes", "*", true, true);
  }
  // The Chromium family: the reports of each install (its settings file stays).
  std::vector<std::string> installs;
  for (const TChromiumProfile& profile : FindChromiumProfiles()) {
    if (std::find(installs.begin(), installs.end(), profile.UserData) != installs.end()) continue;
    installs.push_back(profile.UserData);
    for (const char* folder : {"Crash Reports/completed", "Crash Reports/pending",
                               "Crash Reports/new", "Crash Reports/attachments"}) {
      item.AddFolder(profile.UserData + folder, "*", true, true);
    }
  }
  // What programs keep in the cache folder under a name that says crashes.
  const std::string cache = platform::cacheFolder();
  if (cache.empty()) return;
  auto entries = platform::fs().listFolder(cache);
  if (!entries) return;
  for (const platform::DirEntry& entry : *entries) {
    if (!NamesCrashes(entry.name)) continue;
    if (entry.isFolder()) {
      item.AddFolder(Joined(cache, entry.name), "*", true, true);
    } else if (entry.kind == platform::EntryKind::File) {
      item.AddFile(Joined(cache, entry.name));
    }
  }
}
