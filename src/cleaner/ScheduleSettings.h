#pragma once
// The schedule of the trace cleaning as the settings file keeps it (section [Schedule] of
// "Ferrovane.ini"): whether it is on, its kind with the settings of all six kinds, and the items
// a scheduled clean removes. "prefs.dat" is only read: its Scheduler section is the starting
// value until the settings file holds a schedule of its own.

#include <string>
#include <vector>

#include "cleaner/TScheduler.h"

class TCustomEraserEngine;
class TEraser;
class TIniFile;

struct TScheduleSettings {
  bool Enabled = false;
  TSchedule Schedule;
  std::vector<std::string> Items;  // names of the items cleaned on schedule, in catalogue order

  // The section's name in the settings file.
  static const char* const Section;

  // Reads the section; false (and nothing changed) when the file holds no schedule, or one that
  // cannot be read: a kind that is not one of the six, or an Enabled that is not a number. The
  // latter is named in Problem (empty otherwise), since the schedule the user set is then not
  // known.
  bool Read(const TIniFile& settings);
  std::string Problem;
  // Writes every key of the section in one step (raises EIniFileError when it cannot, and
  // std::length_error, writing nothing, when the item names do not fit in one value).
  void Write(const std::string& settingsFile) const;
  // The schedule loaded from "prefs.dat" (whether it is on included); the items are left as
  // they are. A kind outside the six never falls due: it is taken as a schedule that is off,
  // which the settings file can hold.
  void TakeFrom(const TScheduler& scheduler);
  // Puts the schedule into the scheduler, leaving whether it runs and its last run alone.
  void ApplyTo(TScheduler& scheduler) const;

  // The items of the engine that Items names, in catalogue order; names the catalogue does not
  // hold are passed over.
  std::vector<TEraser*> ChosenItems(const TCustomEraserEngine& engine) const;
};
