#pragma once
// Whoever keeps account of what a run does to each file it wipes: told of each file as its
// passes begin (where it lies then), of each such file the run deleted afterwards, and of each
// journal the run cleared. The device check and the run's report keep account this way; a run
// without a witness (WipeRun::Witness null) tells nobody.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class File;
class Folder;
struct DirEntry;
struct EntryId;
struct FileLayout;
struct JournalOutcome;
}  // namespace platform

class IWipeWitness {
 public:
  virtual ~IWipeWitness() = default;
  // The passes over the file `path`, the entry `id` of the open folder open as `file` (null
  // where it is not at hand), begin: `size` bytes lying where `layout` says, `passes` passes to
  // come (the signature pass counted).
  virtual void PassesBegin(platform::Folder& folder, platform::File* file, const std::string& path,
                           const platform::EntryId& id, std::uint64_t size,
                           const platform::FileLayout& layout, int passes) = 0;
  // The run is about to wipe files of `folder` listed in `entries`, in their order (some may be
  // left out: folders, names that do not match, files that change). A witness that reads each
  // file's old content may ask the system to fetch it ahead.
  virtual void FilesAhead(platform::Folder& folder,
                          const std::vector<platform::DirEntry>& entries) {
    (void)folder;
    (void)entries;
  }
  // The file `id`, overwritten, has been deleted.
  virtual void Deleted(const platform::EntryId& id) = 0;
  // The run ended by clearing the journal of the file system of `folder`, with this outcome.
  virtual void JournalCleared(const std::string& folder,
                              const platform::JournalOutcome& outcome) = 0;
};
