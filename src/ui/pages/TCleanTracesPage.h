#pragma once
// The Clean-traces page: the catalogue's items in its groups, each with a check box (greyed,
// with the reason, when it finds nothing on this system), a preview of what the checked items
// would remove, and a run that removes it with progress, Stop and an outcome naming what stayed
// and why. The check states and the overwrite choice are kept in the program's settings.

#include <QWidget>
#include <memory>
#include <vector>

#include "cleaner/TCleaningRun.h"

class TEraser;
class TEraserEngine;
class TPageHost;
class QTreeWidgetItem;
namespace Ui {
class TCleanTracesPage;
}

class TCleanTracesPage : public QWidget {
  Q_OBJECT

 public:
  explicit TCleanTracesPage(TPageHost& host, QWidget* parent = nullptr);
  ~TCleanTracesPage() override;

  // Shows the engine's items, checked as the settings (else the item's Enabled) say.
  void Attach(TEraserEngine& engine);
  // Looks again at what each item would find, and greys the items that find nothing.
  void RefreshAvailability();
  bool Running() const { return run_ && run_->Running(); }
  void Stop();

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void btnPreviewTracesClick();
  void btnCleanTracesClick();
  void btnStopCleaningClick();
  void tvTraceItemsChanged(QTreeWidgetItem* row, int column);
  void chkOverwriteTracesToggled(bool checked);

 private:
  // The checked items that have something to clean, in catalogue order.
  std::vector<TEraser*> checkedItems() const;
  // False (and the user told why) when nothing checked has something to clean, or a run is on.
  bool mayStart();
  // Runs the checked items; true when the run was not stopped.
  bool runChecked(bool preview);
  void showRecords(bool preview);
  void setRunning(bool running);
  // Asks before a clean of the checked items, naming them with what they found; true for Yes.
  bool confirmClean();

  std::unique_ptr<Ui::TCleanTracesPage> ui;
  TPageHost& host_;
  TEraserEngine* engine_ = nullptr;
  std::unique_ptr<TCleaningRun> run_;
  // The row of each item, in catalogue order, and what the item found when last looked at.
  std::vector<QTreeWidgetItem*> rows_;
  std::vector<TItemSummary> found_;
  bool filling_ = false;
};
