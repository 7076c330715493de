#pragma once
// The registry as a text file of the user's own (REGEDIT5 format, by default
// "<configuration folder>/ferrovane/registry.reg"), with the Run key of the current user kept in
// the desktop's autostart folder: the value NAME is the file NAME.desktop of that folder and its
// text is the file's Exec line. The Run key (and the keys above it) exist when that folder exists.
//
// The file is read when first needed and again only when it has changed on disk; every change
// replaces it in one step (a temporary file renamed over it). A file that cannot be read or is
// damaged is reported by problem() and left exactly as it is: the store then reads as empty and
// refuses every change, so the user's file is never overwritten. A change after which the file
// would be larger than the store reads back is refused and the file kept; problem() says so
// until a later change is stored. Changes made in a batch are written together when it ends.

#include <memory>
#include <string>

#include "platform/Registry.h"

namespace platform {

namespace regstore {
struct Value;
}

class RegistryStore final : public Registry {
 public:
  // Largest store file that is read, and so the largest that is written.
  static constexpr std::uint64_t kMaxStoreBytes = 64ull << 20;

  // The user's store: both paths follow the configuration folder in use at each call.
  RegistryStore();
  // A store at the given file, with the Run key in the given folder, read and written up to
  // maxBytes.
  RegistryStore(std::string storePath, std::string autostartFolder,
                std::uint64_t maxBytes = kMaxStoreBytes);
  ~RegistryStore() override;
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  bool keyExists(RegistryRoot root, const std::string& key) override;
  Status createKey(RegistryRoot root, const std::string& key) override;
  std::optional<std::vector<std::string>> subkeyNames(RegistryRoot root,
                                                      const std::string& key) override;
  std::optional<std::vector<std::string>> valueNames(RegistryRoot root,
                                                     const std::string& key) override;
  bool valueExists(RegistryRoot root, const std::string& key, const std::string& name) override;
  std::optional<std::string> readString(RegistryRoot root, const std::string& key,
                                        const std::string& name) override;
  std::optional<std::int32_t> readInteger(RegistryRoot root, const std::string& key,
                                          const std::string& name) override;
  Status writeString(RegistryRoot root, const std::string& key, const std::string& name,
                     const std::string& value) override;
  Status writeInteger(RegistryRoot root, const std::string& key, const std::string& name,
                      std::int32_t value) override;
  Status deleteValue(RegistryRoot root, const std::string& key, const std::string& name) override;
  Status deleteKeyTree(RegistryRoot root, const std::string& key) override;
  std::string problem() override;

  // The store file and the autostart folder (with trailing separator) in use now; empty when
  // the configuration folder is unknown.
  std::string storePath() const;
  std::string autostartFolder() const;

  // How often the store file has been read and written, for tests of the reading and writing
  // rules.
  int loadCount() const;
  int saveCount() const;

 protected:
  void beginBatch() override;
  Status endBatch() override;

 private:
  struct State;
  // The state brought up to date with the file (read again only when it changed on disk).
  State& current();
  // Writes the tree to the file; on failure the next call reads the file again.
  Status save();
  // The state when the store may be changed; null when its file could not be read (it is then
  // left as it is), with the reason in `why`.
  State* changeable(Status& why);
  // Writes the value (its name, type and contents) into the key.
  Status writeValue(RegistryRoot root, const std::string& key, regstore::Value value);

  std::unique_ptr<State> state_;
};

}  // namespace platform
