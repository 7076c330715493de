#include "core/SettingsFolder.h"

#include <system_error>
#include <utility>

#include "core/Helpers.h"
#include "core/IniDocument.h"
#include "core/TWipeMethod.h"
#include "core/Translated.h"
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

enum class Copied { Done, NoSource, Failed };

// Copies the shipped file to the target. A file too large to be read is not copied at all, so
// no copy is ever cut short. A failure is named in the choice's problems.
Copied copyShipped(const std::string& from, const std::string& to, std::uint64_t maxBytes,
                   TSettingsChoice& choice) {
  platform::FileSystem& files = platform::fs();
  const auto contents = files.readFile(from, maxBytes);
  if (!contents) {
    if (contents.error() == std::errc::no_such_file_or_directory) return Copied::NoSource;
    choice.Problems.push_back(
        Substituted(Tr("{}: could not be read{}"), {from, reasonOf(contents.error())}));
    return Copied::Failed;
  }
  if (const platform::Status wrote = files.writeFileAtomic(to, *contents); !wrote) {
    choice.Problems.push_back(
        Substituted(Tr("{}: could not be written{}"), {to, reasonOf(wrote.error())}));
    return Copied::Failed;
  }
  return Copied::Done;
}

// Copies the shipped file to the target unless something is there already.
void seedFile(const std::string& from, const std::string& to, std::uint64_t maxBytes,
              TSettingsChoice& choice) {
  const auto there = platform::fs().info(to);
  if (there || there.error() != std::errc::no_such_file_or_directory) return;
  if (copyShipped(from, to, maxBytes, choice) == Copied::Done) choice.Seeded.push_back(to);
}

// Removes the folder the methods are gathered in, with the files in it: what a start that did
// not finish left there is only a part of the shipped methods. Links in it are removed as links.
// Fails with the first reason something stayed; a folder that is not there is no failure.
platform::Status removeGathering(const std::string& gathering) {
  platform::FileSystem& files = platform::fs();
  platform::Status first;
  if (const auto entries = files.listFolder(gathering)) {
    for (const platform::DirEntry& entry : *entries) {
      if (entry.isFolder()) continue;
      const platform::Status deleted =
          files.deleteFile(AddTrailingBackslash(gathering) + entry.name);
      if (first && !deleted) first = deleted;
    }
  }
  const platform::Status removed = files.removeFolder(gathering);
  if (first && !removed && removed.error() != std::errc::no_such_file_or_directory) {
    first = removed;
  }
  return first;
}

// Gives the user's folder the shipped methods when it has no "Methods" folder yet (methods the
// user deleted do not come back). They are gathered in a folder of their own, which gets the
// name "Methods" only once every one is there: a start that runs out of space or is stopped
// part-way never leaves a "Methods" folder with part of them, and the next start tries again.
void seedMethods(const std::string& folder, const std::string& shipped, TSettingsChoice& choice) {
  const std::string methods = folder + "Methods";
  const auto methodsThere = platform::fs().info(methods);
  if (methodsThere || methodsThere.error() != std::errc::no_such_file_or_directory) return;
  const std::string gathering = folder + ".Methods.seeding";
  if (const platform::Status cleared = removeGathering(gathering); !cleared) {
    choice.Problems.push_back(
        Substituted(Tr("{}: what an earlier start left could not be removed{}"),
                    {gathering, reasonOf(cleared.error())}));
    return;
  }
  if (const platform::Status made = platform::fs().createFolder(gathering); !made) {
    choice.Problems.push_back(
        Substituted(Tr("{}: could not be made{}"), {gathering, reasonOf(made.error())}));
    return;
  }
  const std::string from = shipped + "Methods/";
  std::vector<std::string> copied;
  for (const std::string& name : ListFiles(from, "**.mtd")) {
    const Copied outcome = copyShipped(from + name, AddTrailingBackslash(gathering) + name,
                                       TWipeMethod::kMaxFileSize, choice);
    if (outcome == Copied::Failed) {
      // What stays of the gathering is removed first at the next start, which says so if it
      // cannot.
      platform::discardResult(removeGathering(gathering));
      choice.Problems.push_back(methods +
                                Tr(": the shipped methods were not copied; the next start "
                                   "tries again"));
      return;
    }
    if (outcome == Copied::Done) copied.push_back(name);
  }
  if (const platform::Status named = platform::fs().rename(gathering, methods); !named) {
    // As above: the next start removes what stays, or says why it cannot.
    platform::discardResult(removeGathering(gathering));
    choice.Problems.push_back(
        Substituted(Tr("{}: could not be made{}"), {methods, reasonOf(named.error())}));
    return;
  }
  for (const std::string& name : copied) {
    choice.Seeded.push_back(AddTrailingBackslash(methods) + name);
  }
}

// Gives the user's folder the shipped files it lacks.
void seed(const std::string& folder, const std::string& shipped, TSettingsChoice& choice) {
  seedMethods(folder, shipped, choice);
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
    choice.Problems.push_back(Tr("the user's configuration folder is not known (no home folder)"));
    choice.Folder = choice.Shipped;
  } else {
    const std::string own = AddTrailingBackslash(config + "ferrovane");
    if (const platform::Status made = platform::ensureFolder(RemoveTrailingBackslash(own)); made) {
      choice.Folder = own;
      seed(own, choice.Shipped, choice);
    } else {
      choice.Problems.push_back(
          Substituted(Tr("{}: could not be made{}"), {own, ": " + made.error().message()}));
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
