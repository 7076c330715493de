#include "platform/posix/CurrentMounts.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <mutex>
#include <string>

namespace platform::posix {
namespace {

struct Cache {
  std::mutex lock;
  int fd = -1;
  std::uint64_t space = 0;  // the mount namespace the open table belongs to
  bool read = false;
  std::shared_ptr<const std::vector<Mount>> mounts;
};

const std::shared_ptr<const std::vector<Mount>>& noMounts() {
  static const auto none = std::make_shared<const std::vector<Mount>>();
  return none;
}

// What tells the mount namespace apart, cheaply: the number of the mount the root folder lies
// on. A new namespace copies every mount under new numbers.
std::uint64_t mountNamespace() {
  struct statx st {};
  if (::statx(AT_FDCWD, "/", 0, STATX_MNT_ID, &st) != 0 || !(st.stx_mask & STATX_MNT_ID)) return 0;
  return st.stx_mnt_id;
}

bool readTable(int fd, std::string& text) {
  text.clear();
  char buffer[16384];
  for (off_t at = 0;;) {
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    text.append(buffer, static_cast<std::size_t>(n));
    at += n;
  }
}

}  // namespace

std::shared_ptr<const std::vector<Mount>> currentMounts() {
  static Cache cache;
  std::lock_guard<std::mutex> held(cache.lock);
  const std::uint64_t space = mountNamespace();
  if (cache.fd < 0 || space != cache.space) {
    if (cache.fd >= 0) ::close(cache.fd);
    cache.fd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    cache.space = space;
    cache.read = false;
    if (cache.fd < 0) return noMounts();
  }
  pollfd changed{cache.fd, POLLPRI, 0};
  // Without a namespace to tell them apart, the table is read every time.
  const bool fresh = cache.read && space != 0 && ::poll(&changed, 1, 0) == 0;
  if (fresh) return cache.mounts;
  std::string text;
  if (!readTable(cache.fd, text)) return noMounts();
  cache.mounts = std::make_shared<const std::vector<Mount>>(parseMountInfo(text));
  cache.read = true;
  return cache.mounts;
}

}  // namespace platform::posix
