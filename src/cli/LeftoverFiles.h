#pragma once
// Temporary files of interrupted free-space wipes on the drives a command touches: each fills
// part of its drive until it is removed, so the command line names them.

#include <string>
#include <vector>

class TCliOutput;

// Names, on standard error, every leftover temporary file of this user found for the drives
// at `roots` (each named once), followed by `what`, which says what becomes of it. The drives are
// only looked at; nothing is changed.
void MentionLeftoverFiles(TCliOutput& output, const std::vector<std::string>& roots,
                          const std::string& what);
