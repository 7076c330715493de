#include "platform/posix/ScratchFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <random>
#include <utility>

#include "platform/Journal.h"
#include "platform/posix/MountPlace.h"
#include "platform/posix/PosixFile.h"

namespace platform::journal {
namespace {

using posix::MountPlace;
using posix::onOtherMount;
using posix::placeOf;

// Times far in the past that no one else gives a file: each round sets the next second.
constexpr std::int64_t kFirstTime = 1'000'000'000;

std::string randomSuffix() {
  std::random_device device;
  static const char digits[] = "0123456789abcdef";
  std::string text;
  for (std::size_t i = 0; i < kScratchSuffixLength; ++i) text += digits[device() % 16];
  return text;
}

// The entry's identity, as the program's other descriptor-relative checks read it; never
// triggers an automount.
Result<FileInfo> identityAt(int dirfd, const char* name, int flags) {
  return posix::statAt(dirfd, name, flags | AT_NO_AUTOMOUNT, std::string());
}

bool same(const FileInfo& a, const FileInfo& b) {
  return a.id == b.id && (a.mount == 0 || b.mount == 0 || a.mount == b.mount);
}

// Where the open folder lies now, as the system names it; empty when it cannot say.
std::string placeOfOpen(int fd) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  char target[PATH_MAX];
  const ssize_t length = ::readlink(self.c_str(), target, sizeof target);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) return {};
  return std::string(target, static_cast<std::size_t>(length));
}

// What removeIfHeld gives back when the entry is not the held folder (no errno has this value).
constexpr int kNotHeld = -1;

ScratchFolderMade& madeHook() {
  static ScratchFolderMade hook;
  return hook;
}

}  // namespace

ScratchFolderMade setScratchFolderMade(ScratchFolderMade hook) {
  std::swap(madeHook(), hook);
  return hook;
}

ScratchFolder::~ScratchFolder() {
  remove();
}

int ScratchFolder::make() {
  MountPlace parent;
  if (!placeOf(parent_, parent)) return errno;
  for (int attempt = 0; attempt < 8; ++attempt) {
    const std::string name = std::string(kScratchFolderPrefix) + randomSuffix();
    if (::mkdirat(parent_, name.c_str(), 0700) != 0) {
      if (errno == EEXIST) continue;
      return errno;
    }
    name_ = name;
    if (madeHook()) madeHook()(parent_, name_);
    folder_ = ::openat(parent_, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder_ < 0) return errno;
    // Another user may have put a folder of their own under the name in between: the one made
    // is the caller's.
    struct stat opened {};
    if (::fstat(folder_, &opened) != 0) return errno;
    if (opened.st_uid != ::geteuid()) {
      ::close(folder_);
      folder_ = -1;
      return EPERM;
    }
    MountPlace made;
    if (!placeOf(folder_, made)) return errno;
    // Something mounted over it in between (a bind mount of the same file system too) would take
    // the commits elsewhere.
    return onOtherMount(parent, made, {}) ? EXDEV : 0;
  }
  return EEXIST;
}

int ScratchFolder::makeFile(std::uint64_t* inode) {
  const int fd = ::openat(folder_, std::to_string(files_).c_str(),
                          O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return errno;
  ++files_;
  struct stat file {};
  const int error = inode && ::fstat(fd, &file) != 0 ? errno : 0;
  ::close(fd);
  if (inode && !error) *inode = static_cast<std::uint64_t>(file.st_ino);
  return error;
}

int ScratchFolder::openFile(std::uint64_t index) const {
  return ::openat(folder_, std::to_string(index).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
}

int ScratchFolder::touch(const std::vector<std::uint64_t>& files) {
  ++round_;
  const struct timespec times[2] = {{0, UTIME_OMIT}, {kFirstTime + round_, 0}};
  for (auto index = files.rbegin(); index != files.rend(); ++index) {
    if (::utimensat(folder_, std::to_string(*index).c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
      return errno;
    }
  }
  return 0;
}

int ScratchFolder::heldFile(std::uint64_t index) {
  if (heldLimit_ < 0) {
    // Half of what the process may open at most: the rest of the program keeps its room.
    struct rlimit open {};
    heldLimit_ = ::getrlimit(RLIMIT_NOFILE, &open) == 0 && open.rlim_cur != RLIM_INFINITY
                     ? static_cast<std::int64_t>(open.rlim_cur / 2)
                     : 0;
  }
  if (index < held_.size() && held_[index] >= 0) return held_[index];
  if (heldCount_ >= heldLimit_) return -1;
  const int fd = openFile(index);
  if (fd < 0) return -1;
  if (held_.size() <= index) held_.resize(index + 1, -1);
  held_[index] = fd;
  ++heldCount_;
  return fd;
}

void ScratchFolder::closeHeldFiles() {
  for (int& fd : held_) {
    if (fd >= 0) ::close(fd);
  }
  held_.clear();
  heldCount_ = 0;
}

int ScratchFolder::changeAttributes(const std::vector<std::uint64_t>& files, std::size_t size) {
  static constexpr const char* kKept = "user.ferrovane.a";
  static constexpr const char* kTurned = "user.ferrovane.b";
  const std::string value(size, 'f');
  // The files are reached through the held folder, never by the folder's name: through a
  // descriptor of the file held from its first change on (which spares the look-up of its name
  // every round), or by its name in the held folder where no more descriptors are to be had.
  const std::string folder = "/proc/self/fd/" + std::to_string(folder_) + "/";
  if (attributes_.size() < files_) attributes_.resize(files_, Attributes::None);
  for (auto index = files.rbegin(); index != files.rend(); ++index) {
    const int fd = heldFile(*index);
    const std::string file = fd < 0 ? folder + std::to_string(*index) : std::string();
    const auto set = [&](const char* name, const std::string& bytes, int flags) {
      return fd >= 0 ? ::fsetxattr(fd, name, bytes.data(), bytes.size(), flags)
                     : ::lsetxattr(file.c_str(), name, bytes.data(), bytes.size(), flags);
    };
    Attributes& has = attributes_[*index];
    int changed = 0;
    if (has == Attributes::None) {
      changed = set(kKept, value, 0);
    } else if (has == Attributes::Kept) {
      changed = set(kTurned, std::string(), XATTR_CREATE);
    } else {
      changed = fd >= 0 ? ::fremovexattr(fd, kTurned) : ::lremovexattr(file.c_str(), kTurned);
    }
    if (changed != 0) return errno;
    has = has == Attributes::Kept ? Attributes::Both : Attributes::Kept;
  }
  return 0;
}

int ScratchFolder::remove() {
  if (name_.empty()) return 0;
  int error = 0;
  if (folder_ < 0) {
    // Never opened: nothing shows that what is under the name is the folder made, so it stays
    // (one of the program's own is removed by a later run, as any scratch folder left over).
    left_ = "the scratch folder \"" + name_ +
            "\" could not be opened after it was made; what is named so was not touched";
    error = EBUSY;
  } else {
    closeHeldFiles();
    const std::uint64_t filesLeft = emptyFolder(error);
    int removal = removeIfHeld(name_);
    if (removal == kNotHeld || removal == ENOENT) removal = removeMoved(filesLeft);
    if (removal && !error) error = removal;
    ::close(folder_);
    folder_ = -1;
  }
  files_ = 0;
  attributes_.clear();
  name_.clear();
  return error;
}

std::uint64_t ScratchFolder::emptyFolder(int& error) {
  std::uint64_t left = 0;
  for (std::uint64_t index = 0; index < files_; ++index) {
    if (::unlinkat(folder_, std::to_string(index).c_str(), 0) != 0 && errno != ENOENT) {
      if (!error) error = errno;
      ++left;
    }
  }
  return left;
}

int ScratchFolder::removeIfHeld(const std::string& name) {
  const auto held = identityAt(folder_, "", AT_EMPTY_PATH);
  if (!held) return held.error().value();
  const auto entry = identityAt(parent_, name.c_str(), AT_SYMLINK_NOFOLLOW);
  if (!entry) return entry.error().value();
  if (!same(*held, *entry)) return kNotHeld;
  // A link or a file put there since the check is not removed as a folder; only an empty folder
  // could be.
  return ::unlinkat(parent_, name.c_str(), AT_REMOVEDIR) == 0 ? 0 : errno;
}

std::string ScratchFolder::currentName() const {
  const auto held = identityAt(folder_, "", AT_EMPTY_PATH);
  if (!held) return {};
  const int listing = ::openat(parent_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return {};
  DIR* folder = ::fdopendir(listing);
  if (!folder) {
    ::close(listing);
    return {};
  }
  std::string found;
  while (const dirent* entry = ::readdir(folder)) {
    if (entry->d_ino != held->id.inode) continue;
    const auto there = identityAt(parent_, entry->d_name, AT_SYMLINK_NOFOLLOW);
    if (there && same(*held, *there)) {
      found = entry->d_name;
      break;
    }
  }
  ::closedir(folder);
  return found;
}

int ScratchFolder::removeMoved(std::uint64_t filesLeft) {
  left_ = "the scratch folder \"" + name_ + "\" was moved by another process";
  struct stat there {};
  if (::fstatat(parent_, name_.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0) {
    left_ += "; what is named so now is not the program's and was not touched";
  }
  if (const auto held = identityAt(folder_, "", AT_EMPTY_PATH); held && held->links == 0) {
    left_ += filesLeft ? "; it was removed with " + std::to_string(filesLeft) + " scratch files"
                       : "; it was removed";
    return EBUSY;
  }
  if (filesLeft == 0) {
    const std::string moved = currentName();
    if (!moved.empty() && removeIfHeld(moved) == 0) {
      left_ += "; it was removed under its new name \"" + moved + "\"";
      return EBUSY;
    }
  }
  const std::string place = placeOfOpen(folder_);
  left_ += "; it stays " +
           (place.empty() ? std::string("where it cannot be named") : "at \"" + place + "\"");
  left_ += filesLeft ? " with " + std::to_string(filesLeft) + " scratch files" : ", empty";
  return EBUSY;
}

}  // namespace platform::journal
