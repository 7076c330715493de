#include "core/Helpers.h"

#include "core/SettingsFolder.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "platform/Wildcard.h"

namespace {

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
  std::string result;
  std::size_t start = 0;
  for (std::size_t found; (found = text.find(from, start)) != std::string::npos;) {
    result.append(text, start, found - start);
    result += to;
    start = found + from.size();
  }
  result.append(text, start, std::string::npos);
  return result;
}

}  // namespace

std::string AddTrailingBackslash(const std::string& text) {
  return platform::withTrailingSeparator(text);
}

std::string RemoveTrailingBackslash(const std::string& text) {
  return platform::withoutTrailingSeparator(text);
}

std::string GetTempFolder() {
  return platform::tempFolder();
}

std::string GetWindowsFolder() {
  return {};
}

std::string GetWindowsTempFolder() {
  const std::string windows = GetWindowsFolder();
  if (windows.empty()) return {};
  return AddTrailingBackslash(windows) + "Temp";
}

std::string GetShortPath(const std::string&) {
  return {};
}

int GetDriveKind(const std::string& root) {
  return platform::drives().driveKind(root);
}

std::string EscapeLineBreaks(const std::string& text) {
  return replaceAll(replaceAll(text, "\r", "#13"), "\n", "#10");
}

std::string UnescapeLineBreaks(const std::string& text) {
  return replaceAll(replaceAll(text, "#13", "\r"), "#10", "\n");
}

std::string GetAppFolder() {
  return platform::programFolder();
}

std::string GetMethodsFolder() {
  return AddTrailingBackslash(GetSettingsFolder() + "Methods");
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& mask) {
  std::vector<std::string> names;
  if (folder.empty()) return names;
  auto entries = platform::fs().listFolder(AddTrailingBackslash(folder));
  if (!entries) return names;
  for (const platform::DirEntry& entry : *entries) {
    if (entry.kind != platform::EntryKind::File) continue;
    if (entry.attributes & (platform::AttrHidden | platform::AttrSystem)) continue;
    if (platform::matchesMask(entry.name, mask)) names.push_back(entry.name);
  }
  return names;
}

std::uint32_t GetClusterSize(const std::string& path) {
  if (!platform::isAbsolutePath(path)) return 1;
  auto space = platform::fs().diskSpace(path);
  if (!space || space->clusterSize == 0) return 1;
  return space->clusterSize;
}

char FilterDigitKey(char key) {
  if ((key >= '0' && key <= '9') || key == 8) return key;
  return 0;
}
