#pragma once
// The command line of ferrovane-cli: its options and subcommands, read with CLI11, and the run
// of the subcommand given.

class TCommandLine {
 public:
  // Reads the arguments, runs the subcommand and returns the exit status: 0 when everything was
  // done, 1 when anything was left, 2 when the command line was not understood, 128 + the
  // signal's number when a stop signal ended the run.
  int Run(int argc, char** argv);
};
