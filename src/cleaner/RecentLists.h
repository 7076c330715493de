#pragma once
// The lists of recently used files, one by one, as the Clear-recently-used-files page shows
// them, and the items that clear them; `clean` runs the same items as its group "recent". The
// desktop's own list is the bookmark file "recently-used.xbel" of the user's data folder and the
// "RecentDocuments" folder beside it. The lists Windows and its applets keep in the registry
// are read from the registry store in use (on Linux the program's own, which holds them only
// when a registry was imported into it). A few lists have no routine: nothing clears them.

#include <string>
#include <vector>

class TCustomEraserEngine;
class TEraseFiles;
class TEraser;
namespace platform {
class Registry;
}

// What an item of a list deletes.
enum class TRecentListKind {
  None,              // nothing: the list is not kept where this program can reach it
  Values,            // every value of the key
  ValuesAndSubkeys,  // every value of the key, then every subkey with what is below it
  MountPoints,       // the values of the key whose names begin with "##"
  Desktop,           // the desktop's bookmark file and documents folder
};

struct TRecentList {
  const char* Name;     // the item's name (its check state in the settings); "" without an item
  const char* Caption;  // as the page shows it
  TRecentListKind Kind;
  std::string Key;         // the registry key below the current user's root, for registry lists
  const char* LinuxPlace;  // where it reaches on Linux; null: a list only Windows keeps
};

class RecentLists {
 public:
  // Every list, in the page's order.
  static const std::vector<TRecentList>& All();
  // How many of them have an item (their items come in the same order).
  static std::size_t ItemCount();

  // Appends an item, owned by the engine, that clears the list (a list without routine gets
  // none: null). Its entries are collected afresh each time it runs, so a preview names what is
  // there then, and the engine's preview, records, overwrite option and journal notes apply.
  static TEraser* AddItem(TCustomEraserEngine& engine, const TRecentList& list);
  // Appends the items of every list that has one, in order; none is checked at first.
  static void AddItems(TCustomEraserEngine& engine);
  // Appends an item that deletes every value of a key of another program's list (found by a
  // search or added by hand); its caption is the key.
  static TEraser* AddKeyItem(TCustomEraserEngine& engine, const std::string& key);

  // The work of the desktop's list, for any item that clears it: the bookmark file is rewritten
  // without its bookmarks (an empty document of the same form, replaced as one step), and the
  // entries of the documents folder are deleted by the item's walk (the folder stays).
  static void ClearDesktopLists(TEraseFiles& item);

  // Whether the list holds something to clear now, in the registry given.
  static bool Holds(const TRecentList& list, platform::Registry& registry);
  // Whether the key holds a value.
  static bool KeyHolds(const std::string& key, platform::Registry& registry);
};
