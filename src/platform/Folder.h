#pragma once
// An open folder, for walks that change what they find. Every call names an entry of this very
// folder and works relative to it, never through a path resolved again: a folder that is
// swapped for a link or another folder while the walk goes on can never lead the walk outside,
// and trees deeper than the longest path the system takes in one call are reached whole.
//
// Entries are opened without following links, and only when they are still the entry that was
// listed (same device and number); otherwise the call fails with FileError::Changed.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace platform {

class Folder {
 public:
  virtual ~Folder() = default;
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  // The path the folder was reached by, for messages; it names the folder only as long as no
  // folder above it is moved.
  const std::string& path() const { return path_; }
  // The path of an entry of the folder, for messages.
  std::string pathOf(const std::string& name) const;

  // What the folder itself is now (its device, number and mount).
  virtual Result<FileInfo> info() = 0;
  // Every entry ("." and ".." left out), links as links, sorted by name bytes. An entry that
  // vanishes while the folder is being listed is left out.
  virtual Result<std::vector<DirEntry>> list() = 0;
  // One entry, without following a link.
  virtual Result<FileInfo> entry(const std::string& name) = 0;
  // Whether the entry is a mount point: the root of a file system mounted there, or a file or
  // folder bound over it (a bind mount of the same file system included). `listed` is the entry
  // as it was listed or looked at, which tells its mount. The type of the file system mounted
  // there ("tmpfs"; empty where the system does not tell), or null for an entry of the folder's
  // own mount.
  virtual std::optional<std::string> mountedAt(const std::string& name, const FileInfo& listed) = 0;
  // Opens a folder of this folder, if it is still the one expected. A walk never enters another
  // mount: a mount point fails with FileError::MountPoint.
  virtual Result<std::unique_ptr<Folder>> openFolder(const std::string& name,
                                                     const EntryId& expected) = 0;
  // The same, also where the folder is a mount point: only for the folder a job starts at, which
  // the user (or the job's own place, such as the temporary folder) chose itself.
  virtual Result<std::unique_ptr<Folder>> openStartFolder(const std::string& name,
                                                          const EntryId& expected) = 0;
  // Opens a folder below this one by its path relative to it ("files", "a/b"), without
  // following a link in any component (FileError::Link), without crossing into another mount
  // (FileError::MountPoint) and never above this folder.
  virtual Result<std::unique_ptr<Folder>> openBeneath(const std::string& relative) = 0;
  // The name of the system file system the folder lies on ("proc", "sysfs", "efivarfs", ...),
  // where nothing is ever written, renamed or removed (such calls fail with
  // FileError::SystemFileSystem); empty for every other file system.
  virtual std::string systemFileSystem() = 0;
  // Opens an ordinary file of this folder for writing, if it is still the one expected. Never
  // waits on a pipe or device that was put in its place, and never opens a file bound over the
  // entry from elsewhere (FileError::MountPoint).
  virtual Result<std::unique_ptr<File>> openFile(const std::string& name,
                                                 const EntryId& expected) = 0;
  // Asks the system to bring the first `length` bytes of an ordinary file of this folder (if it
  // is still the one expected) into its cache without waiting for them: a later read of the
  // open file finds them there. Only a hint: nothing is read into the program, and where the
  // system cannot, nothing happens.
  virtual void adviseRead(const std::string& name, const EntryId& expected, std::uint64_t length) {
    (void)name;
    (void)expected;
    (void)length;
  }
  // Read-only bit of an entry (see Attribute); a link is never changed, nor what it points to,
  // nor what is mounted at the entry (FileError::MountPoint).
  virtual Status setAttributes(const std::string& name, std::uint32_t attributes) = 0;
  // Renames an entry within this folder; fails when the target exists.
  virtual Status rename(const std::string& from, const std::string& to) = 0;
  // Removes a file or a link (never what a link points to).
  virtual Status removeFile(const std::string& name) = 0;
  // Removes an empty folder.
  virtual Status removeFolder(const std::string& name) = 0;
  // Forces everything the file system holding this folder has changed to its device.
  virtual Status syncFileSystem() = 0;
  // Forces everything the file system holding this folder has changed to its device, and then
  // writes every block its journal holds to the block's own place (ext4: a checkpoint, which
  // only the administrator may ask for). A block freed while the journal alone holds its newest
  // content is otherwise never written in place, and keeps what it held before. Succeeds at the
  // sync alone on a file system without such a journal.
  virtual Status writeJournalHome() = 0;

 protected:
  explicit Folder(std::string path);

 private:
  std::string path_;
};

// Whether the type of file system a mount point names ("sysfs", as Folder::mountedAt gives it)
// is one of the system's own, where nothing is ever written, renamed or removed.
bool isSystemFileSystem(const std::string& type);

// The folder that holds what a path names, opened, and the name of the entry in it. The folder
// part is opened without following a link in any of its components and without leaving the
// file system that holds it (FileSystem::openFolderWithoutLinks): a link planted anywhere on the
// way fails with FileError::Link. The entry itself is then looked at without following
// anything. For the root folder the name is empty and the folder is the root itself.
struct ContainingFolder {
  std::unique_ptr<Folder> folder;
  std::string name;
};
Result<ContainingFolder> openContainingFolder(const std::string& path);
// The same for a path that must stay beneath the folder `top` (an item's own top folder, such
// as a trash folder): `top` is opened without following a link, and the rest of the folder
// part from it, never above it, never through a link, never into another mount. A path that is
// not below `top` fails with std::errc::invalid_argument.
Result<ContainingFolder> openContainingFolderBeneath(const std::string& top,
                                                     const std::string& path);

}  // namespace platform
