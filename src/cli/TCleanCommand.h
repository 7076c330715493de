#pragma once
// `ferrovane-cli clean [--preview] [ITEM...]`: the trace-cleaning items (the catalogue of
// "prefs.dat", then the Linux items), named by number (from 1, in the order of the Clean traces
// page), by name or caption, or by the key of their group ("chromium", "desktop", ...); with
// none named, the items checked on the window's Clean traces page (their Enabled flag until the
// page has recorded a choice). --preview (or --dry-run) lists what they would remove and removes
// nothing.

#include <string>
#include <vector>

class TCliOutput;
class TEraser;
class TEraserEngine;

struct TCleanRequest {
  bool preview = false;
  std::vector<std::string> items;
};

// The items the words name, in the catalogue's order, each once; `unknown` gets the words that
// name none.
std::vector<TEraser*> ChooseTraceItems(const TEraserEngine& engine,
                                       const std::vector<std::string>& words,
                                       std::vector<std::string>& unknown);

class TCleanCommand {
 public:
  TCleanCommand(TCliOutput& output, TCleanRequest request);
  // Cleans (or lists) the items; returns the exit status.
  int Run();

 private:
  TCliOutput& output_;
  TCleanRequest request_;
};
