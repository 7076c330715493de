#include "cleaner/TEraseFiles.h"

#include <optional>

#include "cleaner/FileMask.h"
#include "cleaner/TCustomEraserEngine.h"
#include "core/Helpers.h"
#include "core/TWipeEngine.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "platform/TextCase.h"
#include "platform/Wildcard.h"

namespace {

// The folder where a walk starts, open, with the folder that holds it (none for the root).
struct WalkRoot {
  std::unique_ptr<platform::Folder> parent;
  std::string name;
  std::unique_ptr<platform::Folder> folder;
};

// Why a walk could not start: the system's reason, and for a mount point the type of the file
// system mounted there.
struct Unreached {
  std::error_code error;
  std::string mounted;
};

// A walk starts only at a real folder, never at a symbolic link to one, and reaches it without
// following a link on the way (from its own top folder `anchor` when it has one). Beneath its
// own top folder, nothing on another mount is entered, the walk's folder included; without one,
// the folder may be a mount point itself (a temporary folder on a tmpfs).
std::optional<WalkRoot> OpenWalkRoot(const std::string& path, const std::string& anchor,
                                     Unreached& unreached) {
  if (!platform::isAbsolutePath(path)) return std::nullopt;
  auto place = anchor.empty() ? platform::openContainingFolder(path)
                              : platform::openContainingFolderBeneath(anchor, path);
  if (!place) {
    unreached.error = place.error();
    return std::nullopt;
  }
  WalkRoot root;
  root.name = place->name;
  if (root.name.empty()) {
    root.folder = std::move(place->folder);
    return root;
  }
  root.parent = std::move(place->folder);
  const auto listed = root.parent->entry(root.name);
  if (!listed) {
    unreached.error = listed.error();
    return std::nullopt;
  }
  if (listed->kind == platform::EntryKind::Link) {
    unreached.error = platform::FileError::Link;
    return std::nullopt;
  }
  if (!listed->isFolder()) return std::nullopt;
  if (!anchor.empty()) {
    if (auto mounted = root.parent->mountedAt(root.name, *listed)) {
      unreached = {platform::FileError::MountPoint, std::move(*mounted)};
      return std::nullopt;
    }
  }
  auto folder = anchor.empty() ? root.parent->openStartFolder(root.name, listed->id)
                               : root.parent->openFolder(root.name, listed->id);
  if (!folder) {
    unreached.error = folder.error();
    return std::nullopt;
  }
  root.folder = folder.release();
  return root;
}

}  // namespace

void TEraseFiles::AddFolder(const std::string& path, const std::string& mask, bool keepFolder,
                            bool recursive) {
  if (!platform::isAbsolutePath(path)) return;
  auto item = std::make_unique<TEraserItem>();
  item->Kind = ekFolder;
  item->Path = path;
  item->Anchor = Beneath;
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
  item->Anchor = Beneath;
  AddItem(std::move(item));
}

void TEraseFiles::AddExclusion(const std::string& text) {
  Exclusions.push_back(text);
}

bool TEraseFiles::IsExcluded(const std::string& path) const {
  const std::string name = platform::fileNameOf(path);
  for (const std::string& exclusion : Exclusions) {
    if (MatchesFileMask(name, exclusion).value_or(false) ||
        platform::equalsNoCase(name, exclusion)) {
      return true;
    }
  }
  return false;
}

bool TEraseFiles::Keeps(const std::string& path) const {
  return Engine && Engine->Keeps(path);
}

void TEraseFiles::CollectFiles(const std::string& folder, const std::string& mask,
                               std::vector<std::string>* list, bool recursive) {
  Unreached unreached;
  auto root = OpenWalkRoot(folder, {}, unreached);
  if (!root) return;
  const FileVisit collect = [&](platform::Folder&, const std::string& path,
                                const platform::DirEntry&) {
    if (list) {
      list->push_back(path);
    } else {
      AddFile(path);
    }
  };
  WalkIn(*root->folder, AddTrailingBackslash(folder), mask, recursive, collect, false);
}

bool TEraseFiles::WalkIn(platform::Folder& folder, const std::string& base, const std::string& mask,
                         bool recursive, const FileVisit& visit, bool removeEmptied) {
  const auto entries = folder.list();
  if (!entries) return true;
  for (const platform::DirEntry& entry : *entries) {
    if (!platform::matchesMask(entry.name, mask)) continue;
    if (Engine) Engine->ProcessMessages();
    if (Cancelled()) return false;
    if (PassesOver && PassesOver(base + entry.name)) continue;
    if (Keeps(base + entry.name)) continue;
    if (!entry.isFolder() && (!Admits || Admits(entry))) visit(folder, base + entry.name, entry);
  }
  if (!recursive) return true;
  for (const platform::DirEntry& entry : *entries) {
    if (Engine) Engine->ProcessMessages();
    if (Cancelled()) return false;
    if (!entry.isFolder()) continue;
    if (Admits && !Admits(entry)) continue;
    if (PassesOver && PassesOver(base + entry.name)) continue;
    if (Keeps(base + entry.name)) continue;
    // Another file system, or another place of this one bound here, is not the item's to clean.
    if (auto mounted = folder.mountedAt(entry.name, entry)) {
      RecordMountPoint(base + entry.name, *mounted);
      continue;
    }
    auto sub = folder.openFolder(entry.name, entry.id);
    if (!sub) {
      // Mounted since it was listed.
      if (sub.error() == platform::FileError::MountPoint) {
        RecordUnreached(base + entry.name, sub.error());
      }
      continue;
    }
    if (!sub->systemFileSystem().empty()) continue;
    const std::string subBase = base + entry.name + platform::kSeparator;
    const std::size_t before = removedCount_;
    if (!WalkIn(*sub, subBase, mask, recursive, visit, removeEmptied)) return false;
    sub.reset();
    if (removeEmptied) RemoveWalkedFolder(folder, entry.name, before);
  }
  return true;
}

void TEraseFiles::RemoveWalkedFolder(platform::Folder& parent, const std::string& name,
                                     std::size_t before) {
  if (Engine && Engine->Preview) return;
  if (RemoveOnlyEmptiedFolders && removedCount_ == before) return;
  // Removes only an empty folder; one that still holds something stays.
  if (parent.removeFolder(name)) NoteDeletion(parent);
}

void TEraseFiles::NoteDeletion(const platform::Folder& folder) {
  if (Engine) Engine->Journal.NoteDeletion(folder.path());
}

void TEraseFiles::RecordMountPoint(const std::string& path, const std::string& mounted) {
  if (Engine) {
    Engine->RecordLeft(*this, path, DescribeFailure(MountPointFailure(path, mounted)));
  }
}

void TEraseFiles::RecordUnreached(const std::string& path, const std::error_code& error,
                                  const std::string& mounted) {
  if (!Engine || !error || error == std::errc::no_such_file_or_directory) return;
  if (error == platform::FileError::Link) {
    Engine->RecordLeft(*this, path, Tr("is a link: not followed"));
  } else if (error == platform::FileError::MountPoint) {
    RecordMountPoint(path, mounted);
  } else {
    Engine->RecordLeft(*this, path,
                       Substituted(Tr("could not be reached ({})"), {error.message()}));
  }
}

bool TEraseFiles::EraseFile(const std::string& path) {
  return EraseFile(path, {});
}

bool TEraseFiles::EraseFile(const std::string& path, const std::string& anchor) {
  if (!platform::isAbsolutePath(path) || Keeps(path)) return false;
  auto place = anchor.empty() ? platform::openContainingFolder(path)
                              : platform::openContainingFolderBeneath(anchor, path);
  if (!place) {
    RecordUnreached(path, place.error());
    return false;
  }
  if (place->name.empty()) return false;
  const auto listed = place->folder->entry(place->name);
  if (!listed || listed->isFolder()) return false;
  return EraseEntry(*place->folder, path, place->name, *listed);
}

bool TEraseFiles::EraseEntry(platform::Folder& folder, const std::string& path,
                             const std::string& name, const platform::FileInfo& listed) {
  // A file bound over the entry is another file's: neither overwritten nor removed.
  if (auto mounted = folder.mountedAt(name, listed)) {
    RecordMountPoint(path, *mounted);
    return false;
  }
  if (Engine && Engine->Preview) {
    Engine->RecordRemoved(*this, path, listed.size);
    ++removedCount_;
    return true;
  }
  std::string reason;
  if (Engine && Engine->Overwrite && listed.kind == platform::EntryKind::File) {
    TWipeEngine& wipe = *Engine->Overwrite;
    wipe.Failures.clear();
    std::optional<TWipeEngine::RunScope> scope;
    if (Engine->OverwriteRun) scope.emplace(wipe, *Engine->OverwriteRun);
    const bool stays = wipe.WipeEntry(folder, path, name, listed, {});
    if (!stays) NoteDeletion(folder);
    if (!stays && wipe.Failures.empty()) {
      Engine->RecordRemoved(*this, path, listed.size);
      ++removedCount_;
      return true;
    }
    reason =
        wipe.Failures.empty() ? Tr("could not be wiped") : DescribeFailure(wipe.Failures.front());
    if (!stays) {
      // Gone, but with something to tell (deleted without being overwritten, ...).
      Engine->RecordLeft(*this, path, reason);
      ++removedCount_;
      return true;
    }
  } else {
    platform::Status cleared;
    if (listed.attributes & platform::AttrReadOnly) {
      cleared =
          folder.setAttributes(name, listed.attributes & ~std::uint32_t{platform::AttrReadOnly});
    }
    const platform::Status removed = folder.removeFile(name);
    if (removed) {
      NoteDeletion(folder);
      if (Engine) Engine->RecordRemoved(*this, path, listed.size);
      ++removedCount_;
      return true;
    }
    reason = Substituted(Tr("could not be deleted ({})"), {removed.error().message()});
    // The read-only mark is named too when it could not be cleared: it may be what kept it.
    if (!cleared) {
      reason += Substituted(Tr("; its read-only mark could not be cleared ({})"),
                            {cleared.error().message()});
    }
  }
  if (Engine) {
    Engine->RecordLeft(*this, path, reason);
    auto entry = std::make_unique<TPostEraserItem>();
    entry->Kind = pkDeleteFile;
    entry->Path = path;
    Engine->PostEraser->Add(std::move(entry));
  }
  return false;
}

void TEraseFiles::EraseFolder(const std::string& path, const std::string& mask, bool keepFolder,
                              bool recursive, const std::string& anchor) {
  if (Keeps(path)) return;
  Unreached unreached;
  auto root = OpenWalkRoot(path, anchor, unreached);
  if (!root) {
    RecordUnreached(path, unreached.error, unreached.mounted);
    return;
  }
  if (const std::string system = root->folder->systemFileSystem(); !system.empty()) {
    if (Engine) {
      Engine->RecordLeft(*this, path,
                         Substituted(Tr("is on a system file system ({}): not walked"), {system}));
    }
    return;
  }
  const std::size_t before = removedCount_;
  const FileVisit erase = [&](platform::Folder& folder, const std::string& file,
                              const platform::DirEntry& entry) {
    if (!IsExcluded(entry.name)) EraseEntry(folder, file, entry.name, entry);
  };
  const bool finished =
      WalkIn(*root->folder, AddTrailingBackslash(path), mask, recursive, erase, true);
  root->folder.reset();
  if (finished && !keepFolder && root->parent)
    RemoveWalkedFolder(*root->parent, root->name, before);
}

void TEraseFiles::Erase() {
  TEraser::Erase();
  for (const auto& item : Items) {
    if (item->Path.empty()) continue;
    if (item->Kind == ekFile) {
      EraseFile(item->Path, item->Anchor);
    } else if (item->Kind == ekFolder) {
      EraseFolder(item->Path, item->Mask, item->KeepFolder, item->Recursive, item->Anchor);
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
