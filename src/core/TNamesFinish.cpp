// The finishing step for the names of what a wipe run deleted: journals, logs and btrfs
// metadata.

#include "core/TNamesFinish.h"

#include <algorithm>
#include <utility>

#include "core/NamesLeft.h"
#include "core/Translated.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "core/WipeWitness.h"
#include "platform/Drives.h"
#include "platform/Journal.h"
#include "platform/MetadataRelocation.h"

const char* const kMovingMetadataText = TrNoop("Moving the file system's metadata...");

namespace {

// Whether the file system keeps copies of deleted names in a journal that a run can clear.
bool KeepsNamesInJournal(const platform::JournalInfo& kind) {
  return (kind.ext4 && kind.journal) || kind.xfs;
}

// Only btrfs is asked to move its metadata, and only its names are known to stay there.
bool KeepsNamesInMovableMetadata(const std::string& fileSystem) {
  return fileSystem == "btrfs";
}

// Why the metadata was not moved, in the user's words where the reason is a usual one.
std::string WhyNotMoved(const std::error_code& error) {
  if (error == std::errc::operation_not_permitted || error == std::errc::permission_denied) {
    return Tr("only the administrator may move it");
  }
  if (error == std::errc::operation_in_progress) {
    return Tr("the file system is already rebalancing");
  }
  if (error == platform::FileError::Changed) return Tr("another file system is mounted there now");
  if (error == std::errc::no_space_on_device) {
    return Tr("the file system has no unallocated space to move it to");
  }
  return {};
}

}  // namespace

TNamesFinish::TNamesFinish(std::vector<TWipeFailure>& failures, std::vector<TWipeFailure>& notes)
    : failures_(failures), notes_(notes) {}

TNamesFinish::~TNamesFinish() = default;

void TNamesFinish::Begin(WipeRun& run) {
  run_ = &run;
  namesLeft_ = std::make_unique<NamesLeft>(run.Drives, run.Files);
  // Every run notes where it deletes: a file system that journals file contents has its
  // journal cleared whatever the option says.
  journal_.emplace(run.Journals, run.Files);
  journal_->Wanted = [&run](const std::string& folder) {
    const platform::JournalInfo kind = run.Journals.inspect(folder);
    if (kind.dataJournal) return true;
    switch (run.Settings.Journal) {
      case WipeRunSettings::JournalNames::All:
        return true;
      case WipeRunSettings::JournalNames::None:
        return false;
      case WipeRunSettings::JournalNames::WhereKept:
        return KeepsNamesInJournal(kind);
    }
    return false;
  };
}

void TNamesFinish::End() {
  journal_.reset();
  namesLeft_.reset();
  run_ = nullptr;
}

void TNamesFinish::NoteDeletion(const std::string& folder) {
  if (journal_) journal_->NoteDeletion(folder);
}

void TNamesFinish::NoteFileDeletion(const std::string& folder, bool chosen) {
  NoteDeletion(folder);
  // The free space's own temporary file leaves no name anyone chose.
  if (namesLeft_ && chosen) namesLeft_->NoteDeletion(folder);
}

void TNamesFinish::ClearJournals(const TRunTurns& turns) {
  if (!journal_->Pending()) return;
  IWipeProgress& window = *turns.Window;
  // Shown once a journal is really being cleared.
  bool shown = false;
  const auto progressed = [&](const std::string&, std::uint64_t done, std::uint64_t total) {
    if (!shown) window.ShowStep(Tr(kClearingJournalText));
    shown = true;
    window.SetFileRange(total);
    window.SetPassRange(total);
    window.SetFilePosition(done);
    window.SetPassPosition(done);
  };
  // Asked between commits; a stop before this point (the stop token already set) clears
  // nothing.
  const auto stop = [&turns] {
    turns.HandleEvents();
    return turns.Stopped();
  };
  for (const JournalCleanup::Result& result : journal_->Finish(progressed, stop)) {
    const platform::JournalOutcome& outcome = result.Outcome;
    if (result.Skipped) {
      // Left by the user's choice: said, and not counted as left behind.
      if (KeepsNamesInJournal(run_->Journals.inspect(result.Folder))) {
        notes_.push_back({result.Folder,
                          TWipeFailureReason::JournalNotCleared,
                          {},
                          "turned off, so the names of the files deleted here remain in it"});
      }
      continue;
    }
    if (run_->Witness) run_->Witness->JournalCleared(result.Folder, outcome);
    if (outcome.result == platform::JournalResult::Cleaned ||
        outcome.result == platform::JournalResult::NoJournal) {
      continue;
    }
    std::string detail = JournalResultText(outcome.result);
    if (!outcome.detail.empty()) detail += ": " + outcome.detail;
    if (run_->Journals.inspect(result.Folder).dataJournal) {
      // Not a matter of names alone: the content of what was wiped there is still readable.
      failures_.push_back({result.Folder, TWipeFailureReason::JournalContentRemains, outcome.error,
                           std::move(detail)});
      continue;
    }
    // A file system that keeps no journal of names (asked for by choice), or a stop, which
    // the run reports on its own: said, not counted.
    if (outcome.result == platform::JournalResult::NotExt4 ||
        outcome.result == platform::JournalResult::Stopped) {
      notes_.push_back(
          {result.Folder, TWipeFailureReason::JournalNotCleared, outcome.error, std::move(detail)});
      continue;
    }
    // The clearing was wanted and could not be done: the names are still on the device.
    failures_.push_back(
        {result.Folder, TWipeFailureReason::NamesRemain, outcome.error,
         "in the file system's journal, which could not be cleared (" + detail + ")"});
  }
}

TNamesFinish::MetadataMove TNamesFinish::MoveMetadata(const TRunTurns& turns,
                                                      const std::string& root,
                                                      const std::string& fileSystem,
                                                      std::uint64_t device, std::uint64_t mount) {
  MetadataMove move;
  if (!KeepsNamesInMovableMetadata(fileSystem)) return move;
  move.tried = true;
  IWipeProgress& window = *turns.Window;
  window.ShowStep(Tr(kMovingMetadataText));
  window.SetFileRange(1);
  window.SetPassRange(1);
  window.SetFilePosition(0);
  window.SetPassPosition(0);
  platform::RelocationRequest request;
  request.mountPoint = root;
  request.device = device;
  request.mount = mount;
  request.progress = [&window](std::uint64_t done, std::uint64_t total) {
    if (total == 0) return;
    window.SetFileRange(total);
    window.SetPassRange(total);
    window.SetFilePosition(std::min(done, total));
    window.SetPassPosition(std::min(done, total));
  };
  request.stop = [&turns] {
    turns.HandleEvents();
    return turns.Stopped();
  };
  const platform::Status moved = platform::relocateMetadata(request);
  // A stop is the run's own: the caller ends the drive's wipe as after any stop.
  if (!moved && !(turns.Stopped() && moved.error() == std::errc::operation_canceled)) {
    move.error = moved.error();
  }
  return move;
}

void TNamesFinish::NoteNamesInMetadata(const std::string& root, const std::string& fileSystem,
                                       const MetadataMove& move) {
  if (!KeepsNamesInMovableMetadata(fileSystem)) return;
  std::string detail = Tr("a drive that does not zero discarded blocks keeps them");
  std::error_code error;
  if (move.tried && move.error) {
    const std::string why = WhyNotMoved(move.error);
    detail += Tr("; its metadata was not moved first");
    if (why.empty()) {
      error = move.error;
    } else {
      detail += ": " + why;
    }
  }
  // Moved and filled: the fill reached the names of the files deleted there before it.
  const bool reached = move.tried && !move.error;
  if (reached && namesLeft_) namesLeft_->NoteMetadataFilled(root);
  notes_.push_back({root, TWipeFailureReason::NamesInMetadata, error, std::move(detail),
                    reached ? root : std::string()});
}

void TNamesFinish::NoteNamesLeftByFiles() {
  if (!namesLeft_) return;
  for (TWipeFailure& left : namesLeft_->Finish()) failures_.push_back(std::move(left));
  namesLeft_.reset();
}
