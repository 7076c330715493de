#pragma once
// A file system for tests: it passes every call to the real one, records what happens, and fails
// the operations a test asks it to fail (a file that will not open, a disk that fills, a file
// that will not delete). Root ignores permission bits, so this is how tests show those failures.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

class FaultyFileSystem : public platform::FileSystem {
 public:
  struct Write {
    std::string path;
    std::uint64_t offset;
    std::uint64_t length;
  };
  struct Deleted {
    std::string path;
    std::string contents;  // the bytes the file held when it was deleted (up to 64 MiB)
  };

  // Failures to inject.
  std::set<std::string> failOpen;          // openExisting and createAlways fail for these paths
  std::set<std::string> failDelete;        // deleteFile fails
  std::set<std::string> failRename;        // rename fails when the source is one of these
  std::set<std::string> failRemoveFolder;  // removeFolder fails
  std::set<std::string> failList;          // listFolder fails
  std::set<std::string> failAtomicWrite;   // writeFileAtomic fails
  // Bytes that may still be written in all before writes fail as on a full disk; -1: no limit.
  std::int64_t bytesLeft = -1;
  // Free space reported instead of the real one, when set.
  std::map<std::string, platform::DiskSpace> diskSpaceOf;
  // When set, every operation that creates, writes, renames or removes something outside this
  // folder fails and fails the test: a test can never change anything but its own files.
  std::string confinedTo;

  // What happened.
  std::vector<Write> writes;
  std::vector<Deleted> deleted;
  std::vector<std::pair<std::string, std::string>> renames;
  std::vector<std::string> flushes;

  std::unique_ptr<platform::File> openExisting(const std::string& path) override;
  std::unique_ptr<platform::File> createAlways(const std::string& path) override;
  std::optional<platform::FileInfo> info(const std::string& path) override;
  bool setAttributes(const std::string& path, std::uint32_t attributes) override;
  bool rename(const std::string& from, const std::string& to) override;
  bool deleteFile(const std::string& path) override;
  bool createFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  std::optional<std::vector<platform::DirEntry>> listFolder(const std::string& path) override;
  std::optional<std::string> readFile(const std::string& path, std::uint64_t maxBytes) override;
  bool writeFileAtomic(const std::string& path, const std::string& contents) override;
  std::optional<platform::DiskSpace> diskSpace(const std::string& path) override;
  std::optional<platform::FileIdentity> identity(const std::string& path) override;

 private:
  // False (and a test failure) when the path lies outside the confinement.
  bool allowed(const std::string& path) const;
  std::unique_ptr<platform::File> wrap(std::unique_ptr<platform::File> file,
                                       const std::string& path);
  friend class RecordingFile;
};
