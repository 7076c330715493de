#pragma once
// The Delete-with-wiping page: a files list and a folders list, each the view of one engine's
// jobs, with Add, Remove, Start and Stop.

#include <QStringList>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class QTreeWidget;
class TPageHost;
class TWipeEngine;
class TWipeItem;
struct TRunOutcome;
struct TUriListPaths;
namespace Ui {
class TDeletePage;
}

class TDeletePage : public QWidget {
  Q_OBJECT

 public:
  explicit TDeletePage(TPageHost& host, QWidget* parent = nullptr);
  ~TDeletePage() override;

  void UpdateDeleteButtons();
  void AddFileRow(TWipeItem* item);
  void AddFolderRow(TWipeItem* item);
  // Rebuilds both lists from the engines' jobs.
  void RefreshDeleteLists();
  // Whether a run left the job, or something inside it, behind, or did not reach it: such a
  // job stays listed after the run.
  static bool LeftByRun(const TWipeItem& item, const TRunOutcome& outcome);
  // Queues paths handed over from outside the window (its command line, a second start): files
  // in the files list, folders in the folders list, relative paths taken from `base`. The next
  // Start of a list that got any asks first, whatever the settings say. What cannot be queued is
  // listed in one warning.
  void QueuePaths(const std::vector<std::string>& paths, const std::string& base);

 protected:
  // The Delete key in a list removes its selected rows, like Remove.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void btnAddFilesClick();
  void btnRemoveFilesClick();
  void btnStartShredFilesClick();
  void btnStopShredFilesClick();
  void btnAddFolderClick();
  void btnRemoveFoldersClick();
  void btnStartShredFoldersClick();
  void btnStopShredFoldersClick();
  void lvFilesSelectItem();
  // Saves the report of the window's last run where the user chooses.
  void btnSaveReportClick();

 private:
  void addRow(QTreeWidget* list, TWipeItem* item, bool folder);
  void removeSelectedRows(QTreeWidget* list, TWipeEngine& engine);
  // Asks before a run when the settings say so; false when the user declines.
  bool confirmStart(const TWipeEngine& engine);
  void startShred(TWipeEngine& engine);
  // Adds sorted paths to the lists; `fromOutside` marks the lists to ask before their next run.
  void addPaths(const std::vector<std::string>& paths, const std::string& base, bool fromOutside,
                QStringList refused);
  // Files and folders dropped on either list, each added to its own list.
  void takeDrop(const TUriListPaths& dropped);
  // After a run that deleted files whose old blocks lie in the free space of their drive (the
  // file system wrote the passes elsewhere): asks, drive by drive, whether to wipe its free
  // space now, and does it with the free-space engine.
  void offerFreeSpaceWipe(const TRunOutcome& outcome);

  std::unique_ptr<Ui::TDeletePage> ui;
  TPageHost& host_;
  // The engines this page runs now.
  std::vector<const TWipeEngine*> running_;
  // Lists that hold paths handed over from outside since their last run.
  bool filesFromOutside_ = false;
  bool foldersFromOutside_ = false;
};
