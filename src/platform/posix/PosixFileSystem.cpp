// The Linux file system behind platform::FileSystem.

#include <fcntl.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <stdio.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/posix/LinkFreeOpen.h"
#include "platform/posix/PosixFile.h"
#include "platform/posix/PosixFolder.h"
#include "platform/posix/SystemFileSystems.h"
#include "platform/posix/XfsGeometry.h"

namespace platform {
namespace {

using posix::lastError;
using posix::PosixFile;

// The name of the entry the path names, separators at its end passed over.
std::string baseName(const std::string& path) {
  return fileNameOf(trimSeparators(path));
}

// The free bytes of every allocation group of the XFS file system holding the O_PATH descriptor;
// 0 when it is not XFS or cannot tell. XFS says fewer blocks are free than its groups hold: it
// keeps a reserve pool and room for its own trees, which no file is given.
std::uint64_t xfsGroupFreeBytes(int pathFd) {
  struct statfs kind {};
  if (::fstatfs(pathFd, &kind) != 0 || kind.f_type != XFS_SUPER_MAGIC) return 0;
  // An O_PATH descriptor takes no requests of the file system: the same file is opened again.
  const std::string again = "/proc/self/fd/" + std::to_string(pathFd);
  const int fd = ::open(again.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return 0;
  posix::XfsGeometryV1 geometry{};
  std::uint64_t blocks = 0;
  bool told = ::ioctl(fd, posix::kXfsGeometryV1, &geometry) == 0;
  for (__u32 group = 0; told && group < geometry.agcount; ++group) {
    posix::XfsGroupGeometry asked{};
    asked.number = group;
    told = ::ioctl(fd, posix::kXfsGroupGeometry, &asked) == 0;
    blocks += asked.freeBlocks;
  }
  ::close(fd);
  return told ? blocks * geometry.blocksize : 0;
}

std::error_code noPath() {
  return std::make_error_code(std::errc::invalid_argument);
}

Status fromCall(int result) {
  return result == 0 ? Status() : Status(lastError());
}

class PosixFileSystem final : public FileSystem {
 public:
  Result<std::unique_ptr<File>> openExisting(const std::string& path) override {
    if (path.empty()) return noPath();
    const auto fd = posix::openRegularAt(AT_FDCWD, path.c_str(), O_WRONLY | O_NOFOLLOW);
    if (!fd) return fd.error();
    if (!posix::systemFileSystemOf(*fd).empty()) {
      ::close(*fd);
      return FileError::SystemFileSystem;
    }
    return std::make_unique<PosixFile>(*fd);
  }

  Result<std::unique_ptr<File>> createAlways(const std::string& path) override {
    if (path.empty()) return noPath();
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return FileError::NotAFile;
    // Emptied only once the descriptor is known to name an ordinary file that no other name
    // shares: truncating a hard link would destroy the other name's content.
    const auto fd = posix::openRegularAt(AT_FDCWD, path.c_str(),
                                         O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY, 0600);
    if (!fd) return fd.error();
    if (::fstat(*fd, &st) != 0) {
      const std::error_code error = lastError();
      ::close(*fd);
      return error;
    }
    if (st.st_nlink != 1) {
      ::close(*fd);
      return FileError::Shared;
    }
    if (!posix::systemFileSystemOf(*fd).empty()) {
      ::close(*fd);
      return FileError::SystemFileSystem;
    }
    if (st.st_size != 0 && ::ftruncate(*fd, 0) != 0) {
      const std::error_code error = lastError();
      ::close(*fd);
      return error;
    }
    return std::make_unique<PosixFile>(*fd);
  }

  Result<std::unique_ptr<File>> createOwnFile(const std::string& path) override {
    const std::string own = trimSeparators(path);
    const std::string name = fileNameOf(own);
    std::string parent = parentFolderOf(own);
    if (name.empty() || parent.empty() || name == "." || name == "..") return noPath();
    const int folder = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return lastError();
    const int made = ::openat(folder, name.c_str(),
                              O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
    if (made >= 0 || errno != EEXIST) {
      const std::error_code error = made < 0 ? lastError() : std::error_code();
      ::close(folder);
      if (error) return error;
      return std::make_unique<PosixFile>(made);
    }
    // The name is taken. Where others may write the folder, whatever is there may be theirs,
    // or be swapped for theirs while the file is in use: it is never taken over there.
    struct stat st {};
    if (::fstat(folder, &st) != 0) {
      const std::error_code error = lastError();
      ::close(folder);
      return error;
    }
    if (st.st_mode & S_IWOTH) {
      ::close(folder);
      return FileError::NotOwn;
    }
    // Looked at on the open descriptor: what is emptied is what was checked.
    auto fd = posix::openRegularAt(folder, name.c_str(), O_RDWR | O_NOFOLLOW | O_NOCTTY);
    ::close(folder);
    if (!fd)
      return fd.error() == std::errc::too_many_symbolic_link_levels
                 ? std::error_code(FileError::NotAFile)
                 : fd.error();
    std::error_code refused;
    if (::fstat(*fd, &st) != 0) {
      refused = lastError();
    } else if (st.st_nlink != 1) {
      refused = FileError::Shared;
    } else if (st.st_uid != posix::callerUser()) {
      refused = FileError::NotOwn;
    } else if (st.st_size != 0 && ::ftruncate(*fd, 0) != 0) {
      refused = lastError();
    }
    if (refused) {
      ::close(*fd);
      return refused;
    }
    return std::make_unique<PosixFile>(*fd);
  }

  Result<std::unique_ptr<Folder>> openFolder(const std::string& path) override {
    std::string own = trimSeparators(path);
    if (own.empty()) return noPath();
    const int fd = ::open(own.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return lastError();
    return std::make_unique<posix::PosixFolder>(fd, own);
  }

  Result<std::unique_ptr<Folder>> openFolderWithoutLinks(const std::string& path) override {
    std::string own = trimSeparators(path);
    if (own.empty()) return noPath();
    const auto fd = posix::openFolderWithoutLinks(own);
    if (!fd) return fd.error();
    return std::make_unique<posix::PosixFolder>(*fd, own);
  }

  Result<FileInfo> info(const std::string& path) override {
    if (path.empty()) return noPath();
    return posix::statAt(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, baseName(path));
  }

  Status setAttributes(const std::string& path, std::uint32_t attributes) override {
    struct stat st {};
    if (path.empty()) return noPath();
    if (::lstat(path.c_str(), &st) != 0) return lastError();
    if (S_ISLNK(st.st_mode)) return {};  // a link has no permissions of its own
    mode_t mode = st.st_mode & 07777;
    mode_t wanted = (attributes & AttrReadOnly) ? (mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH))
                                                : (mode | S_IWUSR);
    if (wanted == mode) return {};
    return fromCall(::chmod(path.c_str(), wanted));
  }

  Status rename(const std::string& from, const std::string& to) override {
    if (from.empty() || to.empty()) return noPath();
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
      return {};
    }
    if (errno != EINVAL && errno != ENOSYS) return lastError();
    // File systems without RENAME_NOREPLACE: check first, then rename.
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0) return std::make_error_code(std::errc::file_exists);
    return fromCall(::rename(from.c_str(), to.c_str()));
  }

  Status deleteFile(const std::string& path) override {
    if (path.empty()) return noPath();
    return fromCall(::unlink(path.c_str()));
  }

  Status createFolder(const std::string& path) override {
    if (path.empty()) return noPath();
    return fromCall(::mkdir(path.c_str(), 0777));
  }

  Status removeFolder(const std::string& path) override {
    if (path.empty()) return noPath();
    return fromCall(::rmdir(path.c_str()));
  }

  Result<std::vector<DirEntry>> listFolder(const std::string& path) override {
    if (path.empty()) return noPath();
    // A link to a folder lists as the folder.
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return lastError();
    return posix::PosixFolder(fd, path).list();
  }

  Result<std::string> readFile(const std::string& path, std::uint64_t maxBytes) override {
    if (path.empty()) return noPath();
    const auto fd = posix::openRegularAt(AT_FDCWD, path.c_str(), O_RDONLY);
    if (!fd) return fd.error();
    std::string contents;
    // Room for the whole file at once: growing the text step by step would take twice its size.
    if (struct stat st{};
        ::fstat(*fd, &st) == 0 && static_cast<std::uint64_t>(st.st_size) <= maxBytes) {
      contents.reserve(static_cast<std::size_t>(st.st_size));
    }
    char buffer[65536];
    std::error_code error;
    for (;;) {
      ssize_t n = ::read(*fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        error = lastError();
        break;
      }
      if (n == 0) break;
      if (contents.size() + static_cast<std::size_t>(n) > maxBytes) {
        error = std::make_error_code(std::errc::file_too_large);
        break;
      }
      contents.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(*fd);
    if (error) return error;
    return contents;
  }

  Status writeFileAtomic(const std::string& path, const std::string& contents) override {
    if (path.empty()) return noPath();
    std::string target = path;
    struct stat st {};
    bool exists = ::lstat(path.c_str(), &st) == 0;
    if (exists && S_ISLNK(st.st_mode)) {
      // Write through a link to the file it names, so the link stays a link.
      char* resolved = ::realpath(path.c_str(), nullptr);
      if (!resolved) return lastError();
      target = resolved;
      std::free(resolved);
      exists = ::stat(target.c_str(), &st) == 0;
    }
    if (exists && !S_ISREG(st.st_mode)) return FileError::NotAFile;
    // A file the user made read-only, or may not write, is not replaced behind its back: the
    // rename below would need only the folder's permission. The owner write bit is the mark,
    // even for the administrator, whom permission bits do not stop.
    if (exists && (st.st_mode & S_IWUSR) == 0) return FileError::ReadOnly;
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return lastError();
    mode_t mode;
    if (exists) {
      mode = st.st_mode & 07777;
    } else {
      mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }

    std::string folder = parentFolderOf(target);
    if (folder.empty()) folder = ".";
    std::string temp = folder + "/." + baseName(target) + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return lastError();
    Status written = fromCall(::fchmod(fd, mode));
    // The file keeps its owner too (the administrator writing a user's file); when that cannot
    // be done, the file is left as it was rather than handed to another owner.
    if (written && exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
      written = fromCall(::fchown(fd, st.st_uid, st.st_gid));
    }
    {
      PosixFile file(fd);  // closes the descriptor
      if (written) written = file.write(contents.data(), contents.size());
      if (written) written = file.flush();
    }
    if (written) written = fromCall(::rename(temp.c_str(), target.c_str()));
    if (!written) ::unlink(temp.c_str());
    return written;
  }

  Result<DiskSpace> diskSpace(const std::string& path) override {
    if (path.empty()) return std::make_error_code(std::errc::invalid_argument);
    std::string probe = path;
    int fd;
    // A path that does not exist yet is asked about through its nearest existing folder.
    while ((fd = ::open(probe.c_str(), O_PATH | O_CLOEXEC)) < 0) {
      const std::error_code error = lastError();
      if (error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory) {
        return error;
      }
      std::string parent = parentFolderOf(probe);
      if (parent.empty()) return error;
      probe = parent;
    }
    // One descriptor for every figure, so they all describe the same folder.
    struct statvfs sv {};
    struct stat st {};
    const bool asked = ::fstatvfs(fd, &sv) == 0 && ::fstat(fd, &st) == 0;
    const std::error_code askError = asked ? std::error_code() : lastError();
    struct statx sx {};
    const bool born =
        ::statx(fd, "", AT_EMPTY_PATH, STATX_BTIME, &sx) == 0 && (sx.stx_mask & STATX_BTIME) != 0;
    ::close(fd);
    if (!asked) return askError;
    // The administrator may write into the blocks the file system keeps in reserve.
    const bool reserveReachable = posix::callerUser() == 0;
    DiskSpace space;
    space.free = static_cast<std::uint64_t>(sv.f_bfree) * sv.f_frsize;
    space.available =
        static_cast<std::uint64_t>(reserveReachable ? sv.f_bfree : sv.f_bavail) * sv.f_frsize;
    space.total = static_cast<std::uint64_t>(sv.f_blocks) * sv.f_frsize;
    space.clusterSize = static_cast<std::uint32_t>(sv.f_frsize);
    space.id.device = static_cast<std::uint64_t>(st.st_dev);
    space.id.fsid = static_cast<std::uint64_t>(sv.f_fsid);
    if (born) {
      space.id.birth =
          static_cast<std::int64_t>(sx.stx_btime.tv_sec) * 1000000000 + sx.stx_btime.tv_nsec;
    }
    space.writable =
        S_ISDIR(st.st_mode) && ::faccessat(AT_FDCWD, probe.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
    space.readOnly = (sv.f_flag & ST_RDONLY) != 0;
    return space;
  }

  std::uint64_t keptBack(const std::string& path) override {
    if (path.empty()) return 0;
    const int fd = ::open(path.c_str(), O_PATH | O_CLOEXEC);
    if (fd < 0) return 0;
    // The free blocks statfs counts and those of the groups, through one descriptor.
    struct statvfs sv {};
    const bool asked = ::fstatvfs(fd, &sv) == 0;
    const std::uint64_t groupsFree = asked ? xfsGroupFreeBytes(fd) : 0;
    ::close(fd);
    const std::uint64_t free = static_cast<std::uint64_t>(sv.f_bfree) * sv.f_frsize;
    return groupsFree > free ? groupsFree - free : 0;
  }

  std::optional<FileIdentity> identity(const std::string& path) override {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return FileIdentity{
        static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
        static_cast<std::uint64_t>(st.st_size),
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
  }

  Status discardFreeBlocks(const std::string& mountPoint, std::uint64_t start,
                           std::uint64_t length) override {
    if (mountPoint.empty()) return noPath();
    const int fd = ::open(mountPoint.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return lastError();
    fstrim_range range{};
    range.start = start;
    range.len = std::min<std::uint64_t>(length, std::numeric_limits<std::uint64_t>::max() - start);
    range.minlen = 0;
    const Status trimmed = fromCall(::ioctl(fd, FITRIM, &range));
    ::close(fd);
    return trimmed;
  }
};

}  // namespace

FileSystem& realFileSystem() {
  static PosixFileSystem instance;
  return instance;
}

}  // namespace platform
