#pragma once
// The Clean-traces page: the catalogue's items in its groups, each with a check box (greyed,
// with the reason, when it finds nothing on this system), a preview of what the checked items
// would remove, and a run that removes it with progress, Stop and an outcome naming what stayed
// and why. The check states and the overwrite choice are kept in the program's settings.
// "Schedule..." edits the schedule of the trace cleaning; the page says who runs it (the user's
// service manager, or this window's timer while it is open) and how the last scheduled clean
// went.

#include <QWidget>
#include <memory>
#include <vector>

#include "cleaner/ScheduleSettings.h"
#include "cleaner/TCleanTimerUnits.h"
#include "cleaner/TCleaningRun.h"

class TEraser;
class TEraserEngine;
class TPageHost;
class QTreeWidgetItem;
class TfSchedule;
class TfTracePaths;
class TWindowsRowsFilter;
namespace Ui {
class TCleanTracesPage;
}

class TCleanTracesPage : public QWidget {
  Q_OBJECT

 public:
  // Shows the engine's items, checked as the settings (else the item's Enabled) say. The engine
  // lives as long as the page.
  TCleanTracesPage(TPageHost& host, TEraserEngine& engine, QWidget* parent = nullptr);
  ~TCleanTracesPage() override;

  // Looks again at what each item would find, and greys the items that find nothing.
  void RefreshAvailability();
  bool Running() const { return run_ && run_->Running(); }
  void Stop();

  // The schedule in force, and who runs it.
  const TScheduleSettings& Schedule() const { return schedule_; }
  TScheduleMode ScheduleMode() const { return scheduleMode_; }
  // The dialog "Schedule..." opens (made on first use).
  TfSchedule& ScheduleDialog();

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void btnPreviewTracesClick();
  void btnCleanTracesClick();
  void btnStopCleaningClick();
  void tvTraceItemsChanged(QTreeWidgetItem* row, int column);
  void chkOverwriteTracesToggled(bool checked);
  void btnScheduleClick();
  void btnTracePathsClick();

 private:
  // The checked items that have something to clean, in catalogue order.
  std::vector<TEraser*> checkedItems() const;
  // False (and the user told why) when nothing checked has something to clean, or a run is on.
  bool mayStart();
  // Runs the checked items; true when the run was not stopped.
  bool runChecked(bool preview);
  // Runs the items, overwriting files with the file engine's method before they go when asked
  // (never in a preview); true when the run was not stopped.
  bool runItems(const std::vector<TEraser*>& items, bool preview, bool overwrite,
                const QString& statusPrefix);
  // Gives the engine the user's lists of custom and kept paths as the settings file holds them.
  void applyPathLists();
  void showRecords(bool preview);
  void setRunning(bool running);
  // Asks before a clean of the checked items, naming them with what they found; true for Yes.
  bool confirmClean();
  // Reads the schedule (the settings file's, else the one of "prefs.dat") and starts the
  // window's timer when no service manager runs it.
  void loadSchedule();
  void startWindowTimer();
  // The window timer's clean: the items chosen for the schedule, nothing asked, the outcome
  // recorded in the log of scheduled cleans.
  void runScheduledClean();
  void showScheduleState(const QString& problem = {});
  // Keeps a choice of the page in the settings file. One that cannot be kept holds for this
  // session; the user is told the first time, with the system's reason.
  void keepChoice(const std::string& key, bool value);

  std::unique_ptr<Ui::TCleanTracesPage> ui;
  TPageHost& host_;
  TEraserEngine* engine_;
  std::unique_ptr<TCleaningRun> run_;
  // The row of each item, in catalogue order, and what the item found when last looked at.
  std::vector<QTreeWidgetItem*> rows_;
  std::vector<TItemSummary> found_;
  bool filling_ = false;
  bool choiceWarned_ = false;
  TScheduleSettings schedule_;
  TScheduleMode scheduleMode_ = TScheduleMode::Off;
  std::unique_ptr<TfSchedule> scheduleDialog_;
  std::unique_ptr<TfTracePaths> pathsDialog_;
  // Items of places only Windows has are shown only with "Show Windows items".
  TWindowsRowsFilter* windowsRows_;
};
