#pragma once
// A cleanable item of the catalogue: a key, a display text, an Enabled flag and the work entries
// that its Erase carries out.

#include <pugixml.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cleaner/TEraserItem.h"

class TCustomEraserEngine;

class TEraser {
 public:
  TEraser() = default;
  TEraser(const TEraser&) = delete;
  TEraser& operator=(const TEraser&) = delete;
  virtual ~TEraser();

  // Collects fresh work entries each time Erase runs; may be unset.
  std::function<void(TEraser&)> OnErase;
  std::string Name;     // tag of the item's element in "prefs.dat"
  std::string Caption;  // display text, in English as marked for the catalogue
  bool Enabled = false;
  std::vector<std::unique_ptr<TEraserItem>> Items;
  TCustomEraserEngine* Engine = nullptr;  // owner, set when the engine adds the item

  // With OnErase set: empties Items and lets OnErase collect fresh entries. The item kinds then
  // carry out Items.
  virtual void Erase();
  // Reads the item's settings from the child of element whose tag is Name; nothing changes when
  // there is none. Raises EConvertError when Enabled is missing or not a Boolean.
  virtual void Load(const pugi::xml_node& element);
  // Appends the item's element (tag Name, attributes Name and Enabled) to element and returns it.
  virtual pugi::xml_node Save(pugi::xml_node& element) const;

  // The caption in the user's language; a caption the catalogue does not know (a registry key
  // the user added) as it is.
  std::string ShownCaption() const;

  TEraserItem* AddItem(std::unique_ptr<TEraserItem> item);
  // True when the owning engine asks the running work to stop.
  bool Cancelled() const;

 protected:
  // Reads a text list kept in the item's element: when the child listTag exists, the list is
  // replaced by the attribute of each of its children in document order. A child without the
  // attribute ends the list there; that is not an error of the document.
  void LoadTextList(const pugi::xml_node& element, const char* listTag, const char* attribute,
                    std::vector<std::string>& list) const;
  // Appends listTag to the item's element with one Item per entry (an empty list included).
  static void SaveTextList(pugi::xml_node& own, const char* listTag, const char* attribute,
                           const std::vector<std::string>& list);
};
