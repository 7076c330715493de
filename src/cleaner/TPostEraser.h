#pragma once
// Actions that a cleaning run could not finish, kept in memory in the order they arose.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Registry.h"

enum TPostEraserItemKind : std::uint8_t {
  pkDeleteFile = 1,    // Path could not be deleted
  pkRestoreValue = 3,  // ValueName of Key under RootKey is to be set back to RestoreText
  pkRemoveLine = 4,    // Line is to be taken out of the text file Path again
};

class TPostEraserItem {
 public:
  TPostEraserItemKind Kind = pkDeleteFile;
  std::string Path;
  platform::RegistryRoot RootKey = platform::kCurrentUser;
  std::string Key;
  std::string ValueName;
  std::string RestoreText;
  std::string Line;
};

class TPostEraser {
 public:
  // Composes PostEraseFile from the program folder.
  TPostEraser();
  TPostEraser(const TPostEraser&) = delete;
  TPostEraser& operator=(const TPostEraser&) = delete;

  // "posterase.dat" in the program folder. Reserved: the list is neither written there nor read
  // from there.
  std::string PostEraseFile;
  std::vector<std::unique_ptr<TPostEraserItem>> Items;

  // Appends the entry; the list owns it from then on.
  TPostEraserItem* Add(std::unique_ptr<TPostEraserItem> item);
};
