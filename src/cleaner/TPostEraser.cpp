#include "cleaner/TPostEraser.h"

#include "core/Helpers.h"

TPostEraser::TPostEraser()
    : PostEraseFile(AddTrailingBackslash(GetAppFolder()) + "posterase.dat") {}

TPostEraserItem* TPostEraser::Add(std::unique_ptr<TPostEraserItem> item) {
  if (!item) return nullptr;
  Items.push_back(std::move(item));
  return Items.back().get();
}
