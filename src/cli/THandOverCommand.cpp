#include "cli/THandOverCommand.h"

#include <memory>
#include <utility>
#include <vector>

#include "cli/ExitStatus.h"
#include "cli/MethodChoice.h"
#include "cli/RunReport.h"
#include "cli/TCliOutput.h"
#include "cli/TCliWipeServices.h"
#include "core/HandOverJob.h"
#include "core/ProgressStream.h"
#include "core/RunRecord.h"
#include "core/TWipeEngine.h"
#include "core/Translated.h"
#include "core/WipeRun.h"
#include "platform/Console.h"
#include "platform/Signals.h"

namespace {

// Reads standard input until the job is whole; the reason when it is not.
std::optional<THandOverJob> readJob(std::string& problem) {
  THandOverJobReader reader;
  // Byte by byte would be slow; a piece at a time may read past the job's end only when more
  // was sent than the job, which refuses it.
  char buffer[4096];
  while (reader.Current() == THandOverJobReader::State::Reading) {
    const auto got = platform::readStandardInput(buffer, sizeof buffer);
    if (!got) {
      problem = Tr("the job handed over could not be read (") + got.error().message() + ")";
      return std::nullopt;
    }
    if (*got == 0) {
      problem = Tr("the job handed over is damaged: it ends before its end");
      return std::nullopt;
    }
    reader.Feed(std::string_view(buffer, *got));
  }
  if (reader.Current() == THandOverJobReader::State::Refused) {
    problem = reader.Problem();
    return std::nullopt;
  }
  return reader.Job();
}

// Runs the engine's jobs with the job's method and settings, unless the run was stopped before.
TRunOutcome runWith(TWipeEngine& engine, const THandOverJob& job, IWipeServices& services,
                    IWipeWitness* witness) {
  TRunOutcome outcome;
  if (engine.Items.empty()) return outcome;
  if (TCliWipeServices::StopRequested()) {
    outcome.aborted = true;
    for (const auto& item : engine.Items) outcome.notReached.push_back(item->Path);
    outcome.jobs = engine.Items.size();
    return outcome;
  }
  WipeRun run(services, job.settings, job.method);
  run.Witness = witness;
  engine.Execute(run);
  return RunOutcomeOf(engine);
}

}  // namespace

THandOverCommand::THandOverCommand(TCliOutput& output, TReportRequest request)
    : output_(output), request_(std::move(request)) {
  // The administrator's run writes no file where the window's user names one.
  request_.reportFile.clear();
}

int THandOverCommand::Run() {
  std::string problem;
  const std::optional<THandOverJob> job = readJob(problem);
  if (!job) {
    output_.Problem(problem + Tr("; nothing was wiped"));
    return ExitUsageError;
  }
  // The job is whole: from now on the window ends the run by closing the input.
  TCliWipeServices::StopWhenInputEnds();
  output_.Detail(Tr("method: ") + job->method.Name + " (" +
                 PassCountText(static_cast<int>(job->method.Passes.size())) + ")");

  TWipeEngine files("WipeFiles");
  TWipeEngine folders("WipeFolders");
  TWipeEngine freeSpace("WipeFreeSpace");
  // What is refused before any run, named in the outcome with the rest.
  TRunOutcome outcome;
  for (const THandOverTarget& target : job->targets) {
    if (const std::string refusal = HandOverPathProblem(target.kind, target.path);
        !refusal.empty()) {
      outcome.failures.push_back({target.path, TWipeFailureReason::CannotOpen, {}, refusal});
      ++outcome.jobs;
      continue;
    }
    auto item = std::make_unique<TWipeItem>(target.kind, target.path);
    item->Expected = target.id;
    item->Volume = target.volume;
    (target.kind == wkFile     ? files
     : target.kind == wkFolder ? folders
                               : freeSpace)
        .AddItem(std::move(item));
  }

  TCliWipeServices services(output_);
  TDeviceCheckRun evidence(output_, request_, "hand-over");
  for (TWipeEngine* engine : {&files, &folders, &freeSpace}) {
    AddRunOutcome(outcome, runWith(*engine, *job, services, evidence.Witness()));
  }
  // One outcome for the whole job: the window reports it as one run.
  const bool left = ReportRun(output_, outcome);
  if (const int signal = platform::stopSignal()) return platform::exitStatusForSignal(signal);
  std::vector<TRunTarget> targets;
  for (const THandOverTarget& target : job->targets) {
    targets.push_back({target.path, target.kind == wkFile     ? "file"
                                    : target.kind == wkFolder ? "folder"
                                                              : "free-space"});
  }
  return evidence.Finish(
      left ? ExitSomethingLeft : ExitAllDone, targets, {outcome}, job->method.Name,
      static_cast<int>(job->method.Passes.size()) + (job->settings.WriteSignature ? 1 : 0));
}
