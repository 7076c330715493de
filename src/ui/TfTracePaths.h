#pragma once
// The paths dialog of the Clean traces page: the user's own files and folders that the item
// "Custom Files and Folders" cleans, and the places that no item ever cleans, one path a line
// ("~/" for the home folder; "*" and "?" may stand in a kept path's names). It edits a copy;
// the page keeps the lists only when the dialog ends with OK.

#include <QDialog>
#include <memory>

#include "cleaner/TracePathLists.h"

namespace Ui {
class TfTracePaths;
}

class TfTracePaths : public QDialog {
  Q_OBJECT

 public:
  explicit TfTracePaths(QWidget* parent = nullptr);
  ~TfTracePaths() override;

  void SetLists(const TTracePathLists& lists);
  // The lists as the controls now say, blank lines left out.
  TTracePathLists Lists() const;

 private:
  std::unique_ptr<Ui::TfTracePaths> ui;
};
