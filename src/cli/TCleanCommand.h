#pragma once
// `ferrovane-cli clean [--preview] [ITEM...]`: the trace-cleaning items (the catalogue of
// "prefs.dat", then the Linux items), named by number (from 1, in the order of the Clean traces
// page), by name or caption, or by the key of their group ("chromium", "desktop", ...); with
// none named, the items checked on the window's Clean traces page (their Enabled flag until the
// page has recorded a choice). --preview (or --dry-run) lists what they would remove and removes
// nothing. --scheduled cleans the items chosen for the schedule, when the schedule's spacing
// allows, and records the outcome in the log of scheduled cleans. Files are overwritten with the
// files engine's method before they go when the page says so, or --overwrite does; the places
// the user keeps from every clean are never touched.

#include <optional>
#include <string>
#include <vector>

#include "cleaner/TScheduledCleanLog.h"
#include "cli/DeviceCheckRun.h"

class TCliOutput;
class TEraser;
class TEraserEngine;

struct TCleanRequest {
  bool preview = false;
  bool scheduled = false;  // the items of the schedule, as the timer starts it
  // 1: overwrite files before they go, -1: delete them plainly, 0: as the Clean traces page is
  // set ("Overwrite files before deleting them").
  int overwrite = 0;
  std::vector<std::string> items;
  // --verify-device, --report, --report-names.
  TReportRequest report;
};

// The items the words name, in the catalogue's order, each once; `unknown` gets the words that
// name none.
std::vector<TEraser*> ChooseTraceItems(const TEraserEngine& engine,
                                       const std::vector<std::string>& words,
                                       std::vector<std::string>& unknown);

class TWipeMethodsManager;

class TCleanCommand {
 public:
  // The catalogue is the command line's own; the command reads and changes it.
  TCleanCommand(TCliOutput& output, TWipeMethodsManager& catalogue, TCleanRequest request);
  // Cleans (or lists) the items; returns the exit status.
  int Run();

 private:
  // The exit status of a command that ends before anything is cleaned; none when it goes on.
  using Ending = std::optional<int>;

  // The items chosen for the schedule; empty (with `why` said) when none may be cleaned now.
  std::vector<TEraser*> scheduledItems(const TEraserEngine& engine, std::string& why, bool& due);
  // Reads prefs.dat into the engine; one that cannot be read ends all but a preview.
  Ending loadPrefs(TEraserEngine& engine);
  // The items to clean: those named, those of the schedule, or those checked on the page.
  Ending chooseItems(const TEraserEngine& engine, std::vector<TEraser*>& items);
  Ending chooseScheduled(const TEraserEngine& engine, std::vector<TEraser*>& items);
  // Whether a registry item is chosen while the registry store cannot be read (named if so).
  bool registryUnread(const std::vector<TEraser*>& items);
  // Cleans (or previews) the items, a stop signal ending the run after the entry in hand; the
  // files overwritten before they go are told to `witness` (may be null).
  void runItems(TEraserEngine& engine, const std::vector<TEraser*>& items, IWipeWitness* witness);
  // Whether files are overwritten before they go, as asked or as the page is set.
  bool overwriting() const;
  // Names what was removed (or would be) and what was left, with the totals.
  void reportRecords(const TEraserEngine& engine);
  // The device check's word on the clean and its report (--verify-device, --report); the exit
  // status then.
  int finishReport(TDeviceCheckRun& evidence, const TEraserEngine& engine,
                   const std::vector<TEraser*>& items, bool overwrote, int status);
  // The status, after a scheduled clean has recorded its outcome in the log.
  int logged(int status);

  TCliOutput& output_;
  TWipeMethodsManager& catalogue_;
  TCleanRequest request_;
  TScheduledClean outcome_;
  bool prefsUnread_ = false;
  bool scheduleDamaged_ = false;
};
