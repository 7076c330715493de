#include "platform/posix/PosixFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>

namespace platform::posix {
namespace {

EntryKind kindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return EntryKind::File;
  if (S_ISDIR(mode)) return EntryKind::Folder;
  if (S_ISLNK(mode)) return EntryKind::Link;
  return EntryKind::Other;
}

std::uint32_t attributesOf(const std::string& name, mode_t mode) {
  std::uint32_t attributes = 0;
  if (S_ISDIR(mode)) attributes |= AttrDirectory;
  if (!S_ISLNK(mode) && !(mode & S_IWUSR)) attributes |= AttrReadOnly;
  if (!name.empty() && name[0] == '.') attributes |= AttrHidden;
  if (attributes == 0) attributes = AttrNormal;
  return attributes;
}

}  // namespace

std::error_code lastError() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

Result<FileInfo> statAt(int folderFd, const char* name, int flags, const std::string& ownName) {
  struct statx st {};
  if (::statx(folderFd, name, flags, STATX_BASIC_STATS | STATX_MNT_ID, &st) != 0) {
    return lastError();
  }
  FileInfo info;
  info.kind = kindOfMode(st.stx_mode);
  info.size = S_ISREG(st.stx_mode) ? st.stx_size : 0;
  info.attributes = attributesOf(ownName, st.stx_mode);
  info.id = {static_cast<std::uint64_t>(makedev(st.stx_dev_major, st.stx_dev_minor)), st.stx_ino};
  info.links = st.stx_nlink;
  info.mount = (st.stx_mask & STATX_MNT_ID) ? st.stx_mnt_id : 0;
  info.owner = st.stx_uid;
  info.modifiedNs =
      static_cast<std::int64_t>(st.stx_mtime.tv_sec) * 1000000000 + st.stx_mtime.tv_nsec;
  return info;
}

Result<int> openRegularAt(int folderFd, const char* path, int flags, mode_t mode) {
  const int fd = ::openat(folderFd, path, flags | O_CLOEXEC | O_NONBLOCK, mode);
  if (fd < 0) return lastError();
  struct stat st {};
  std::error_code refused;
  if (::fstat(fd, &st) != 0) {
    refused = lastError();
  } else if (!S_ISREG(st.st_mode)) {
    refused = FileError::NotAFile;
  }
  if (refused) {
    ::close(fd);
    return refused;
  }
  const int current = ::fcntl(fd, F_GETFL);
  if (current >= 0) ::fcntl(fd, F_SETFL, current & ~O_NONBLOCK);
  return fd;
}

PosixFile::~PosixFile() {
  ::close(fd_);
}

Status PosixFile::write(const void* data, std::size_t length) {
  const char* bytes = static_cast<const char*>(data);
  std::size_t done = 0;
  while (done < length) {
    const ssize_t n = ::write(fd_, bytes + done, length - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return lastError();
    if (n == 0) return std::make_error_code(std::errc::no_space_on_device);
    done += static_cast<std::size_t>(n);
    position_ += static_cast<std::uint64_t>(n);
  }
  return {};
}

Status PosixFile::seek(std::uint64_t position) {
  if (::lseek(fd_, static_cast<off_t>(position), SEEK_SET) < 0) return lastError();
  position_ = position;
  return {};
}

Result<std::uint64_t> PosixFile::size() {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return lastError();
  return static_cast<std::uint64_t>(st.st_size);
}

Result<FileInfo> PosixFile::info() {
  return statAt(fd_, "", AT_EMPTY_PATH, std::string());
}

Status PosixFile::flush() {
  written_back_ = 0;
  if (::fdatasync(fd_) != 0) return lastError();
  return {};
}

void PosixFile::startWriteback() {
  if (position_ <= written_back_) {
    written_back_ = 0;  // the position went back to the start of a new pass
  }
  if (position_ > written_back_) {
    ::sync_file_range(fd_, static_cast<off_t>(written_back_),
                      static_cast<off_t>(position_ - written_back_), SYNC_FILE_RANGE_WRITE);
    written_back_ = position_;
  }
}

}  // namespace platform::posix
