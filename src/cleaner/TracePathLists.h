#pragma once
// The user's own lists of the Clean traces page, kept in the settings file: extra files and
// folders that the item "Custom Files and Folders" cleans (section [CleanTracesCustom]), and
// the places that no item ever cleans (section [CleanTracesKeep]). Each section holds Count and
// the paths as Path1 ... PathN; "~/" at the start of a path stands for the home folder.

#include <string>
#include <vector>

class TIniFile;

struct TTracePathLists {
  std::vector<std::string> Custom;
  std::vector<std::string> Keep;

  static const char* const CustomSection;
  static const char* const KeepSection;

  // Reads both lists as written (empty ones when the file holds none).
  void Read(const TIniFile& settings);
  // Writes both lists in one step (raises EIniFileError when it cannot); entries beyond the
  // new end of a list are emptied.
  void Write(const std::string& settingsFile) const;

  // The path as the cleaner uses it: "~/" made the home folder, blanks around it and trailing
  // separators taken away. Empty when it is not an absolute path then.
  static std::string Resolved(const std::string& written);
  // Whether the path (absolute, without trailing separator) is a kept place or lies below one.
  // A kept entry may hold "*" and "?" within its components; a kept entry that is not absolute
  // keeps nothing.
  static bool Keeps(const std::vector<std::string>& keep, const std::string& path);
};
