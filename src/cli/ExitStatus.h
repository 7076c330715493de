#pragma once
// The exit statuses of the command line.

enum ExitStatus : int {
  ExitAllDone = 0,        // everything asked for was wiped (or listed, or recorded)
  ExitSomethingLeft = 1,  // something was left behind, or could not be done
  ExitUsageError = 2,     // the command line was not understood
};
