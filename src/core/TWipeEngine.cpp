#include "core/TWipeEngine.h"

#include "core/WipeRun.h"

#include <algorithm>

TWipeEngine::TWipeEngine() = default;

TWipeEngine::TWipeEngine(std::string name) : Name(std::move(name)) {}

TWipeEngine::~TWipeEngine() = default;

TWipeItem* TWipeEngine::AddItem(std::unique_ptr<TWipeItem> item) {
  if (!item) return nullptr;
  Items.push_back(std::move(item));
  return Items.back().get();
}

void TWipeEngine::RemoveItem(const TWipeItem* item) {
  auto it = std::find_if(Items.begin(), Items.end(),
                         [item](const std::unique_ptr<TWipeItem>& i) { return i.get() == item; });
  if (it != Items.end()) Items.erase(it);
}

void TWipeEngine::ClearItems() {
  Items.clear();
}
