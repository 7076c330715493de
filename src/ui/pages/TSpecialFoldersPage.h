#pragma once
// The page of special folders: the trace folders of the user (from the shell's folders in the
// registry) and of Opera, and the folders of the user's trash, each with its size; the checked
// ones are wiped by the folders engine and then the files engine.

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/RunOutcome.h"

class QTreeWidget;
class QTreeWidgetItem;
class TPageHost;
class TWipeEngine;
class TWindowsRowsFilter;
namespace Ui {
class TSpecialFoldersPage;
}

class TSpecialFoldersPage : public QWidget {
  Q_OBJECT

 public:
  explicit TSpecialFoldersPage(TPageHost& host, QWidget* parent = nullptr);
  ~TSpecialFoldersPage() override;

  // The five trace folders named by the shell's folders of the registry in use. A location that
  // is unknown or missing is shown greyed as "not available" and cannot be checked.
  void FillSpecialFolders();
  // The folders below each trash folder of the user, depth first, each followed by its own.
  void FillRecycleBinFolders();
  // Appends the rows of Opera's files and folders in the profile folder.
  void AddOperaRows(const std::string& profileFolder);

 signals:
  // Options: the methods dialog is to choose the folders engine's method.
  void optionsRequested();
  // A run has ended; the engines' job lists have changed.
  void wipeRunEnded();

 protected:
  // The sizes and the trash are read again each time the page is shown.
  void showEvent(QShowEvent* event) override;

 private slots:
  void chkSelectAllClick();
  void chkRecycleBinClick();
  void btnSpecialExecuteClick();
  void btnSpecialCloseClick();

 private:
  void addLocationRow(const QString& caption, const std::string& location, bool isFile);
  // The sizes of the rows of both lists, read again.
  void refreshSizes();
  // With no place of the upper list found, the page says why.
  void showWhyNothingFound();
  void addRecycleBinFolders(const std::string& trash, const std::string& folder, int depth);
  // The question before a run of the engines' jobs: how many folders and files, and their size.
  QString wipeQuestion(const TWipeEngine& folders, const TWipeEngine& files) const;
  // "2 folders and 1 file".
  static QString countText(const TWipeEngine& folders, const TWipeEngine& files);
  static void setCheckable(QTreeWidget* list, Qt::CheckState state);
  // A run of the checked rows, step by step: their jobs (kept separate from the engines' own), the
  // question, the folders engine and then the files engine. None when nothing ran.
  std::optional<TRunOutcome> wipeChecked(TWipeEngine& folders, TWipeEngine& files);
  // Adds the jobs of the checked rows; returns the folders whose entries could not be listed.
  std::vector<TWipeFailure> addCheckedJobs(TWipeEngine& folders, TWipeEngine& files);
  // Whether any row of either list is ticked.
  bool anyChecked() const;
  // A folder of the trash's own (files/, info/) stays: a job for each of its entries.
  void addEntryJobs(TWipeEngine& folders, TWipeEngine& files, const std::string& folder,
                    std::vector<TWipeFailure>& notListed);
  void reportWipe(const TRunOutcome& outcome);

  std::unique_ptr<Ui::TSpecialFoldersPage> ui;
  TPageHost& host_;
  // The shell's folders that name nothing here are shown only with "Show Windows items".
  TWindowsRowsFilter* windowsRows_;
};
