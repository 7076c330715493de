#pragma once
// Lists the files that a folder and a set of patterns select, with their names and types.
// Created hidden and reused; the caller clears the list, adds rows and shows it.

#include <QDialog>
#include <memory>
#include <string>

class QTreeWidget;
namespace Ui {
class TfmShowFiles;
}

class TfmShowFiles : public QDialog {
  Q_OBJECT

 public:
  explicit TfmShowFiles(QWidget* parent = nullptr);
  ~TfmShowFiles() override;

  QTreeWidget* IncludedFiles() const;
  // Appends a row for each entry of the folder that matches the pattern and is not a folder. A
  // separator is put between the folder and the pattern when the folder has none at its end.
  void ListMatchingFiles(const std::string& folder, const std::string& pattern);

 private:
  std::unique_ptr<Ui::TfmShowFiles> ui;
};
