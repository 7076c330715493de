#include "core/SettingsFolder.h"

#include <system_error>
#include <utility>

#include "core/Helpers.h"
#include "core/IniDocument.h"
#include "core/TWipeMethod.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"

#ifndef FERROVANE_SHIPPED_FROM_PROGRAM
// Where an installed program's files lie, seen from the program's folder.
#define FERROVANE_SHIPPED_FROM_PROGRAM "../share/ferrovane"
#endif

namespace {

std::string chosenFolder;

bool isFolder(const std::string& path) {
  const auto info = platform::fs().info(RemoveTrailingBackslash(path));
  return info && info->isFolder();
}

// The folder `relative` names from `folder`, with each ".." taking off one folder name.
std::string joinFolders(std::string folder, const std::string& relative) {
  std::size_t start = 0;
  while (start < relative.size()) {
    std::size_t end = relative.find(platform::kSeparator, start);
    if (end == std::string::npos) end = relative.size();
    const std::string part = relative.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      folder = RemoveTrailingBackslash(folder);
      const auto separator = folder.rfind(platform::kSeparator);
      if (separator == std::string::npos) return {};
      folder.resize(separator + 1);
    } else {
      folder = AddTrailingBackslash(folder) + part;
    }
  }
  return AddTrailingBackslash(folder);
}

std::string reasonOf(const std::error_code& error) {
  return error ? " (" + error.message() + ")" : std::string();
}

// Copies the shipped file to the target unless something is there already. A file too large to
// be read is not copied at all, so no copy is ever cut short.
void seedFile(const std::string& from, const std::string& to, std::uint64_t maxBytes,
              TSettingsChoice& choice) {
  platform::FileSystem& files = platform::fs();
  const auto there = files.info(to);
  if (there || there.error() != std::errc::no_such_file_or_directory) return;
  const auto contents = files.readFile(from, maxBytes);
  if (!contents) {
    if (contents.error() != std::errc::no_such_file_or_directory) {
      choice.Problems.push_back(from + ": could not be read" + reasonOf(contents.error()));
    }
    return;
  }
  if (const platform::Status wrote = files.writeFileAtomic(to, *contents); !wrote) {
    choice.Problems.push_back(to + ": could not be written" + reasonOf(wrote.error()));
    return;
  }
  choice.Seeded.push_back(to);
}

// Gives the user's folder the shipped files it lacks. The methods are copied only when the
// user's folder has no "Methods" folder yet: methods the user deleted do not come back.
void seed(const std::string& folder, const std::string& shipped, TSettingsChoice& choice) {
  const std::string methods = folder + "Methods";
  const auto methodsThere = platform::fs().info(methods);
  if (!methodsThere && methodsThere.error() == std::errc::no_such_file_or_directory) {
    if (const platform::Status made = platform::fs().createFolder(methods); !made) {
      choice.Problems.push_back(methods + ": could not be made" + reasonOf(made.error()));
    } else {
      const std::string from = shipped + "Methods/";
      for (const std::string& name : ListFiles(from, "**.mtd")) {
        seedFile(from + name, AddTrailingBackslash(methods) + name, TWipeMethod::kMaxFileSize,
                 choice);
      }
    }
  }
  seedFile(shipped + "Ferrovane.ini", folder + "Ferrovane.ini", IniDocument::kMaxFileSize, choice);
  seedFile(shipped + "prefs.dat", folder + "prefs.dat", IniDocument::kMaxFileSize, choice);
}

}  // namespace

std::string GetShippedFolder() {
  const std::string program = platform::programFolder();
  const std::string installed = joinFolders(program, FERROVANE_SHIPPED_FROM_PROGRAM);
  return !installed.empty() && isFolder(installed) ? installed : program;
}

TSettingsChoice ChooseSettingsFolder() {
  TSettingsChoice choice;
  const std::string program = platform::programFolder();
  choice.Shipped = GetShippedFolder();
  const auto space = program.empty() ? std::nullopt : platform::fs().diskSpace(program);
  const bool installed = choice.Shipped != program;
  if (!installed && space && space->writable) {
    choice.Folder = program;
    choice.BesideProgram = true;
  } else if (const std::string config = platform::configFolder(); config.empty()) {
    choice.Problems.push_back("the user's configuration folder is not known (no home folder)");
    choice.Folder = choice.Shipped;
  } else {
    const std::string own = AddTrailingBackslash(config + "ferrovane");
    if (platform::ensureFolder(RemoveTrailingBackslash(own))) {
      choice.Folder = own;
      seed(own, choice.Shipped, choice);
    } else {
      choice.Problems.push_back(own + ": could not be made");
      choice.Folder = choice.Shipped;
    }
  }
  SetSettingsFolder(choice.Folder);
  return choice;
}

std::string GetSettingsFolder() {
  return chosenFolder.empty() ? platform::programFolder() : chosenFolder;
}

std::string SetSettingsFolder(const std::string& folder) {
  return std::exchange(chosenFolder, AddTrailingBackslash(folder));
}
