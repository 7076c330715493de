#pragma once
// Asks for a registry key path.
// Created hidden at start-up and reused; its controls follow.

#include <QDialog>
#include <memory>

namespace Ui {
class TfmAddReg;
}

class TfmAddReg : public QDialog {
  Q_OBJECT

 public:
  explicit TfmAddReg(QWidget* parent = nullptr);
  ~TfmAddReg() override;

 private:
  std::unique_ptr<Ui::TfmAddReg> ui;
};
