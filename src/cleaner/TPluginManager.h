#pragma once
// The plug-in list of "prefs.dat": the file names of the plug-ins the user has checked. No
// plug-in is ever opened or loaded.

#include <pugixml.hpp>

#include <string>
#include <vector>

class TPluginManager {
 public:
  virtual ~TPluginManager() = default;

  std::vector<std::string> CheckedPlugins;  // in insertion order, duplicates allowed

  // Reads Plugins/CheckedPlugins of the Configuration element, replacing the list. Raises
  // EConvertError at an entry without FileName; the entries before it stay.
  virtual void Load(const pugi::xml_node& element);
  // Appends Plugins with its CheckedPlugins list to element.
  virtual void Save(pugi::xml_node& element) const;
};
