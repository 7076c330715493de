#pragma once
// The methods dialog: chooses the wipe method of an engine and manages the methods.
// Created hidden at start-up and reused; its controls follow.

#include <QDialog>
#include <memory>

namespace Ui {
class TfMethodsForm;
}

class TfMethodsForm : public QDialog {
  Q_OBJECT

 public:
  explicit TfMethodsForm(QWidget* parent = nullptr);
  ~TfMethodsForm() override;

 private:
  std::unique_ptr<Ui::TfMethodsForm> ui;
};
