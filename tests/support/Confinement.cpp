#include "support/Confinement.h"

#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

TestConfinement::TestConfinement() : files_(std::make_unique<FaultyFileSystem>()) {
  files_->confinedTo = TestFolder::prefix();
  platform::setFileSystem(files_.get());
}

TestConfinement::~TestConfinement() { platform::setFileSystem(nullptr); }
