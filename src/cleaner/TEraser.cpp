#include "cleaner/TEraser.h"

#include "cleaner/PrefsValues.h"
#include "cleaner/TCustomEraserEngine.h"

TEraser::~TEraser() = default;

void TEraser::Erase() {
  if (!OnErase) return;
  Items.clear();
  OnErase(*this);
}

void TEraser::Load(const pugi::xml_node& element) {
  pugi::xml_node own = element.child(Name.c_str());
  if (!own) return;
  Enabled = ReadBool(own, "Enabled");
}

pugi::xml_node TEraser::Save(pugi::xml_node& element) const {
  pugi::xml_node own = element.append_child(Name.c_str());
  WriteText(own, "Name", Name);
  WriteBool(own, "Enabled", Enabled);
  return own;
}

TEraserItem* TEraser::AddItem(std::unique_ptr<TEraserItem> item) {
  Items.push_back(std::move(item));
  return Items.back().get();
}

bool TEraser::Cancelled() const { return Engine && Engine->Cancelled; }
