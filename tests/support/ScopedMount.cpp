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

// mkfs.xfs with its test settings, which allow a log and a file system smaller than it makes
// elsewhere (at least 64 MiB and 300 MiB).
const char kMakeXfs[] = "TEST_DIR=1 TEST_DEV=1 QA_CHECK_FS=1 mkfs.xfs -q -f ";

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
                         const std::string& mkfsOptions, const std::string& mountOptions)
    : ScopedMount(point, kind, std::to_string(megabytes) + "m", mkfsOptions, mountOptions) {}

ScopedMount::ScopedMount(const std::string& point, Kind kind, const std::string& size,
                         const std::string& mkfsOptions, const std::string& mountOptions)
    : point_(point) {
  if (!EnterPrivateMountNamespace(&reason_)) return;
  if (kind == Kind::Tmpfs) {
    if (!run("mount -t tmpfs -o size=" + size + " ferrovane-test " + quoted(point))) {
      reason_ = "cannot mount a tmpfs";
      return;
    }
  } else {
    const bool ntfs = kind == Kind::NtfsImage;
    const char* type = kind == Kind::BtrfsImage   ? "btrfs"
                       : kind == Kind::XfsImage   ? "xfs"
                       : ntfs                     ? "ntfs-3g"
                       : kind == Kind::VfatImage  ? "vfat"
                       : kind == Kind::ExfatImage ? "exfat"
                                                  : "ext4";
    const std::string mkfs = kind == Kind::BtrfsImage   ? "mkfs.btrfs -q -f "
                             : kind == Kind::XfsImage   ? kMakeXfs
                             : ntfs                     ? "mkntfs -q -F -f "
                             : kind == Kind::VfatImage  ? "mkfs.vfat "
                             : kind == Kind::ExfatImage ? "mkfs.exfat "
                                                        : "mkfs.ext4 -q -F ";
    image_ = platform::trimSeparators(point) + ".img";
    if (!run("truncate -s " + size + " " + quoted(image_)) ||
        !run(mkfs + mkfsOptions + " " + quoted(image_))) {
      reason_ = std::string("cannot make an ") + type + " image (" +
                (ntfs ? std::string("mkntfs") : "mkfs." + std::string(type)) + " missing?)";
      return;
    }
    // On a loop device, as a drive is mounted: ntfs-3g then shows it as a block device too.
    const std::string options = mountOptions.empty() ? "loop" : "loop," + mountOptions;
    mountCommand_ = "mount -t " + std::string(type) + (options.empty() ? "" : " -o " + options) +
                    " " + quoted(image_) + " " + quoted(point);
    if (!run(mountCommand_)) {
      reason_ = std::string("cannot mount an ") + type + " image on a loop device (" + options +
                "; does the kernel have " + type + "?)";
      return;
    }
  }
  mounted_ = true;
}

bool ScopedMount::unmount() {
  if (mounted_ && run("umount " + quoted(point_))) mounted_ = false;
  return !mounted_;
}

bool ScopedMount::remount() {
  if (mountCommand_.empty() || !unmount()) return false;
  mounted_ = run(mountCommand_);
  return mounted_;
}

ScopedMount::~ScopedMount() {
  unmount();
}
