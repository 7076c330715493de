#pragma once
// File-system access of the whole program. Everything that reads, writes, lists or removes
// files goes through the FileSystem in use (platform::fs()), so that tests can put a
// fault-injecting one in its place. Paths are byte strings and are never re-encoded. Walks that
// change what they find work relative to open folders (platform/Folder.h).

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/FileLayout.h"
#include "platform/Result.h"
#include "platform/ScopedOverride.h"

namespace platform {

// Attribute bits with the values the program stores and compares (the Windows ones).
enum Attribute : std::uint32_t {
  AttrReadOnly = 0x01,
  AttrHidden = 0x02,
  AttrSystem = 0x04,
  AttrDirectory = 0x10,
  AttrArchive = 0x20,
  AttrNormal = 0x80,
};

enum class EntryKind { File, Folder, Link, Other };

// Which file an entry is: the device of its file system and its number there.
struct EntryId {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const EntryId&) const = default;
};

struct FileInfo {
  EntryKind kind = EntryKind::Other;
  std::uint64_t size = 0;
  std::uint32_t attributes = 0;  // Attribute bits; AttrDirectory for folders
  EntryId id;
  std::uint64_t links = 0;      // how many names (hard links) the file has
  std::uint64_t mount = 0;      // the mount it was reached through; 0 when the system does not say
  bool ownedByCaller = false;   // it belongs to the user the program runs as
  std::int64_t changed = 0;     // last change of the entry itself, in nanoseconds since the epoch
  std::uint32_t owner = 0;      // the user who owns it
  std::int64_t modifiedNs = 0;  // last change of its contents, in nanoseconds since 1970
  bool isFolder() const { return kind == EntryKind::Folder; }
};

struct DirEntry : FileInfo {
  std::string name;  // bare name, never "." or ".."
};

// What tells one mounted file system from another: the device number, which the system hands
// out again once a file system is unmounted, together with the file system's own id and the
// birth time of the folder asked about (a new mount, or another disk, brings its own root folder).
struct FileSystemId {
  std::uint64_t device = 0;  // 0: unknown
  std::uint64_t fsid = 0;
  std::int64_t birth = 0;  // nanoseconds since the epoch, 0 when the file system keeps none
  bool operator==(const FileSystemId&) const = default;
};

struct DiskSpace {
  std::uint64_t available = 0;  // bytes the calling user may still write
  std::uint64_t total = 0;
  std::uint32_t clusterSize = 0;
  // Every free byte, the part reserved for the administrator included. Above `available` when
  // the caller may not use that reserve.
  std::uint64_t free = 0;
  // The file system of the folder asked about (folders of one file system share `id.device`),
  // and whether the caller may create files in that folder.
  FileSystemId id{};
  bool writable = false;
  // The file system is mounted read-only there: nothing may be written through that mount.
  bool readOnly = false;
};

// An open file. Writes are all-or-nothing: a short write is reported as failure.
class File {
 public:
  virtual ~File() = default;
  virtual Status write(const void* data, std::size_t length) = 0;
  virtual Status seek(std::uint64_t position) = 0;
  virtual Result<std::uint64_t> size() = 0;
  virtual std::uint64_t position() const = 0;
  // What the open file is now: which file, its kind and how many names it has.
  virtual Result<FileInfo> info() = 0;
  // The cluster size of the file system that holds the file, 0 when it cannot be told.
  virtual std::uint32_t clusterSize() { return 0; }
  // Forces what was written so far to the device (fdatasync).
  virtual Status flush() = 0;
  // The same without waiting for it: startFlush starts it, flushEnded tells whether it has
  // ended (with its outcome) or is still going on. The file is not written to in between.
  virtual Status startFlush() = 0;
  virtual std::optional<Status> flushEnded() = 0;
  // Waits for the flush that startFlush started, at most `timeout`, and wakes the moment it
  // ends: its outcome then, null when it still goes on. Without a flush going on it answers at
  // once, as flushEnded does.
  virtual std::optional<Status> waitFlush(std::chrono::milliseconds timeout) {
    (void)timeout;
    return flushEnded();
  }
  // Starts writing back what was written so far without waiting for it, so that a later
  // flush has little left to do.
  virtual void startWriteback() = 0;
  // Whether more than `behind` of the bytes written before the position are still on their way
  // to the device; starts their write-back where it has not started yet. Asked as the writing
  // goes on (waiting while it says so), it keeps what the system holds of the file bounded, so
  // that no write waits long for the system to make room and the flush at the end is short.
  // Where the system cannot tell without waiting, it waits for those bytes and answers false.
  virtual bool unwrittenBeyond(std::uint64_t behind) = 0;
  // Waits until the oldest bytes that unwrittenBeyond counts as still on their way, at most
  // `most` of them, have reached the device, starting their write-back where it has not
  // started: the wait ends when the device is done with them, never on a timer.
  virtual void waitWritten(std::uint64_t most) { (void)most; }
  // Shrinks the file to `size` bytes.
  virtual Status truncate(std::uint64_t size) = 0;

  // Reading back what was written and flushed, from the device itself where the file system
  // allows it (not from the system's cache of the file): startReadBack prepares a read-back
  // (again before every new one), then readBack gives the file's bytes from `offset` on, at
  // most `maxLength` of them and fewer only where the file ends (none past its end). The bytes
  // stay valid until the next call.
  virtual Status startReadBack() = 0;
  virtual Result<std::string_view> readBack(std::uint64_t offset, std::size_t maxLength) = 0;

  // The file's bytes from `offset` as the system holds them now (from its cache where it has
  // them, else from the device), at most `length` of them and fewer only where the file ends:
  // a look at what the file holds before it is written over. Valid until the next call.
  virtual Result<std::string_view> readCached(std::uint64_t offset, std::size_t length) {
    (void)offset;
    (void)length;
    return std::make_error_code(std::errc::operation_not_supported);
  }

  // Where the file's bytes lie on the device now (what was written is placed first) and what
  // kind of file system holds it. Fails where the system tells neither; a file system that only
  // refuses to tell the extents gives its kind, with `mapped` false.
  virtual Result<FileLayout> layout() {
    return std::make_error_code(std::errc::operation_not_supported);
  }
};

// What tells one version of a file from another: the file replaced, or written to, has another
// identity (unless written twice within the file system's timestamp granularity).
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;  // last modification, in nanoseconds since 1970
  bool operator==(const FileIdentity&) const = default;
};

class Folder;

// Every call that fails says why (the system's error number, or a FileError).
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens an existing file for writing, sharing it with others. Never follows a symbolic link,
  // never opens anything but an ordinary file, and never one on a system file system
  // (FileError::SystemFileSystem).
  virtual Result<std::unique_ptr<File>> openExisting(const std::string& path) = 0;
  // Creates the file for reading and writing, emptying an ordinary file of that name that has
  // no other hard link. Never follows a symbolic link, and touches no other entry of that name
  // (a link, a folder, a file shared with other names).
  virtual Result<std::unique_ptr<File>> createAlways(const std::string& path) = 0;
  // Creates a new file of the caller's own for reading and writing: never follows a link and
  // never opens an entry that is already there (O_CREAT | O_EXCL | O_NOFOLLOW). An existing
  // entry of that name is taken over (emptied) only when it is an ordinary file with a single
  // name, owned by the caller, in a folder that not everyone may write; otherwise it is left
  // as it is and the call fails (FileError::NotOwn, FileError::Shared, FileError::NotAFile).
  virtual Result<std::unique_ptr<File>> createOwnFile(const std::string& path) = 0;
  // Opens the folder for a walk that works relative to it (see Folder). The path is resolved
  // as the system resolves paths, links included; a walk that must not start at a link looks
  // at its first folder from the folder that holds it (openContainingFolder).
  virtual Result<std::unique_ptr<Folder>> openFolder(const std::string& path) = 0;
  // Opens the folder an absolute path names for a step that changes what is in it: no
  // symbolic link is followed in any component of the path (FileError::Link), and below the
  // mount point of the file system that holds the folder no other mount is crossed.
  virtual Result<std::unique_ptr<Folder>> openFolderWithoutLinks(const std::string& path) = 0;

  // What the path names, without following a final symbolic link.
  virtual Result<FileInfo> info(const std::string& path) = 0;
  virtual Status setAttributes(const std::string& path, std::uint32_t attributes) = 0;
  // Renames within the file system; fails when the target exists.
  virtual Status rename(const std::string& from, const std::string& to) = 0;
  // Removes a file or a symbolic link (never the target of the link).
  virtual Status deleteFile(const std::string& path) = 0;
  virtual Status createFolder(const std::string& path) = 0;
  // Removes an empty folder.
  virtual Status removeFolder(const std::string& path) = 0;
  // Every entry of the folder ("." and ".." left out), dot files and names that are not valid
  // text included, sorted by name bytes.
  virtual Result<std::vector<DirEntry>> listFolder(const std::string& path) = 0;

  // The whole file; fails when it cannot be read or is longer than maxBytes.
  virtual Result<std::string> readFile(const std::string& path, std::uint64_t maxBytes) = 0;
  // Replaces the file with the contents as one step: a temporary file beside it is written,
  // forced to the device and renamed over the file. The file keeps its owner and permissions.
  // A file marked read-only (FileError::ReadOnly) or that the caller may not write is left as
  // it is.
  virtual Status writeFileAtomic(const std::string& path, const std::string& contents) = 0;

  // Space of the file system that holds the path; a path that does not exist yet is answered
  // for its nearest existing folder (which `id` and `writable` then describe). When it cannot be
  // asked, the system's reason (an empty path: std::errc::invalid_argument).
  virtual Result<DiskSpace> diskSpace(const std::string& path) = 0;

  // Free bytes of the file system that holds the path beyond those diskSpace calls free, which
  // the file system keeps for its own use and gives no file, not even the administrator's (XFS:
  // its reserve pool and the room set aside for its own trees). Whatever deleted files left
  // there, no fill reaches. 0 where it keeps nothing back or cannot tell. XFS is asked about
  // every one of its allocation groups: a query for the end of a fill, not for every write.
  virtual std::uint64_t keptBack(const std::string& path) = 0;

  // The identity of the ordinary file the path names (following symbolic links). Null when the
  // path names no ordinary file or cannot be examined.
  virtual std::optional<FileIdentity> identity(const std::string& path) = 0;

  // Tells the device which blocks of the file system mounted at `mountPoint` are free (TRIM),
  // for the part of the file system from byte `start` on, `length` bytes long (the rest of it
  // when `length` reaches past its end). Fails with the system's reason where the file system or
  // its device cannot, or the caller may not (only the administrator may). A start past the
  // file system's end fails with std::errc::invalid_argument.
  virtual Status discardFreeBlocks(const std::string& mountPoint, std::uint64_t start,
                                   std::uint64_t length) = 0;
};

// Creates the folder (an absolute path) and the missing folders above it, through the file
// system in use; a link to a folder serves as the folder. Fails with the system's reason when
// one could not be made ("not a directory" where something else stands in a folder's place).
Status ensureFolder(const std::string& folder);

// The file system in use: the real one unless a test has installed another.
FileSystem& fs();
// The real file system of this platform.
FileSystem& realFileSystem();
// Installs a file system (null puts the real one back) and returns the one it replaces. The
// caller keeps ownership.
FileSystem* setFileSystem(FileSystem* fileSystem);

// Installs a file system for the lifetime of the object, then puts back the one before.
using ScopedFileSystem = ScopedOverride<&setFileSystem>;

}  // namespace platform
