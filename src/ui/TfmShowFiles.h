#pragma once
// The list of the files that a folder and its patterns select.
// Created hidden at start-up and reused; its controls follow.

#include <QDialog>
#include <memory>

namespace Ui {
class TfmShowFiles;
}

class TfmShowFiles : public QDialog {
  Q_OBJECT

 public:
  explicit TfmShowFiles(QWidget* parent = nullptr);
  ~TfmShowFiles() override;

 private:
  std::unique_ptr<Ui::TfmShowFiles> ui;
};
