#pragma once
// Well-known folders of the running program and of the user. Every result that names a folder
// ends in the platform's separator, or is empty when the platform has no such folder. Tests set
// their own program, temporary and configuration folders so that they never work in real ones.

#include <string>

#include "backend/Conventions.h"  // kSeparator and kLineBreak of the system
#include "platform/ScopedOverride.h"

namespace platform {

// The folder of the running program file.
std::string programFolder();
// The full path of the running program file.
std::string programPath();
// The user's temporary folder.
std::string tempFolder();
// The user's configuration folder.
std::string configFolder();
// The user's home folder, empty when unknown.
std::string homeFolder();
// The user's data folder, empty when unknown.
std::string dataFolder();
// The user's cache folder, empty when unknown.
std::string cacheFolder();

// Overrides for tests; an empty text stands for the real folder. Each returns the override it
// replaces (empty for none), so that a scope puts back exactly what was there.
std::string setProgramFolder(std::string folder);
std::string setTempFolder(std::string folder);
std::string setConfigFolder(std::string folder);
std::string setHomeFolder(std::string folder);
std::string setDataFolder(std::string folder);
std::string setCacheFolder(std::string folder);

// Each installs its folder for the lifetime of the object, then puts back the one before.
using ScopedProgramFolder = ScopedOverride<&setProgramFolder>;
using ScopedTempFolder = ScopedOverride<&setTempFolder>;
using ScopedConfigFolder = ScopedOverride<&setConfigFolder>;
using ScopedHomeFolder = ScopedOverride<&setHomeFolder>;
using ScopedDataFolder = ScopedOverride<&setDataFolder>;
using ScopedCacheFolder = ScopedOverride<&setCacheFolder>;

// The current folder of the program, with trailing separator; empty when it cannot be named.
std::string currentFolder();

// True when the path is absolute (starts at the root of the file system).
bool isAbsolutePath(const std::string& path);

// A path the user chose, spelled with the links on the way to its last component resolved (a
// home folder reached through a linked /home, say). Destructive steps never follow a link on the
// way to their target, so a path is spelled this way once, when the user names it; a link planted
// later is then refused. The last component is kept as it is (a link chosen itself is removed as
// a link). Unchanged when the folder part cannot be resolved.
std::string withoutLinksAbove(const std::string& path);

}  // namespace platform
