#include "cli/RunReport.h"

#include "cli/TCliOutput.h"
#include "cli/TCliWipeServices.h"
#include "core/ProgressStream.h"
#include "core/TWipeMethodsManager.h"
#include "core/Translated.h"
#include "core/WipeRun.h"

bool ReportRun(TCliOutput& output, const TRunOutcome& outcome) {
  // A program that shows the run reads the outcome as one line of the progress stream.
  if (output.JsonProgress()) output.JsonLine(ProgressOutcomeLine(outcome));
  bool left = false;
  for (const TWipeFailure& failure : outcome.failures) {
    output.Problem(failure.Path + ": " + DescribeFailure(failure));
    left = left || LeavesSomethingBehind(failure);
  }
  // What the user should know that left nothing behind (free blocks not discarded, a journal
  // not cleared).
  for (const TWipeFailure& note : outcome.notes) {
    output.Problem((note.Path.empty() ? std::string() : note.Path + ": ") + DescribeFailure(note));
  }
  if (!outcome.stoppedIn.empty()) {
    output.Problem(
        outcome.stoppedIn +
        Tr(": left under its own name, not completely overwritten: the run was stopped"));
    left = true;
  }
  if (!outcome.stoppedInDrive.empty()) {
    output.Problem(outcome.stoppedInDrive +
                   Tr(": free space not completely wiped: the run was stopped"));
    left = true;
  }
  for (const std::string& path : outcome.notReached) {
    output.Problem(path + Tr(": not reached: the run was stopped"));
    left = true;
  }
  return left;
}

TRunOutcome RunEngine(TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                      IWipeServices& services, IWipeWitness* witness) {
  if (TCliWipeServices::StopRequested()) {
    TRunOutcome outcome;
    outcome.aborted = true;
    for (const auto& item : engine.Items) outcome.notReached.push_back(item->Path);
    outcome.jobs = engine.Items.size();
    return outcome;
  }
  WipeRun run = WipeRun::For(engine, catalogue, services);
  run.Witness = witness;
  engine.Execute(run);
  return RunOutcomeOf(engine);
}

bool RunAndReport(TCliOutput& output, TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                  IWipeServices& services, IWipeWitness* witness) {
  if (engine.Items.empty()) return false;
  return ReportRun(output, RunEngine(engine, catalogue, services, witness));
}
