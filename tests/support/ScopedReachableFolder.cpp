#include "support/ScopedReachableFolder.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "support/ScopedMount.h"

namespace {

std::string why(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

}  // namespace

ScopedReachableFolder::ScopedReachableFolder(const std::string& folder) {
  std::string path = folder;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty() || path.front() != '/') {
    reason_ = "not an absolute path: " + folder;
    return;
  }
  // The folders above it, from the top down; the topmost that others may not pass is covered.
  std::vector<std::string> above;
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    above.push_back(path.substr(0, slash));
  }
  std::size_t top = above.size();
  for (std::size_t i = 0; i < above.size() && top == above.size(); ++i) {
    struct stat st {};
    if (::stat(above[i].c_str(), &st) != 0) {
      reason_ = why(above[i]);
      return;
    }
    if ((st.st_mode & S_IXOTH) == 0) top = i;
  }
  if (top == above.size()) return;  // others pass through already
  if (!EnterPrivateMountNamespace(&reason_)) return;
  const int held = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (held < 0) {
    reason_ = why(path);
    return;
  }
  if (::mount("ferrovane-test-way", above[top].c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
              "mode=0711,size=64k") != 0) {
    reason_ = why("cannot cover " + above[top]);
    ::close(held);
    return;
  }
  covered_ = above[top];
  for (std::size_t i = top + 1; i <= above.size(); ++i) {
    const std::string& step = i < above.size() ? above[i] : path;
    if (::mkdir(step.c_str(), 0711) != 0) reason_ = why(step);
    if (!reason_.empty()) break;
  }
  const std::string source = "/proc/self/fd/" + std::to_string(held);
  if (reason_.empty() &&
      ::mount(source.c_str(), path.c_str(), nullptr, MS_BIND | MS_REC, nullptr) != 0) {
    reason_ = why("cannot bind " + path + " back");
  }
  ::close(held);
}

ScopedReachableFolder::~ScopedReachableFolder() {
  if (!covered_.empty()) ::umount2(covered_.c_str(), MNT_DETACH);
}
