#include <pwd.h>
#include <unistd.h>

#include "platform/Machine.h"

namespace platform {

std::string hostName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

std::string userName() {
  if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name) return entry->pw_name;
  return std::to_string(::geteuid());
}

std::uint32_t userId() {
  return static_cast<std::uint32_t>(::geteuid());
}

}  // namespace platform
