#include "support/ScopedBind.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

#include "support/ScopedMount.h"

ScopedBind::ScopedBind(const std::string& source, const std::string& point, Way way)
    : source_(source), point_(point), way_(way) {
  if (!EnterPrivateMountNamespace(&reason_)) return;
  const unsigned long flags = way == Way::Bind ? MS_BIND : MS_MOVE;
  if (::mount(source.c_str(), point.c_str(), nullptr, flags, nullptr) != 0) {
    reason_ = std::string(way == Way::Bind ? "cannot bind " : "cannot move ") + source + ": " +
              std::strerror(errno);
    return;
  }
  mounted_ = true;
}

ScopedBind::~ScopedBind() {
  if (!mounted_) return;
  if (way_ == Way::Move) {
    ::mount(point_.c_str(), source_.c_str(), nullptr, MS_MOVE, nullptr);
  } else {
    ::umount2(point_.c_str(), MNT_DETACH);
  }
}
