#pragma once
// The texts shown after a wipe run.

#include <QString>
#include <vector>

#include "core/TWipeEngine.h"

// The warning after a run that left something behind: the lead text, then one line per path
// with the reason ("<path>: <reason>"). Long lists are cut after a screenful, with a count of
// the rest.
QString WipeFailureReport(const QString& lead, const std::vector<TWipeFailure>& failures);
