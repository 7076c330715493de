#include "core/TWipeMethodsManager.h"

#include "core/ReserveLowering.h"

#include <algorithm>
#include <utility>

#include "core/Helpers.h"
#include "core/IniDocument.h"
#include "core/SettingsFolder.h"
#include "core/TIniFile.h"
#include "platform/Journal.h"
#include "platform/PathText.h"
#include "platform/TextCase.h"

TWipeMethodsManager* WipeMethodsManager = nullptr;

TWipeMethodsManager* SetWipeMethodsManager(TWipeMethodsManager* manager) {
  return std::exchange(WipeMethodsManager, manager);
}

namespace {

const char kEngines[] = "Engines";
const char kSettings[] = "Settings";
const char kEraseJournalNames[] = "EraseJournalNames";

}  // namespace

void TCustomWipeMethodsManager::LoadMethods() {
  const std::string folder = GetMethodsFolder();
  for (const std::string& name : ListFiles(folder, "**.mtd")) {
    auto method = std::make_unique<TWipeMethod>();
    method->FileName = folder + name;
    method->LoadFromFile();
    Methods.push_back(std::move(method));
  }
}

void TCustomWipeMethodsManager::SaveMethods() {
  for (const auto& method : Methods) {
    if (method->ReadWhole) method->SaveToFile();
  }
}

TWipeMethod* TCustomWipeMethodsManager::MethodByFileName(const std::string& path) const {
  for (const auto& method : Methods) {
    if (platform::equalsNoCase(method->FileName, path)) return method.get();
  }
  return nullptr;
}

TWipeMethod* TCustomWipeMethodsManager::DefaultMethod() const {
  for (const auto& method : Methods) {
    if (method->ReadWhole) return method.get();
  }
  return nullptr;
}

TWipeMethod* TCustomWipeMethodsManager::AddMethod(std::unique_ptr<TWipeMethod> method) {
  if (!method) return nullptr;
  Methods.push_back(std::move(method));
  return Methods.back().get();
}

void TCustomWipeMethodsManager::RemoveMethod(const TWipeMethod* method) {
  auto it = std::find_if(Methods.begin(), Methods.end(),
                         [method](const auto& m) { return m.get() == method; });
  if (it != Methods.end()) Methods.erase(it);
}

TWipeMethodsManager::TWipeMethodsManager()
    : FilesEngine(std::make_unique<TWipeEngine>("FilesEngine")),
      DrivesEngine(std::make_unique<TWipeEngine>("DrivesEngine")) {}

std::string TWipeMethodsManager::SettingsFileName() {
  return GetSettingsFolder() + "Ferrovane.ini";
}

void TWipeMethodsManager::ChooseForRun(const TWipeEngine& engine, TWipeMethod* method) {
  if (method) {
    chosenForRun_[engine.Name] = method->FileName;
  } else {
    chosenForRun_.erase(engine.Name);
  }
}

bool TWipeMethodsManager::DefaultEraseJournalNames() {
  return platform::journals().canEmpty(GetAppFolder());
}

TWipeMethod* TWipeMethodsManager::MethodForEngine(TWipeEngine& engine) const {
  if (const auto chosen = chosenForRun_.find(engine.Name); chosen != chosenForRun_.end()) {
    engine.Method = MethodByFileName(chosen->second);
    return engine.Method;
  }
  TWipeMethod* candidate = DefaultMethod();
  const std::string chosen = TIniFile(SettingsFileName()).ReadString(kEngines, engine.Name, "");
  if (!chosen.empty()) {
    candidate = MethodByFileName(GetMethodsFolder() + chosen);
    engine.Method = candidate;
  }
  return candidate;
}

void TWipeMethodsManager::SetEngineMethod(TWipeEngine& engine, TWipeMethod* method) {
  engine.Method = method;
  TIniFile(SettingsFileName())
      .WriteString(kEngines, engine.Name,
                   method ? platform::fileNameOf(method->FileName) : std::string());
}

void TWipeMethodsManager::LoadSettings() {
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
  ConfirmErrorOccur = ini.ReadBool(kSettings, "ConfirmErrorOccur", true);
  SettingsProblems.clear();
  BufferSize = kDefaultBufferSize;
  if (const std::string size = ini.ReadString(kSettings, "BufferSize", ""); !size.empty()) {
    const auto parsed = ParseIniInteger(size);
    if (parsed && *parsed >= 1) {
      BufferSize = *parsed;
    } else {
      // A wipe with it would write nothing; the file is left as the user wrote it.
      SettingsProblems.push_back(platform::fileNameOf(SettingsFileName()) + ": BufferSize=" +
                                 (size.size() > 24 ? size.substr(0, 24) + "..." : size) +
                                 " is not usable (it must be a number from 1 to 2147483647); " +
                                 std::to_string(kDefaultBufferSize) + " is used instead");
    }
  }
  DiscardFreeBlocks = ini.ReadBool(kSettings, "DiscardFreeBlocks", true);
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

std::vector<std::pair<const char*, std::string>> TWipeMethodsManager::settingTexts() const {
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
      {"ConfirmErrorOccur", flag(ConfirmErrorOccur)},
      {"BufferSize", IniIntegerText(BufferSize)},
      {"DiscardFreeBlocks", flag(DiscardFreeBlocks)},
      {kEraseJournalNames, flag(EraseJournalNames)},
  };
}

void TWipeMethodsManager::SaveSettings() {
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

void StartWipeMethodsManager() {
  delete WipeMethodsManager;
  WipeMethodsManager = new TWipeMethodsManager();
  // A free-space run that was killed while ext4's reserve was lowered: it is put back now.
  RestoreLoweredReserves(ReserveRecordFile());
  try {
    WipeMethodsManager->LoadMethods();
    WipeMethodsManager->LoadSettings();
  } catch (...) {
    // Start-up goes on with what was loaded.
  }
}

std::string FinishWipeMethodsManager() {
  if (!WipeMethodsManager) return {};
  std::string problem;
  try {
    WipeMethodsManager->SaveSettings();
  } catch (const std::exception& error) {
    problem = error.what();  // the file keeps its earlier contents
  }
  delete WipeMethodsManager;
  WipeMethodsManager = nullptr;
  return problem;
}
