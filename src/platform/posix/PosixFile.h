#pragma once
// An open file of the Linux file system, and what the backend shares about entries: their
// kind, attributes and identity from statx, and errno as std::error_code.

#include <sys/types.h>

#include <string>

#include "platform/FileSystem.h"

namespace platform::posix {

// The error_code of errno (never empty: a failure without errno reads as an I/O error).
std::error_code lastError();

// What the entry `name` of the folder `folderFd` is (statx with `flags`); `name` empty with
// AT_EMPTY_PATH asks about the descriptor itself. `ownName` gives the hidden attribute.
Result<FileInfo> statAt(int folderFd, const char* name, int flags, const std::string& ownName);

// Opens without blocking on FIFOs or devices, then keeps the descriptor only for an ordinary
// file; fails with FileError::NotAFile otherwise.
Result<int> openRegularAt(int folderFd, const char* path, int flags, mode_t mode = 0);

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
  Status flush() override;
  void startWriteback() override;

 private:
  int fd_;
  std::uint64_t position_ = 0;
  std::uint64_t written_back_ = 0;
};

}  // namespace platform::posix
