#pragma once
// Runs the real ferrovane-cli (or the window's program) the way a user's shell does: its own
// process, its arguments, standard output and standard error read back, the exit status as a
// shell reports it. The environment is the test's: home, configuration and temporary folders
// inside the test folder.

#include <string>
#include <vector>

class TestFolder;

struct CliResult {
  int status = -1;  // the exit status, or 128 + the signal that ended the process
  std::string out;
  std::string err;
};

class CliProcess {
 public:
  // Starts the program in `folder` (the current folder of the process; empty: the test
  // folder). `environment` adds or replaces variables ("NAME=value"), or removes one ("NAME").
  // With `terminal`, standard error is a pseudo-terminal 100 columns wide.
  CliProcess(const TestFolder& t, const std::string& program, const std::vector<std::string>& args,
             const std::vector<std::string>& environment = {}, bool terminal = false,
             const std::string& folder = {});
  ~CliProcess();
  CliProcess(const CliProcess&) = delete;
  CliProcess& operator=(const CliProcess&) = delete;

  // Reads until standard error holds the text; false when the process ended (or 60 seconds
  // passed) first.
  bool waitForError(const std::string& text);
  void signal(int number);
  // Waits for the end and gives everything the process wrote.
  CliResult finish();

 private:
  // Reads what is there (waiting up to `milliseconds`); false once both streams are closed.
  bool pump(int milliseconds);

  int pid_ = -1;
  int out_ = -1;
  int err_ = -1;
  CliResult result_;
  bool finished_ = false;
};

// Runs the program to its end.
CliResult RunCli(const TestFolder& t, const std::string& program,
                 const std::vector<std::string>& args,
                 const std::vector<std::string>& environment = {});

// A copy of ferrovane-cli in the test's program folder, with the shipped methods and settings
// beside it (a portable copy). Returns the program's path.
std::string PortableCli(const TestFolder& t, const std::string& folder = {});
