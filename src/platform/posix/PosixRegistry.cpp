// The registry in use on Linux: the user's store unless a test installed another.

#include "platform/Registry.h"
#include "platform/RegistryStore.h"

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

Registry& registry() { return installed ? *installed : userStore(); }

void setRegistry(Registry* replacement) { installed = replacement; }

ScopedRegistry::ScopedRegistry(Registry& replacement) : previous_(installed) {
  installed = &replacement;
}

ScopedRegistry::~ScopedRegistry() { installed = previous_; }

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
