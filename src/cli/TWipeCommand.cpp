#include "cli/TWipeCommand.h"

#include <algorithm>
#include <memory>

#include "cli/ArgumentPath.h"
#include "cli/ExitStatus.h"
#include "cli/FreeSpaceFinish.h"
#include "cli/LeftoverFiles.h"
#include "cli/MethodChoice.h"
#include "cli/RunReport.h"
#include "cli/TCliOutput.h"
#include "cli/TCliWipeServices.h"
#include "cli/TFreeSpaceCommand.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethod.h"
#include "core/TWipeMethodsManager.h"
#include "core/Translated.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Signals.h"

namespace {

std::string reasonOf(const std::error_code& error) {
  return " (" + error.message() + ")";
}

// Lists the entries of an open folder the way the folders engine goes through them: the files
// first, then each subfolder with what it holds, then the folder itself. True when something
// would be left.
bool listFolder(TCliOutput& output, platform::Folder& folder, const std::string& path) {
  auto entries = folder.list();
  if (!entries) {
    output.Problem(path + Tr(": would be left: could not be listed") + reasonOf(entries.error()));
    return true;
  }
  bool left = false;
  // A mount point, file or folder, is not entered.
  const auto mountPoint = [&](const platform::DirEntry& entry) {
    const auto mounted = folder.mountedAt(entry.name, entry);
    if (!mounted) return false;
    const std::string entryPath = folder.pathOf(entry.name);
    output.Problem(entryPath + Tr(": would be left: ") +
                   DescribeFailure(MountPointFailure(entryPath, *mounted)));
    left = true;
    return true;
  };
  for (const platform::DirEntry& entry : *entries) {
    if (entry.isFolder() || mountPoint(entry)) continue;
    const std::string entryPath = folder.pathOf(entry.name);
    if (entry.kind == platform::EntryKind::File && entry.links > 1) {
      output.Problem(entryPath + Tr(": would be left: ") +
                     DescribeFailure({entryPath, TWipeFailureReason::SharedContent}));
      left = true;
    } else if (entry.kind == platform::EntryKind::Other) {
      output.Problem(entryPath + Tr(": would be left: not an ordinary file"));
      left = true;
    } else {
      output.Result(entryPath);
    }
  }
  for (const platform::DirEntry& entry : *entries) {
    if (!entry.isFolder() || mountPoint(entry)) continue;
    const std::string entryPath = folder.pathOf(entry.name);
    auto sub = folder.openFolder(entry.name, entry.id);
    if (!sub) {
      output.Problem(entryPath + Tr(": would be left: could not be opened") +
                     reasonOf(sub.error()));
      left = true;
      continue;
    }
    left = listFolder(output, *sub, entryPath) || left;
  }
  if (!left) output.Result(path);
  return left;
}

}  // namespace

std::vector<TWipeTarget> ClassifyTargets(const std::vector<std::string>& paths, bool recursive) {
  std::vector<TWipeTarget> targets;
  for (const std::string& given : paths) {
    TWipeTarget target;
    target.path = AbsoluteArgument(given);
    if (target.path.empty()) {
      target.path = given;
      target.problem = given.empty()
                           ? Tr("an empty path names nothing")
                           : Tr("the current folder cannot be named, so the path is unclear");
    } else if (EndsInDotName(given)) {
      target.path = given;
      target.problem = Tr("names a folder by \".\" or \"..\"; give its name instead");
    } else if (auto info = platform::fs().info(target.path); !info) {
      target.problem = info.error() == std::errc::no_such_file_or_directory
                           ? Tr("not found")
                           : Tr("could not be examined") + reasonOf(info.error());
    } else if (!info->isFolder()) {
      target.kind = TTargetKind::File;
    } else if (target.path == "/") {
      target.problem = Tr("is the root folder: it is never wiped");
    } else if (!recursive) {
      target.problem = Tr("is a folder; give -r to wipe it with everything in it");
    } else {
      target.kind = TTargetKind::Folder;
    }
    targets.push_back(std::move(target));
  }
  return targets;
}

TWipeCommand::TWipeCommand(TCliOutput& output, TWipeMethodsManager& catalogue, TWipeRequest request)
    : output_(output), catalogue_(catalogue), request_(std::move(request)) {}

bool TWipeCommand::listTarget(const TWipeTarget& target) {
  if (target.kind == TTargetKind::File) {
    const auto info = platform::fs().info(target.path);
    if (info && info->kind == platform::EntryKind::File && info->links > 1) {
      output_.Problem(target.path + Tr(": would be left: ") +
                      DescribeFailure({target.path, TWipeFailureReason::SharedContent}));
      return true;
    }
    if (info && info->kind == platform::EntryKind::Other) {
      output_.Problem(target.path + Tr(": would be left: not an ordinary file"));
      return true;
    }
    output_.Result(target.path);
    return false;
  }
  auto folder = platform::fs().openFolder(target.path);
  if (!folder) {
    output_.Problem(target.path + Tr(": would be left: could not be opened") +
                    reasonOf(folder.error()));
    return true;
  }
  return listFolder(output_, *folder, target.path);
}

int TWipeCommand::Run() {
  TWipeEngine files("WipeFiles");
  TWipeEngine folders("WipeFolders");
  const TMethodChoice choice =
      ChooseNamedMethod(output_, catalogue_, request_.method, {&files, &folders});
  if (!choice.usable) return choice.exitStatus;

  if (request_.journal != 0) catalogue_.ChooseJournalForRun(request_.journal > 0);

  bool left = false;
  // What the report names as the run's targets.
  std::vector<TRunTarget> reported;
  for (const TWipeTarget& target : ClassifyTargets(request_.paths, request_.recursive)) {
    switch (target.kind) {
      case TTargetKind::Refused:
        output_.Problem(target.path + ": " + target.problem);
        left = true;
        break;
      case TTargetKind::File:
        files.AddItem(std::make_unique<TWipeItem>(wkFile, target.path));
        reported.push_back({target.path, "file"});
        break;
      case TTargetKind::Folder:
        folders.AddItem(std::make_unique<TWipeItem>(wkFolder, target.path));
        reported.push_back({target.path, "folder"});
        break;
    }
  }
  // The drives touched: a temporary file that an interrupted free-space wipe left there is
  // named, since it fills part of the drive until it is removed.
  std::vector<std::string> roots;
  for (const TWipeEngine* engine : {&files, &folders}) {
    for (const auto& item : engine->Items) {
      const std::string root = platform::drives().rootOf(item->Path);
      if (!root.empty() && std::find(roots.begin(), roots.end(), root) == roots.end()) {
        roots.push_back(root);
      }
    }
  }
  MentionLeftoverFiles(output_, roots,
                       Tr("it fills part of the drive until \"free-space\" removes it"));
  for (TWipeEngine* engine : {&files, &folders}) {
    if (!engine->Items.empty())
      DetailEngineMethod(output_, catalogue_, engine == &files ? Tr("files: ") : Tr("folders: "),
                         *engine);
  }

  if (request_.dryRun) {
    for (const TWipeEngine* engine : {&files, &folders}) {
      for (const auto& item : engine->Items) {
        left = listTarget(
                   {item->Path, engine == &files ? TTargetKind::File : TTargetKind::Folder, {}}) ||
               left;
      }
    }
    return left ? ExitSomethingLeft : ExitAllDone;
  }

  TCliWipeServices services(output_);
  TDeviceCheckRun evidence(output_, request_.report, "wipe");
  std::vector<TRunOutcome> outcomes;
  for (TWipeEngine* engine : {&files, &folders}) {
    if (!engine->Items.empty())
      outcomes.push_back(RunEngine(*engine, catalogue_, services, evidence.Witness()));
  }
  std::optional<TRunOutcome> finishing;
  if (request_.freeSpaceAfter && !TCliWipeServices::StopRequested()) {
    finishing = finishFreeSpace(outcomes, choice.method, left, services, evidence.Witness());
  }
  for (const TRunOutcome& outcome : outcomes) left = ReportRun(output_, outcome) || left;
  if (finishing) left = ReportRun(output_, *finishing) || left;
  if (const int signal = platform::stopSignal()) return platform::exitStatusForSignal(signal);
  if (finishing) outcomes.push_back(*finishing);
  // The method the run went by: the one chosen for it, else the catalogue's for the engine.
  const TWipeEngine& first = files.Items.empty() ? folders : files;
  const TWipeMethod* method = catalogue_.MethodForEngine(first);
  const int passes = method ? method->PassCount() + (catalogue_.WriteSignature ? 1 : 0) : 0;
  return evidence.Finish(left ? ExitSomethingLeft : ExitAllDone, reported, outcomes,
                         method ? method->Name : std::string(), passes);
}

std::optional<TRunOutcome> TWipeCommand::finishFreeSpace(std::vector<TRunOutcome>& outcomes,
                                                         TWipeMethod* method, bool& left,
                                                         IWipeServices& services,
                                                         IWipeWitness* witness) {
  const std::vector<std::string> roots = RootsToFinish(outcomes);
  if (roots.empty()) return std::nullopt;
  TWipeEngine engine("WipeFreeSpace");
  if (method) catalogue_.ChooseForRun(engine, method);
  left = AddFreeSpaceJobs(output_, engine, roots, Tr(": its free space cannot be wiped: ")) || left;
  if (engine.Items.empty()) return std::nullopt;
  DetailEngineMethod(output_, catalogue_, Tr("free space: "), engine);
  TRunOutcome outcome = RunEngine(engine, catalogue_, services, witness);
  for (const std::string& root : roots) {
    if (FreeSpaceWiped(outcome, root)) {
      MarkFinished(outcomes, root,
                   NamesReached(outcome, root, platform::drives().fileSystem(root)));
    }
  }
  return outcome;
}
