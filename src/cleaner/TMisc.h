#pragma once
// The Misc section of "prefs.dat": four keyboard shortcuts and the start-up manager.

#include <pugixml.hpp>

#include <memory>

#include "cleaner/ShortCut.h"
#include "cleaner/TStartupManager.h"

class TMisc {
 public:
  TMisc();
  TMisc(const TMisc&) = delete;
  TMisc& operator=(const TMisc&) = delete;
  virtual ~TMisc();

  TShortCut QuickClean = 0;
  TShortCut CleanAndReboot = 0;
  TShortCut CleanAndShutDown = 0;
  TShortCut StopTask = 0;
  std::unique_ptr<TStartupManager> StartupManager;

  // "Ctrl+Alt+Q", "Ctrl+Alt+R", "Ctrl+Alt+S" and "Ctrl+Alt+T".
  void SetDefaultShortCuts();
  // Reads Misc/ShortCuts of the Configuration element: an empty text keeps the shortcut, a text
  // that names no key gives 0. Raises EConvertError when an attribute is missing.
  virtual void Load(const pugi::xml_node& element);
  // Appends Misc with its ShortCuts element to element; a shortcut without text is written
  // "None", which reads back as no shortcut.
  virtual void Save(pugi::xml_node& element) const;
};
