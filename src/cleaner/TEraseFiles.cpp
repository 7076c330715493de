#include "cleaner/TEraseFiles.h"

#include "cleaner/FileMask.h"
#include "cleaner/TCustomEraserEngine.h"
#include "core/Helpers.h"
#include "core/WipeServices.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Wildcard.h"
#include "platform/TextCase.h"

namespace {

std::string FileNameOf(const std::string& path) {
  auto separator = path.rfind(platform::kSeparator);
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

// A folder walk starts only at a real folder, never at a symbolic link to one.
bool IsRealFolder(const std::string& path) {
  if (!platform::isAbsolutePath(path)) return false;
  std::string folder = path;
  while (folder.size() > 1 && folder.back() == platform::kSeparator) folder.pop_back();
  auto info = platform::fs().info(folder);
  return info && info->kind == platform::EntryKind::Folder;
}

}  // namespace

void TEraseFiles::AddFolder(const std::string& path, const std::string& mask, bool keepFolder,
                            bool recursive) {
  if (!platform::isAbsolutePath(path)) return;
  auto item = std::make_unique<TEraserItem>();
  item->Kind = ekFolder;
  item->Path = path;
  item->Mask = mask;
  item->KeepFolder = keepFolder;
  item->Recursive = recursive;
  AddItem(std::move(item));
}

void TEraseFiles::AddFile(const std::string& path) {
  if (!platform::isAbsolutePath(path) || IsExcluded(path)) return;
  auto item = std::make_unique<TEraserItem>();
  item->Kind = ekFile;
  item->Path = path;
  AddItem(std::move(item));
}

void TEraseFiles::AddExclusion(const std::string& text) { Exclusions.push_back(text); }

bool TEraseFiles::IsExcluded(const std::string& path) const {
  const std::string name = FileNameOf(path);
  for (const std::string& exclusion : Exclusions) {
    if (MatchesFileMask(name, exclusion).value_or(false) || platform::equalsNoCase(name, exclusion)) {
      return true;
    }
  }
  return false;
}

TEraseFiles::MountPoints TEraseFiles::CurrentMountPoints() {
  std::vector<std::string> points = platform::drives().mountPoints();
  return {points.begin(), points.end()};
}

void TEraseFiles::CollectFiles(const std::string& folder, const std::string& mask,
                               std::vector<std::string>* list, bool recursive) {
  if (!IsRealFolder(folder)) return;
  bool stop = false;
  CollectIn(folder, mask, list, recursive, CurrentMountPoints(), stop);
}

void TEraseFiles::CollectIn(const std::string& folder, const std::string& mask,
                            std::vector<std::string>* list, bool recursive,
                            const MountPoints& mounts, bool& stop) {
  const std::string base = AddTrailingBackslash(folder);
  auto entries = platform::fs().listFolder(base);
  if (!entries) return;
  for (const platform::DirEntry& entry : *entries) {
    if (!platform::matchesMask(entry.name, mask)) continue;
    WipeServices().ProcessMessages();
    if (Cancelled()) {
      stop = true;
      return;
    }
    if (entry.isFolder()) continue;
    if (list) {
      list->push_back(base + entry.name);
    } else {
      AddFile(base + entry.name);
    }
  }
  if (!recursive) return;
  for (const platform::DirEntry& entry : *entries) {
    WipeServices().ProcessMessages();
    if (Cancelled()) {
      stop = true;
      return;
    }
    const std::string child = base + entry.name;
    if (!entry.isFolder() || mounts.count(child)) continue;
    CollectIn(child, mask, list, recursive, mounts, stop);
    if (stop) return;
  }
}

bool TEraseFiles::EraseFile(const std::string& path) {
  if (!platform::isAbsolutePath(path)) return false;
  auto info = platform::fs().info(path);
  if (!info || info->kind == platform::EntryKind::Folder) return false;
  if (info->attributes & platform::AttrReadOnly) {
    platform::fs().setAttributes(path, info->attributes & ~std::uint32_t{platform::AttrReadOnly});
  }
  if (platform::fs().deleteFile(path)) return true;
  if (Engine) {
    auto entry = std::make_unique<TPostEraserItem>();
    entry->Kind = pkDeleteFile;
    entry->Path = path;
    Engine->PostEraser->Add(std::move(entry));
  }
  return false;
}

void TEraseFiles::EraseFolder(const std::string& path, const std::string& mask, bool keepFolder,
                              bool recursive) {
  if (!IsRealFolder(path)) return;
  EraseIn(path, mask, keepFolder, recursive, CurrentMountPoints());
}

void TEraseFiles::EraseIn(const std::string& path, const std::string& mask, bool keepFolder,
                          bool recursive, const MountPoints& mounts) {
  const std::string base = AddTrailingBackslash(path);
  auto entries = platform::fs().listFolder(base);
  if (entries) {
    for (const platform::DirEntry& entry : *entries) {
      if (!platform::matchesMask(entry.name, mask)) continue;
      WipeServices().ProcessMessages();
      if (Cancelled()) return;
      if (!entry.isFolder() && !IsExcluded(entry.name)) EraseFile(base + entry.name);
    }
  }
  if (recursive && entries) {
    for (const platform::DirEntry& entry : *entries) {
      WipeServices().ProcessMessages();
      if (Cancelled()) return;
      const std::string child = base + entry.name;
      if (!entry.isFolder() || mounts.count(child)) continue;
      EraseIn(child, mask, false, recursive, mounts);
    }
  }
  if (!keepFolder) platform::fs().removeFolder(RemoveTrailingBackslash(path));
}

void TEraseFiles::Erase() {
  TEraser::Erase();
  for (const auto& item : Items) {
    if (item->Path.empty()) continue;
    if (item->Kind == ekFile) {
      EraseFile(item->Path);
    } else if (item->Kind == ekFolder) {
      EraseFolder(item->Path, item->Mask, item->KeepFolder, item->Recursive);
    }
  }
}

void TEraseFiles::Load(const pugi::xml_node& element) {
  TEraser::Load(element);
  LoadTextList(element, "Exclude", "FileName", Exclusions);
}

pugi::xml_node TEraseFiles::Save(pugi::xml_node& element) const {
  pugi::xml_node own = TEraser::Save(element);
  SaveTextList(own, "Exclude", "FileName", Exclusions);
  return own;
}
