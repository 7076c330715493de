#include "ui/WindowDeviceCheck.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "core/DeviceCheck.h"
#include "core/RunRecord.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/BlockDevice.h"
#include "platform/PathText.h"

#ifndef FERROVANE_VERSION
#define FERROVANE_VERSION "0"
#endif

namespace {

const char* KindOf(TWipeItemKind kind) {
  switch (kind) {
    case wkFolder:
      return "folder";
    case wkFreeSpace:
      return "free-space";
    default:
      return "file";
  }
}

}  // namespace

void RunAndCheckDevice(TWipeEngine& engine, TWipeMethodsManager& catalogue, IWipeServices& services,
                       TRunRecord* report, bool warnOnExecutable) {
  const auto started = std::chrono::system_clock::now();
  const bool check = catalogue.CheckDevice;
  TDeviceRecord::Limits limits;
  limits.Fingerprints = check;
  TDeviceRecord record(limits);
  WipeRunSettings settings = WipeRunSettings::Of(catalogue);
  settings.WarnOnExecutable = warnOnExecutable;
  WipeRun run(services, std::move(settings), RunMethodOf(catalogue.MethodForEngine(engine)));
  run.Witness = &record;
  engine.Execute(run);

  TRunRecord kept;
  kept.CheckAsked = check && !engine.Aborted;
  if (kept.CheckAsked) {
    const auto began = std::chrono::steady_clock::now();
    kept.Check = TDeviceCheck(record).Run([&services](std::uint64_t, std::uint64_t) {
      services.ProcessMessages();
      return false;
    });
    kept.CheckSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    AddDeviceVerdicts(record, engine.Failures, engine.Notes);
  }
  if (!report) return;
  StampRunRecord(kept, "ferrovane", FERROVANE_VERSION, engine.Name, started);
  // The method the run went by: its own copy, made when it began.
  if (run.Method) {
    kept.Method = run.Method->Name;
    kept.Passes =
        static_cast<int>(run.Method->Passes.size()) + (run.Settings.WriteSignature ? 1 : 0);
  }
  std::vector<TRunTarget> targets;
  for (const auto& item : engine.Items) targets.push_back({item->Path, KindOf(item->Kind)});
  FillRunRecord(kept, targets, {RunOutcomeOf(engine)}, record);
  kept.Ended = RunRecordTime(std::chrono::system_clock::now());
  kept.ExitStatus =
      DeviceCheckFails(kept) ||
              std::any_of(engine.Failures.begin(), engine.Failures.end(), LeavesSomethingBehind)
          ? 1
          : 0;
  *report = std::move(kept);
}

namespace {

// Whether the device of the file system of any of the folders can be opened by the
// administrator only.
bool NeedsAdministrator(const std::vector<std::string>& folders) {
  std::vector<std::string> asked;
  for (const std::string& folder : folders) {
    if (folder.empty() || std::find(asked.begin(), asked.end(), folder) != asked.end()) continue;
    asked.push_back(folder);
    const auto device = platform::blockDevices().open(folder, 0);
    if (!device && device.error() == platform::DeviceError::NeedsAdministrator) return true;
  }
  return false;
}

}  // namespace

bool DeviceCheckNeedsAdministrator(const std::vector<std::string>& paths) {
  std::vector<std::string> folders;
  for (const std::string& path : paths) {
    // The folder that holds the entry: its file system's device is the one read back.
    folders.push_back(platform::folderPartOf(
        path.size() > 1 && path.back() == '/' ? path.substr(0, path.size() - 1) : path));
  }
  return NeedsAdministrator(folders);
}

bool OfferCheckedRunAsAdministrator(TAdministratorWork work, const QString& question,
                                    const std::vector<std::string>& paths, const TRunTexts& texts,
                                    TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                                    std::string* report) {
  if (!catalogue.CheckDevice || AdministratorLauncher().isEmpty()) return false;
  // A drive's root is on the file system read back; a file or folder, on that of its folder.
  if (work == TAdministratorWork::FreeSpace ? !NeedsAdministrator(paths)
                                            : !DeviceCheckNeedsAdministrator(paths)) {
    return false;
  }
  RunAsAdministrator(work, question, paths, texts, engine, catalogue, report);
  return true;
}
