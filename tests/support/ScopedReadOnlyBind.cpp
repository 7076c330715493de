#include "support/ScopedReadOnlyBind.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

#include "support/ScopedMount.h"

ScopedReadOnlyBind::ScopedReadOnlyBind(const std::string& folder) : folder_(folder) {
  if (!EnterPrivateMountNamespace(&reason_)) return;
  if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0) {
    reason_ = std::string("cannot bind the folder: ") + std::strerror(errno);
    return;
  }
  mounted_ = true;
  if (::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
    reason_ = std::string("cannot make the binding read-only: ") + std::strerror(errno);
    ::umount2(folder.c_str(), MNT_DETACH);
    mounted_ = false;
  }
}

ScopedReadOnlyBind::~ScopedReadOnlyBind() {
  if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}
