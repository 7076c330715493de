#pragma once
// Where a free-space wipe writes: the job bound to the file system that was listed, its
// temporary file made in the drive's root (or a folder of the same mount the caller may write),
// the temporary files of the caller's interrupted runs found and removed, and the job's own
// files removed at its end. Nothing but the caller's own file of that name is ever written or
// removed.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "core/WipeFailure.h"
#include "platform/Result.h"

struct TFreeSpaceJob;
class TWipeItem;
class WipeRun;
namespace platform {
class File;
class Folder;
struct EntryId;
}  // namespace platform

// A temporary file of a free-space wipe that is still there: one that a run killed part-way
// (power loss, kill -9) left behind, filling the drive.
struct TLeftoverFile {
  std::string Path;
  std::uint64_t Size = 0;
};
// The free-space wipe's temporary files found for the drive at `root`: an ordinary file of the
// caller's with a single name, named as the temporary file, in the drive's root or in a folder
// that a run puts the file in when the root may not be written (the home and the temporary
// folder, where they are reached through the drive's own mount). None while a free-space run
// holds the drive's lock (core/FreeSpaceLock.h): the file is that run's.
std::vector<TLeftoverFile> FindFreeSpaceLeftovers(const std::string& root);
// The folder a free-space wipe of the drive at `root` would put its temporary file in, as the
// run chooses it: the drive's root, or the home or temporary folder on that drive, whichever
// the caller may write first. Empty when none may be written (only the administrator can wipe
// that drive's free space); the system's reason when the drive cannot be asked, and
// std::errc::read_only_file_system when it is mounted read-only.
platform::Result<std::string> FreeSpaceFileFolder(const std::string& root);

class TFreeSpacePlace {
 public:
  // Removes the entry `name` of the open folder, `size` bytes large, if it is still the file
  // `id`: the run's own way of removing what it wrote (a large file given back in steps first).
  using RemoveOwnFile =
      std::function<platform::Status(platform::Folder& folder, const std::string& name,
                                     const platform::EntryId& id, std::uint64_t size)>;

  // Works with the run's file system and drive table, names what it cannot do in `failures`
  // and the leftovers it removed in `notes`.
  TFreeSpacePlace(WipeRun& run, std::vector<TWipeFailure>& failures,
                  std::vector<TWipeFailure>& notes, RemoveOwnFile remove);

  // Binds the job to the file system listed for the item: its root must still be that file
  // system's mount point, mounted for writing. False (and named) otherwise; false without a
  // word for a path that is not absolute.
  bool Bind(const TWipeItem& item, TFreeSpaceJob& job);
  // Makes the job's temporary file, the caller's own new file on the mount the job writes
  // through, after removing the caller's leftovers (only while the job holds the file system's
  // lock). Null (and named) when it cannot be made there.
  std::unique_ptr<platform::File> Place(TFreeSpaceJob& job);
  // Removes the job's temporary files if they are still the run's own. True when the first was
  // removed now; a file that stays is named, since it keeps the drive full.
  bool Remove(const TFreeSpaceJob& job);
  bool Remove(const TFreeSpaceJob& job, const std::string& path);

 private:
  void Fail(const std::string& path, TWipeFailureReason reason, std::error_code error = {},
            std::string detail = {});

  WipeRun& run_;
  std::vector<TWipeFailure>& failures_;
  std::vector<TWipeFailure>& notes_;
  RemoveOwnFile remove_;
};
