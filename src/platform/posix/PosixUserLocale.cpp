#include <cstdlib>

#include "platform/UserLocale.h"

namespace platform {

std::string numbersLocaleName() {
  for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    if (const char* value = std::getenv(name); value && *value) return value;
  }
  return {};
}

}  // namespace platform
