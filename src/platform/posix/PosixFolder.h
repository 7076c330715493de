#pragma once
// An open folder of the Linux file system: every call is relative to its descriptor
// (openat, statx, renameat2, unlinkat), so nothing is resolved again by path.

#include <optional>
#include <string>
#include <vector>

#include "platform/Folder.h"
#include "platform/posix/MountPlace.h"

namespace platform::posix {

class PosixFolder final : public Folder {
 public:
  // Takes over the descriptor of a folder opened for reading.
  PosixFolder(int fd, std::string path);
  ~PosixFolder() override;

  Result<FileInfo> info() override;
  Result<std::vector<DirEntry>> list() override;
  Result<FileInfo> entry(const std::string& name) override;
  std::optional<std::string> mountedAt(const std::string& name, const FileInfo& listed) override;
  Result<std::unique_ptr<Folder>> openFolder(const std::string& name,
                                             const EntryId& expected) override;
  Result<std::unique_ptr<Folder>> openStartFolder(const std::string& name,
                                                  const EntryId& expected) override;
  Result<std::unique_ptr<Folder>> openBeneath(const std::string& relative) override;
  std::string systemFileSystem() override;
  Result<std::unique_ptr<File>> openFile(const std::string& name, const EntryId& expected) override;
  void adviseRead(const std::string& name, const EntryId& expected, std::uint64_t length) override;
  Status setAttributes(const std::string& name, std::uint32_t attributes) override;
  Status rename(const std::string& from, const std::string& to) override;
  Status removeFile(const std::string& name) override;
  Status removeFolder(const std::string& name) override;
  Status syncFileSystem() override;
  Status writeJournalHome() override;

 private:
  // Why an entry could not be opened: gone, FileError::Changed when it is no longer the entry
  // expected (another entry, a link now), FileError::NotAFile when it is neither file nor
  // folder, else the error of the open itself.
  std::error_code whyNotOpened(const std::string& name, const EntryId& expected, EntryKind wanted,
                               std::error_code openError);

  // The folder opened, if it is still the one expected; a mount point only with `mountPoints`.
  Result<std::unique_ptr<Folder>> openSub(const std::string& name, const EntryId& expected,
                                          bool mountPoints);
  // Where the folder lies (its device and the number of its mount), asked once: a descriptor
  // stays on its mount.
  const MountPlace& ownPlace();
  // Whether what was reached as the entry `name` lies on another mount than the folder.
  bool onOtherMount(const std::string& name, const FileInfo& reached);
  // FileError::SystemFileSystem when the folder lies on a system file system.
  std::error_code refusedHere();

  int fd_;
  std::optional<std::string> systemFileSystem_;  // asked once: a folder stays where it is
  std::optional<MountPlace> place_;              // its device and mount, asked once
  // The names of its entries that the mount table lists as mount points, read once: asked only
  // where the system gives no mount numbers and the device does not tell a mount apart (a bind
  // mount of the same file system, which only the administrator can make).
  std::optional<std::vector<std::string>> mountPointNames_;
};

}  // namespace platform::posix
