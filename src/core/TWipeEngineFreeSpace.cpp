// Wiping the free space of a drive, step by step: the drive bound and the temporary file placed
// (TFreeSpacePlace), the free space filled (TFreeSpaceFill), then the filled file wiped with every
// pass left and deleted, and what was not reached told.

#include <algorithm>
#include <utility>

#include "core/FreeSpaceLock.h"
#include "core/TFileOverwriter.h"
#include "core/TFreeSpaceFill.h"
#include "core/TFreeSpaceJob.h"
#include "core/TFreeSpacePlace.h"
#include "core/TWipeEngine.h"
#include "core/Translated.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/FileLock.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Journal.h"

namespace {

// A file system that keeps a journal of its own records (ext4) writes the blocks it took for
// the temporary files' maps of their pieces (a file of many pieces needs them) through that
// journal, and a block freed before the journal wrote it to its place is never written there: it
// keeps what a deleted file left in it. So everything the journal holds is written to its place
// while the temporary files still hold their blocks, through the folder of the first one, on the
// mount the job writes through. Nothing is done where the journal holds no such blocks.
platform::Status WriteJournalHome(const TFreeSpaceJob& job) {
  auto folder = TFreeSpaceFill::OpenJobFolder(job);
  if (!folder) return folder.error();
  return folder->writeJournalHome();
}

// Why the fill may have missed blocks when the journal could not be written to its place.
std::string JournalNotWrittenHome(const std::error_code& error) {
  const std::string missed =
      Tr("blocks the file system took for the temporary file's map of its pieces may keep "
         "deleted content");
  if (error == std::errc::operation_not_permitted || error == std::errc::permission_denied) {
    return missed + Tr(": only the administrator may have its journal written to its place");
  }
  return missed + Tr(": its journal could not be written to its place");
}

}  // namespace

void TWipeEngine::WipeDriveFreeSpace(const TWipeItem& item) {
  TFreeSpaceJob job;
  TFreeSpacePlace place = FreeSpacePlace();
  TFreeSpaceFill fill = FreeSpaceFill(place);
  if (!place.Bind(item, job)) return;
  // One free-space run of the user per file system: a second would take the first's temporary
  // file for a leftover, and put its reserve back while it fills. Where no lock can be made (the
  // settings folder may not be written) the job goes on without one, and leaves what it cannot
  // tell from a live run's alone.
  if (auto lock = TakeFreeSpaceLock(job.bound.id.device)) {
    job.lock = std::move(*lock);
  } else if (platform::FileLock::isLockedError(lock.error())) {
    Fail(job.root, TWipeFailureReason::FreeSpaceRunning);
    return;
  }
  std::unique_ptr<platform::File> file = place.Place(job);
  if (!file) return;
  // btrfs moves its metadata first, so that the fill reaches where old names were.
  const TNamesFinish::MetadataMove metadata =
      names_.MoveMetadata(Turns(), job.root, job.fileSystem, job.bound.id.device, job.rootMount);
  IWipeProgress& window = progress();
  window.ShowFile(Tr("Creating temporary file..."));
  window.SetFileRange(100);
  window.SetPassRange(100);
  const auto space = job.Ask();
  if (job.moved) {
    Fail(job.root, TWipeFailureReason::NoLongerMounted);
    return;
  }
  if (!space || space->available == 0) {
    file.reset();
    place.Remove(job);
    if (!space) {
      Fail(job.root, TWipeFailureReason::FreeSpaceFillFailed);
      return;
    }
    Fail(job.root, TWipeFailureReason::NoFreeSpace);
    job.keptBack = job.files->keptBack(job.root);
    fill.ReportUnreached(job, *space);
    return;
  }
  // Before the fill: the drive is bound, its temporary file made and its free space known.
  job.failuresBefore = Failures.size();
  const TFillEnd end = fill.Fill(job, *file, space->available, *space);
  file.reset();
  if (job.moved) {
    // Another file system has taken the root's place: the path names a file there now, which
    // is neither wiped nor deleted.
    Fail(job.root, TWipeFailureReason::NoLongerMounted);
    return;
  }
  if (!job.filled) {
    place.Remove(job);
    Fail(job.root, TWipeFailureReason::FreeSpaceFillFailed, job.error);
    return;
  }
  WipeAndReport(job, place, fill, end, metadata);
}

void TWipeEngine::WipeAndReport(TFreeSpaceJob& job, TFreeSpacePlace& place, TFreeSpaceFill& fill,
                                TFillEnd end, const TNamesFinish::MetadataMove& metadata) {
  if (end == TFillEnd::FirstPassFailed) FailPass(job.temporary, *fill.FirstPassFailure());
  if (end != TFillEnd::FirstPassFailed && !stopRequested() && job.copyOnWrite) {
    Notes.push_back({job.root,
                     TWipeFailureReason::FilledOnce,
                     {},
                     job.fileSystem + Tr(" writes every pass over a file to new blocks")});
  } else if (end != TFillEnd::FirstPassFailed && !stopRequested()) {
    // Before the wipe of the temporary files deletes them.
    if (const platform::Status home = WriteJournalHome(job); !home) {
      Fail(job.root, TWipeFailureReason::FreeSpaceNotWiped, home.error(),
           JournalNotWrittenHome(home.error()));
    }
    // The fill itself wrote the free space: where the passes over its files land is no matter.
    const bool checked = std::exchange(checkReach_, false);
    // Every pass over the second file, the first one included (it was written only to take the
    // blocks), and the file gone, before the passes over the first: the clusters it took from
    // the file system's reserve are free again and the reserve back while those run.
    for (const std::string& tail : job.tails) {
      if (stopRequested()) break;
      WipeFile(TWipeItem(wkFile, tail));
    }
    FinishFlushes();
    for (const std::string& tail : job.tails) place.Remove(job, tail);  // one whose pass failed
    if (job.reserve) job.reserve->Restore();
    firstPassWritten_ = end == TFillEnd::FirstPass;
    WipeFile(TWipeItem(wkFile, job.temporary));
    firstPassWritten_ = false;
    FinishFlushes();
    checkReach_ = checked;
  }
  // After a cancel this removes the unwiped file; after the wipe there is nothing left. A
  // temporary file whose pass failed is removed too (it holds only what the run wrote), and the
  // drive is named with the pass that failed.
  if (place.Remove(job)) {
    for (std::size_t i = job.failuresBefore; i < Failures.size(); ++i) {
      TWipeFailure& failure = Failures[i];
      const bool ours =
          failure.Path == job.temporary ||
          std::find(job.tails.begin(), job.tails.end(), failure.Path) != job.tails.end();
      if (!ours || failure.Reason != TWipeFailureReason::PassFailed) {
        continue;
      }
      failure.Path = job.root;
      failure.Reason = TWipeFailureReason::FreeSpaceNotWiped;
    }
  }
  if (stopRequested()) {
    stoppedInDrive_ = job.root;
    return;
  }
  if (job.left) fill.ReportUnreached(job, *job.left);
  // The blocks the wiped file held are free again: an SSD may now be told so, on the file
  // system that was wiped.
  const bool discard = run().Settings.DiscardFreeBlocks;
  if (discard && !job.files->info(job.temporary) && job.Ask() && !job.moved) {
    fill.DiscardFreeBlocks(job.root, job.bound.total);
  }
  names_.NoteNamesInMetadata(job.root, job.fileSystem, metadata);
}

TFreeSpacePlace TWipeEngine::FreeSpacePlace() {
  return TFreeSpacePlace(run(), Failures, Notes,
                         [this](platform::Folder& folder, const std::string& name,
                                const platform::EntryId& id, std::uint64_t size) {
                           wipedSize_ = size;
                           return RemoveWipedEntry(folder, name, id);
                         });
}

TFreeSpaceFill TWipeEngine::FreeSpaceFill(TFreeSpacePlace& place) {
  return TFreeSpaceFill(run(), Turns(), place, Failures, Notes,
                        [this](platform::File& file) { GiveBack(file); });
}
