#pragma once
// What the user is told after a wipe run: a one-line summary, a few lines under it, and the
// whole list of what the run did not do in the box's details.

#include <QString>
#include <string>
#include <vector>

#include "core/RunOutcome.h"
#include "core/TWipeEngine.h"
#include "dialogs/PromptService.h"

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
