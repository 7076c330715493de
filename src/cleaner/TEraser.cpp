#include "cleaner/TEraser.h"

#include "cleaner/PrefsValues.h"
#include "cleaner/TCustomEraserEngine.h"
#include "core/Translated.h"

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

std::string TEraser::ShownCaption() const {
  // An empty text would look up the catalogue's own header.
  return Caption.empty() ? Caption : Tr(Caption.c_str());
}

TEraserItem* TEraser::AddItem(std::unique_ptr<TEraserItem> item) {
  Items.push_back(std::move(item));
  return Items.back().get();
}

bool TEraser::Cancelled() const {
  return Engine && Engine->Cancelled;
}

void TEraser::LoadTextList(const pugi::xml_node& element, const char* listTag,
                           const char* attribute, std::vector<std::string>& list) const {
  try {
    pugi::xml_node listElement = element.child(Name.c_str()).child(listTag);
    if (!listElement) return;
    list.clear();
    for (pugi::xml_node child : listElement.children()) {
      if (child.type() != pugi::node_element) continue;
      list.push_back(ReadText(child, attribute));
    }
  } catch (const std::exception&) {
    // The list ends at the entry that could not be read; the document goes on.
  }
}

void TEraser::SaveTextList(pugi::xml_node& own, const char* listTag, const char* attribute,
                           const std::vector<std::string>& list) {
  pugi::xml_node listElement = own.append_child(listTag);
  for (const std::string& text : list) {
    pugi::xml_node item = listElement.append_child("Item");
    WriteText(item, attribute, text);
  }
}
