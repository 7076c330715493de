#pragma once
// The Clear-recently-used-files page: the known lists of recently used files that Windows and
// its applets keep in the registry, the desktop's own list of recently used files, and lists of
// other programs found by a search of the registry or added by hand. Clean runs the cleaner's
// items of the checked rows (the same items `clean recent` runs); Stop ends a clean at the next
// value or entry, and a search at the next key. The lists only Windows keeps are hidden unless
// "Show Windows items" is ticked; the desktop's list says where it is.

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/Result.h"

class QTreeWidgetItem;
class TCleaningRun;
class TfmAddReg;
class TWindowsRowsFilter;
class TPageHost;
namespace Ui {
class TRecentFilesPage;
}

class TRecentFilesPage : public QWidget {
  Q_OBJECT

 public:
  explicit TRecentFilesPage(TPageHost& host, QWidget* parent = nullptr);
  ~TRecentFilesPage() override;

  // The dialog of Add Existing Key.
  TfmAddReg& AddRegDialog() const { return *addReg_; }
  // The stop request of a clean or search.
  bool RecentStopRequested = false;

  // Rows whose list holds nothing on this system are disabled; called at start, when the page
  // is shown, when a clean starts and after it.
  void UpdateKnownRows();
  // Whether a clean or a search is going on.
  bool Busy() const { return busy_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void chkMRUClick();
  void chkOtherMRUClick();
  void lvOtherMRUClick();
  void btnRegSearchClick();
  void btnAddKeyClick();
  void btnRemoveSelectedClick();
  void btnRecentExecuteClick();
  void btnRecentCloseClick();

 private:
  void SearchOtherMruLists();
  void SearchMruKey(const std::string& path);
  // Shows the text and lets the window process its messages; true when Stop was pressed.
  bool progressStep(const QString& text);
  void addOtherRow(const std::string& key, bool checked);
  // While a clean or a search runs, the controls that change the lists it reads are disabled.
  void setBusy(bool busy);
  // One list of a clean: a known list (by its index) or a key of the other lists, copied when
  // the clean starts so that nothing the user changes meanwhile is read.
  struct TCleanTask {
    std::size_t known;
    std::string key;
    bool failed = false;  // a failure of its own was recorded
  };
  static constexpr std::size_t kOtherList = static_cast<std::size_t>(-1);
  // Whether the list of the task holds anything now.
  bool stillHolds(const TCleanTask& task) const;
  static std::string taskName(const TCleanTask& task);
  // A clean, step by step: the checked lists, the question, the run, and what the user is told.
  struct TCleanResult {
    platform::Status stored;  // whether the registry store took the clean's changes, or why not
    QString notes;            // what else the user should hear of, a line each
  };
  std::vector<TCleanTask> checkedTasks() const;
  bool confirmClean(const std::vector<TCleanTask>& tasks);
  // Runs the tasks' items; marks each task whose list left something behind.
  TCleanResult runClean(std::vector<TCleanTask>& tasks);
  void reportClean(const std::vector<TCleanTask>& tasks, const TCleanResult& result);
  // What a clean could not delete, for the message at its end.
  void failed(const std::string& what, const std::string& reason);

  std::unique_ptr<Ui::TRecentFilesPage> ui;
  TPageHost& host_;
  TfmAddReg* addReg_;
  TWindowsRowsFilter* windowsRows_;
  TCleaningRun* run_ = nullptr;  // the clean going on
  bool busy_ = false;
  std::vector<std::string> failures_;
};
