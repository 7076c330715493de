#pragma once
// What the user is told after a wipe run: a one-line summary, a few lines under it, and the
// whole list of what the run did not do in the box's details.

#include <QString>
#include <string>
#include <vector>

#include "core/RunOutcome.h"
#include "core/TWipeEngine.h"
#include "dialogs/PromptService.h"
#include "ui/TRunProgress.h"

// The texts of a page: the aborted text; the summary of a run that left something behind, with
// %1 for what was left ("2 files and 1 folder", or "1 drive" when the page's entries are drives
// rather than files and folders); the success text; and, when some of what was left behind was
// overwritten in part (a pass or a fill that began and did not finish), the summary said then
// instead (empty: the first summary serves for both).
struct TRunTexts {
  QString aborted;
  QString failureLead;
  QString success;
  bool filesAndFolders = true;
  QString partialLead{};
};

// The failure left its file or drive overwritten in part: something began and did not finish.
bool LeftPartlyWiped(const TWipeFailure& failure);
// The texts of a run over the free space of drives: "has not been wiped" for drives where
// nothing was written, "not wiped completely" only where a fill began.
TRunTexts FreeSpaceRunTexts(const QString& aborted, const QString& success);

// The message after a run: a warning after a stop or when something was left behind, else the
// success text as information.
struct TRunReport {
  TReportKind kind;
  QString text;
  QString informative;
  QString details;
};
// With a tally of a run of files and folders, the report says in numbers what the run did: the
// success text ends with "3,000 files, 258 MB wiped in 61 s", and after a stop or with something
// left behind a line says what was overwritten.
TRunReport DescribeRunOutcome(const TRunTexts& texts, const TRunOutcome& outcome,
                              const TRunTally& tally = {});
// Tells the user of a run's outcome through the prompts given (the program's when none are).
void ShowRunOutcome(IPromptService& prompts, const TRunTexts& texts, const TRunOutcome& outcome,
                    const TRunTally& tally = {});
void ShowRunOutcome(const TRunTexts& texts, const TRunOutcome& outcome);
