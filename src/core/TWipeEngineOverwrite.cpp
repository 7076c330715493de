// The engine's side of overwriting one file: the method looked up, the file opened if it is
// still the one listed, its passes handed to a TFileOverwriter, and a file of a one-pass wipe
// left in the flush window while its flush goes on.

#include <algorithm>
#include <exception>
#include <limits>
#include <utility>

#include "core/Helpers.h"
#include "core/TFileOverwriter.h"
#include "core/TPass.h"
#include "core/TWipeEngine.h"
#include "core/Translated.h"
#include "core/UnreachedEntries.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "core/WipeWitness.h"
#include "platform/ContainingFolderIn.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/PathText.h"

namespace {

// Bytes per cluster of the file system holding the path, asked of the run's file system; 1 when
// it cannot be told.
std::uint32_t ClusterOf(platform::FileSystem& files, const std::string& path) {
  const auto space = files.diskSpace(path);
  return space && space->clusterSize != 0 ? space->clusterSize : 1;
}

std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b) {
  if (a != 0 && b > std::numeric_limits<std::uint64_t>::max() / a) {
    return std::numeric_limits<std::uint64_t>::max();
  }
  return a * b;
}

// The progress window as the overwrite of a file of `size` bytes with `passes` passes starts.
void ShowStarting(IWipeProgress& window, const std::string& shown, int passes, std::uint64_t size) {
  window.SetFileRange(SaturatingProduct(static_cast<std::uint64_t>(passes), size));
  window.SetPassRange(size);
  window.ShowFile(shown);
  window.SetFilePosition(0);
}

}  // namespace

TRunTurns TWipeEngine::Turns() {
  return TRunTurns{[this] { ProcessMessages(); }, [this] { return stopRequested(); }, &progress(),
                   run().Settings.BufferSize, run().Settings.WipeSlackSpace};
}

int TWipeEngine::OverwriteFile(const TWipeItem& item) {
  if (!platform::isAbsolutePath(item.Path)) {
    Fail(item.Path, TWipeFailureReason::CannotOpen);
    return 1;
  }
  auto place = platform::openContainingFolder(run().Files, item.Path);
  const auto listed = place ? place->folder->entry(place->name) : place.error();
  if (!listed) {
    FailReaching(Failures, item.Path, listed.error(), TWipeFailureReason::CannotOpen);
    return 1;
  }
  const Overwrite overwritten =
      OverwriteEntry(*place->folder, item.Path, place->name, listed->id, item.Caption);
  return overwritten == Overwrite::Failed || overwritten == Overwrite::Gone ? 1 : 0;
}

std::unique_ptr<platform::File> TWipeEngine::OpenToOverwrite(platform::Folder& folder,
                                                             const std::string& path,
                                                             const std::string& name,
                                                             const platform::EntryId& listed,
                                                             std::uint64_t& size, bool& gone) {
  auto file = folder.openFile(name, listed);
  if (!file) {
    gone = !FailReaching(Failures, path, file.error(), TWipeFailureReason::CannotOpen);
    return nullptr;
  }
  // The link count that counts is the one of the file now open.
  const auto now = file->info();
  if (!now) {
    Fail(path, TWipeFailureReason::CannotOpen, now.error());
    return nullptr;
  }
  if (now->links > 1) {
    Fail(path, TWipeFailureReason::SharedContent);
    return nullptr;
  }
  size = now->size;
  return file.release();
}

void TWipeEngine::RunPasses(TFileOverwriter& overwriter, const std::vector<TPass>& passes,
                            int first, int total, bool overlap) {
  const bool signature = run().Settings.WriteSignature;
  for (std::size_t i = 0; i < passes.size(); ++i) {
    const int number = first + static_cast<int>(i);
    overwriter.RunPass(number, total, passes[i], std::string(), overlap && number == total);
    ProcessMessages();
    if (stopRequested()) return;
  }
  if (signature) {
    // A default pass: bytes of value 0.
    overwriter.RunPass(total, total, TPass(), run().Settings.Signature, overlap);
  }
}

void TWipeEngine::FailPass(const std::string& path, const TFileOverwriter::PassFailure& failed) {
  std::string detail = Substituted(Tr("pass {} failed at byte {}"),
                                   {std::to_string(failed.pass), std::to_string(failed.at)});
  if (!failed.error && !failed.why.empty()) detail += " (" + failed.why + ")";
  Fail(path, TWipeFailureReason::PassFailed, failed.error, std::move(detail));
}

TWipeEngine::Overwrite TWipeEngine::OverwriteEntry(platform::Folder& folder,
                                                   const std::string& path, const std::string& name,
                                                   const platform::EntryId& listed,
                                                   const std::string& caption) {
  wipedSize_ = std::numeric_limits<std::uint64_t>::max();
  // The free space's file had its first pass written by the fill.
  const int skipped = std::exchange(firstPassWritten_, false) ? 1 : 0;
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
    // This file's passes: the first is left out where the fill wrote it.
    std::vector<TPass> passes = method->Passes;
    bool gone = false;
    std::uint64_t size = 0;
    std::unique_ptr<platform::File> file = OpenToOverwrite(folder, path, name, listed, size, gone);
    if (!file) return gone ? Overwrite::Gone : Overwrite::Failed;
    // The file system that holds the open file tells its cluster size; asked by path where it
    // cannot.
    const std::uint32_t cluster = file->clusterSize();
    wipedSize_ = size;
    // Where the old content lies, to tell afterwards whether the passes reached it.
    reach_ = {};
    std::optional<platform::FileLayout> before;
    if (checkReach_) before = file->layout();

    const bool signature = run().Settings.WriteSignature;
    const int total = static_cast<int>(passes.size()) + (signature ? 1 : 0);
    ShowStarting(progress(), caption.empty() ? path : caption, total - skipped, size);
    if (skipped > 0 && !passes.empty()) passes.erase(passes.begin());

    // A lone pass's flush may go on while the next files are written; several passes each wait
    // for the one before to be on the device.
    const bool overlap = total == 1 && TFlushWindow::Takes(size, FlushWindowFiles) &&
                         std::none_of(passes.begin(), passes.end(),
                                      [](const TPass& pass) { return pass.CheckWipe; });
    // The window has room for this file's flush before it starts.
    if (overlap) MakeRoomFor(size);
    if (before && run().Witness) {
      run().Witness->PassesBegin(folder, file.get(), path, listed, size, *before, total - skipped);
    }
    auto overwriter = std::make_unique<TFileOverwriter>(
        *file, size, cluster ? cluster : ClusterOf(run().Files, path), Turns());
    RunPasses(*overwriter, passes, 1 + skipped, total, overlap);
    // A pass grows the file by at most what it wrote past the old end.
    wipedSize_ = std::max(size, file->position());
    if (overwriter->UnverifiedAt()) {
      Fail(path, TWipeFailureReason::VerificationFailed, overwriter->VerifyError(),
           Substituted(Tr("at byte {}"), {std::to_string(*overwriter->UnverifiedAt())}));
    }
    if (overwriter->FlushRunning() && !overwriter->Failure() && !stopRequested()) {
      HoldWhileFlushing(TFlushingFile{jobFolder_.get() == &folder ? std::move(jobFolder_) : nullptr,
                                      &folder, path, name, listed, std::move(file),
                                      std::move(overwriter), wipedSize_, std::move(before)});
      return Overwrite::Flushing;
    }
    overwriter->FinishFlush();
    // The file keeps its name and place, so that the wipe can be run again. (A stopped run
    // keeps it too, and names it as the file it stopped in.)
    if (overwriter->Failure() && !stopRequested()) {
      FailPass(path, *overwriter->Failure());
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

void TWipeEngine::MakeRoomFor(std::uint64_t size) {
  // Oldest first, so that files go in the order they were written.
  while (!flushing_.Empty() && !flushing_.Fits(size, FlushWindowFiles)) {
    FinishFlushed(flushing_.PopOldest());
  }
}

void TWipeEngine::HoldWhileFlushing(TFlushingFile file) {
  MakeRoomFor(file.size);
  flushing_.Push(std::move(file));
}

bool TWipeEngine::FinishFlushed(TFlushingFile flushed) {
  TFileOverwriter& overwriter = *flushed.overwriter;
  overwriter.FinishFlush();
  if (overwriter.Failure()) {
    FailPass(flushed.path, *overwriter.Failure());
    return true;
  }
  const TReachVerdict reach =
      flushed.before ? JudgeOverwrite(flushed.before, flushed.file->layout()) : TReachVerdict{};
  flushed.overwriter.reset();
  flushed.file.reset();
  wipedSize_ = flushed.size;
  if (!DeleteWipedFile(*flushed.folder, flushed.path, flushed.name, flushed.id)) return true;
  NoteReach(flushed.path, reach);
  return false;
}

bool TWipeEngine::FinishFlushes() {
  bool leftSome = false;
  while (!flushing_.Empty()) {
    if (FinishFlushed(flushing_.PopOldest())) leftSome = true;
  }
  return leftSome;
}
