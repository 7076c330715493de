#pragma once
// Reads the JSON progress lines of a run that another program does (ferrovane-cli
// --progress=json, started with administrator rights): each line is the progress of a file or
// the outcome of the run, rebuilt to what the window's own runs give, so the same report follows.

#include <QByteArray>
#include <optional>

#include "core/ProgressStream.h"

// Null for a line that is neither (another program's output, or damaged).
std::optional<TProgressRecord> ReadProgressLine(const QByteArray& line);
