#include "ui/WindowDeviceCheck.h"

#include <algorithm>
#include <chrono>

#include "core/DeviceCheck.h"
#include "core/RunRecord.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethod.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"

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
                       TRunRecord* report) {
  const auto started = std::chrono::system_clock::now();
  const bool check = catalogue.CheckDevice;
  TDeviceRecord::Limits limits;
  limits.Fingerprints = check;
  TDeviceRecord record(limits);
  WipeRun run = WipeRun::For(engine, catalogue, services);
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
  if (engine.Method) {
    kept.Method = engine.Method->Name;
    kept.Passes = engine.Method->PassCount() + (catalogue.WriteSignature ? 1 : 0);
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
