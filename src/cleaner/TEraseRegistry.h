#pragma once
// A cleanable item that deletes registry keys (with everything below them) and values, in the
// registry of its engine. Keys are opened, never created; what could not be deleted is recorded
// as left, with the registry's reason.

#include <string>
#include <vector>

#include "cleaner/TEraser.h"

class TEraseRegistry : public TEraser {
 public:
  // Value names that are never deleted, compared exactly (letter case included).
  std::vector<std::string> ExcludedValues;

  // Appends a key entry.
  void AddKey(platform::RegistryRoot rootKey, const std::string& key);
  // Appends a value entry unless the value name is excluded.
  void AddValue(platform::RegistryRoot rootKey, const std::string& key,
                const std::string& valueName);

  // Deletes the key with all its subkeys, when it exists.
  void DeleteKey(platform::RegistryRoot rootKey, const std::string& key);
  // Deletes the value, when its key exists (a missing value is no error).
  void DeleteValue(platform::RegistryRoot rootKey, const std::string& key,
                   const std::string& valueName);

  // Carries out the entries in order, stopping before an entry once the engine is cancelled.
  void Erase() override;
  // Reads Enabled, then the ExcludedValues list (when present it replaces the list; a child
  // without Value ends the list there and is not an error of the document).
  void Load(const pugi::xml_node& element) override;
  pugi::xml_node Save(pugi::xml_node& element) const override;

  // The registry the item deletes in: its engine's; without an engine, the registry in use.
  platform::Registry& Store() const;

 private:
  // Records the deletion as done, or as left with the reason it failed.
  void record(const std::string& what, const platform::Status& deleted);
};
