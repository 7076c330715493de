#include "cleaner/TCustomEraserEngine.h"

TCustomEraserEngine::TCustomEraserEngine() : PostEraser(std::make_unique<TPostEraser>()) {}

TCustomEraserEngine::~TCustomEraserEngine() = default;

TEraser* TCustomEraserEngine::AddEraser(std::unique_ptr<TEraser> item) {
  item->Engine = this;
  Erasers.push_back(std::move(item));
  return Erasers.back().get();
}
