#pragma once
// One work entry of a cleanable item: a file, a folder walk, a registry key or a registry value.

#include <cstdint>
#include <string>

#include "platform/Registry.h"

enum TEraserItemKind : std::uint8_t {
  ekFile = 0,      // Path is a file to delete
  ekFolder = 1,    // Path is a folder to walk with Mask, KeepFolder and Recursive
  ekRegKey = 2,    // Key under RootKey goes with all its subkeys
  ekRegValue = 3,  // the value ValueName of Key under RootKey goes
};

class TEraserItem {
 public:
  TEraserItemKind Kind = ekFile;
  std::string Path;
  // The item's own top folder (a trash folder), when it has one: the path is reached from it,
  // never above it and never through a link. Empty: from the mount that holds the path.
  std::string Anchor;
  std::string Mask;
  bool KeepFolder = false;
  bool Recursive = false;
  platform::RegistryRoot RootKey = platform::kCurrentUser;
  std::string Key;
  std::string ValueName;
};
