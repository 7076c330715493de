#include "cleaner/CustomTraces.h"

#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TracePathLists.h"
#include "cleaner/TracePaths.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"

namespace {

// Whether removing the folder whole would take the home folder with it.
bool HoldsHome(const std::string& folder) {
  std::string home = platform::homeFolder();
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  if (home.empty()) return false;
  return home == folder || home.rfind(folder + "/", 0) == 0 || folder == "/";
}

}  // namespace

void CollectCustomPaths(TEraseFiles& item) {
  TCustomEraserEngine* engine = item.Engine;
  if (!engine) return;
  for (const std::string& written : engine->CustomPaths) {
    const std::string path = TTracePathLists::Resolved(written);
    if (path.empty()) {
      engine->RecordLeft(item, written, Tr("is not an absolute path: not cleaned"));
      continue;
    }
    const auto info = platform::fs().info(path);
    if (!info) continue;  // nothing there now
    if (info->isFolder()) {
      if (path == "/" || HoldsHome(path)) {
        engine->RecordLeft(item, path, Tr("holds the home folder: too wide to clean as a whole"));
        continue;
      }
      item.AddFolder(path, "*", false, true);
    } else {
      item.AddFile(path);
    }
  }
}
