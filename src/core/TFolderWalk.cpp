// The walk of one folder, from open folder to open folder.

#include "core/TFolderWalk.h"

#include <utility>

#include "core/Helpers.h"
#include "core/Translated.h"
#include "core/UnreachedEntries.h"
#include "core/WipeRun.h"
#include "core/WipeWitness.h"
#include "platform/ContainingFolderIn.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/Wildcard.h"

namespace {

// Why a folder stays when the walk left something in it.
constexpr const char* kHoldsLeftovers = TrNoop("it still holds what was left behind");

}  // namespace

TFolderWalk::LeaveFlushesOnError::~LeaveFlushesOnError() {
  if (std::uncaught_exceptions() > escaping_) calls_.LeaveFlushes();
}

TFolderWalk::TFolderWalk(WipeRun& run, TRunTurns turns, Calls calls,
                         std::vector<TWipeFailure>& failures, std::vector<TWipeFailure>& notes)
    : run_(run),
      turns_(std::move(turns)),
      calls_(std::move(calls)),
      failures_(failures),
      notes_(notes) {}

void TFolderWalk::Fail(const std::string& path, TWipeFailureReason reason, std::error_code error,
                       std::string detail) {
  failures_.push_back({path, reason, error, std::move(detail)});
}

bool TFolderWalk::Walk(const std::string& folder, const std::string& mask, bool recurse,
                       bool keepFolders, const platform::EntryId& expected) {
  // Only a full path is ever walked.
  if (!platform::isAbsolutePath(folder)) {
    Fail(folder, TWipeFailureReason::FolderNotRemoved);
    return false;
  }
  auto place = platform::openContainingFolder(run_.Files, folder);
  if (!place) {
    if (ReplacedSinceChosen(failures_, folder, expected, place.error(), {})) return false;
    FailReaching(failures_, folder, place.error(), TWipeFailureReason::CannotList);
    return false;
  }
  platform::Folder& parent = *place->folder;
  if (place->name.empty()) {
    if (OnSystemFileSystem(failures_, parent, folder)) return false;
    // The root folder: walked, never removed.
    const WalkEnd walk = WipeIn(parent, AddTrailingBackslash(folder), mask, recurse);
    if (walk == WalkEnd::NotListed) return false;
    if (keepFolders || stopRequested()) return true;
    Fail(folder, TWipeFailureReason::FolderNotRemoved,
         std::make_error_code(std::errc::device_or_resource_busy));
    return false;
  }
  // Looked at without following a link: a link to a folder is removed as a link, never walked.
  const auto listed = parent.entry(place->name);
  if (ReplacedSinceChosen(failures_, folder, expected, listed.error(),
                          listed ? listed->id : platform::EntryId{})) {
    return false;
  }
  if (!listed) {
    FailReaching(failures_, folder, listed.error(), TWipeFailureReason::CannotList);
    return false;
  }
  if (listed->kind == platform::EntryKind::Link) {
    return calls_.RemoveLink(parent, RemoveTrailingBackslash(folder), place->name);
  }
  if (!listed->isFolder()) {
    Fail(folder, TWipeFailureReason::CannotList, std::make_error_code(std::errc::not_a_directory));
    return false;
  }
  // A folder chosen where a file system is mounted is not entered either: what is mounted there
  // belongs to that file system, and the folder itself could never be removed.
  if (AtMountPoint(failures_, parent, RemoveTrailingBackslash(folder), place->name, *listed)) {
    return false;
  }
  auto own = parent.openFolder(place->name, listed->id);
  if (!own) {
    FailReaching(failures_, folder, own.error(), TWipeFailureReason::CannotList);
    return false;
  }
  // A folder of the system (a mount of proc, sysfs, ...) is neither walked nor removed.
  if (OnSystemFileSystem(failures_, *own, folder)) return false;
  const WalkEnd walk =
      WipeIn(*own, AddTrailingBackslash(RemoveTrailingBackslash(folder)), mask, recurse);
  own.reset();
  if (stopRequested() || keepFolders) return walk != WalkEnd::NotListed;
  return RemoveWalkedFolder(parent, folder, place->name, listed->id, walk);
}

TFolderWalk::WalkEnd TFolderWalk::WipeIn(platform::Folder& folder, const std::string& base,
                                         const std::string& mask, bool recurse) {
  const auto entries = folder.list();
  if (!entries) {
    Fail(RemoveTrailingBackslash(base), TWipeFailureReason::CannotList, entries.error());
    return WalkEnd::NotListed;
  }
  bool leftSome = false;
  // Should an error escape, no file waiting for its flush may outlive the folder it lies in.
  const LeaveFlushesOnError guard(calls_);
  if (run_.Witness) run_.Witness->FilesAhead(folder, *entries);
  // Files first (links and other entries that are not folders included), in listing order.
  for (const platform::DirEntry& entry : *entries) {
    if (entry.isFolder() || !platform::matchesMask(entry.name, mask)) continue;
    if (calls_.WipeEntry(folder, base + entry.name, entry.name, entry)) leftSome = true;
    ProcessMessages();
    if (stopRequested()) break;
  }
  // The files still waiting for their flush are deleted while their folder is open.
  if (calls_.FinishFlushes()) leftSome = true;
  if (stopRequested()) return WalkEnd::LeftSome;
  // Then the subfolders, depth first, each removed once it is empty.
  if (recurse) {
    for (const platform::DirEntry& entry : *entries) {
      ProcessMessages();
      if (stopRequested()) return WalkEnd::LeftSome;
      if (!entry.isFolder()) continue;
      if (WipeSubfolder(folder, base + entry.name, entry.name, entry, mask, recurse)) {
        leftSome = true;
      }
    }
  }
  return leftSome ? WalkEnd::LeftSome : WalkEnd::Emptied;
}

bool TFolderWalk::WipeSubfolder(platform::Folder& parent, const std::string& path,
                                const std::string& name, const platform::FileInfo& listed,
                                const std::string& mask, bool recurse) {
  if (AtMountPoint(failures_, parent, path, name, listed)) return true;
  auto sub = parent.openFolder(name, listed.id);
  if (!sub) return FailReaching(failures_, path, sub.error(), TWipeFailureReason::CannotList);
  if (OnSystemFileSystem(failures_, *sub, path)) return true;
  const WalkEnd walk = WipeIn(*sub, path + platform::kSeparator, mask, recurse);
  sub.reset();
  if (stopRequested()) return true;
  return !RemoveWalkedFolder(parent, path, name, listed.id, walk);
}

bool TFolderWalk::RemoveWalkedFolder(platform::Folder& parent, const std::string& path,
                                     const std::string& name, const platform::EntryId& walked,
                                     WalkEnd walk) {
  // A folder that could not be listed is named already.
  if (walk == WalkEnd::NotListed) return false;
  if (walk == WalkEnd::LeftSome) {
    Fail(path, TWipeFailureReason::FolderNotRemoved, {}, Tr(kHoldsLeftovers));
    return false;
  }
  // Only the folder that was walked: a link or another folder put in its place stays.
  const auto now = parent.entry(name);
  if (!now) {
    return !FailReaching(failures_, path, now.error(), TWipeFailureReason::FolderNotRemoved);
  }
  if (!now->isFolder() || now->id != walked) {
    Fail(path, TWipeFailureReason::Changed);
    return false;
  }
  // The folder's blocks may have reached the device with the names in them before the run, and
  // once the folder is removed the file system never writes those blocks again: with the
  // journal option on, the file system is forced to the device first, which writes the blocks
  // with the names gone.
  if (calls_.SyncBeforeRemoval) {
    if (const platform::Status synced = parent.syncFileSystem(); !synced) {
      notes_.push_back(
          {path, TWipeFailureReason::JournalNotCleared, synced.error(),
           Tr("its file system could not be forced to the device before it was removed: "
              "its old blocks may still hold the names")});
    }
  }
  const platform::Status removed = parent.removeFolder(name);
  if (removed) {
    calls_.NoteDeletion(parent);
    return true;
  }
  Fail(path, TWipeFailureReason::FolderNotRemoved, removed.error());
  return false;
}
