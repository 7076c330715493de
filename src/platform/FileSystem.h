#pragma once
// File-system access of the whole program. Everything that reads, writes, lists or removes
// files goes through the FileSystem in use (platform::fs()), so that tests can put a
// fault-injecting one in its place. Paths are byte strings and are never re-encoded.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

struct FileInfo {
  EntryKind kind = EntryKind::Other;
  std::uint64_t size = 0;
  std::uint32_t attributes = 0;  // Attribute bits; AttrDirectory for folders
};

struct DirEntry {
  std::string name;  // bare name, never "." or ".."
  EntryKind kind = EntryKind::Other;
  std::uint64_t size = 0;
  std::uint32_t attributes = 0;
  bool isFolder() const { return kind == EntryKind::Folder; }
};

struct DiskSpace {
  std::uint64_t available = 0;  // bytes the calling user may still write
  std::uint64_t total = 0;
  std::uint32_t clusterSize = 0;
};

// An open file. Writes are all-or-nothing: a short write is reported as failure.
class File {
 public:
  virtual ~File() = default;
  virtual bool write(const void* data, std::size_t length) = 0;
  virtual bool seek(std::uint64_t position) = 0;
  virtual std::optional<std::uint64_t> size() = 0;
  virtual std::uint64_t position() const = 0;
  // Forces what was written so far to the device (fdatasync).
  virtual bool flush() = 0;
  // Starts writing back what was written so far without waiting for it, so that a later
  // flush has little left to do.
  virtual void startWriteback() = 0;
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

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens an existing file for writing, sharing it with others. Never follows a symbolic link
  // and never opens anything but an ordinary file. Null on failure.
  virtual std::unique_ptr<File> openExisting(const std::string& path) = 0;
  // Creates the file for reading and writing, replacing an ordinary file of that name. Never
  // follows a symbolic link. Null on failure.
  virtual std::unique_ptr<File> createAlways(const std::string& path) = 0;

  // What the path names, without following a final symbolic link.
  virtual std::optional<FileInfo> info(const std::string& path) = 0;
  virtual bool setAttributes(const std::string& path, std::uint32_t attributes) = 0;
  // Renames within the file system; fails when the target exists.
  virtual bool rename(const std::string& from, const std::string& to) = 0;
  // Removes a file or a symbolic link (never the target of the link).
  virtual bool deleteFile(const std::string& path) = 0;
  virtual bool createFolder(const std::string& path) = 0;
  // Removes an empty folder.
  virtual bool removeFolder(const std::string& path) = 0;
  // Every entry of the folder ("." and ".." left out), dot files and names that are not valid
  // text included, sorted by name bytes. Null when the folder cannot be listed.
  virtual std::optional<std::vector<DirEntry>> listFolder(const std::string& path) = 0;

  // The whole file, or null when it cannot be read or is longer than maxBytes.
  virtual std::optional<std::string> readFile(const std::string& path, std::uint64_t maxBytes) = 0;
  // Replaces the file with the contents as one step: a temporary file beside it is written,
  // forced to the device and renamed over the file. The file keeps its permissions.
  virtual bool writeFileAtomic(const std::string& path, const std::string& contents) = 0;

  // Space of the file system that holds the path. Null when it cannot be asked.
  virtual std::optional<DiskSpace> diskSpace(const std::string& path) = 0;

  // The identity of the ordinary file the path names (following symbolic links). Null when the
  // path names no ordinary file or cannot be examined.
  virtual std::optional<FileIdentity> identity(const std::string& path) = 0;
};

// The file system in use: the real one unless a test has installed another.
FileSystem& fs();
// The real file system of this platform.
FileSystem& realFileSystem();
// Installs a file system (null puts the real one back). The caller keeps ownership.
void setFileSystem(FileSystem* fileSystem);

// Installs a file system for the lifetime of the object.
class ScopedFileSystem {
 public:
  explicit ScopedFileSystem(FileSystem& fileSystem);
  ~ScopedFileSystem();
  ScopedFileSystem(const ScopedFileSystem&) = delete;
  ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

 private:
  FileSystem* previous_;
};

}  // namespace platform
