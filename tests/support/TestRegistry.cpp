#include "support/TestRegistry.h"

#include "support/TestFolder.h"

ScopedTestRegistry::ScopedTestRegistry(const TestFolder& folder)
    : store_(std::make_unique<platform::RegistryStore>(folder / "registry/registry.reg",
                                                       folder / "autostart/")),
      installed_(std::make_unique<platform::ScopedRegistry>(*store_)) {}

ScopedTestRegistry::~ScopedTestRegistry() = default;
