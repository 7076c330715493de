#include "core/JournalCleanup.h"

#include <algorithm>

#include "core/StaleScratchFolders.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/PathText.h"

using platform::JournalResult;

const char* const kClearingJournalText = TrNoop("Clearing file names from the journal…");

namespace {

// Keeps a few folders per file system, in case the first ones are gone by the end of the run.
constexpr std::size_t kFoldersPerVolume = 4;

}  // namespace

std::string JournalResultText(JournalResult result) {
  switch (result) {
    case JournalResult::Cleaned:
      return Tr("file names cleared from the journal");
    case JournalResult::NoJournal:
      return Tr("the file system keeps no journal");
    case JournalResult::NotExt4:
      return Tr("not an ext4 or XFS file system: file names are not cleared there");
    case JournalResult::ExternalJournal:
      return Tr("the journal is kept on another device");
    case JournalResult::NotPermitted:
      return Tr("emptying the journal needs the administrator");
    case JournalResult::Unsupported:
      return Tr("the system cannot empty the journal");
    case JournalResult::NoSpace:
      return Tr("too little free space for the scratch files");
    case JournalResult::NoInodes:
      return Tr("too few free inodes for the scratch files");
    case JournalResult::Stopped:
      return Tr("stopped before the journal was cleared");
    case JournalResult::Changed:
      return Tr("no folder of the file system could be reached any more");
    case JournalResult::Failed:
      break;
  }
  return Tr("the journal could not be cleared");
}

std::string DescribeJournalOutcome(const platform::JournalOutcome& outcome) {
  std::string text = JournalResultText(outcome.result);
  if (!outcome.detail.empty()) text += ": " + outcome.detail;
  if (outcome.error) text += " (" + outcome.error.message() + ")";
  return text;
}

JournalCleanup::JournalCleanup(platform::JournalWay way)
    : JournalCleanup(platform::journals(), platform::fs(), way) {}

void JournalCleanup::NoteDeletion(const std::string& folder) {
  if (!volumes_.empty() && folder == lastNoted_) return;
  lastNoted_ = folder;
  std::string path = platform::trimSeparators(folder);
  std::optional<std::uint64_t> id;
  while (!path.empty() && !(id = journals_->volumeOf(path))) path = platform::parentFolderOf(path);
  if (!id) return;
  auto volume =
      std::find_if(volumes_.begin(), volumes_.end(), [&](const Volume& v) { return v.id == *id; });
  if (volume == volumes_.end()) {
    volumes_.push_back({*id, {path}});
  } else if (volume->folders.size() < kFoldersPerVolume &&
             std::find(volume->folders.begin(), volume->folders.end(), path) ==
                 volume->folders.end()) {
    volume->folders.push_back(path);
  }
}

std::string JournalCleanup::reachableFolder(const Volume& volume) const {
  // A noted folder itself, else the nearest of its parents still on the same file system.
  for (const std::string& folder : volume.folders) {
    if (journals_->volumeOf(folder) == volume.id) return folder;
  }
  for (const std::string& folder : volume.folders) {
    for (std::string path = platform::parentFolderOf(folder); !path.empty();
         path = platform::parentFolderOf(path)) {
      const auto id = journals_->volumeOf(path);
      if (id == volume.id) return path;
      if (id) break;  // another file system: the noted one is not above this
    }
  }
  return {};
}

std::vector<JournalCleanup::Result> JournalCleanup::Finish(const Progress& progress,
                                                           const Stop& stop) {
  std::vector<Volume> volumes;
  volumes.swap(volumes_);
  lastNoted_.clear();
  std::vector<Result> results;
  bool stopped = false;
  for (const Volume& volume : volumes) {
    if (Wanted) {
      const std::string folder = reachableFolder(volume);
      if (folder.empty()) continue;
      if (!Wanted(folder)) {
        Result skipped{folder, {}};
        skipped.Skipped = true;
        results.push_back(std::move(skipped));
        continue;
      }
    }
    Result result{volume.folders.front(), {}};
    stopped = stopped || (stop && stop());
    if (stopped) {
      result.Outcome.result = JournalResult::Stopped;
      results.push_back(std::move(result));
      continue;
    }
    const std::string folder = reachableFolder(volume);
    if (folder.empty()) {
      result.Outcome.result = JournalResult::Changed;
      results.push_back(std::move(result));
      continue;
    }
    result.Folder = folder;
    platform::JournalRequest request;
    request.folder = folder;
    request.way = way_;
    request.volume = volume.id;
    request.stop = stop;
    if (progress) {
      progress(Tr(kClearingJournalText), 0, 0);
      request.progress = [&progress](std::uint64_t done, std::uint64_t total) {
        progress(Tr(kClearingJournalText), done, total);
      };
    }
    std::vector<TScratchFolderLeft> staleLeft;
    if (const platform::JournalInfo kind = journals_->inspect(folder); kind.ext4 || kind.xfs) {
      RemoveStaleScratchFolders(*files_, folder, StaleScratchAge, &staleLeft);
    }
    result.Outcome = journals_->clean(request);
    // A scratch folder of an earlier cleaning that stays is left on the user's file system:
    // the outcome says so and names it, whatever the cleaning itself came to.
    for (const TScratchFolderLeft& stale : staleLeft) {
      platform::JournalOutcome& outcome = result.Outcome;
      const std::string what = Tr("the scratch folder ") + stale.Path + Tr(" could not be removed");
      if (outcome.result == JournalResult::Cleaned) {
        outcome.result = JournalResult::Failed;
        outcome.detail = what;
        outcome.error = stale.Error;
      } else {
        outcome.detail += (outcome.detail.empty() ? "" : "; ") + what;
        if (!outcome.error) outcome.error = stale.Error;
      }
    }
    stopped = result.Outcome.result == JournalResult::Stopped;
    results.push_back(std::move(result));
  }
  return results;
}
