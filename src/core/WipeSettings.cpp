#include "core/WipeSettings.h"

#include <exception>

#include "core/Helpers.h"
#include "core/IniDocument.h"
#include "core/SettingsFolder.h"
#include "core/TIniFile.h"
#include "core/Translated.h"
#include "platform/PathText.h"

namespace {

const char kSettings[] = "Settings";
const char kEraseJournalNames[] = "EraseJournalNames";

}  // namespace

std::string WipeSettings::SettingsFileName() {
  return GetSettingsFolder() + "Ferrovane.ini";
}

bool WipeSettings::DefaultEraseJournalNames() {
  // Every user's runs clear the journals they leave names in: the administrator's quickly, by
  // the file system's own emptying, everybody else's by writing the journal over.
  return true;
}

void WipeSettings::LoadSettings() {
  const std::string fileName = SettingsFileName();
  SettingsProblem = IniFileProblem(fileName).value_or("");
  const TIniFile ini(fileName);
  WipeWithCurrentMethod = ini.ReadBool(kSettings, "WipeWithCurrentMethod", true);
  WipeSlackSpace = ini.ReadBool(kSettings, "WipeSlackSpace", true);
  DeleteToRecycleBin = ini.ReadBool(kSettings, "DeleteToRecycleBin", false);
  ScrambleFile = ini.ReadBool(kSettings, "ScrambleFile", true);
  WriteSignature = ini.ReadBool(kSettings, "WriteSignature", false);
  Signature = ini.ReadString(kSettings, "Signature", "");
  ConfirmEraseFile = ini.ReadBool(kSettings, "ConfirmEraseFile", false);
  ConfirmEraseAllFiles = ini.ReadBool(kSettings, "ConfirmEraseAllFiles", true);
  ConfirmEraseFolder = ini.ReadBool(kSettings, "ConfirmEraseFolder", false);
  ConfirmWipeFreeSpace = ini.ReadBool(kSettings, "ConfirmWipeFreeSpace", true);
  ConfirmWipeSpecialFolders = ini.ReadBool(kSettings, "ConfirmWipeSpecialFolders", true);
  ConfirmCleanTraces = ini.ReadBool(kSettings, "ConfirmCleanTraces", true);
  ConfirmClearRecentFiles = ini.ReadBool(kSettings, "ConfirmClearRecentFiles", true);
  ConfirmErrorOccur = ini.ReadBool(kSettings, "ConfirmErrorOccur", true);
  SettingsProblems.clear();
  BufferSize = kDefaultBufferSize;
  if (const std::string size = ini.ReadString(kSettings, "BufferSize", ""); !size.empty()) {
    const auto parsed = ParseIniInteger(size);
    if (parsed && *parsed >= 1) {
      BufferSize = *parsed;
    } else {
      // A wipe with it would write nothing; the file is left as the user wrote it.
      SettingsProblems.push_back(Substituted(
          Tr("{}: BufferSize={} is not usable (it must be a number from 1 to 2147483647); {} is "
             "used instead"),
          {platform::fileNameOf(SettingsFileName()),
           size.size() > 24 ? size.substr(0, 24) + "..." : size,
           std::to_string(kDefaultBufferSize)}));
    }
  }
  DiscardFreeBlocks = ini.ReadBool(kSettings, "DiscardFreeBlocks", true);
  CheckDevice = ini.ReadBool(kSettings, "CheckDevice", false);
  journalDefault_.reset();
  if (ini.ReadString(kSettings, kEraseJournalNames, "").empty()) {
    journalDefault_ = DefaultEraseJournalNames();
    EraseJournalNames = *journalDefault_;
  } else {
    EraseJournalNames = ini.ReadBool(kSettings, kEraseJournalNames, false);
  }
  // What was read counts as unchanged: a value stored in another form ("0x10000", " 1 ") is
  // not rewritten merely because it was read.
  storedTexts_.clear();
  for (auto& [key, text] : settingTexts()) storedTexts_[key] = std::move(text);
}

std::vector<std::pair<const char*, std::string>> WipeSettings::settingTexts() const {
  auto flag = [](bool value) { return std::string(value ? "1" : "0"); };
  return {
      {"WipeWithCurrentMethod", flag(WipeWithCurrentMethod)},
      {"WipeSlackSpace", flag(WipeSlackSpace)},
      {"DeleteToRecycleBin", flag(DeleteToRecycleBin)},
      {"ScrambleFile", flag(ScrambleFile)},
      {"WriteSignature", flag(WriteSignature)},
      {"Signature", Signature},
      {"ConfirmEraseFile", flag(ConfirmEraseFile)},
      {"ConfirmEraseAllFiles", flag(ConfirmEraseAllFiles)},
      {"ConfirmEraseFolder", flag(ConfirmEraseFolder)},
      {"ConfirmWipeFreeSpace", flag(ConfirmWipeFreeSpace)},
      {"ConfirmWipeSpecialFolders", flag(ConfirmWipeSpecialFolders)},
      {"ConfirmCleanTraces", flag(ConfirmCleanTraces)},
      {"ConfirmClearRecentFiles", flag(ConfirmClearRecentFiles)},
      {"ConfirmErrorOccur", flag(ConfirmErrorOccur)},
      {"BufferSize", IniIntegerText(BufferSize)},
      {"DiscardFreeBlocks", flag(DiscardFreeBlocks)},
      {kEraseJournalNames, flag(EraseJournalNames)},
      {"CheckDevice", flag(CheckDevice)},
  };
}

void WipeSettings::SaveSettings() {
  std::vector<std::pair<const char*, std::string>> changed;
  for (auto& [key, text] : settingTexts()) {
    const auto stored = storedTexts_.find(key);
    if (stored == storedTexts_.end() || stored->second != text) changed.emplace_back(key, text);
  }
  if (changed.empty()) return;
  // Written into the file as it is now, in one step; other sections and keys stay as they are.
  UpdateIniFile(SettingsFileName(), [&changed](IniDocument& document) {
    for (const auto& [key, text] : changed) document.write(kSettings, key, text);
  });
  for (auto& [key, text] : changed) storedTexts_[key] = std::move(text);
}

std::string WipeSettings::TrySaveSettings() {
  try {
    SaveSettings();
  } catch (const std::exception& error) {
    return error.what();
  }
  return {};
}
