#pragma once
// Where the program keeps what the user changes ("Ferrovane.ini", the "Methods" folder and
// "prefs.dat"), and where it finds the files it ships (the methods and default settings it
// starts with, and "readme.txt"). The window and the command line choose by the same rule, so a
// choice made in one holds in the other:
//
// - A program run from a folder it may write (a build folder, a portable copy) keeps
//   everything beside itself.
// - A program installed into a tree (the program in <prefix>/bin, its files in
//   <prefix>/share/ferrovane), or whose folder it may not write, keeps the user's files in
//   "ferrovane" in the user's configuration folder ($XDG_CONFIG_HOME, else ~/.config). On the
//   first start that folder gets the shipped methods and default settings; a file the user
//   already has is never replaced.

#include <string>
#include <vector>

#include "platform/ScopedOverride.h"

struct TSettingsChoice {
  std::string Folder;   // the folder now in use, with trailing separator
  std::string Shipped;  // the folder of the shipped files, with trailing separator
  bool BesideProgram = false;
  std::vector<std::string> Seeded;    // files copied from the shipped ones at this start
  std::vector<std::string> Problems;  // what could not be prepared, with the system's reason
};

// Chooses the folder by the rule above, seeds it when it is the user's, and puts it in use. The
// programs call it once at start-up, before the method catalogue is read. When the user's folder
// cannot be made, the shipped files are used as they are (settings can then not be saved).
TSettingsChoice ChooseSettingsFolder();

// The folder in use, with trailing separator: the one ChooseSettingsFolder chose, else the
// program folder.
std::string GetSettingsFolder();
// Puts a folder in use (empty: none chosen, the program folder again) and returns the one it
// replaces, so that a test puts back exactly what was there.
std::string SetSettingsFolder(const std::string& folder);
// Puts a folder in use for the lifetime of the object, then puts back the one before.
using ScopedSettingsFolder = platform::ScopedOverride<&SetSettingsFolder>;

// The folder of the files the program ships: <prefix>/share/ferrovane/ beside an installed
// program, else the program folder. With trailing separator.
std::string GetShippedFolder();
