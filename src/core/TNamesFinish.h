#pragma once
// The finishing step for the names of what a wipe run deleted. Told of every deletion as it
// happens, it clears the journals (and logs) of the file systems deleted on after the run's last
// deletion, and says where the names stay besides (NamesLeft); before a free-space fill it has
// btrfs move its metadata, so that the fill reaches the old copies of names kept there. What
// stays goes to the engine's failures, what the user should know besides to its notes.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "core/JournalCleanup.h"
#include "core/TRunTurns.h"
#include "core/WipeFailure.h"

class NamesLeft;
class WipeRun;

// The progress window's text while a file system's metadata is moved before its free space is
// filled.
extern const char* const kMovingMetadataText;

class TNamesFinish {
 public:
  TNamesFinish(std::vector<TWipeFailure>& failures, std::vector<TWipeFailure>& notes);
  TNamesFinish(const TNamesFinish&) = delete;
  TNamesFinish& operator=(const TNamesFinish&) = delete;
  ~TNamesFinish();

  // Whether the metadata of a drive's file system was moved before its free space was filled,
  // and the system's reason when it was not.
  struct MetadataMove {
    bool tried = false;  // the file system keeps names where a fill may reach them once moved
    std::error_code error{};
  };

  // A run begins: its deletions are noted from now on, through its drive table, file system and
  // journals, and the journals its settings choose (every one that journals file contents) are
  // cleared at its end.
  void Begin(WipeRun& run);
  // Whether a run's deletions are noted (from Begin to End).
  bool Noting() const { return journal_.has_value(); }
  // Something in the folder was deleted: its file system's journal is cleared at the end.
  void NoteDeletion(const std::string& folder);
  // A file or link of the folder was deleted: its journal is cleared, and where its name stays
  // besides is told at the end, when it is a name someone `chose` (the free space's own
  // temporary file is not).
  void NoteFileDeletion(const std::string& folder, bool chosen);
  // On btrfs, before the fill: moves every metadata block group of the file system mounted at
  // `root` (`device`, reached through `mount`), so that the blocks holding old copies of names
  // become space the fill writes over. The progress window shows it; the run's stop cancels it.
  MetadataMove MoveMetadata(const TRunTurns& turns, const std::string& root,
                            const std::string& fileSystem, std::uint64_t device,
                            std::uint64_t mount);
  // After a free-space wipe of `root`: says what may remain of names in its metadata.
  void NoteNamesInMetadata(const std::string& root, const std::string& fileSystem,
                           const MetadataMove& move);
  // At the end of a run: names where the names of the files it deleted stay on the device
  // (NamesLeft), as things left behind.
  void NoteNamesLeftByFiles();
  // After the run's last deletion: clears the journals noted, the progress window showing it.
  void ClearJournals(const TRunTurns& turns);
  // The run has ended: nothing more is noted.
  void End();

 private:
  std::vector<TWipeFailure>& failures_;
  std::vector<TWipeFailure>& notes_;
  WipeRun* run_ = nullptr;  // while a run is on
  // The folders files were deleted from during the run, for where their names stay.
  std::unique_ptr<NamesLeft> namesLeft_;
  std::optional<JournalCleanup> journal_;  // while a run is on
};
