#pragma once
// The wipe settings of "Ferrovane.ini": a value that the window and the command line each own,
// load at start, change, and save by key. A run takes a snapshot of them when it starts
// (core/WipeRun.h); nothing reads them while it goes on.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class WipeSettings {
 public:
  // The settings start as BufferSize 512000, WriteSignature true, Signature "Wiped by ME!",
  // DiscardFreeBlocks true and every other setting false, until LoadSettings replaces them.
  bool WipeWithCurrentMethod = false;
  bool WipeSlackSpace = false;
  bool DeleteToRecycleBin = false;
  bool ScrambleFile = false;
  bool WriteSignature = true;
  std::string Signature = "Wiped by ME!";
  bool ConfirmEraseFile = false;
  // Ask before a run of the files and folders lists.
  bool ConfirmEraseAllFiles = false;
  bool ConfirmEraseFolder = false;
  // Ask before the other kinds of run, each on its own: the free space of drives, the special
  // folders, the traces of the Clean traces page and the lists of recently used files.
  bool ConfirmWipeFreeSpace = false;
  bool ConfirmWipeSpecialFolders = false;
  bool ConfirmCleanTraces = false;
  bool ConfirmClearRecentFiles = false;
  bool ConfirmErrorOccur = false;
  std::int32_t BufferSize = 512000;
  // After a free-space wipe, tell the device which blocks are free (TRIM), for SSDs.
  bool DiscardFreeBlocks = true;
  // "Erase old copies of file names from the file system journal (ext4, XFS)": a run ends by
  // clearing the journals of the file systems it deleted on.
  bool EraseJournalNames = false;
  // "Check the device after wiping": after a run, read back from the device where the deleted
  // files and their names lay (key CheckDevice).
  bool CheckDevice = false;

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
  // SaveSettings, with its failure given as the system's reason (empty when the changes were
  // written or there were none). The file keeps its earlier contents then.
  std::string TrySaveSettings();

  // Why the settings file could not be read at the last LoadSettings (the system's reason);
  // empty when it was read or does not exist.
  std::string SettingsProblem;
  // What the last LoadSettings found unusable in the settings file and replaced by the default,
  // one line each for the user ("Ferrovane.ini: BufferSize=0 is not usable; ...").
  std::vector<std::string> SettingsProblems;
  // The buffer size used where the settings file does not give a usable one.
  static constexpr std::int32_t kDefaultBufferSize = 524288;

  // The settings file "Ferrovane.ini" in the settings folder in use (beside the program, or the
  // user's own; core/SettingsFolder.h).
  static std::string SettingsFileName();
  // EraseJournalNames where the settings do not say: on, for every user.
  static bool DefaultEraseJournalNames();
  // Whether EraseJournalNames is a choice (of the settings file, the Options page or this run)
  // rather than the default; where it is the default, each run clears the journal of every ext4
  // and XFS file system it deletes on.
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
