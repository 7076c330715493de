#include "support/ScopedMount.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/PathText.h"

namespace {

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) {
    if (c == '\'') {
      result += "'\\''";
    } else {
      result += c;
    }
  }
  return result + "'";
}

bool run(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace

bool EnterPrivateMountNamespace(std::string* reason) {
  static int state = 0;  // 0 not tried, 1 inside, -1 failed
  static std::string why;
  if (state == 0) {
    if (::geteuid() != 0) {
      why = "mounting needs root";
    } else if (::unshare(CLONE_NEWNS) != 0) {
      why = std::string("cannot make a mount namespace: ") + std::strerror(errno);
    } else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
      why = std::string("cannot make mounts private: ") + std::strerror(errno);
    }
    state = why.empty() ? 1 : -1;
  }
  if (reason) *reason = why;
  return state == 1;
}

ScopedMount::ScopedMount(const std::string& point, Kind kind, unsigned megabytes,
                         const std::string& mkfsOptions)
    : ScopedMount(point, kind, std::to_string(megabytes) + "m", mkfsOptions) {}

ScopedMount::ScopedMount(const std::string& point, Kind kind, const std::string& size,
                         const std::string& mkfsOptions)
    : point_(point) {
  if (!EnterPrivateMountNamespace(&reason_)) return;
  if (kind == Kind::Tmpfs) {
    if (!run("mount -t tmpfs -o size=" + size + " ferrovane-test " + quoted(point))) {
      reason_ = "cannot mount a tmpfs";
      return;
    }
  } else {
    image_ = platform::trimSeparators(point) + ".img";
    if (!run("truncate -s " + size + " " + quoted(image_)) ||
        !run("mkfs.ext4 -q -F " + mkfsOptions + " " + quoted(image_))) {
      reason_ = "cannot make an ext4 image (mkfs.ext4 missing?)";
      return;
    }
    if (!run("mount -o loop " + quoted(image_) + " " + quoted(point))) {
      reason_ = "cannot mount an ext4 image on a loop device";
      return;
    }
  }
  mounted_ = true;
}

bool ScopedMount::unmount() {
  if (mounted_ && run("umount " + quoted(point_))) mounted_ = false;
  return !mounted_;
}

ScopedMount::~ScopedMount() {
  unmount();
}
