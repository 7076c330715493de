#include "platform/posix/PosixFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <linux/types.h>
#include <stdio.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/PathText.h"
#include "platform/posix/LinkFreeOpen.h"
#include "platform/posix/PosixFile.h"
#include "platform/posix/SystemFileSystems.h"

// Linux 5.14 and later; older system headers do not have it.
#ifndef EXT4_IOC_CHECKPOINT
#define EXT4_IOC_CHECKPOINT _IOW('f', 43, __u32)
#endif

namespace platform::posix {
namespace {

// A name of an entry of this very folder: never empty, never a path, never "." or "..".
bool isEntryName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\0') == std::string::npos;
}

std::error_code notAnEntryName() {
  return std::make_error_code(std::errc::invalid_argument);
}

}  // namespace

PosixFolder::PosixFolder(int fd, std::string path) : Folder(std::move(path)), fd_(fd) {}

PosixFolder::~PosixFolder() {
  ::close(fd_);
}

Result<FileInfo> PosixFolder::info() {
  return statAt(fd_, "", AT_EMPTY_PATH, fileNameOf(path()));
}

Result<std::vector<DirEntry>> PosixFolder::list() {
  // A descriptor of its own, so that every listing starts at the first entry.
  const int listing = ::openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return lastError();
  DIR* dir = ::fdopendir(listing);
  if (!dir) {
    const std::error_code error = lastError();
    ::close(listing);
    return error;
  }
  std::vector<DirEntry> entries;
  std::error_code failed;
  for (;;) {
    errno = 0;
    const dirent* d = ::readdir(dir);
    if (!d) {
      if (errno != 0) failed = lastError();
      break;
    }
    const std::string name = d->d_name;
    if (name == "." || name == "..") continue;
    auto info = statAt(fd_, d->d_name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, name);
    if (!info && info.error() == std::errc::no_such_file_or_directory) continue;
    DirEntry entry;
    if (info) static_cast<FileInfo&>(entry) = *info;
    entry.name = name;
    entries.push_back(std::move(entry));
  }
  ::closedir(dir);
  if (failed) return failed;
  std::sort(entries.begin(), entries.end(),
            [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  return entries;
}

Result<FileInfo> PosixFolder::entry(const std::string& name) {
  if (!isEntryName(name)) return notAnEntryName();
  return statAt(fd_, name.c_str(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, name);
}

std::error_code PosixFolder::whyNotOpened(const std::string& name, const EntryId& expected,
                                          EntryKind wanted, std::error_code openError) {
  const auto now = entry(name);
  if (!now) return now.error();
  if (now->kind == EntryKind::Other) return FileError::NotAFile;
  if (now->id != expected || now->kind != wanted) return FileError::Changed;
  return openError;
}

std::optional<std::string> PosixFolder::mountedAt(const std::string& name, const FileInfo& listed) {
  if (!onOtherMount(name, listed)) return std::nullopt;
  return fileSystemTypeOf({listed.id.device, listed.mount}, pathOf(name));
}

Result<std::unique_ptr<Folder>> PosixFolder::openFolder(const std::string& name,
                                                        const EntryId& expected) {
  return openSub(name, expected, false);
}

Result<std::unique_ptr<Folder>> PosixFolder::openStartFolder(const std::string& name,
                                                             const EntryId& expected) {
  return openSub(name, expected, true);
}

Result<std::unique_ptr<Folder>> PosixFolder::openSub(const std::string& name,
                                                     const EntryId& expected, bool mountPoints) {
  if (!isEntryName(name)) return notAnEntryName();
  const int fd = ::openat(fd_, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return whyNotOpened(name, expected, EntryKind::Folder, lastError());
  auto folder = std::make_unique<PosixFolder>(fd, pathOf(name));
  const auto opened = folder->info();
  if (!opened) return opened.error();
  // Asked on the open folder, which is what the walk goes on in.
  if (!mountPoints && onOtherMount(name, *opened)) return FileError::MountPoint;
  if (opened->id != expected) return FileError::Changed;
  folder->place_ = MountPlace{opened->id.device, opened->mount};
  return folder;
}

Result<std::unique_ptr<Folder>> PosixFolder::openBeneath(const std::string& relative) {
  const auto fd = openFolderBelow(fd_, relative, path());
  if (!fd) return fd.error();
  return std::make_unique<PosixFolder>(*fd, relative.empty() ? path() : pathOf(relative));
}

std::string PosixFolder::systemFileSystem() {
  if (!systemFileSystem_) {
    systemFileSystem_ = systemFileSystemOf(fd_, [this] { return ownPlace().mount; });
  }
  return *systemFileSystem_;
}

const MountPlace& PosixFolder::ownPlace() {
  if (!place_) {
    // Where the system cannot say, nothing reached from the folder counts as lying on its mount.
    MountPlace place;
    if (!placeOf(fd_, place)) place = {};
    place_ = place;
  }
  return *place_;
}

bool PosixFolder::onOtherMount(const std::string& name, const FileInfo& reached) {
  const MountPlace& here = ownPlace();
  if (here.mount != 0 && reached.mount != 0) return here.mount != reached.mount;
  if (here.device != reached.id.device) return true;
  if (!mountPointNames_) mountPointNames_ = mountPointNamesIn(path());
  return std::find(mountPointNames_->begin(), mountPointNames_->end(), name) !=
         mountPointNames_->end();
}

std::error_code PosixFolder::refusedHere() {
  if (!systemFileSystem().empty()) return FileError::SystemFileSystem;
  return {};
}

Result<std::unique_ptr<File>> PosixFolder::openFile(const std::string& name,
                                                    const EntryId& expected) {
  if (!isEntryName(name)) return notAnEntryName();
  if (const std::error_code refused = refusedHere()) return refused;
  FileInfo opened;
  const auto fd = openRegularAt(fd_, name.c_str(), O_WRONLY | O_NOFOLLOW, 0, &opened);
  if (!fd) return whyNotOpened(name, expected, EntryKind::File, fd.error());
  auto file = std::make_unique<PosixFile>(*fd);
  // A file bound over the entry is another file's content, wherever it lies (a system file
  // system's too): asked on the open file, which is what would be written.
  if (onOtherMount(name, opened)) return FileError::MountPoint;
  if (opened.id != expected) return FileError::Changed;
  return file;
}

void PosixFolder::adviseRead(const std::string& name, const EntryId& expected,
                             std::uint64_t length) {
  if (!isEntryName(name) || refusedHere()) return;
  FileInfo opened;
  const auto fd = openRegularAt(fd_, name.c_str(), O_RDONLY | O_NOFOLLOW, 0, &opened);
  if (!fd) return;
  if (opened.id == expected) {
    ::posix_fadvise(*fd, 0, static_cast<off_t>(length), POSIX_FADV_WILLNEED);
  }
  ::close(*fd);
}

Status PosixFolder::setAttributes(const std::string& name, std::uint32_t attributes) {
  if (!isEntryName(name)) return notAnEntryName();
  if (const std::error_code refused = refusedHere()) return refused;
  struct statx st {};
  if (::statx(fd_, name.c_str(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
              STATX_TYPE | STATX_MODE | STATX_MNT_ID, &st) != 0) {
    return lastError();
  }
  if (S_ISLNK(st.stx_mode)) return {};  // a link has no permissions of its own
  FileInfo reached;
  reached.id.device = static_cast<std::uint64_t>(makedev(st.stx_dev_major, st.stx_dev_minor));
  reached.mount = reportedMount(st.stx_mask, st.stx_mnt_id);
  if (onOtherMount(name, reached)) return FileError::MountPoint;
  const mode_t mode = st.stx_mode & 07777;
  const mode_t wanted = (attributes & AttrReadOnly) ? (mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH))
                                                    : (mode | S_IWUSR);
  if (wanted == mode) return {};
  if (::fchmodat(fd_, name.c_str(), wanted, AT_SYMLINK_NOFOLLOW) == 0) return {};
  if (errno != EOPNOTSUPP && errno != ENOTSUP) return lastError();
  // Without a way to change an entry without following it: through a descriptor of it.
  const int fd = ::openat(fd_, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return lastError();
  const bool changed = ::fchmod(fd, wanted) == 0;
  const std::error_code error = changed ? std::error_code() : lastError();
  ::close(fd);
  return error;
}

Status PosixFolder::rename(const std::string& from, const std::string& to) {
  if (!isEntryName(from) || !isEntryName(to)) return notAnEntryName();
  if (const std::error_code refused = refusedHere()) return refused;
  if (::renameat2(fd_, from.c_str(), fd_, to.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno != EINVAL && errno != ENOSYS) return lastError();
  // File systems without RENAME_NOREPLACE: check first, then rename.
  struct stat st {};
  if (::fstatat(fd_, to.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
    return std::make_error_code(std::errc::file_exists);
  }
  if (::renameat(fd_, from.c_str(), fd_, to.c_str()) != 0) return lastError();
  return {};
}

Status PosixFolder::removeFile(const std::string& name) {
  if (!isEntryName(name)) return notAnEntryName();
  if (const std::error_code refused = refusedHere()) return refused;
  if (::unlinkat(fd_, name.c_str(), 0) != 0) return lastError();
  return {};
}

Status PosixFolder::removeFolder(const std::string& name) {
  if (!isEntryName(name)) return notAnEntryName();
  if (const std::error_code refused = refusedHere()) return refused;
  if (::unlinkat(fd_, name.c_str(), AT_REMOVEDIR) != 0) return lastError();
  return {};
}

Status PosixFolder::syncFileSystem() {
  if (::syncfs(fd_) != 0) return lastError();
  return {};
}

Status PosixFolder::writeJournalHome() {
  if (::syncfs(fd_) != 0) return lastError();
  struct statfs kind {};
  if (::fstatfs(fd_, &kind) != 0) return lastError();
  // ext2, ext3 and ext4 share the magic number; only the ext4 driver mounts them today.
  if (kind.f_type != EXT4_SUPER_MAGIC) return {};
  // No flags: the journal is emptied into place, not written over.
  __u32 flags = 0;
  if (::ioctl(fd_, EXT4_IOC_CHECKPOINT, &flags) == 0) return {};
  // A file system without a journal wrote every block in place at the sync.
  if (errno == ENODEV) return {};
  return lastError();
}

}  // namespace platform::posix
