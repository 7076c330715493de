#include "cleaner/WindowsTraces.h"

#include <cstdio>

#include "cleaner/CleanerEnvironment.h"
#include "cleaner/TCustomEraserEngine.h"
#include "core/Helpers.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"

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

bool IsFolder(const std::string& path) {
  auto info = platform::fs().info(path);
  return info && info->kind == platform::EntryKind::Folder;
}

}  // namespace

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

void EmptyClipboard(TEraser&) {
  if (IClipboard* clipboard = CleanerEnvironment().Clipboard) clipboard->Empty();
}

void CollectRecycleBins(TEraseFiles& item) {
  for (const std::string& root : platform::drives().driveRoots()) {
    const std::string folder = AddTrailingBackslash(root) + "Recycled";
    if (IsFolder(folder)) item.AddFolder(AddTrailingBackslash(folder), "*.*", true, true);
  }
}

void ArrangeSwapFileClearing(TEraseFiles& item) {
  if (IsNTFamily()) {
    platform::Registry& registry = platform::registry();
    if (!registry.keyExists(kLocalMachine, kMemoryKey)) return;
    if (!registry.writeInteger(kLocalMachine, kMemoryKey, "ClearPageFileAtShutdown", 1)) {
      throw ECleanerError("The swap file setting cannot be written.");
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
  auto text = platform::fs().readFile(kAutoexec, 16u << 20);
  if (!text) throw ECleanerError(std::string("Cannot read ") + kAutoexec);
  if (!text->empty() && text->back() != '\n') *text += "\r\n";
  if (!platform::fs().writeFileAtomic(kAutoexec, *text + line + "\r\n")) {
    throw ECleanerError(std::string("Cannot write ") + kAutoexec);
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
  for (const std::string& root : platform::drives().driveRoots()) {
    try {
      if (GetDriveKind(root) == platform::DriveFixed) item.CollectFiles(root, "*.chk", nullptr, true);
    } catch (const std::exception&) {
      // A drive that cannot be walked is passed over.
    }
  }
}
