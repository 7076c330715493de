#pragma once
// A registry store of a test's own, in its temporary folder, installed as the registry in use
// while the object lives. The Run key is the folder "autostart/" of the test folder (it exists
// only once the test creates it).

#include <memory>

#include "platform/Registry.h"
#include "platform/posix/RegistryStore.h"

class TestFolder;

class ScopedTestRegistry {
 public:
  explicit ScopedTestRegistry(const TestFolder& folder);
  ~ScopedTestRegistry();
  ScopedTestRegistry(const ScopedTestRegistry&) = delete;
  ScopedTestRegistry& operator=(const ScopedTestRegistry&) = delete;

  platform::RegistryStore& store() { return *store_; }
  std::string autostartFolder() const { return store_->autostartFolder(); }

 private:
  std::unique_ptr<platform::RegistryStore> store_;
  std::unique_ptr<platform::ScopedRegistry> installed_;
};
