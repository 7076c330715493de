#pragma once
// The registry of the program: keys under two roots (the current user's and the machine's),
// each key holding subkeys and named values. Key paths use "\" between names, a leading "\" is
// ignored, and names of keys and values are compared without regard to case (ASCII letters).
// Keys are never created by reading or writing values; a write to a key that does not exist
// fails. Every operation reports failure by its result and never raises.
//
// Everything goes through the registry in use (platform::registry()), so that tests can put
// their own store in its place.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ScopedOverride.h"

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
  // Creates the key and any missing keys above it. True when the key exists afterwards.
  virtual bool createKey(RegistryRoot root, const std::string& key) = 0;
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
  virtual bool writeString(RegistryRoot root, const std::string& key, const std::string& name,
                           const std::string& value) = 0;
  virtual bool writeInteger(RegistryRoot root, const std::string& key, const std::string& name,
                            std::int32_t value) = 0;
  // Deletes one value. A missing value is no error (true when the key exists).
  virtual bool deleteValue(RegistryRoot root, const std::string& key, const std::string& name) = 0;
  // Deletes the key with all its subkeys and values. A root itself is never deleted.
  virtual bool deleteKeyTree(RegistryRoot root, const std::string& key) = 0;

  // Empty while the registry works; otherwise a sentence for the user that says what is wrong
  // (for example a damaged store file, which is then left as it is and not written to).
  virtual std::string problem() = 0;

  // Many changes as one: while a batch is open, changes are kept and the registry is written
  // once, when the outermost batch ends. If that write fails, none of the batch's changes
  // remain. Batches may nest. A registry that writes nothing of its own ignores them.
  virtual void beginBatch() {}
  // Ends a batch; false when its changes could not be written (and were dropped).
  virtual bool endBatch() { return true; }
};

// A batch for the lifetime of the object (see beginBatch).
class RegistryBatch {
 public:
  explicit RegistryBatch(Registry& registry) : registry_(registry) { registry_.beginBatch(); }
  ~RegistryBatch() { registry_.endBatch(); }
  RegistryBatch(const RegistryBatch&) = delete;
  RegistryBatch& operator=(const RegistryBatch&) = delete;

 private:
  Registry& registry_;
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
