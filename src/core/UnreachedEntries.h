#pragma once
// What a wipe records of an entry it did not reach or may not touch: gone, replaced since it was
// chosen or listed, a mount point, or on a system file system. Both the wipe of a single file
// and the walk of a folder record these the same way.

#include <string>
#include <system_error>
#include <vector>

#include "core/WipeFailure.h"

namespace platform {
class Folder;
struct EntryId;
struct FileInfo;
}  // namespace platform

// Records why an entry could not be reached: replaced, gone, or `otherwise` with the system's
// reason. False when nothing is left of it (it was gone).
bool FailReaching(std::vector<TWipeFailure>& failures, const std::string& path,
                  const std::error_code& error, TWipeFailureReason otherwise);
// For a job that must still be the entry `expected` (known when its device is not 0): true
// (and named) when the path could not be reached without a link, or names another entry now.
bool ReplacedSinceChosen(std::vector<TWipeFailure>& failures, const std::string& path,
                         const platform::EntryId& expected, const std::error_code& reaching,
                         const platform::EntryId& found);
// True (and named) when the folder lies on a system file system, where nothing is touched.
bool OnSystemFileSystem(std::vector<TWipeFailure>& failures, platform::Folder& folder,
                        const std::string& path);
// True (and named) when the entry of the folder, as `listed`, is a mount point: a walk never
// enters another mount, and a file bound over an entry is another file's content.
bool AtMountPoint(std::vector<TWipeFailure>& failures, platform::Folder& folder,
                  const std::string& path, const std::string& name,
                  const platform::FileInfo& listed);
