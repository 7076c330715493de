#include "platform/FileSystem.h"

namespace platform {
namespace {
FileSystem* installed = nullptr;
}

FileSystem& fs() { return installed ? *installed : realFileSystem(); }

void setFileSystem(FileSystem* fileSystem) { installed = fileSystem; }

ScopedFileSystem::ScopedFileSystem(FileSystem& fileSystem) : previous_(installed) {
  installed = &fileSystem;
}

ScopedFileSystem::~ScopedFileSystem() { installed = previous_; }

}  // namespace platform
