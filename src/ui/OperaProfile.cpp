#include "ui/OperaProfile.h"

#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Registry.h"

namespace {

constexpr char kSep = platform::kSeparator;

bool folderExists(const std::string& path) {
  if (!platform::isAbsolutePath(path)) return false;
  const auto info = platform::fs().info(path);
  return info && info->kind == platform::EntryKind::Folder;
}

// The folder of the program at the start of a command line: the text before the separator
// that precedes the first full stop (or, without a full stop, the last separator).
std::string programFolderOf(const std::string& commandLine) {
  std::size_t end = commandLine.find('.');
  if (end == std::string::npos) end = commandLine.size();
  const std::size_t separator = end == 0 ? std::string::npos : commandLine.rfind(kSep, end - 1);
  if (separator == std::string::npos) return {};
  return commandLine.substr(0, separator);
}

}  // namespace

std::string FindOperaProfile(const TRegistryTextReader& readUserValue) {
  if (!readUserValue) return {};
  if (const auto commandLine = readUserValue("\\Software\\Opera Software", "Last CommandLine v2")) {
    const std::string folder = programFolderOf(*commandLine);
    const std::string profile = folder + kSep + "profile";
    if (!folder.empty() && folderExists(profile)) return profile;
  }
  if (const auto appData = readUserValue(
          "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "AppData")) {
    // An empty value would turn the folder into one at the root of the file system.
    if (!appData->empty() && folderExists(*appData + kSep + "Opera")) {
      return *appData + kSep + "Opera" + kSep + "profile";
    }
  }
  return {};
}

TRegistryTextReader UserRegistryReader() {
  return [](const std::string& key, const std::string& value) {
    return platform::registry().readString(platform::kCurrentUser, key, value);
  };
}
