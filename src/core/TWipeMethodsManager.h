#pragma once
// The catalogue of wipe methods, the method of each engine and the wipe settings. One global
// catalogue, WipeMethodsManager, lives from program start to program end.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/TWipeEngine.h"
#include "core/TWipeMethod.h"
#include "platform/ScopedOverride.h"

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

class TWipeMethodsManager : public TCustomWipeMethodsManager {
 public:
  // The engines of the catalogue itself are named "FilesEngine" and "DrivesEngine". The
  // settings start as BufferSize 512000, WriteSignature true, Signature "Wiped by ME!",
  // DiscardFreeBlocks true and every other setting false, until LoadSettings replaces them.
  TWipeMethodsManager();

  bool WipeWithCurrentMethod = false;
  bool WipeSlackSpace = false;
  bool DeleteToRecycleBin = false;
  bool ScrambleFile = false;
  bool WriteSignature = true;
  std::string Signature = "Wiped by ME!";
  bool ConfirmEraseFile = false;
  bool ConfirmEraseAllFiles = false;
  bool ConfirmEraseFolder = false;
  bool ConfirmErrorOccur = false;
  std::int32_t BufferSize = 512000;
  // After a free-space wipe, tell the device which blocks are free (TRIM), for SSDs.
  bool DiscardFreeBlocks = true;
  // "Erase old copies of file names from the file system journal (ext4, XFS)": a run ends by
  // clearing the journals of the file systems it deleted on.
  bool EraseJournalNames = false;
  std::unique_ptr<TWipeEngine> FilesEngine;
  std::unique_ptr<TWipeEngine> DrivesEngine;

  // The method the engine is to use: the one chosen for this run (ChooseForRun), else the one
  // that "Engines" names for it in the settings file
  // (read afresh on every call), else DefaultMethod; none when "Engines" names a file that is
  // not loaded. Records the named method in the engine's Method field. A named method that was
  // not read whole is returned as it is; the engine refuses to use it.
  TWipeMethod* MethodForEngine(TWipeEngine& engine) const;
  // Records the method for the engine, in the engine and in the settings file. Raises
  // EIniFileError.
  void SetEngineMethod(TWipeEngine& engine, TWipeMethod* method);
  // Reads every setting; a missing key gives its default. A settings file that is there but
  // cannot be read leaves every setting at its default and is named in SettingsProblem. A value
  // that would make a wipe write nothing (a BufferSize below 1 or not a 32-bit number) gives the
  // default too, and is named in SettingsProblems.
  void LoadSettings();
  // Writes the settings this process changed since they were loaded (or last saved), and no
  // other: the file is read again under its lock, those keys are set and the file replaced in
  // one step (UpdateIniFile), so changes of other processes and hand edits stay. Nothing
  // changed, nothing is written. Raises EIniFileError; the file is then left as it was.
  void SaveSettings();

  // Why the settings file could not be read at the last LoadSettings (the system's reason);
  // empty when it was read or does not exist.
  std::string SettingsProblem;
  // What the last LoadSettings found unusable in the settings file and replaced by the default,
  // one line each for the user ("Ferrovane.ini: BufferSize=0 is not usable; ...").
  std::vector<std::string> SettingsProblems;
  // The buffer size used where the settings file does not give a usable one.
  static constexpr std::int32_t kDefaultBufferSize = 524288;

  // Makes engines of this name use the method (found by its file) for the rest of this program
  // run, whatever "Engines" says; nothing is written to the settings file. Null takes the choice
  // back. A method taken out of the catalogue afterwards leaves the engine without a method.
  void ChooseForRun(const TWipeEngine& engine, TWipeMethod* method);

  // The settings file "Ferrovane.ini" in the settings folder in use (beside the program, or the
  // user's own; core/SettingsFolder.h).
  static std::string SettingsFileName();
  // EraseJournalNames where the settings do not say: on where the file system of the program
  // folder may be asked to empty its journal (quick) or is an XFS whose log the caller may
  // cycle, off where an ext4 journal would take the rewrite (seconds, and about the journal's
  // size in writes).
  static bool DefaultEraseJournalNames();
  // Whether EraseJournalNames is a choice (of the settings file, the Options page or this run)
  // rather than the default; where it is the default, each run decides per file system it
  // deletes on (on where that file system may be asked to empty its journal).
  bool JournalNamesChosen() const {
    return journalChosenForRun_ || !journalDefault_ || *journalDefault_ != EraseJournalNames;
  }
  // Sets EraseJournalNames as a choice for the rest of this program run (--journal,
  // --no-journal); nothing is written to the settings file.
  void ChooseJournalForRun(bool erase) {
    EraseJournalNames = erase;
    journalChosenForRun_ = true;
  }

 private:
  std::map<std::string, std::string> chosenForRun_;  // engine name -> method file
  // The stored text of each setting as last loaded or saved, by key: a save writes only the
  // settings whose text differs. A default of this machine and user (EraseJournalNames where
  // the settings do not say) is thereby not kept as a choice until it is changed.
  std::map<std::string, std::string> storedTexts_;
  // Each setting's key with the text its value is stored as, in the order they are written.
  std::vector<std::pair<const char*, std::string>> settingTexts() const;
  // The default EraseJournalNames had when the settings did not say (none when they did): each
  // run then decides per file system until the value is changed.
  std::optional<bool> journalDefault_;
  bool journalChosenForRun_ = false;
};

// The global catalogue: set up by StartWipeMethodsManager, saved and freed by
// FinishWipeMethodsManager. Tests may install their own.
extern TWipeMethodsManager* WipeMethodsManager;
// Installs a catalogue in WipeMethodsManager and returns the one it replaces. The caller keeps
// ownership.
TWipeMethodsManager* SetWipeMethodsManager(TWipeMethodsManager* manager);
// Installs a catalogue for the lifetime of the object, then puts back the one before.
using ScopedWipeMethodsManager = platform::ScopedOverride<&SetWipeMethodsManager>;

// Creates the global catalogue, loads the methods and then the settings; an error ends the
// sequence silently and the catalogue keeps what was done.
void StartWipeMethodsManager();
// Saves the settings this process changed (SaveSettings; methods were written when they were
// edited) and frees the catalogue. Gives the reason when the settings could not be saved, empty
// text otherwise.
std::string FinishWipeMethodsManager();
