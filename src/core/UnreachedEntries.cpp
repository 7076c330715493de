// What a wipe records of an entry it did not reach or may not touch.

#include "core/UnreachedEntries.h"

#include <optional>

#include "platform/FileSystem.h"
#include "platform/Folder.h"

bool FailReaching(std::vector<TWipeFailure>& failures, const std::string& path,
                  const std::error_code& error, TWipeFailureReason otherwise) {
  if (error == platform::FileError::Changed) {
    failures.push_back({path, TWipeFailureReason::Changed});
  } else if (error == platform::FileError::SystemFileSystem) {
    failures.push_back({path, TWipeFailureReason::SystemFileSystem});
  } else if (error == platform::FileError::MountPoint) {
    failures.push_back({path, TWipeFailureReason::MountPoint});
  } else if (error == std::errc::no_such_file_or_directory) {
    failures.push_back({path, TWipeFailureReason::NotFound});
    return false;
  } else {
    failures.push_back({path, otherwise, error});
  }
  return true;
}

bool ReplacedSinceChosen(std::vector<TWipeFailure>& failures, const std::string& path,
                         const platform::EntryId& expected, const std::error_code& reaching,
                         const platform::EntryId& found) {
  if (expected.device == 0) return false;
  // A link on the way, or a folder of the way swapped while it was opened; an entry that is
  // gone is only not found.
  const bool replaced =
      reaching ? reaching == platform::FileError::Link || reaching == platform::FileError::Changed
               : found != expected;
  if (replaced) failures.push_back({path, TWipeFailureReason::ReplacedSinceChosen});
  return replaced;
}

bool OnSystemFileSystem(std::vector<TWipeFailure>& failures, platform::Folder& folder,
                        const std::string& path) {
  const std::string system = folder.systemFileSystem();
  if (system.empty()) return false;
  failures.push_back({path, TWipeFailureReason::SystemFileSystem, {}, system});
  return true;
}

bool AtMountPoint(std::vector<TWipeFailure>& failures, platform::Folder& folder,
                  const std::string& path, const std::string& name,
                  const platform::FileInfo& listed) {
  const std::optional<std::string> mounted = folder.mountedAt(name, listed);
  if (!mounted) return false;
  failures.push_back(MountPointFailure(path, *mounted));
  return true;
}
