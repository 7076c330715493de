#include "cleaner/TPluginManager.h"

#include "cleaner/PrefsValues.h"

void TPluginManager::Load(const pugi::xml_node& element) {
  pugi::xml_node list = element.child("Plugins").child("CheckedPlugins");
  if (!list) return;
  CheckedPlugins.clear();
  for (pugi::xml_node child : list.children()) {
    if (child.type() != pugi::node_element) continue;
    CheckedPlugins.push_back(ReadText(child, "FileName"));
  }
}

void TPluginManager::Save(pugi::xml_node& element) const {
  pugi::xml_node list = element.append_child("Plugins").append_child("CheckedPlugins");
  for (const std::string& plugin : CheckedPlugins) {
    pugi::xml_node item = list.append_child("Item");
    WriteText(item, "FileName", plugin);
  }
}
