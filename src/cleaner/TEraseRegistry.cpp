#include "cleaner/TEraseRegistry.h"

#include <algorithm>

#include "cleaner/TCustomEraserEngine.h"
#include "core/Translated.h"
#include "core/WipeServices.h"
#include "platform/Registry.h"

namespace {

std::string RootName(platform::RegistryRoot root) {
  return root == platform::kLocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string KeyText(platform::RegistryRoot root, const std::string& key) {
  return RootName(root) + (key.empty() || key.front() != '\\' ? "\\" : "") + key;
}

}  // namespace

void TEraseRegistry::AddKey(platform::RegistryRoot rootKey, const std::string& key) {
  auto item = std::make_unique<TEraserItem>();
  item->Kind = ekRegKey;
  item->RootKey = rootKey;
  item->Key = key;
  AddItem(std::move(item));
}

void TEraseRegistry::AddValue(platform::RegistryRoot rootKey, const std::string& key,
                              const std::string& valueName) {
  if (std::find(ExcludedValues.begin(), ExcludedValues.end(), valueName) != ExcludedValues.end()) {
    return;
  }
  auto item = std::make_unique<TEraserItem>();
  item->Kind = ekRegValue;
  item->RootKey = rootKey;
  item->Key = key;
  item->ValueName = valueName;
  AddItem(std::move(item));
}

platform::Registry& TEraseRegistry::Store() const {
  return Engine ? Engine->RegistryStore() : platform::registry();
}

void TEraseRegistry::DeleteKey(platform::RegistryRoot rootKey, const std::string& key) {
  platform::Registry& registry = Store();
  if (!registry.keyExists(rootKey, key)) return;
  const std::string what = KeyText(rootKey, key);
  if (Engine && Engine->Preview) {
    Engine->RecordRemoved(*this, what);
  } else {
    record(what, registry.deleteKeyTree(rootKey, key));
  }
}

void TEraseRegistry::DeleteValue(platform::RegistryRoot rootKey, const std::string& key,
                                 const std::string& valueName) {
  platform::Registry& registry = Store();
  if (!registry.keyExists(rootKey, key) || !registry.valueExists(rootKey, key, valueName)) return;
  const std::string what = KeyText(rootKey, key) + " : " + valueName;
  if (Engine && Engine->Preview) {
    Engine->RecordRemoved(*this, what);
  } else {
    record(what, registry.deleteValue(rootKey, key, valueName));
  }
}

void TEraseRegistry::record(const std::string& what, const platform::Status& deleted) {
  if (!Engine) return;
  if (deleted) {
    Engine->RecordRemoved(*this, what);
  } else {
    Engine->RecordLeft(*this, what, Tr("could not be deleted") + ": " + deleted.error().message());
  }
}

void TEraseRegistry::Erase() {
  TEraser::Erase();
  for (const auto& item : Items) {
    // A list of thousands of values lets the windows repaint and see Stop between them.
    if (Engine) Engine->ProcessMessages();
    if (Cancelled()) break;
    if (item->Kind == ekRegKey) {
      DeleteKey(item->RootKey, item->Key);
    } else if (item->Kind == ekRegValue) {
      DeleteValue(item->RootKey, item->Key, item->ValueName);
    }
  }
}

void TEraseRegistry::Load(const pugi::xml_node& element) {
  TEraser::Load(element);
  LoadTextList(element, "ExcludedValues", "Value", ExcludedValues);
}

pugi::xml_node TEraseRegistry::Save(pugi::xml_node& element) const {
  pugi::xml_node own = TEraser::Save(element);
  SaveTextList(own, "ExcludedValues", "Value", ExcludedValues);
  return own;
}
