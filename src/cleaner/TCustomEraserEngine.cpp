#include "cleaner/TCustomEraserEngine.h"

#include "core/WipeServices.h"

TCustomEraserEngine::TCustomEraserEngine() : PostEraser(std::make_unique<TPostEraser>()) {}

TCustomEraserEngine::~TCustomEraserEngine() = default;

void TCustomEraserEngine::ProcessMessages() {
  if (Services) Services->ProcessMessages();
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
