#include "cli/TFreeSpaceCommand.h"

#include <memory>

#include "cli/ArgumentPath.h"
#include "cli/ExitStatus.h"
#include "cli/LeftoverFiles.h"
#include "cli/MethodChoice.h"
#include "cli/RunReport.h"
#include "cli/TCliOutput.h"
#include "cli/TCliWipeServices.h"
#include "core/DriveFunctions.h"
#include "core/Helpers.h"
#include "core/TNumberFormat.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethod.h"
#include "core/TWipeMethodsManager.h"
#include "core/Translated.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Signals.h"

namespace {

std::string kindProblem(int kind) {
  switch (kind) {
    case platform::DriveRemovable:
      return Tr("is a removable drive: only fixed drives are wiped");
    case platform::DriveRemote:
      return Tr("is a network drive: only fixed drives are wiped");
    case platform::DriveOptical:
      return Tr("is an optical drive: only fixed drives are wiped");
    case platform::DriveRam:
      return Tr("is a RAM disk: only fixed drives are wiped");
    default:
      return Tr("is not a drive: only fixed drives are wiped");
  }
}

}  // namespace

std::vector<TFreeSpaceTarget> ClassifyMountPoints(const std::vector<std::string>& mountPoints) {
  std::vector<TFreeSpaceTarget> targets;
  std::vector<platform::FileSystemId> taken;
  for (const std::string& given : mountPoints) {
    TFreeSpaceTarget target;
    const std::string path = AbsoluteArgument(given);
    target.root = path.empty() ? given : AddTrailingBackslash(path);
    const auto info = path.empty() ? std::nullopt : platform::fs().info(target.root);
    if (path.empty()) {
      target.problem = given.empty()
                           ? Tr("an empty path names nothing")
                           : Tr("the current folder cannot be named, so the path is unclear");
    } else if (!info) {
      target.problem = Tr("not found");
    } else if (!info->isFolder() || !platform::drives().isMountPoint(target.root)) {
      const std::string holder = platform::drives().rootOf(path);
      target.problem =
          Tr("is not a mount point") +
          (holder.empty() ? std::string() : Tr(" (it lies on the drive at ") + holder + ")");
    } else if (const int kind = platform::drives().driveKind(target.root);
               kind != platform::DriveFixed) {
      target.problem = kindProblem(kind);
    } else {
      target.volume = GetDriveVolume(platform::fs(), target.root);
      const auto space = platform::fs().diskSpace(target.root);
      if (target.volume.device == 0) {
        target.problem = Tr("could not be examined");
        if (!space) target.problem += " (" + space.error().message() + ")";
      } else if (space && space->readOnly) {
        target.problem = Tr("is mounted read-only: nothing written");
      } else {
        bool again = false;
        for (const platform::FileSystemId& volume : taken) again = again || volume == target.volume;
        if (again) continue;
        taken.push_back(target.volume);
      }
    }
    targets.push_back(std::move(target));
  }
  return targets;
}

bool AddFreeSpaceJobs(TCliOutput& output, TWipeEngine& engine,
                      const std::vector<std::string>& mountPoints, const std::string& refusal) {
  bool refused = false;
  for (const TFreeSpaceTarget& target : ClassifyMountPoints(mountPoints)) {
    if (!target.problem.empty()) {
      output.Problem(target.root + refusal + target.problem);
      refused = true;
      continue;
    }
    auto item = std::make_unique<TWipeItem>(wkFreeSpace, target.root);
    item->Volume = target.volume;
    engine.AddItem(std::move(item));
  }
  return refused;
}

TFreeSpaceCommand::TFreeSpaceCommand(TCliOutput& output, TWipeMethodsManager& catalogue,
                                     TFreeSpaceRequest request)
    : output_(output), catalogue_(catalogue), request_(std::move(request)) {}

int TFreeSpaceCommand::Run() {
  TWipeEngine engine("WipeFreeSpace");
  const TMethodChoice choice = ChooseNamedMethod(output_, catalogue_, request_.method, {&engine});
  if (!choice.usable) return choice.exitStatus;

  bool left = AddFreeSpaceJobs(output_, engine, request_.mountPoints, ": ");
  if (engine.Items.empty()) return left ? ExitSomethingLeft : ExitAllDone;
  DetailEngineMethod(output_, catalogue_, Tr("free space: "), engine);

  std::vector<std::string> roots;
  for (const auto& item : engine.Items) roots.push_back(item->Path);
  if (request_.dryRun) {
    MentionLeftoverFiles(output_, roots, Tr("the run removes it"));
    for (const auto& item : engine.Items) {
      std::int64_t freeBytes = -1;
      std::int64_t totalBytes = -1;
      GetDriveSpace(platform::fs(), item->Path, freeBytes, totalBytes);
      output_.Result(Substituted(
          Tr("{} ({}, {} bytes free)"),
          {item->Path, GetDriveFileSystem(platform::drives(), item->Path),
           freeBytes < 0 ? std::to_string(freeBytes)
                         : TNumberFormat::User().Whole(static_cast<std::uint64_t>(freeBytes))}));
    }
    return left ? ExitSomethingLeft : ExitAllDone;
  }

  TCliWipeServices services(output_);
  TDeviceCheckRun evidence(output_, request_.report, "free-space");
  const TRunOutcome outcome = RunEngine(engine, catalogue_, services, evidence.Witness());
  left = ReportRun(output_, outcome) || left;
  if (const int signal = platform::stopSignal()) return platform::exitStatusForSignal(signal);
  std::vector<TRunTarget> reported;
  for (const std::string& root : roots) reported.push_back({root, "free-space"});
  // The method the run went by: the one chosen for it, else the catalogue's for the engine.
  const TWipeMethod* method = catalogue_.MethodForEngine(engine);
  const int passes = method ? method->PassCount() + (catalogue_.WriteSignature ? 1 : 0) : 0;
  return evidence.Finish(left ? ExitSomethingLeft : ExitAllDone, reported, {outcome},
                         method ? method->Name : std::string(), passes);
}
