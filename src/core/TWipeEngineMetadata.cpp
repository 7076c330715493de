// Names in the metadata of btrfs. A deleted file's name stays readable in the metadata blocks
// that held it, which no file can be written into. Before a free-space fill the file system
// moves its metadata elsewhere, so those blocks become space the fill covers; what is left (in
// the unused part of blocks still in use, and wherever a drive keeps discarded blocks) is said
// plainly after every free-space wipe, and after a file wipe that no free-space wipe followed.

#include <algorithm>

#include "core/Helpers.h"
#include "core/NamesLeft.h"
#include "core/TWipeEngine.h"
#include "core/Translated.h"
#include "core/WipeServices.h"
#include "platform/Drives.h"
#include "platform/MetadataRelocation.h"

const char* const kMovingMetadataText = TrNoop("Moving the file system's metadata...");

namespace {

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

TWipeEngine::MetadataMove TWipeEngine::MoveMetadata(const std::string& root,
                                                    const std::string& fileSystem,
                                                    std::uint64_t device, std::uint64_t mount) {
  MetadataMove move;
  if (!KeepsNamesInMovableMetadata(fileSystem)) return move;
  move.tried = true;
  IWipeProgress& window = progress();
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
  request.stop = [this] {
    ProcessMessages();
    return stopRequested();
  };
  const platform::Status moved = platform::relocateMetadata(request);
  // A stop is the run's own: the caller ends the drive's wipe as after any stop.
  if (!moved && !(stopRequested() && moved.error() == std::errc::operation_canceled)) {
    move.error = moved.error();
  }
  return move;
}

void TWipeEngine::NoteNamesInMetadata(const std::string& root, const std::string& fileSystem,
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
  Notes.push_back({root, TWipeFailureReason::NamesInMetadata, error, std::move(detail),
                   reached ? root : std::string()});
}

void TWipeEngine::NoteNamesLeftByFiles() {
  if (!namesLeft_) return;
  for (TWipeFailure& left : namesLeft_->Finish()) Failures.push_back(std::move(left));
  namesLeft_.reset();
}
