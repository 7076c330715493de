#pragma once
// The texts shown after a wipe run.

#include <QString>
#include <vector>

#include "core/TWipeEngine.h"

// The warning after a run that left something behind: the lead text, then one line per path
// with the reason ("<path>: <reason>"). Long lists are cut after a screenful, with a count of
// the rest.
QString WipeFailureReport(const QString& lead, const std::vector<TWipeFailure>& failures);

// What a page tells the user after a run: the aborted text as a warning (with what was left
// behind, if anything); else, when something was left behind, a warning with the failure lead
// and the list; else the success text as a plain message, followed by the paths that were
// already gone when their turn came, if any.
struct TRunTexts {
  QString aborted;
  QString failureLead;
  QString success;
};
void ShowRunOutcome(const TRunTexts& texts, bool aborted,
                    const std::vector<TWipeFailure>& failures);
