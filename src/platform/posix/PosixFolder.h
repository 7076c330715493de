#pragma once
// An open folder of the Linux file system: every call is relative to its descriptor
// (openat, statx, renameat2, unlinkat), so nothing is resolved again by path.

#include <optional>
#include <string>

#include "platform/Folder.h"

namespace platform::posix {

class PosixFolder final : public Folder {
 public:
  // Takes over the descriptor of a folder opened for reading.
  PosixFolder(int fd, std::string path);
  ~PosixFolder() override;

  Result<FileInfo> info() override;
  Result<std::vector<DirEntry>> list() override;
  Result<FileInfo> entry(const std::string& name) override;
  Result<std::unique_ptr<Folder>> openFolder(const std::string& name,
                                             const EntryId& expected) override;
  Result<std::unique_ptr<Folder>> openBeneath(const std::string& relative) override;
  std::string systemFileSystem() override;
  Result<std::unique_ptr<File>> openFile(const std::string& name, const EntryId& expected) override;
  Status setAttributes(const std::string& name, std::uint32_t attributes) override;
  Status rename(const std::string& from, const std::string& to) override;
  Status removeFile(const std::string& name) override;
  Status removeFolder(const std::string& name) override;
  Status syncFileSystem() override;

 private:
  // Why an entry could not be opened: gone, FileError::Changed when it is no longer the entry
  // expected (another entry, a link now), FileError::NotAFile when it is neither file nor
  // folder, else the error of the open itself.
  std::error_code whyNotOpened(const std::string& name, const EntryId& expected, EntryKind wanted,
                               std::error_code openError);

  // The number of the mount the folder lies on (0 where the system does not tell), asked once: a
  // descriptor stays on its mount.
  std::uint64_t ownMount();
  // FileError::SystemFileSystem when the folder lies on a system file system.
  std::error_code refusedHere();

  int fd_;
  std::optional<std::string> systemFileSystem_;  // asked once: a folder stays where it is
  std::optional<std::uint64_t> mount_;           // the number of its mount, asked once
};

}  // namespace platform::posix
