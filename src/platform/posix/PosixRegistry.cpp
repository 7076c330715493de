// The registry in use on Linux: the user's store unless a test installed another.

#include <utility>

#include "platform/Registry.h"
#include "platform/posix/RegistryStore.h"

namespace platform {
namespace {

Registry* installed = nullptr;

RegistryStore& userStore() {
  static RegistryStore store;
  return store;
}

// Characters that make a desktop-entry command argument need quoting.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";

}  // namespace

Registry& registry() {
  return installed ? *installed : userStore();
}

Registry* setRegistry(Registry* replacement) {
  return std::exchange(installed, replacement);
}

std::string runCommandFor(const std::string& programPath) {
  const bool quote = programPath.find_first_of(kReserved) != std::string::npos;
  std::string command;
  if (quote) command += '"';
  for (char c : programPath) {
    if (c == '%') {
      command += "%%";  // a single % would start a field code
      continue;
    }
    if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) command += '\\';
    command += c;
  }
  if (quote) command += '"';
  return command;
}

}  // namespace platform
