#include "cleaner/DesktopTraces.h"

#include <vector>

#include "cleaner/SqliteRows.h"
#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TraceFileEdits.h"
#include "cleaner/TracePaths.h"
#include "core/Helpers.h"
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
  if (!info || info->kind != platform::EntryKind::File) return;
  const std::vector<TRowSelection> rows = {
      {"ResourceEvent", {}},
      {"ResourceScoreCache", {}},
      {"ResourceInfo", "targettedResource NOT IN (SELECT targettedResource FROM ResourceLink)"},
  };
  const bool preview = item.Engine && item.Engine->Preview;
  const TRowsCleared cleared = ClearSqliteRows(database, "ResourceEvent", rows, preview,
                                               "holds no activity events; left as it is");
  if (!item.Engine) return;
  if (!cleared.Ok) {
    item.Engine->RecordLeft(item, database,
                            "the activity history could not be removed (" + cleared.Error + ")");
  } else if (cleared.Rows > 0) {
    item.Engine->RecordRemoved(
        item, database + ": " + std::to_string(cleared.Rows) + " activity records");
  }
  if (!cleared.Note.empty()) item.Engine->Notes.push_back({item.Name, database, 0, cleared.Note});
}
