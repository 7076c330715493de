#pragma once
// A window around the pages that hands them services unlike those installed for the program: a
// registry, file system, drive table, trash, folders and prompts of the test's own.

#include <string>
#include <vector>

#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/PromptService.h"
#include "dialogs/TfEditMethod.h"
#include "platform/Drives.h"
#include "platform/posix/RegistryStore.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"
#include "ui/pages/TPageHost.h"

// A window that hands its pages services unlike those installed for the program, and records
// the runs it is asked for instead of running them.
class FakePageHost final : public TPageHost {
 public:
  FakePageHost(const TestFolder& folder, IPromptService& prompts)
      : registry(folder / "own.reg", folder / "own-autostart/"),
        drives_(folder / "mountinfo", folder / "sys"),
        prompts_(prompts) {}

  TWipeEngine& WipeFiles() const override { return files_; }
  TWipeEngine& WipeFolders() const override { return folders_; }
  TWipeEngine& FreeSpaceEngine() const override { return freeSpace_; }
  bool WarnOnExecutable() const override { return false; }
  TWipeMethodsManager& Catalogue() const override { return catalogue_; }
  IPromptService& PromptService() const override { return prompts_; }
  platform::DriveTable& Drives() const override { return drives_; }
  platform::Registry& RegistryStore() const override { return registry; }
  platform::FileSystem& Files() const override { return files; }
  std::vector<std::string> TrashFolders() const override { return trash; }
  std::string SettingsFolder() const override { return settingsFolder; }
  std::string MethodsFolder() const override { return methodsFolder; }
  std::string SettingsFile() const override { return settingsFolder + "Ferrovane.ini"; }
  std::string ProgramPath() const override { return "/own/program/ferrovane"; }
  std::string ProgramFolder() const override { return "/own/program/"; }
  TfEditMethod& MethodEditor() const override { return editor_; }
  bool MayRun(const TWipeEngine&) const override { return true; }
  bool RunEngine(TWipeEngine& engine, bool) override {
    for (const auto& item : engine.Items) ran.push_back(engine.Name + " " + item->Path);
    return true;
  }
  void HoldEngine(const TWipeEngine&, bool) override {}
  bool CloseAfterRun() override { return false; }
  bool RunGoing() const override { return false; }

  mutable platform::RegistryStore registry;
  mutable FaultyFileSystem files;
  std::vector<std::string> trash;
  std::string settingsFolder = "/own/settings/";
  std::string methodsFolder = "/own/settings/Methods/";
  std::vector<std::string> ran;  // "<engine> <path>" per job run

 private:
  mutable TWipeEngine files_{"WipeFiles"};
  mutable TWipeEngine folders_{"WipeFolders"};
  mutable TWipeEngine freeSpace_{"FreeSpace"};
  mutable TWipeMethodsManager catalogue_;
  mutable platform::DriveTable drives_;
  mutable TfEditMethod editor_;
  IPromptService& prompts_;
};
