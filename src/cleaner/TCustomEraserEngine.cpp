#include "cleaner/TCustomEraserEngine.h"

#include "cleaner/TracePathLists.h"
#include "core/WipeServices.h"
#include "platform/Registry.h"

TCustomEraserEngine::TCustomEraserEngine() : PostEraser(std::make_unique<TPostEraser>()) {}

TCustomEraserEngine::~TCustomEraserEngine() = default;

void TCustomEraserEngine::ProcessMessages() {
  if (Services) Services->ProcessMessages();
}

platform::Registry& TCustomEraserEngine::RegistryStore() const {
  return Registry ? *Registry : platform::registry();
}

TEraser* TCustomEraserEngine::AddEraser(std::unique_ptr<TEraser> item) {
  item->Engine = this;
  Erasers.push_back(std::move(item));
  return Erasers.back().get();
}

void TCustomEraserEngine::ClearRecords() {
  Removed.clear();
  Left.clear();
  Notes.clear();
}

void TCustomEraserEngine::RecordRemoved(const TEraser& item, std::string what, std::uint64_t size) {
  Removed.push_back({item.Name, std::move(what), size, {}});
}

void TCustomEraserEngine::RecordLeft(const TEraser& item, std::string what, std::string reason) {
  Left.push_back({item.Name, std::move(what), 0, std::move(reason)});
}

bool TCustomEraserEngine::Keeps(const std::string& path) const {
  if (KeepPaths.empty()) return false;
  std::string plain = path;
  while (plain.size() > 1 && plain.back() == '/') plain.pop_back();
  return TTracePathLists::Keeps(KeepPaths, plain);
}

bool TCustomEraserEngine::RunIncludes(const std::string& itemName) const {
  for (const TEraser* item : RunItems) {
    if (item->Name == itemName) return true;
  }
  return false;
}
