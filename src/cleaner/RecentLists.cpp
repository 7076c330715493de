#include "cleaner/RecentLists.h"

#include <algorithm>
#include <optional>

#include "cleaner/DesktopRecentFiles.h"
#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TEraseFiles.h"
#include "cleaner/TEraseRegistry.h"
#include "cleaner/TraceFileEdits.h"
#include "cleaner/TracePaths.h"
#include "cleaner/XmlReader.h"
#include "core/Translated.h"
#include "platform/Registry.h"

namespace {

using platform::kCurrentUser;

const std::string kExplorer = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kApplets = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets";

bool IsMountPointName(const std::string& name) {
  return name.size() >= 2 && name[0] == '#' && name[1] == '#';
}

// The bookmark file without its bookmarks (those inside folders too): an empty document of the
// same form. Null when the text is not a bookmark file (it is then left as it is).
std::optional<std::string> WithoutBookmarks(const std::string& text, std::size_t& removed) {
  const std::optional<std::size_t> count = DesktopRecentFiles::BookmarkCount(text);
  if (!count) return std::nullopt;
  removed = *count;
  if (removed == 0) return text;
  return std::string(DesktopRecentFiles::kEmptyList);
}

}  // namespace

void RecentLists::ClearDesktopLists(TEraseFiles& item) {
  const std::string list = DesktopRecentFiles::ListPath();
  if (!list.empty()) RewriteListFile(item, list, WithoutBookmarks, TrNoop("recently used files"));
  // The folder itself stays: the desktop expects to find it.
  const std::string documents = DesktopRecentFiles::DocumentsFolder();
  if (IsFolder(documents)) item.AddFolder(documents, "*", true, true);
}

namespace {

void CollectValues(TEraseRegistry& item, const std::string& key, bool mountPointsOnly) {
  const auto names = item.Store().valueNames(kCurrentUser, key);
  if (!names) return;
  for (const std::string& name : *names) {
    if (!mountPointsOnly || IsMountPointName(name)) item.AddValue(kCurrentUser, key, name);
  }
}

void CollectSubkeys(TEraseRegistry& item, const std::string& key) {
  const auto names = item.Store().subkeyNames(kCurrentUser, key);
  if (!names) return;
  for (const std::string& name : *names) item.AddKey(kCurrentUser, key + "\\" + name);
}

bool HoldsValues(platform::Registry& registry, const std::string& key, bool mountPointsOnly) {
  const auto names = registry.valueNames(kCurrentUser, key);
  if (!names) return false;
  return mountPointsOnly ? std::any_of(names->begin(), names->end(), IsMountPointName)
                         : !names->empty();
}

}  // namespace

const std::vector<TRecentList>& RecentLists::All() {
  using K = TRecentListKind;
  static const std::vector<TRecentList> lists = {
      {"", TrNoop("MS Word"), K::None, {}, nullptr},
      {"RecentWordPad", "WordPad", K::Values, kApplets + "\\Wordpad\\Recent File List", nullptr},
      {"RecentPaint", TrNoop("Microsoft Paint"), K::Values, kApplets + "\\Paint\\Recent File List",
       nullptr},
      {"RecentMediaPlayer", TrNoop("Media Player"), K::Values,
       "\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList", nullptr},
      {"RecentMediaPlayerUrls", TrNoop("Media Player URLs"), K::Values,
       "\\Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList", nullptr},
      {"", TrNoop("Recent folder"), K::None, {}, nullptr},
      {"", TrNoop("Nethood folder"), K::None, {}, nullptr},
      {"", TrNoop("MS Office Recent"), K::None, {}, nullptr},
      {"RecentExplorerDocuments", TrNoop("Explorer Recent Documents"), K::ValuesAndSubkeys,
       kExplorer + "\\RecentDocs", nullptr},
      {"RecentOpenSave", TrNoop("Open/Save MRU"), K::ValuesAndSubkeys,
       kExplorer + "\\ComDlg32\\OpenSaveMRU", nullptr},
      {"RecentLastVisited", TrNoop("Last Visited MRU"), K::Values,
       kExplorer + "\\ComDlg32\\LastVisitedMRU", nullptr},
      {"RecentRun", TrNoop("Run MRU"), K::Values, kExplorer + "\\RunMRU", nullptr},
      {"RecentTypedUrls", TrNoop("Internet Explorer Typed URLs"), K::Values,
       "\\Software\\Microsoft\\Internet Explorer\\TypedURLs", nullptr},
      {"", TrNoop("Opera's URL history"), K::None, {}, nullptr},
      {"RecentMountPoints", TrNoop("Mount Points"), K::MountPoints, kExplorer + "\\MountPoints2",
       nullptr},
      {"RecentMapNetworkDrive", TrNoop("Map Network Drive MRU"), K::Values,
       kExplorer + "\\Map Network Drive MRU", nullptr},
      {"RecentDesktopFiles",
       TrNoop("Recently used files (desktop)"),
       K::Desktop,
       {},
       TrNoop("~/.local/share/recently-used.xbel and ~/.local/share/RecentDocuments")},
  };
  return lists;
}

std::size_t RecentLists::ItemCount() {
  return static_cast<std::size_t>(
      std::count_if(All().begin(), All().end(),
                    [](const TRecentList& list) { return list.Kind != TRecentListKind::None; }));
}

TEraser* RecentLists::AddItem(TCustomEraserEngine& engine, const TRecentList& list) {
  std::unique_ptr<TEraser> item;
  const std::string key = list.Key;
  switch (list.Kind) {
    case TRecentListKind::None:
      return nullptr;
    case TRecentListKind::Desktop:
      item = std::make_unique<TEraseFiles>();
      item->OnErase = [](TEraser& self) {
        RecentLists::ClearDesktopLists(static_cast<TEraseFiles&>(self));
      };
      break;
    case TRecentListKind::Values:
    case TRecentListKind::MountPoints: {
      const bool mountPoints = list.Kind == TRecentListKind::MountPoints;
      item = std::make_unique<TEraseRegistry>();
      item->OnErase = [key, mountPoints](TEraser& self) {
        CollectValues(static_cast<TEraseRegistry&>(self), key, mountPoints);
      };
      break;
    }
    case TRecentListKind::ValuesAndSubkeys:
      item = std::make_unique<TEraseRegistry>();
      item->OnErase = [key](TEraser& self) {
        CollectValues(static_cast<TEraseRegistry&>(self), key, false);
        CollectSubkeys(static_cast<TEraseRegistry&>(self), key);
      };
      break;
  }
  item->Name = list.Name;
  item->Caption = list.Caption;
  item->Enabled = false;
  return engine.AddEraser(std::move(item));
}

void RecentLists::AddItems(TCustomEraserEngine& engine) {
  for (const TRecentList& list : All()) AddItem(engine, list);
}

TEraser* RecentLists::AddKeyItem(TCustomEraserEngine& engine, const std::string& key) {
  auto item = std::make_unique<TEraseRegistry>();
  item->Name = "OtherRecentList";
  item->Caption = key;
  item->OnErase = [key](TEraser& self) {
    CollectValues(static_cast<TEraseRegistry&>(self), key, false);
  };
  return engine.AddEraser(std::move(item));
}

bool RecentLists::Holds(const TRecentList& list, platform::Registry& registry) {
  switch (list.Kind) {
    case TRecentListKind::None:
      return false;
    case TRecentListKind::Desktop:
      return DesktopRecentFiles::HasSomethingToClear();
    case TRecentListKind::MountPoints:
      return HoldsValues(registry, list.Key, true);
    case TRecentListKind::ValuesAndSubkeys: {
      const auto keys = registry.subkeyNames(kCurrentUser, list.Key);
      if (keys && !keys->empty()) return true;
      return HoldsValues(registry, list.Key, false);
    }
    case TRecentListKind::Values:
      return HoldsValues(registry, list.Key, false);
  }
  return false;
}

bool RecentLists::KeyHolds(const std::string& key, platform::Registry& registry) {
  return HoldsValues(registry, key, false);
}
