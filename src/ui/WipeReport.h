#pragma once
// What the user is told after a wipe run: a one-line summary, a few lines under it, and the
// whole list of what the run did not do in the box's details.

#include <QString>
#include <string>
#include <vector>

#include "core/TWipeEngine.h"
#include "ui/PromptService.h"

// What the engine's last run came to; taken before its jobs are cleared.
struct TRunOutcome {
  bool aborted = false;
  std::vector<TWipeFailure> failures;
  // What else the user should know, that left nothing behind (the engine's notes).
  std::vector<TWipeFailure> notes;
  // After a stop: the file that was being overwritten, still there under its own name; empty
  // when the run stopped between files.
  std::string stoppedIn;
  // After a stop: the jobs the run did not begin, and how many jobs it had.
  std::vector<std::string> notReached;
  std::size_t jobs = 0;
};
TRunOutcome RunOutcomeOf(const TWipeEngine& engine);

// The texts of a page: the aborted text; the summary of a run that left something behind, with
// %1 for how many entries; the success text.
struct TRunTexts {
  QString aborted;
  QString failureLead;
  QString success;
};

// The message after a run: a warning after a stop or when something was left behind, else the
// success text as a plain message.
struct TRunReport {
  TReportKind kind;
  QString text;
  QString informative;
  QString details;
};
TRunReport DescribeRunOutcome(const TRunTexts& texts, const TRunOutcome& outcome);
void ShowRunOutcome(const TRunTexts& texts, const TRunOutcome& outcome);
