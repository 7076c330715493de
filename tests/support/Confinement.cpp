#include "support/Confinement.h"

#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

namespace {

std::unique_ptr<FaultyFileSystem> confined() {
  auto files = std::make_unique<FaultyFileSystem>();
  files->confinedTo = TestFolder::prefix();
  return files;
}

}  // namespace

TestConfinement::TestConfinement() : files_(confined()), scope_(*files_) {}

TestConfinement::~TestConfinement() = default;
