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
// %1 for what was left ("2 files and 1 folder", or a bare count when the page's entries are not
// files and folders); the success text.
struct TRunTexts {
  QString aborted;
  QString failureLead;
  QString success;
  bool filesAndFolders = true;
};

// The message after a run: a warning after a stop or when something was left behind, else the
// success text as information.
struct TRunReport {
  TReportKind kind;
  QString text;
  QString informative;
  QString details;
};
TRunReport DescribeRunOutcome(const TRunTexts& texts, const TRunOutcome& outcome);
void ShowRunOutcome(const TRunTexts& texts, const TRunOutcome& outcome);
