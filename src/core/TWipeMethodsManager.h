#pragma once
// The catalogue of wipe methods, the method of each engine and the wipe settings. The window and
// the command line each own one, from their start to their end, and hand it to what needs it.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/TWipeEngine.h"
#include "core/TWipeMethod.h"
#include "core/WipeSettings.h"

class TCustomWipeMethodsManager {
 public:
  TCustomWipeMethodsManager() = default;
  TCustomWipeMethodsManager(const TCustomWipeMethodsManager&) = delete;
  TCustomWipeMethodsManager& operator=(const TCustomWipeMethodsManager&) = delete;

  // Every loaded method in listing order; methods made later are appended.
  std::vector<std::unique_ptr<TWipeMethod>> Methods;

  // Fills Methods from the ".mtd" files of the Methods folder. An error stops the loop and is
  // passed on; the methods loaded so far stay.
  void LoadMethods();
  // Writes every method to its file in list order; the first error stops and is passed on. A
  // method that was not read whole is left out: its file keeps what could not be read. The
  // program itself writes a method only when it is edited (the method dialogs), never all of
  // them at the end, so a hand edit or a deletion by someone else is never undone.
  void SaveMethods();
  // The first method whose FileName equals the path, letters A-Z compared without case.
  TWipeMethod* MethodByFileName(const std::string& path) const;
  // The method of an engine without an entry of its own: the first method that was read whole.
  TWipeMethod* DefaultMethod() const;
  // Appends a method; the catalogue owns it from then on.
  TWipeMethod* AddMethod(std::unique_ptr<TWipeMethod> method);
  // Takes the method out of the list and frees it.
  void RemoveMethod(const TWipeMethod* method);
};

class TWipeMethodsManager : public TCustomWipeMethodsManager, public WipeSettings {
 public:
  // The engines of the catalogue itself are named "FilesEngine" and "DrivesEngine".
  TWipeMethodsManager();

  std::unique_ptr<TWipeEngine> FilesEngine;
  std::unique_ptr<TWipeEngine> DrivesEngine;

  // The method the engine uses, known by the engine's Name: the one chosen for this run
  // (ChooseForRun), else the one that "Engines" names for it in the settings file (read afresh
  // on every call), else DefaultMethod; none when "Engines" names a file that is not loaded. The
  // engine itself keeps no method: whoever runs it or shows its method asks here, so a method
  // taken out of the catalogue is never used afterwards. A named method that was not read whole
  // is returned as it is; the engine refuses to use it.
  TWipeMethod* MethodForEngine(const TWipeEngine& engine) const;
  // Records the method for engines of this name in the settings file. Raises EIniFileError.
  void SetEngineMethod(const TWipeEngine& engine, TWipeMethod* method);
  // What kept StartWipeMethodsManager from reading every method and setting ("the methods: ..."
  // and/or "the settings: ..." with the reason); empty when nothing did.
  std::string LoadProblem;
  // Whether reading the settings broke off at start: they are then never saved, so that the
  // defaults in use are not written over the user's file.
  bool SettingsUnread = false;

  // Makes engines of this name use the method (found by its file) for the rest of this program
  // run, whatever "Engines" says; nothing is written to the settings file. Null takes the choice
  // back. A method taken out of the catalogue afterwards leaves the engine without a method.
  void ChooseForRun(const TWipeEngine& engine, TWipeMethod* method);

 private:
  std::map<std::string, std::string> chosenForRun_;  // engine name -> method file
};

// Makes a catalogue, puts back the ext4 reserves of free-space runs that were killed (with
// `putBackReserves`; a start that is to change nothing, such as a dry run, leaves them), then
// loads the methods and then the settings. An error ends the step it happens in: the catalogue
// keeps what was done and names the error in LoadProblem.
std::unique_ptr<TWipeMethodsManager> StartWipeMethodsManager(bool putBackReserves = true);
// Saves the settings this process changed (SaveSettings; methods were written when they were
// edited), unless they could not be read at start. Gives the reason when the settings were not
// saved, empty text otherwise.
std::string FinishWipeMethodsManager(TWipeMethodsManager& manager);
