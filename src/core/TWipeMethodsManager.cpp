#include "core/TWipeMethodsManager.h"

#include "core/ReserveLowering.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "core/Helpers.h"
#include "core/IniDocument.h"
#include "core/SettingsFolder.h"
#include "core/TIniFile.h"
#include "core/Translated.h"
#include "platform/Journal.h"
#include "platform/PathText.h"
#include "platform/TextCase.h"

namespace {

const char kEngines[] = "Engines";

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

void TWipeMethodsManager::ChooseForRun(const TWipeEngine& engine, TWipeMethod* method) {
  if (method) {
    chosenForRun_[engine.Name] = method->FileName;
  } else {
    chosenForRun_.erase(engine.Name);
  }
}

TWipeMethod* TWipeMethodsManager::MethodForEngine(const TWipeEngine& engine) const {
  if (const auto chosen = chosenForRun_.find(engine.Name); chosen != chosenForRun_.end()) {
    return MethodByFileName(chosen->second);
  }
  const std::string chosen = TIniFile(SettingsFileName()).ReadString(kEngines, engine.Name, "");
  if (chosen.empty()) return DefaultMethod();
  return MethodByFileName(GetMethodsFolder() + chosen);
}

void TWipeMethodsManager::SetEngineMethod(const TWipeEngine& engine, TWipeMethod* method) {
  TIniFile(SettingsFileName())
      .WriteString(kEngines, engine.Name,
                   method ? platform::fileNameOf(method->FileName) : std::string());
}

std::unique_ptr<TWipeMethodsManager> StartWipeMethodsManager(bool putBackReserves) {
  auto manager = std::make_unique<TWipeMethodsManager>();
  // A free-space run that was killed while ext4's reserve was lowered: it is put back now (a
  // run that still goes on keeps its own). What cannot be put back stays recorded for the next
  // start.
  if (putBackReserves) RestoreLoweredReserves();
  // Start-up goes on with what was loaded; the user is told what stopped it.
  try {
    manager->LoadMethods();
  } catch (const std::exception& error) {
    manager->LoadProblem = std::string(Tr("the methods: ")) + error.what();
  }
  try {
    manager->LoadSettings();
  } catch (const std::exception& error) {
    if (!manager->LoadProblem.empty()) manager->LoadProblem += "; ";
    manager->LoadProblem += std::string(Tr("the settings: ")) + error.what();
    manager->SettingsUnread = true;
  }
  return manager;
}

std::string FinishWipeMethodsManager(TWipeMethodsManager& manager) {
  // Defaults in place of settings that were never read would be written over the user's.
  if (manager.SettingsUnread) {
    return Substituted(Tr("the settings were not saved: they could not be read at start ({})"),
                       {manager.LoadProblem});
  }
  return manager.TrySaveSettings();
}
