// The reasons the registry gives for a change it refused.

#include "platform/Registry.h"

namespace platform {
namespace {

class RegistryErrorCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "registry"; }
  std::string message(int value) const override {
    switch (static_cast<RegistryError>(value)) {
      case RegistryError::NoKey:
        return "the key does not exist";
      case RegistryError::BadPath:
        return "the path names no key that may be changed";
      case RegistryError::BadName:
        return "the name cannot be stored";
      case RegistryError::NotText:
        return "the key holds texts only";
      case RegistryError::StoreUnreadable:
        return "the registry store could not be read, so it is not written to";
      case RegistryError::StoreTooLarge:
        return "the registry store would grow past the size it can read back";
      case RegistryError::NoStore:
        return "the registry store has no place (the configuration folder is unknown)";
    }
    return "unknown registry error";
  }
};

}  // namespace

const std::error_category& registryErrorCategory() {
  static const RegistryErrorCategory category;
  return category;
}

}  // namespace platform
