#pragma once
// An open file of the Linux file system, and what the backend shares about entries: their
// kind, attributes and identity from statx, and errno as std::error_code.

#include <aio.h>
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace platform::posix {

// The error_code of errno (never empty: a failure without errno reads as an I/O error).
std::error_code lastError();

// What the entry `name` of the folder `folderFd` is (statx with `flags`); `name` empty with
// AT_EMPTY_PATH asks about the descriptor itself. `ownName` gives the hidden attribute.
Result<FileInfo> statAt(int folderFd, const char* name, int flags, const std::string& ownName);

// The user the program runs as (its effective user id).
uid_t callerUser();

// Opens without blocking on FIFOs or devices, then keeps the descriptor only for an ordinary
// file; fails with FileError::NotAFile otherwise. With `opened`, what the open file is (as
// statAt tells it) is given there.
Result<int> openRegularAt(int folderFd, const char* path, int flags, mode_t mode = 0,
                          FileInfo* opened = nullptr);

class PosixFile final : public File {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override;
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  Status write(const void* data, std::size_t length) override;
  Status seek(std::uint64_t position) override;
  Result<std::uint64_t> size() override;
  std::uint64_t position() const override { return position_; }
  Result<FileInfo> info() override;
  std::uint32_t clusterSize() override;
  Status flush() override;
  Status startFlush() override;
  std::optional<Status> flushEnded() override;
  std::optional<Status> waitFlush(std::chrono::milliseconds timeout) override;
  void startWriteback() override;
  bool unwrittenBeyond(std::uint64_t behind) override;
  void waitWritten(std::uint64_t most) override;
  Status truncate(std::uint64_t size) override;
  Status startReadBack() override;
  Result<std::string_view> readBack(std::uint64_t offset, std::size_t maxLength) override;
  Result<std::string_view> readCached(std::uint64_t offset, std::size_t length) override;
  Result<FileLayout> layout() override;

 private:
  // Whether the file lies on a file system in memory (tmpfs, ramfs), asked once.
  bool inMemory();
  // The same, without asking: false until the file system has been asked.
  bool knownInMemory() const;
  // What the system tells of the file system that holds the file (statfs), asked once: a
  // descriptor stays on the file system it was opened on. False where the system refuses.
  bool askFileSystem();
  // Opens the descriptor that reads back: past the system's cache (O_DIRECT) when asked and the
  // file system allows, else through the cache, which is emptied of the file first.
  Status openReader(bool direct);

  int fd_;
  std::uint64_t position_ = 0;
  std::uint64_t written_back_ = 0;  // write-back has been started up to here
  std::uint64_t settled_ = 0;       // written to the device up to here
  bool canAskCache_ = true;
  // The file system's type number and fragment size; null until asked.
  std::optional<std::uint64_t> fileSystemType_;
  std::uint32_t fragmentSize_ = 0;
  int reader_ = -1;
  bool direct_ = false;  // the reader bypasses the cache (O_DIRECT)
  // The file open once more for reading through the cache (readCached), and its bytes read.
  int cachedReader_ = -1;
  std::string cachedBytes_;
  std::vector<char> readBuffer_;
  // The flush going on without waiting, or the outcome of one that had to wait.
  aiocb flushing_{};
  bool flushStarted_ = false;
  std::optional<Status> flushOutcome_;
};

}  // namespace platform::posix
