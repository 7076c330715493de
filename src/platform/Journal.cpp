#include "platform/Journal.h"

namespace platform {
namespace {
Journals* installed = nullptr;
}

Journals& journals() {
  return installed ? *installed : realJournals();
}

void setJournals(Journals* journals) {
  installed = journals;
}

ScopedJournals::ScopedJournals(Journals& journals) : previous_(installed) {
  installed = &journals;
}

ScopedJournals::~ScopedJournals() {
  installed = previous_;
}

}  // namespace platform
