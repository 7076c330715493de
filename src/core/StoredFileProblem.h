#pragma once
// How a stored file that is there but cannot be used (too large, damaged, a read error) is
// named to the user, the same way by the command line and the window:
// "<file>: could not be read (<reason>); <what is used instead>".

#include <string>

inline std::string StoredFileProblem(const std::string& file, const std::string& reason,
                                     const std::string& instead) {
  return file + ": could not be read (" + reason + "); " + instead;
}
