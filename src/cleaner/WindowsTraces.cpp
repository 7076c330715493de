#include "cleaner/WindowsTraces.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "cleaner/CleanerEnvironment.h"
#include "cleaner/RecentLists.h"
#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TmpfilesExclusions.h"
#include "core/Helpers.h"
#include "core/TWipeEngine.h"
#include "core/Translated.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/Processes.h"
#include "platform/TextCase.h"
#include "platform/Trash.h"

namespace {

using platform::kCurrentUser;
using platform::kLocalMachine;

constexpr const char* kOpenSaveKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\";
constexpr const char* kStreamsKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StreamMRU\\";
constexpr const char* kMemoryKey =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kAutoexec = "c:\\autoexec.bat";

std::string NumberedName(int n, bool ntFamily) {
  if (ntFamily) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.3d", n);
    return buffer;
  }
  return std::string(1, static_cast<char>(97 + n));
}

// A name made of `prefix`, `digits` decimal digits and `suffix`, letter case ignored.
bool IsNumberedName(const std::string& name, std::string_view prefix, std::size_t digits,
                    std::string_view suffix) {
  if (name.size() != prefix.size() + digits + suffix.size()) return false;
  if (!platform::equalsNoCase(name.substr(0, prefix.size()), std::string(prefix))) return false;
  for (std::size_t i = prefix.size(); i < prefix.size() + digits; ++i) {
    if (name[i] < '0' || name[i] > '9') return false;
  }
  return platform::equalsNoCase(name.substr(prefix.size() + digits), std::string(suffix));
}

// File systems whose disk checkers put the pieces they find in FOUND.nnn of the root folder.
bool KeepsCheckDiskFragments(const std::string& fileSystem) {
  for (const char* type : {"vfat", "msdos", "fat", "exfat", "ntfs", "ntfs3", "fuseblk"}) {
    if (fileSystem == type) return true;
  }
  return false;
}

constexpr std::chrono::hours kTemporaryFileAge{24};
// The user the system's own services run as.
constexpr std::uint32_t kAdministrator = 0;

}  // namespace

void ClearRecentDocuments(TEraseFiles& item) {
  if (const std::string recent = GetSpecialFolder(sfRecent); !recent.empty()) {
    item.AddFolder(recent, "*.*", true, true);
  }
  RecentLists::ClearDesktopLists(item);
}

void CollectSearchHistory(TEraseRegistry& item, const std::string& ntKey,
                          const std::string& key9x) {
  const bool nt = IsNTFamily();
  const std::string key = nt ? ntKey : key9x;
  platform::Registry& registry = platform::registry();
  item.AddValue(kCurrentUser, key, "MRUList");
  // The 9x names are single characters from "a"; they end where the character codes end.
  const int last = nt ? 1000000 : 255 - 97;
  for (int n = 0; n <= last; ++n) {
    if (!registry.keyExists(kCurrentUser, key)) break;
    const std::string name = NumberedName(n, nt);
    if (!registry.valueExists(kCurrentUser, key, name)) break;
    item.AddValue(kCurrentUser, key, name);
  }
}

void CollectOpenSaveHistory(TEraseRegistry& item) {
  if (!IsNTFamily()) return;
  platform::Registry& registry = platform::registry();
  if (auto subkeys = registry.subkeyNames(kCurrentUser, kOpenSaveKey)) {
    for (const std::string& name : *subkeys) item.AddKey(kCurrentUser, kOpenSaveKey + name);
  }
  if (auto values = registry.valueNames(kCurrentUser, kOpenSaveKey)) {
    for (const std::string& name : *values) item.AddValue(kCurrentUser, kOpenSaveKey, name);
  }
}

void CollectRegistryStreams(TEraseRegistry& item) {
  if (auto values = platform::registry().valueNames(kCurrentUser, kStreamsKey)) {
    for (const std::string& name : *values) item.AddValue(kCurrentUser, kStreamsKey, name);
  }
}

void EmptyClipboard(TEraser& item) {
  IClipboard* clipboard = CleanerEnvironment().Clipboard;
  if (!clipboard || !clipboard->HasContent()) return;
  if (!item.Engine || !item.Engine->Preview) clipboard->Empty();
  if (item.Engine) item.Engine->RecordRemoved(item, Tr("the contents of the clipboard"));
}

void CollectRecycleBins(TEraseFiles& item) {
  TCustomEraserEngine* engine = item.Engine;
  const auto notFollowed = [&](const std::string& path, const std::error_code& error) {
    if (!engine || error == std::errc::no_such_file_or_directory) return;
    engine->RecordLeft(item, path,
                       error == platform::FileError::Link
                           ? std::string(Tr("is a link: not followed"))
                       : error == platform::FileError::MountPoint
                           ? DescribeFailure({path, TWipeFailureReason::MountPoint})
                           : Substituted(Tr("could not be listed ({})"), {error.message()}));
  };
  const auto mountPoint = [&](const std::string& path, const std::string& mounted) {
    if (engine) {
      engine->RecordLeft(item, path, DescribeFailure(MountPointFailure(path, mounted)));
    }
  };
  for (const std::string& trash : platform::trashFolders()) {
    // Everything of a trash is reached from its own top folder and never through a link: on a
    // file system that keeps no owners anyone may have put a link in place of any part of it.
    auto top = platform::fs().openFolderWithoutLinks(trash);
    if (!top) {
      notFollowed(trash, top.error());
      continue;
    }
    const std::string files = trash + "files" + platform::kSeparator;
    const std::string info = trash + "info" + platform::kSeparator;
    auto listing = top->openBeneath("files");
    if (!listing) {
      notFollowed(files, listing.error());
      continue;
    }
    auto entries = listing->list();
    if (!entries) {
      notFollowed(files, entries.error());
      continue;
    }
    // The descriptions are removed only where their folder is a real one.
    auto descriptions = top->openBeneath("info");
    if (!descriptions) notFollowed(info, descriptions.error());
    item.Beneath = trash;
    // Each trashed thing goes with its description, so that the trash never lists a file
    // whose contents are gone.
    for (const platform::DirEntry& entry : *entries) {
      // Something mounted in the trash is not the trash's: it stays, and so does its description.
      if (auto mounted = listing->mountedAt(entry.name, entry)) {
        mountPoint(files + entry.name, *mounted);
        continue;
      }
      if (entry.isFolder()) {
        item.AddFolder(files + entry.name + platform::kSeparator, "*", false, true);
      } else {
        item.AddFile(files + entry.name);
      }
      if (descriptions) item.AddFile(info + entry.name + ".trashinfo");
    }
    item.AddFile(trash + "directorysizes");
    item.Beneath.clear();
  }
}

void CollectTemporaryFiles(TEraseFiles& item) {
  const std::uint32_t user = platform::currentUserId();
  auto open = std::make_shared<std::vector<platform::EntryId>>(
      platform::openFileIds(CleanerEnvironment().ProcessFolder));
  auto byId = [](const platform::EntryId& a, const platform::EntryId& b) {
    return a.device != b.device ? a.device < b.device : a.inode < b.inode;
  };
  std::sort(open->begin(), open->end(), byId);
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const std::int64_t newest =
      std::chrono::duration_cast<std::chrono::nanoseconds>(now - kTemporaryFileAge).count();
  item.RemoveOnlyEmptiedFolders = true;
  item.Admits = [user, open, newest, byId](const platform::DirEntry& entry) {
    if (entry.owner != user) return false;
    if (entry.isFolder()) return true;
    return entry.kind == platform::EntryKind::File && entry.links == 1 &&
           entry.modifiedNs <= newest &&
           !std::binary_search(open->begin(), open->end(), entry.id, byId);
  };
  const std::string own = AddTrailingBackslash(GetTempFolder());
  const std::string shared = GetSharedTempFolder();
  std::vector<std::string> folders = {own};
  // The shared folder holds the system's own files; the administrator cleans it only when it is
  // the temporary folder in use.
  if (shared != own && user != kAdministrator) folders.push_back(shared);
  std::vector<std::string> configFolders = CleanerEnvironment().TmpfilesFolders;
  if (configFolders.empty()) configFolders = TmpfilesExclusions::SystemFolders();
  auto exclusions = std::make_shared<TmpfilesExclusions>(
      configFolders, std::vector<std::string>{RemoveTrailingBackslash(own),
                                              RemoveTrailingBackslash(shared), "/tmp", "/var/tmp"});
  item.PassesOver = [exclusions](const std::string& path) { return exclusions->Excludes(path); };
  for (const std::string& folder : folders) {
    if (!exclusions->Excludes(RemoveTrailingBackslash(folder))) {
      item.AddFolder(folder, "*", true, true);
    }
  }
}

void ArrangeSwapFileClearing(TEraseFiles& item) {
  const bool preview = item.Engine && item.Engine->Preview;
  if (IsNTFamily()) {
    platform::Registry& registry = platform::registry();
    if (!registry.keyExists(kLocalMachine, kMemoryKey)) return;
    if (preview) {
      item.Engine->RecordRemoved(item, Tr("the swap file, cleared when the system shuts down"));
      return;
    }
    if (const platform::Status written =
            registry.writeInteger(kLocalMachine, kMemoryKey, "ClearPageFileAtShutdown", 1);
        !written) {
      throw ECleanerError(Substituted(Tr("The swap file setting cannot be written: {}."),
                                      {written.error().message()}));
    }
    if (!item.Engine) return;
    auto entry = std::make_unique<TPostEraserItem>();
    entry->Kind = pkRestoreValue;
    entry->RootKey = kLocalMachine;
    entry->Key = kMemoryKey;
    entry->ValueName = "ClearPageFileAtShutdown";
    entry->RestoreText = "0";
    item.Engine->PostEraser->Add(std::move(entry));
    return;
  }
  // Windows 9x: a line in the start-up batch file deletes the swap file. Without a Windows
  // folder there is no swap file to name, and nothing is written.
  const std::string windows = GetShortPath(GetWindowsFolder());
  if (windows.empty()) return;
  const std::string line = "del " + AddTrailingBackslash(windows) + "win386.swp";
  if (preview) {
    item.Engine->RecordRemoved(item, Tr("the swap file, deleted at the next start"));
    return;
  }
  auto text = platform::fs().readFile(kAutoexec, 16u << 20);
  if (!text) throw ECleanerError(std::string(Tr("Cannot read ")) + kAutoexec);
  if (!text->empty() && text->back() != '\n') *text += "\r\n";
  if (!platform::fs().writeFileAtomic(kAutoexec, *text + line + "\r\n")) {
    throw ECleanerError(std::string(Tr("Cannot write ")) + kAutoexec);
  }
  if (!item.Engine) return;
  auto entry = std::make_unique<TPostEraserItem>();
  entry->Kind = pkRemoveLine;
  entry->Path = kAutoexec;
  entry->Line = line;
  item.Engine->PostEraser->Add(std::move(entry));
}

void CollectCheckDiskFragments(TEraseFiles& item) {
  item.AddExclusion("edb.chk");
  item.AddExclusion("softokn3.chk");
  item.RemoveOnlyEmptiedFolders = true;
  item.Admits = [](const platform::DirEntry& entry) {
    return entry.kind == platform::EntryKind::File && entry.links == 1 &&
           IsNumberedName(entry.name, "FILE", 4, ".CHK");
  };
  for (const std::string& root : platform::drives().driveRoots()) {
    if (GetDriveKind(root) != platform::DriveFixed) continue;
    if (!KeepsCheckDiskFragments(platform::drives().fileSystem(root))) continue;
    auto folder = platform::fs().openFolder(root);
    if (!folder) continue;
    auto entries = folder->list();
    if (!entries) continue;
    for (const platform::DirEntry& entry : *entries) {
      if (entry.isFolder() && IsNumberedName(entry.name, "FOUND.", 3, "")) {
        item.AddFolder(AddTrailingBackslash(root) + entry.name + platform::kSeparator, "*", false,
                       false);
      }
    }
  }
}
