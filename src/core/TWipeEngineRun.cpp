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
#include "core/JournalCleanup.h"
#include "core/TPass.h"
#include "core/TPassBuffer.h"
#include "core/TWipeEngine.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/PathText.h"

namespace {

// Write-back of a pass is started every this many bytes, so that the flush at the end of the
// pass has little left to do and the windows never wait long for it.
constexpr std::uint64_t kWritebackInterval = 2u << 20;
// At most this much of what a pass wrote waits in the system's cache for the device. Without a
// bound, a write now and then waits long for the system to make room, and the flush at the end
// waits for all that is left.
constexpr std::uint64_t kMostUnwritten = 32u << 20;
// The last of it is waited for in steps of this many bytes, handling events between them.
constexpr std::uint64_t kSettleStep = 2u << 20;
// The longest the engine waits on a flush before the windows handle events again (a frame).
constexpr std::chrono::milliseconds kEventTurn{16};
// What the device has to finish before the windows handle events again, while the engine waits
// for write-back: about a frame's worth of writing on a slow disk.
constexpr std::uint64_t kWaitPiece = 1u << 20;
// A pass is read back in pieces of this many bytes.
constexpr std::size_t kReadBackPiece = 4u << 20;

// The name a wiped file gets before it is deleted: 245 letters "a", a full stop and "aaa".
const std::string& LongName() {
  static const std::string name = std::string(245, 'a') + ".aaa";
  return name;
}

std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b) {
  if (a != 0 && b > std::numeric_limits<std::uint64_t>::max() / a) {
    return std::numeric_limits<std::uint64_t>::max();
  }
  return a * b;
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
    return "an unknown error";
  }
}

// Releases the engine's hold on the file OverwriteFile opened, however it ends.
template <typename T>
class ResetOnExit {
 public:
  ResetOnExit(T*& slot, T* value) : slot_(slot) { slot_ = value; }
  ~ResetOnExit() { slot_ = nullptr; }
  ResetOnExit(const ResetOnExit&) = delete;
  ResetOnExit& operator=(const ResetOnExit&) = delete;

 private:
  T*& slot_;
};

}  // namespace

std::string WipeFailureText(TWipeFailureReason reason) {
  switch (reason) {
    case TWipeFailureReason::NoMethod:
      return "has no wipe method";
    case TWipeFailureReason::CannotOpen:
      return "could not be opened";
    case TWipeFailureReason::PassFailed:
      return "was not deleted";
    case TWipeFailureReason::CannotDelete:
      return "could not be deleted";
    case TWipeFailureReason::FolderNotRemoved:
      return "could not be removed";
    case TWipeFailureReason::KeptByUser:
      return "was kept as you chose";
    case TWipeFailureReason::FreeSpaceFileNotCreated:
      return "temporary file could not be created";
    case TWipeFailureReason::FreeSpaceFillFailed:
      return "free space could not be filled";
    case TWipeFailureReason::NoFreeSpace:
      return "had no free space";
    case TWipeFailureReason::SharedContent:
      return "has other hard links; its content is shared";
    case TWipeFailureReason::Changed:
      return "was replaced while it was being wiped";
    case TWipeFailureReason::CannotList:
      return "could not be listed";
    case TWipeFailureReason::NotFound:
      return "was not found";
    case TWipeFailureReason::DeletedUnwiped:
      return "was deleted without being overwritten: the method has no passes";
    case TWipeFailureReason::MethodNotReadWhole:
      return "method file could not be read";
    case TWipeFailureReason::NoLongerMounted:
      return "is no longer mounted";
    case TWipeFailureReason::ReserveUnreachable:
      return "free space reserved for the administrator was not wiped";
    case TWipeFailureReason::NeedsAdministrator:
      return "needs administrator rights: no folder of its file system may be written";
    case TWipeFailureReason::Interrupted:
      return "was not finished: an unexpected error stopped it";
    case TWipeFailureReason::VerificationFailed:
      return "verification failed";
    case TWipeFailureReason::NotDiscarded:
      return "free blocks were not discarded";
    case TWipeFailureReason::JournalNotCleared:
      return "journal not cleared";
    case TWipeFailureReason::FreeSpaceNotWiped:
      return "free space was not wiped completely";
    case TWipeFailureReason::MountedReadOnly:
      return "is mounted read-only: nothing written";
    case TWipeFailureReason::LeftoverRemoved:
      return "was left by an interrupted free-space wipe: removed";
    case TWipeFailureReason::SystemFileSystem:
      return "is on a system file system";
    case TWipeFailureReason::NotOverwrittenInPlace:
      return "was deleted, but its old blocks were not overwritten";
    case TWipeFailureReason::SharedBlocks:
      return "was deleted, but a snapshot or another file shares its blocks: its content stays "
             "there";
    case TWipeFailureReason::JournalContentRemains:
      return "copies of the content of files deleted here remain in the file system journal";
    case TWipeFailureReason::KeptForMetadata:
      return "space kept for the file system's metadata cannot be filled by a file";
    case TWipeFailureReason::FilledOnce:
      return "free space was overwritten once, by the fill";
  }
  return "was not wiped";
}

std::string DescribeFailure(const TWipeFailure& failure) {
  std::string text = WipeFailureText(failure.Reason);
  // Which system file system it is, in brackets ("is on a system file system (sysfs): not wiped").
  if (failure.Reason == TWipeFailureReason::SystemFileSystem) {
    if (!failure.Detail.empty()) text += " (" + failure.Detail + ")";
    return text + ": not wiped";
  }
  // Where a verification failed reads on from the text ("verification failed at byte 512").
  const char* joint = failure.Reason == TWipeFailureReason::VerificationFailed ||
                              failure.Reason == TWipeFailureReason::NotOverwrittenInPlace
                          ? " "
                          : ": ";
  if (!failure.Detail.empty()) text += joint + failure.Detail;
  if (failure.Error) text += " (" + failure.Error.message() + ")";
  return text;
}

bool LeavesSomethingBehind(const TWipeFailure& failure) {
  return failure.Reason != TWipeFailureReason::NotFound &&
         failure.Reason != TWipeFailureReason::NotDiscarded &&
         failure.Reason != TWipeFailureReason::JournalNotCleared &&
         failure.Reason != TWipeFailureReason::LeftoverRemoved &&
         failure.Reason != TWipeFailureReason::KeptForMetadata &&
         failure.Reason != TWipeFailureReason::FilledOnce;
}

void TWipeEngine::Fail(const std::string& path, TWipeFailureReason reason, std::error_code error,
                       std::string detail, std::string freeSpaceRoot) {
  Failures.push_back({path, reason, error, std::move(detail), std::move(freeSpaceRoot)});
}

bool TWipeEngine::FailReaching(const std::string& path, const std::error_code& error,
                               TWipeFailureReason otherwise) {
  if (error == platform::FileError::Changed) {
    Fail(path, TWipeFailureReason::Changed);
  } else if (error == platform::FileError::SystemFileSystem) {
    Fail(path, TWipeFailureReason::SystemFileSystem);
  } else if (error == std::errc::no_such_file_or_directory) {
    Fail(path, TWipeFailureReason::NotFound);
    return false;
  } else {
    Fail(path, otherwise, error);
  }
  return true;
}

IWipeProgress& TWipeEngine::progress() {
  return Progress ? *Progress : NoWipeProgress();
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
  Progress = window.get();
  // Every run notes where it deletes: a file system that journals file contents has its
  // journal cleared whatever the option says.
  journal_.emplace();
  journal_->Wanted = [&run](const std::string& folder) {
    if (run.Journals.inspect(folder).dataJournal) return true;
    switch (run.Settings.Journal) {
      case WipeRunSettings::JournalNames::All:
        return true;
      case WipeRunSettings::JournalNames::None:
        return false;
      case WipeRunSettings::JournalNames::WhereQuick:
        return run.Journals.canEmpty(folder);
    }
    return false;
  };
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
      RunItem(item);
    } catch (...) {
      // The job is named with what went wrong; the run goes on with the next one.
      Fail(running, TWipeFailureReason::Interrupted, {}, WhatEscaped());
    }
  }
  if (journal_) {
    try {
      ClearJournals();
    } catch (...) {
      Notes.push_back({std::string(), TWipeFailureReason::JournalNotCleared, {}, WhatEscaped()});
    }
    journal_.reset();
  }
  Aborted = run.Stop.Requested();
  Progress = nullptr;
  window.reset();
  running_ = false;
}

void TWipeEngine::NoteDeletion(const platform::Folder& folder) {
  if (journal_) journal_->NoteDeletion(folder.path());
}

void TWipeEngine::ClearJournals() {
  if (!journal_->Pending()) return;
  IWipeProgress& window = progress();
  // Shown once a journal is really being cleared.
  bool shown = false;
  const auto progressed = [&](const std::string&, std::uint64_t done, std::uint64_t total) {
    if (!shown) window.ShowStep(kClearingJournalText);
    shown = true;
    window.SetFileRange(total);
    window.SetPassRange(total);
    window.SetFilePosition(done);
    window.SetPassPosition(done);
  };
  // Asked between commits; a stop before this point (the stop token already set) clears
  // nothing.
  const auto stop = [this] {
    ProcessMessages();
    return stopRequested();
  };
  for (const JournalCleanup::Result& result : journal_->Finish(progressed, stop)) {
    const platform::JournalOutcome& outcome = result.Outcome;
    if (outcome.result == platform::JournalResult::Cleaned ||
        outcome.result == platform::JournalResult::NoJournal) {
      continue;
    }
    std::string detail = JournalResultText(outcome.result);
    if (!outcome.detail.empty()) detail += ": " + outcome.detail;
    if (run().Journals.inspect(result.Folder).dataJournal) {
      // Not a matter of names alone: the content of what was wiped there is still readable.
      Fail(result.Folder, TWipeFailureReason::JournalContentRemains, outcome.error,
           std::move(detail));
      continue;
    }
    Notes.push_back(
        {result.Folder, TWipeFailureReason::JournalNotCleared, outcome.error, std::move(detail)});
  }
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
    NoteDeletion(folder);
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
  auto place = platform::openContainingFolder(path);
  if (!place) {
    FailReaching(path, place.error(), TWipeFailureReason::CannotOpen);
    return;
  }
  if (place->name.empty()) {
    Fail(path, TWipeFailureReason::CannotOpen, std::make_error_code(std::errc::is_a_directory));
    return;
  }
  const auto listed = place->folder->entry(place->name);
  if (!listed) {
    FailReaching(path, listed.error(), TWipeFailureReason::CannotOpen);
    return;
  }
  WipeEntry(*place->folder, path, place->name, *listed, item.Caption);
}

bool TWipeEngine::WipeEntry(platform::Folder& folder, const std::string& path,
                            const std::string& name, const platform::FileInfo& listed,
                            const std::string& caption) {
  // Kernel settings and firmware variables look like files there: nothing is written or removed.
  if (OnSystemFileSystem(folder, path)) return true;
  if (WarnOnExecutable && LooksExecutable(path) && !run().Services.ConfirmWipeExecutable(path)) {
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
    folder.setAttributes(name, listed.attributes & ~protective);
  }
  const Overwrite overwritten = OverwriteEntry(folder, path, name, listed.id, caption);
  if (overwritten == Overwrite::Failed) return true;
  if (overwritten == Overwrite::Gone) return false;
  if (stopRequested()) {
    stoppedInFile_ = path;
    return true;
  }
  const TReachVerdict reach = reach_;
  if (!DeleteWipedFile(folder, path, name, listed.id)) return true;
  if (overwritten == Overwrite::WithoutPasses) Fail(path, TWipeFailureReason::DeletedUnwiped);
  if (overwritten == Overwrite::Done) NoteReach(path, reach);
  return false;
}

bool TWipeEngine::OnSystemFileSystem(platform::Folder& folder, const std::string& path) {
  const std::string system = folder.systemFileSystem();
  if (system.empty()) return false;
  Fail(path, TWipeFailureReason::SystemFileSystem, {}, system);
  return true;
}

void TWipeEngine::NoteReach(const std::string& path, const TReachVerdict& verdict) {
  if (verdict.Reach == TOverwriteReach::Shared) {
    Fail(path, TWipeFailureReason::SharedBlocks);
    return;
  }
  if (verdict.Reach != TOverwriteReach::Elsewhere) return;
  // The free space of the drive that held the file now holds the old blocks.
  const std::string root = platform::drives().rootOf(path);
  const std::string shown = root.size() > 1 ? RemoveTrailingBackslash(root) : root;
  Fail(path, TWipeFailureReason::NotOverwrittenInPlace, {},
       "(" + verdict.Why + "): wipe the free space of " +
           (shown.empty() ? std::string("its drive") : shown) + " to finish",
       root);
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
      NoteDeletion(folder);
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
    NoteDeletion(folder);
    return true;
  }
  Fail(path, TWipeFailureReason::CannotDelete, removed.error());
  return false;
}

int TWipeEngine::OverwriteFile(const TWipeItem& item) {
  if (!platform::isAbsolutePath(item.Path)) {
    Fail(item.Path, TWipeFailureReason::CannotOpen);
    return 1;
  }
  auto place = platform::openContainingFolder(item.Path);
  const auto listed = place ? place->folder->entry(place->name) : place.error();
  if (!listed) {
    FailReaching(item.Path, listed.error(), TWipeFailureReason::CannotOpen);
    return 1;
  }
  const Overwrite overwritten =
      OverwriteEntry(*place->folder, item.Path, place->name, listed->id, item.Caption);
  return overwritten == Overwrite::Failed || overwritten == Overwrite::Gone ? 1 : 0;
}

TWipeEngine::Overwrite TWipeEngine::OverwriteEntry(platform::Folder& folder,
                                                   const std::string& path, const std::string& name,
                                                   const platform::EntryId& listed,
                                                   const std::string& caption) {
  OpenFile opened;
  wipedSize_ = std::numeric_limits<std::uint64_t>::max();
  try {
    // The run's copy of the method: it may be edited while the windows handle events.
    const std::optional<WipeRunMethod>& method = run().Method;
    if (!method) {
      Fail(path, TWipeFailureReason::NoMethod);
      return Overwrite::Failed;
    }
    if (!method->ReadWhole) {
      Fail(path, TWipeFailureReason::MethodNotReadWhole, {}, method->ReadProblem);
      return Overwrite::Failed;
    }
    const std::vector<TPass>& passes = method->Passes;
    auto file = folder.openFile(name, listed);
    if (!file) {
      const bool remains = FailReaching(path, file.error(), TWipeFailureReason::CannotOpen);
      return remains ? Overwrite::Failed : Overwrite::Gone;
    }
    // The link count that counts is the one of the file now open.
    const auto now = file->info();
    if (now && now->links > 1) {
      Fail(path, TWipeFailureReason::SharedContent);
      return Overwrite::Failed;
    }
    if (!now) {
      Fail(path, TWipeFailureReason::CannotOpen, now.error());
      return Overwrite::Failed;
    }
    // The file system that holds the open file tells its cluster size; asked by path where it
    // cannot.
    const std::uint32_t cluster = file->clusterSize();
    opened.clusterSize = cluster ? cluster : GetClusterSize(path);
    opened.file = file.get();
    opened.size = now->size;
    wipedSize_ = opened.size;
    ResetOnExit<OpenFile> hold(open_, &opened);
    // Where the old content lies, to tell afterwards whether the passes reached it.
    reach_ = {};
    std::optional<platform::FileLayout> before;
    if (checkReach_) before = file->layout();

    const bool signature = run().Settings.WriteSignature;
    const int total = static_cast<int>(passes.size()) + (signature ? 1 : 0);
    IWipeProgress& window = progress();
    window.SetFileRange(SaturatingProduct(static_cast<std::uint64_t>(total), opened.size));
    window.SetPassRange(opened.size);
    window.ShowFile(caption.empty() ? path : caption);
    window.SetFilePosition(0);

    // Every pass starts at the first byte.
    opened.passTotal = total;
    const auto runPass = [&](int number, const TPass& pass, const std::string& text) {
      opened.passNumber = number;
      window.SetPassPosition(0);
      window.ShowPass(number, total);
      const platform::Status rewound = file->seek(0);
      if (!rewound) {
        NotePassFailure(0, rewound.error());
        return;
      }
      WritePass(pass, text);
    };
    for (std::size_t i = 0; i < passes.size(); ++i) {
      runPass(static_cast<int>(i) + 1, passes[i], std::string());
      ProcessMessages();
      if (stopRequested()) break;
    }
    if (signature && !stopRequested()) {
      runPass(total, TPass(), run().Settings.Signature);  // a default pass: bytes of value 0
    }
    // A pass grows the file by at most what it wrote past the old end.
    wipedSize_ = std::max(opened.size, file->position());
    if (opened.unverifiedAt) {
      Fail(path, TWipeFailureReason::VerificationFailed, opened.verifyError,
           "at byte " + std::to_string(*opened.unverifiedAt));
    }
    // The file keeps its name and place, so that the wipe can be run again. (A stopped run
    // keeps it too, and names it as the file it stopped in.)
    if (opened.failure && !stopRequested()) {
      const OpenFile::PassFailure& failed = *opened.failure;
      std::string detail =
          "pass " + std::to_string(failed.pass) + " failed at byte " + std::to_string(failed.at);
      if (!failed.error && !failed.why.empty()) detail += " (" + failed.why + ")";
      Fail(path, TWipeFailureReason::PassFailed, failed.error, std::move(detail));
      return Overwrite::Failed;
    }
    if (before && total > 0 && !stopRequested()) reach_ = JudgeOverwrite(before, file->layout());
    return total == 0 ? Overwrite::WithoutPasses : Overwrite::Done;
  } catch (const std::exception& error) {
    // The file stays; the walk goes on with the next one.
    Fail(path, TWipeFailureReason::Interrupted, {}, error.what());
    return Overwrite::Failed;
  }
}

void TWipeEngine::NotePassFailure(std::uint64_t at, std::error_code error, std::string why) {
  if (!open_ || open_->failure) return;
  open_->failure = OpenFile::PassFailure{open_->passNumber, at, error, std::move(why)};
}

bool TWipeEngine::WriteRange(TPassBuffer& buffer, std::uint64_t from, std::uint64_t to,
                             std::uint64_t& sinceWriteback) {
  platform::File& file = *open_->file;
  for (std::uint64_t offset = from; offset < to && !stopRequested();) {
    const std::string_view piece = buffer.Bytes(offset, to - offset);
    if (piece.empty()) {
      open_->writeFailedAt = file.position();
      open_->writeError = {};
      return false;
    }
    const platform::Status written = file.write(piece.data(), piece.size());
    if (!written) {
      // What the write took before it failed is on the file; the rest of the pass is not.
      open_->writeFailedAt = file.position();
      open_->writeError = written.error();
      return false;
    }
    offset += piece.size();
    progress().Advance(piece.size());
    PaceWrites(file, piece.size(), sinceWriteback);
    ProcessMessages();
  }
  return true;
}

void TWipeEngine::PaceWrites(platform::File& file, std::uint64_t written,
                             std::uint64_t& sinceWriteback) {
  sinceWriteback += written;
  if (sinceWriteback >= kWritebackInterval) {
    file.startWriteback();
    sinceWriteback = 0;
  }
  // The device is behind: the windows handle events while it catches up.
  while (file.unwrittenBeyond(kMostUnwritten) && !stopRequested()) WaitForDevice(file);
}

void TWipeEngine::SettleWrites(platform::File& file, std::uint64_t recent) {
  // Less than a step: the flush that follows waits for it as briefly.
  if (recent <= kSettleStep) return;
  for (std::uint64_t behind = std::min(recent, kMostUnwritten); behind > 0;) {
    behind = behind > kSettleStep ? behind - kSettleStep : 0;
    while (file.unwrittenBeyond(behind)) WaitForDevice(file);
    ProcessMessages();
  }
}

platform::Status TWipeEngine::Flush(platform::File& file) {
  if (const platform::Status started = file.startFlush(); !started) return started;
  for (;;) {
    if (const auto ended = file.waitFlush(kEventTurn)) return *ended;
    ProcessMessages();
  }
}

void TWipeEngine::WaitForDevice(platform::File& file) {
  ProcessMessages();
  file.waitWritten(kWaitPiece);
}

void TWipeEngine::VerifyPass(const TPassBuffer& written, std::uint64_t start, std::uint64_t end) {
  platform::File& file = *open_->file;
  const auto differs = [this](std::uint64_t at, std::error_code error = {}) {
    open_->unverifiedAt = at;
    open_->verifyError = error;
  };
  IWipeProgress& window = progress();
  window.ShowVerifying(open_->passNumber, open_->passTotal);
  window.SetPassPosition(0);
  if (const platform::Status started = file.startReadBack(); !started) {
    differs(start, started.error());
    return;
  }
  // The same bytes again, drawn on a copy of the generator's state: the program's sequence of
  // random numbers is the same with verification as without.
  const std::unique_ptr<TPassBuffer> expected = written.Replay();
  for (std::uint64_t offset = start; offset < end && !stopRequested();) {
    const auto read = file.readBack(
        offset, static_cast<std::size_t>(std::min<std::uint64_t>(kReadBackPiece, end - offset)));
    if (!read || read->empty()) {
      // A read error, or the file ends before what the pass wrote does.
      differs(offset, read ? std::error_code() : read.error());
      return;
    }
    for (std::string_view rest = *read; !rest.empty();) {
      const std::uint64_t at = offset + (read->size() - rest.size());
      const std::string_view want = expected->Bytes(at - start, rest.size());
      const std::string_view have = rest.substr(0, want.size());
      if (want.empty() || have != want) {
        const auto mismatch = std::mismatch(have.begin(), have.end(), want.begin(), want.end());
        differs(at + static_cast<std::uint64_t>(mismatch.first - have.begin()));
        return;
      }
      rest.remove_prefix(want.size());
    }
    offset += read->size();
    window.SetPassPosition(offset - start);
    ProcessMessages();
  }
}

bool TWipeEngine::WritePass(const TPass& pass, const std::string& text) {
  if (!open_) return false;
  platform::File& file = *open_->file;
  const std::uint64_t size = open_->size;
  const std::uint64_t cluster = open_->clusterSize;
  const std::int64_t bufferSize = run().Settings.BufferSize;
  const bool slack = run().Settings.WipeSlackSpace;
  // With slack space, the pass covers the file up to the end of its last cluster, one whole
  // cluster more when it ends on a boundary. A file smaller than a cluster gets its own size.
  const std::uint64_t length = (slack && size >= cluster) ? (size / cluster + 1) * cluster : size;
  const std::uint64_t start = file.position();

  std::optional<TPassBuffer> buffer;
  try {
    buffer.emplace(pass, text, bufferSize);
  } catch (const EPassBufferError&) {
    if (length == 0) return true;
    NotePassFailure(0, {}, "its text pattern is empty");
    return false;
  } catch (const std::bad_alloc&) {
    if (length == 0) return true;
    NotePassFailure(0, std::make_error_code(std::errc::not_enough_memory));
    return false;
  } catch (const std::exception& error) {
    if (length == 0) return true;
    NotePassFailure(0, {}, error.what());
    return false;
  }
  const std::uint64_t block = buffer->BlockLength();
  if (block == 0) {
    if (length == 0) return true;
    NotePassFailure(
        0, {},
        bufferSize < 1
            ? "the buffer size " + std::to_string(bufferSize) + " is not usable"
            : "it is of an unknown kind (" + std::to_string(unsigned{pass.WipeWith}) + ")");
    return false;
  }

  // Whole blocks first, growing the file when the last one passes its end; then the rest of
  // the pass, which stops at the file's current end.
  const std::uint64_t wholeBlocks = length / block * block;
  std::uint64_t sinceWriteback = 0;
  bool written = WriteRange(*buffer, 0, wholeBlocks, sinceWriteback);
  const std::uint64_t rest = length - wholeBlocks;
  if (written && !stopRequested() && rest > 0) {
    const auto end = file.size();
    const std::uint64_t here = file.position();
    const std::uint64_t upTo = (end && *end > here) ? std::min(*end - here, rest) : 0;
    written = WriteRange(*buffer, wholeBlocks, wholeBlocks + upTo, sinceWriteback);
    if (written) progress().Advance(rest - upTo);
  }
  buffer->Finish();
  SettleWrites(file, file.position() - start);
  const platform::Status flushed = Flush(file);
  // A write that failed only past the file's old end (growing it into its last cluster on a
  // full disk) still left every byte of the file overwritten.
  const bool reached = written || file.position() >= start + size;
  if (!reached) {
    const std::uint64_t at = open_->writeFailedAt > start ? open_->writeFailedAt - start : 0;
    NotePassFailure(at, open_->writeError,
                    open_->writeError ? std::string() : "its buffer gave no bytes");
  } else if (!flushed) {
    // What the pass wrote may not have reached the device, from its first byte on.
    NotePassFailure(0, flushed.error());
  }
  const bool covered = flushed && reached;
  // Read back once it is on the device; one difference is enough to name the file.
  if (covered && pass.CheckWipe && !stopRequested() && !open_->unverifiedAt) {
    VerifyPass(*buffer, start, file.position());
  }
  return covered;
}
