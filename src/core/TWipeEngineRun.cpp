// The run of a wipe engine and the wipe of one file.

#include <algorithm>
#include <chrono>
#include <exception>
#include <limits>
#include <new>
#include <optional>
#include <set>
#include <utility>

#include "core/Helpers.h"
#include "core/TPass.h"
#include "core/TPassBuffer.h"
#include "core/TReachNotes.h"
#include "core/TWipeEngine.h"
#include "core/Translated.h"
#include "core/UnreachedEntries.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "core/WipeWitness.h"
#include "platform/ContainingFolderIn.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/PathText.h"

namespace {

// The name a wiped file gets before it is deleted: 245 letters "a", a full stop and "aaa".
const std::string& LongName() {
  static const std::string name = std::string(245, 'a') + ".aaa";
  return name;
}

// The question about executables is asked for paths ending exactly in "exe" or "EXE".
bool LooksExecutable(const std::string& path) {
  if (path.size() < 3) return false;
  const std::string tail = path.substr(path.size() - 3);
  return tail == "exe" || tail == "EXE";
}

// What the exception being handled says, for the list of what a run left.
std::string WhatEscaped() {
  try {
    throw;
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return Tr("an unknown error");
  }
}

}  // namespace

void TWipeEngine::Fail(const std::string& path, TWipeFailureReason reason, std::error_code error,
                       std::string detail, std::string freeSpaceRoot) {
  Failures.push_back({path, reason, error, std::move(detail), std::move(freeSpaceRoot)});
}

IWipeProgress& TWipeEngine::progress() {
  return progress_ ? *progress_ : NoWipeProgress();
}

void TWipeEngine::ProcessMessages() {
  run().Services.ProcessMessages();
}

WipeRun& TWipeEngine::run() {
  if (run_) return *run_;
  if (!ownRun_) ownRun_ = std::make_unique<WipeRun>(SilentWipeServices());
  return *ownRun_;
}

bool TWipeEngine::stopRequested() const {
  return run_ && run_->Stop.Requested();
}

void TWipeEngine::Stop() {
  if (run_) run_->Stop.Request();
}

TWipeEngine::RunScope::RunScope(TWipeEngine& engine, WipeRun& run)
    : engine_(engine), previous_(std::exchange(engine.run_, &run)) {}

TWipeEngine::RunScope::~RunScope() {
  engine_.run_ = previous_;
}

void TWipeEngine::Execute(WipeRun& run) {
  if (running_) return;
  running_ = true;
  const RunScope scope(*this, run);
  Aborted = false;
  Failures.clear();
  Notes.clear();
  itemsReached_ = 0;
  stoppedInFile_.clear();
  stoppedInDrive_.clear();
  std::unique_ptr<IWipeProgress> window;
  try {
    window = run.Services.OpenProgress(*this);
  } catch (...) {
    const std::string what = WhatEscaped();
    for (const auto& item : Items) Fail(item->Path, TWipeFailureReason::Interrupted, {}, what);
    running_ = false;
    return;
  }
  progress_ = window.get();
  names_.Begin(run);
  // The jobs already run, so that a path given twice is wiped (and reported) once.
  std::set<std::pair<TWipeItemKind, std::string>> done;
  // By index and on a copy of each job: the windows handle events between jobs.
  for (std::size_t i = 0; i < Items.size(); ++i) {
    std::string running = Items[i]->Path;
    try {
      ProcessMessages();
      if (stopRequested() || i >= Items.size()) break;
      itemsReached_ = i + 1;
      const TWipeItem item = *Items[i];
      running = item.Path;
      if (!done.emplace(item.Kind, RemoveTrailingBackslash(item.Path)).second) continue;
      // Files written before a folder or a drive are gone before it starts.
      if (item.Kind != wkFile) FinishFlushes();
      RunItem(item);
    } catch (...) {
      // The job is named with what went wrong; the run goes on with the next one.
      Fail(running, TWipeFailureReason::Interrupted, {}, WhatEscaped());
    }
  }
  try {
    FinishFlushes();
  } catch (...) {
    Fail(std::string(), TWipeFailureReason::Interrupted, {}, WhatEscaped());
  }
  names_.NoteNamesLeftByFiles();
  if (names_.Noting()) {
    try {
      names_.ClearJournals(Turns());
    } catch (...) {
      Fail(std::string(), TWipeFailureReason::NamesRemain, {},
           "in the file system's journal, which could not be cleared (" + WhatEscaped() + ")");
    }
    names_.End();
  }
  Aborted = run.Stop.Requested();
  progress_ = nullptr;
  window.reset();
  running_ = false;
}

void TWipeEngine::RunItem(const TWipeItem& item) {
  switch (item.Kind) {
    case wkFile:
      WipeFile(item);
      break;
    case wkFolder:
      WipeFolder(item);
      break;
    case wkFreeSpace:
      WipeDriveFreeSpace(item);
      break;
    default:
      break;
  }
}

bool TWipeEngine::RemoveLink(platform::Folder& folder, const std::string& path,
                             const std::string& name) {
  const platform::Status removed = folder.removeFile(name);
  if (removed) {
    names_.NoteFileDeletion(folder.path(), checkReach_);
    return true;
  }
  Fail(path, TWipeFailureReason::CannotDelete, removed.error());
  return false;
}

void TWipeEngine::WipeFile(const TWipeItem& item) {
  const std::string& path = item.Path;
  // Only a full path is ever overwritten or deleted.
  if (!platform::isAbsolutePath(path)) {
    Fail(path, TWipeFailureReason::CannotOpen);
    return;
  }
  auto place = platform::openContainingFolder(run().Files, path);
  if (!place) {
    if (ReplacedSinceChosen(Failures, path, item.Expected, place.error(), {})) return;
    FailReaching(Failures, path, place.error(), TWipeFailureReason::CannotOpen);
    return;
  }
  if (place->name.empty()) {
    Fail(path, TWipeFailureReason::CannotOpen, std::make_error_code(std::errc::is_a_directory));
    return;
  }
  const auto listed = place->folder->entry(place->name);
  if (ReplacedSinceChosen(Failures, path, item.Expected, listed.error(),
                          listed ? listed->id : platform::EntryId{})) {
    return;
  }
  if (!listed) {
    FailReaching(Failures, path, listed.error(), TWipeFailureReason::CannotOpen);
    return;
  }
  // Held by the engine: the file may wait in the flush window after this returns.
  jobFolder_ = std::move(place->folder);
  WipeEntry(*jobFolder_, path, place->name, *listed, item.Caption);
  jobFolder_.reset();
}

bool TWipeEngine::WipeEntry(platform::Folder& folder, const std::string& path,
                            const std::string& name, const platform::FileInfo& listed,
                            const std::string& caption) {
  // Kernel settings and firmware variables look like files there: nothing is written or removed.
  if (OnSystemFileSystem(Failures, folder, path)) return true;
  if (AtMountPoint(Failures, folder, path, name, listed)) return true;
  if (run().Settings.WarnOnExecutable && LooksExecutable(path) &&
      !run().Services.ConfirmWipeExecutable(path)) {
    Fail(path, TWipeFailureReason::KeptByUser);
    return true;
  }
  switch (listed.kind) {
    case platform::EntryKind::Link:
      return !RemoveLink(folder, path, name);
    case platform::EntryKind::File:
      break;
    case platform::EntryKind::Folder:
      Fail(path, TWipeFailureReason::CannotOpen, std::make_error_code(std::errc::is_a_directory));
      return true;
    case platform::EntryKind::Other:
      Fail(path, TWipeFailureReason::CannotOpen, platform::FileError::NotAFile);
      return true;
  }
  // Other names share the content: overwriting it would destroy what they name. Asked again on
  // the open file, which is what counts.
  if (listed.links > 1) {
    Fail(path, TWipeFailureReason::SharedContent);
    return true;
  }
  // Read-only, hidden and system cleared; only asked for when one of them is set.
  const std::uint32_t protective =
      platform::AttrReadOnly | platform::AttrHidden | platform::AttrSystem;
  if (listed.attributes & protective) {
    if (const platform::Status cleared =
            folder.setAttributes(name, listed.attributes & ~protective);
        !cleared) {
      // Nothing is written over a file that keeps its read-only mark.
      Fail(path, TWipeFailureReason::CannotOpen, cleared.error());
      return true;
    }
  }
  const Overwrite overwritten = OverwriteEntry(folder, path, name, listed.id, caption);
  if (overwritten == Overwrite::Failed) return true;
  if (overwritten == Overwrite::Flushing) {
    // Within a run its outcome comes once its flush has ended; a caller outside a run hears
    // it now.
    return running_ ? false : FinishFlushes();
  }
  if (overwritten == Overwrite::Gone) return false;
  if (stopRequested()) {
    stoppedInFile_ = path;
    return true;
  }
  // The files written before it go first.
  FinishFlushes();
  const TReachVerdict reach = reach_;
  if (!DeleteWipedFile(folder, path, name, listed.id)) return true;
  if (overwritten == Overwrite::WithoutPasses) Fail(path, TWipeFailureReason::DeletedUnwiped);
  if (overwritten == Overwrite::Done) NoteReach(path, reach);
  return false;
}

void TWipeEngine::NoteReach(const std::string& path, const TReachVerdict& verdict) {
  if (auto note = TReachNotes(run().Drives).Of(path, verdict)) Failures.push_back(std::move(*note));
}

void TWipeEngine::GiveBack(platform::File& file) {
  const auto size = file.size();
  if (!size || GiveBackStep == 0 || *size <= GiveBackStep) return;
  // From the end, one step at a time, down to nothing.
  for (std::uint64_t keep = (*size - 1) / GiveBackStep * GiveBackStep;; keep -= GiveBackStep) {
    if (!file.truncate(keep)) return;
    ProcessMessages();
    if (keep == 0) return;
  }
}

platform::Status TWipeEngine::RemoveWipedEntry(platform::Folder& folder, const std::string& name,
                                               const platform::EntryId& id) {
  // Only the file that was wiped is shrunk; whatever the name holds is removed as before. A file
  // of at most one step goes in one call anyway, without being opened again.
  if (GiveBackStep != 0 && wipedSize_ > GiveBackStep) {
    if (auto file = folder.openFile(name, id)) GiveBack(*file);
  }
  return folder.removeFile(name);
}

bool TWipeEngine::DeleteWipedFile(platform::Folder& folder, const std::string& path,
                                  const std::string& name, const platform::EntryId& id) {
  const platform::Status renamed = folder.rename(name, LongName());
  if (renamed) {
    const platform::Status removed = RemoveWipedEntry(folder, LongName(), id);
    if (removed) {
      names_.NoteFileDeletion(folder.path(), checkReach_);
      if (run().Witness) run().Witness->Deleted(id);
      return true;
    }
    // Left behind: under its own name, so that the user finds it.
    if (!folder.rename(LongName(), name)) {
      Fail(AddTrailingBackslash(platform::folderPartOf(path)) + LongName(),
           TWipeFailureReason::CannotDelete, removed.error());
      return false;
    }
    Fail(path, TWipeFailureReason::CannotDelete, removed.error());
    return false;
  }
  const platform::Status removed = RemoveWipedEntry(folder, name, id);
  if (removed) {
    names_.NoteFileDeletion(folder.path(), checkReach_);
    if (run().Witness) run().Witness->Deleted(id);
    return true;
  }
  Fail(path, TWipeFailureReason::CannotDelete, removed.error());
  return false;
}
