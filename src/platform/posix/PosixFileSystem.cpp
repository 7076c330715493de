// The Linux file system behind platform::FileSystem.

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "platform/FileSystem.h"

namespace platform {
namespace {

std::string baseName(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  auto slash = trimmed.rfind('/');
  return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

std::string parentOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

EntryKind kindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return EntryKind::File;
  if (S_ISDIR(mode)) return EntryKind::Folder;
  if (S_ISLNK(mode)) return EntryKind::Link;
  return EntryKind::Other;
}

std::uint32_t attributesOf(const std::string& name, const struct stat& st) {
  std::uint32_t attributes = 0;
  if (S_ISDIR(st.st_mode)) attributes |= AttrDirectory;
  if (!S_ISLNK(st.st_mode) && !(st.st_mode & S_IWUSR)) attributes |= AttrReadOnly;
  if (!name.empty() && name[0] == '.') attributes |= AttrHidden;
  if (attributes == 0) attributes = AttrNormal;
  return attributes;
}

// Opens without blocking on FIFOs or devices, then keeps the descriptor only for an ordinary file.
int openRegular(const std::string& path, int flags, mode_t mode = 0) {
  int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, mode);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  int current = ::fcntl(fd, F_GETFL);
  if (current >= 0) ::fcntl(fd, F_SETFL, current & ~O_NONBLOCK);
  return fd;
}

class PosixFile final : public File {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override { ::close(fd_); }

  bool write(const void* data, std::size_t length) override {
    const char* bytes = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < length) {
      ssize_t n = ::write(fd_, bytes + done, length - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += static_cast<std::size_t>(n);
      position_ += static_cast<std::uint64_t>(n);
    }
    return true;
  }

  bool seek(std::uint64_t position) override {
    if (::lseek(fd_, static_cast<off_t>(position), SEEK_SET) < 0) return false;
    position_ = position;
    return true;
  }

  std::optional<std::uint64_t> size() override {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
  }

  std::uint64_t position() const override { return position_; }

  bool flush() override {
    written_back_ = 0;
    return ::fdatasync(fd_) == 0;
  }

  void startWriteback() override {
    if (position_ <= written_back_) {
      written_back_ = 0;  // the position went back to the start of a new pass
    }
    if (position_ > written_back_) {
      ::sync_file_range(fd_, static_cast<off_t>(written_back_),
                        static_cast<off_t>(position_ - written_back_), SYNC_FILE_RANGE_WRITE);
      written_back_ = position_;
    }
  }

 private:
  int fd_;
  std::uint64_t position_ = 0;
  std::uint64_t written_back_ = 0;
};

class PosixFileSystem final : public FileSystem {
 public:
  std::unique_ptr<File> openExisting(const std::string& path) override {
    if (path.empty()) return nullptr;
    int fd = openRegular(path, O_WRONLY | O_NOFOLLOW);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixFile>(fd);
  }

  std::unique_ptr<File> createAlways(const std::string& path) override {
    if (path.empty()) return nullptr;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return nullptr;
    int fd = openRegular(path, O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW, 0600);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixFile>(fd);
  }

  std::optional<FileInfo> info(const std::string& path) override {
    struct stat st {};
    if (path.empty() || ::lstat(path.c_str(), &st) != 0) return std::nullopt;
    FileInfo result;
    result.kind = kindOfMode(st.st_mode);
    result.size = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
    result.attributes = attributesOf(baseName(path), st);
    return result;
  }

  bool setAttributes(const std::string& path, std::uint32_t attributes) override {
    struct stat st {};
    if (path.empty() || ::lstat(path.c_str(), &st) != 0) return false;
    if (S_ISLNK(st.st_mode)) return true;  // a link has no permissions of its own
    mode_t mode = st.st_mode & 07777;
    mode_t wanted = (attributes & AttrReadOnly) ? (mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH))
                                                : (mode | S_IWUSR);
    if (wanted == mode) return true;
    return ::chmod(path.c_str(), wanted) == 0;
  }

  bool rename(const std::string& from, const std::string& to) override {
    if (from.empty() || to.empty()) return false;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
      return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without RENAME_NOREPLACE: check first, then rename.
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
  }

  bool deleteFile(const std::string& path) override {
    return !path.empty() && ::unlink(path.c_str()) == 0;
  }

  bool createFolder(const std::string& path) override {
    return !path.empty() && ::mkdir(path.c_str(), 0777) == 0;
  }

  bool removeFolder(const std::string& path) override {
    return !path.empty() && ::rmdir(path.c_str()) == 0;
  }

  std::optional<std::vector<DirEntry>> listFolder(const std::string& path) override {
    if (path.empty()) return std::nullopt;
    int dirFd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return std::nullopt;
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
      ::close(dirFd);
      return std::nullopt;
    }
    std::vector<DirEntry> entries;
    errno = 0;
    while (struct dirent* d = ::readdir(dir)) {
      std::string name = d->d_name;
      if (name == "." || name == "..") continue;
      DirEntry entry;
      entry.name = name;
      struct stat st {};
      if (::fstatat(dirFd, d->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        entry.kind = kindOfMode(st.st_mode);
        entry.size = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
        entry.attributes = attributesOf(name, st);
      }
      entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return entries;
  }

  std::optional<std::string> readFile(const std::string& path, std::uint64_t maxBytes) override {
    if (path.empty()) return std::nullopt;
    int fd = openRegular(path, O_RDONLY);
    if (fd < 0) return std::nullopt;
    std::string contents;
    // Room for the whole file at once: growing the text step by step would take twice its size.
    if (struct stat st{};
        ::fstat(fd, &st) == 0 && static_cast<std::uint64_t>(st.st_size) <= maxBytes) {
      contents.reserve(static_cast<std::size_t>(st.st_size));
    }
    char buffer[65536];
    bool ok = true;
    for (;;) {
      ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        ok = false;
        break;
      }
      if (n == 0) break;
      if (contents.size() + static_cast<std::size_t>(n) > maxBytes) {
        ok = false;
        break;
      }
      contents.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    return contents;
  }

  bool writeFileAtomic(const std::string& path, const std::string& contents) override {
    if (path.empty()) return false;
    std::string target = path;
    struct stat st {};
    bool exists = ::lstat(path.c_str(), &st) == 0;
    if (exists && S_ISLNK(st.st_mode)) {
      // Write through a link to the file it names, so the link stays a link.
      char* resolved = ::realpath(path.c_str(), nullptr);
      if (!resolved) return false;
      target = resolved;
      std::free(resolved);
      exists = ::stat(target.c_str(), &st) == 0;
    }
    if (exists && !S_ISREG(st.st_mode)) return false;
    mode_t mode;
    if (exists) {
      mode = st.st_mode & 07777;
    } else {
      mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }

    std::string temp = parentOf(target) + "/." + baseName(target) + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, mode) == 0;
    {
      PosixFile file(fd);  // closes the descriptor
      ok = ok && file.write(contents.data(), contents.size()) && file.flush();
    }
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
  }

  std::optional<DiskSpace> diskSpace(const std::string& path) override {
    if (path.empty()) return std::nullopt;
    std::string probe = path;
    struct statvfs sv {};
    // A path that does not exist yet is asked about through its nearest existing folder.
    while (::statvfs(probe.c_str(), &sv) != 0) {
      if (errno != ENOENT && errno != ENOTDIR) return std::nullopt;
      std::string parent = parentOf(probe);
      if (parent == probe || parent == ".") return std::nullopt;
      probe = parent;
    }
    DiskSpace space;
    space.available = static_cast<std::uint64_t>(sv.f_bavail) * sv.f_frsize;
    space.total = static_cast<std::uint64_t>(sv.f_blocks) * sv.f_frsize;
    space.clusterSize = static_cast<std::uint32_t>(sv.f_frsize);
    return space;
  }

  std::optional<FileIdentity> identity(const std::string& path) override {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return FileIdentity{
        static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
        static_cast<std::uint64_t>(st.st_size),
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
  }
};

}  // namespace

FileSystem& realFileSystem() {
  static PosixFileSystem instance;
  return instance;
}

}  // namespace platform
