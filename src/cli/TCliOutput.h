#pragma once
// What the command line writes: results on standard output, details (with --verbose), problems
// and the progress line on standard error. Paths are written as the bytes they are, except that
// on a terminal control characters are shown as "?", so a file name cannot steer the terminal.

#include <cstdio>
#include <string>

class TCliOutput {
 public:
  // The streams and whether each is a terminal; the defaults are those of the program.
  TCliOutput(bool quiet, bool verbose);
  TCliOutput(bool quiet, bool verbose, std::FILE* out, bool outTerminal, std::FILE* err,
             bool errTerminal);
  TCliOutput(const TCliOutput&) = delete;
  TCliOutput& operator=(const TCliOutput&) = delete;
  ~TCliOutput();

  bool Quiet() const { return quiet_; }
  bool Verbose() const { return verbose_; }
  // True when a progress line is shown: standard error is a terminal and --quiet is not given.
  bool ShowsProgress() const { return errTerminal_ && !quiet_ && !jsonProgress_; }
  // With --progress=json: the run's progress and outcome go to standard output as JSON lines
  // (core/ProgressStream.h) for a program that shows the run, and no progress line is drawn.
  void SetJsonProgress(bool on) { jsonProgress_ = on; }
  bool JsonProgress() const { return jsonProgress_; }
  // One line of that stream, passed on at once.
  void JsonLine(const std::string& line);
  // Columns of the terminal on standard error (80 when it does not say).
  unsigned Columns() const;

  // A line of the command's result on standard output (listings); left out with --quiet only
  // where the command says so.
  void Result(const std::string& line);
  // A line on the work as it goes, on standard error; only with --verbose.
  void Detail(const std::string& line);
  // Something that went wrong or was left behind, on standard error, always:
  // "ferrovane-cli: <line>".
  void Problem(const std::string& line);
  // Replaces the progress line (nothing when ShowsProgress is false).
  void Progress(const std::string& line);
  // Takes the progress line off the terminal.
  void ClearProgress();

 private:
  void writeLine(std::FILE* stream, bool terminal, const std::string& line);

  bool quiet_;
  bool verbose_;
  std::FILE* out_;
  bool outTerminal_;
  std::FILE* err_;
  bool errTerminal_;
  bool jsonProgress_ = false;
  bool progressShown_ = false;
};

// The text as a terminal may show it: control characters (and DEL) become "?".
std::string TerminalSafe(const std::string& text);
