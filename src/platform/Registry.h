#pragma once
// The registry of the program: keys under two roots (the current user's and the machine's),
// each key holding subkeys and named values. Key paths use "\" between names, a leading "\" is
// ignored, and names of keys and values are compared without regard to case (ASCII letters).
// Keys are never created by reading or writing values; a write to a key that does not exist
// fails. Every operation reports failure by its result and never raises: a change gives back a
// Status with the reason it failed (a RegistryError, or the system's reason where the store's
// file could not be written).
//
// Everything goes through the registry in use (platform::registry()), so that tests can put
// their own store in its place.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Result.h"
#include "platform/ScopedOverride.h"

namespace platform {

// Why a change of the registry was refused, where the system has no reason of its own.
enum class RegistryError {
  NoKey = 1,        // the key (or the key the value belongs to) does not exist
  BadPath,          // the path names no key that may be changed (a root, a key below the Run key)
  BadName,          // a name the store cannot hold (empty, too long, a line break)
  NotText,          // the Run key holds texts only
  StoreUnreadable,  // the store's file could not be read: it is not written to
  StoreTooLarge,    // the store would grow past what it can read back
  NoStore,          // the store has no place (the user's configuration folder is unknown)
};
const std::error_category& registryErrorCategory();
inline std::error_code make_error_code(RegistryError error) {
  return {static_cast<int>(error), registryErrorCategory()};
}

}  // namespace platform

template <>
struct std::is_error_code_enum<platform::RegistryError> : std::true_type {};

namespace platform {

// The predefined roots, with the handle values the program stores.
using RegistryRoot = std::uint32_t;
inline constexpr RegistryRoot kCurrentUser = 0x80000001u;
inline constexpr RegistryRoot kLocalMachine = 0x80000002u;

// The key through which programs are started with the user's session.
inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class Registry {
 public:
  virtual ~Registry() = default;

  // True when the key exists (it can be opened). The empty path is the root itself.
  virtual bool keyExists(RegistryRoot root, const std::string& key) = 0;
  // Creates the key and any missing keys above it. Succeeds when the key exists afterwards.
  virtual Status createKey(RegistryRoot root, const std::string& key) = 0;
  // Names of the key's subkeys, sorted without regard to case; null when the key does not exist.
  virtual std::optional<std::vector<std::string>> subkeyNames(RegistryRoot root,
                                                              const std::string& key) = 0;
  // Names of the key's values in the order they were created ("" is the default value); null
  // when the key does not exist.
  virtual std::optional<std::vector<std::string>> valueNames(RegistryRoot root,
                                                             const std::string& key) = 0;
  // True when the key exists and holds a value of that name, of any type.
  virtual bool valueExists(RegistryRoot root, const std::string& key, const std::string& name) = 0;
  // A text value; null when the key or value is missing or the value is not text.
  virtual std::optional<std::string> readString(RegistryRoot root, const std::string& key,
                                                const std::string& name) = 0;
  // A 32-bit integer value; null when the key or value is missing or the value is not one.
  virtual std::optional<std::int32_t> readInteger(RegistryRoot root, const std::string& key,
                                                  const std::string& name) = 0;
  // Sets a value of an existing key, replacing any value of that name.
  virtual Status writeString(RegistryRoot root, const std::string& key, const std::string& name,
                             const std::string& value) = 0;
  virtual Status writeInteger(RegistryRoot root, const std::string& key, const std::string& name,
                              std::int32_t value) = 0;
  // Deletes one value. A missing value is no error (the key must exist).
  virtual Status deleteValue(RegistryRoot root, const std::string& key,
                             const std::string& name) = 0;
  // Deletes the key with all its subkeys and values. A root itself is never deleted.
  virtual Status deleteKeyTree(RegistryRoot root, const std::string& key) = 0;

  // Empty while the store as a whole is usable; otherwise a sentence for the user that says what
  // is wrong with it (for example a damaged store file, which is then left as it is and not
  // written to), for the warning the programs give when they start.
  virtual std::string problem() = 0;

 protected:
  friend class RegistryBatch;
  // Many changes as one (see RegistryBatch): while a batch is open, changes are kept and the
  // registry is written once, when the outermost batch ends. If that write fails, none of the
  // batch's changes remain. Batches may nest. A registry that writes nothing of its own ignores
  // them.
  virtual void beginBatch() {}
  // Ends a batch; fails with the reason when its changes could not be written (and were
  // dropped).
  virtual Status endBatch() { return {}; }
};

// Many changes of a registry written as one, from the start of the object to end() or, when
// end() was not called, its destruction (whose outcome nobody hears: call end() where it
// matters). Batches of one registry nest; only the outermost one writes.
class RegistryBatch {
 public:
  explicit RegistryBatch(Registry& registry) : registry_(&registry) { registry_->beginBatch(); }
  ~RegistryBatch() {
    // A batch left without end() belongs to a caller that had no use for the outcome (a test's
    // filling, a run that raised): what was not written is dropped by the store itself.
    if (registry_) discardResult(registry_->endBatch());
  }
  RegistryBatch(const RegistryBatch&) = delete;
  RegistryBatch& operator=(const RegistryBatch&) = delete;

  // Ends the batch now: its changes are written (by the outermost batch) or, failing that, all
  // dropped, with the reason. A second call changes nothing and succeeds.
  Status end() {
    Registry* registry = std::exchange(registry_, nullptr);
    return registry ? registry->endBatch() : Status();
  }

 private:
  Registry* registry_;
};

// The registry in use: the user's own store unless a test has installed another.
Registry& registry();
// Installs a registry (null puts the user's store back) and returns the one it replaces. The
// caller keeps ownership.
Registry* setRegistry(Registry* replacement);

// Installs a registry for the lifetime of the object, then puts back the one before.
using ScopedRegistry = ScopedOverride<&setRegistry>;

// The command line that starts the program file, as a value of the Run key holds it.
std::string runCommandFor(const std::string& programPath);

}  // namespace platform
