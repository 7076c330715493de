#pragma once
// The method editor: one wipe method with its passes. The caller sets the caption.
// Created hidden at start-up and reused; its controls follow.

#include <QDialog>
#include <memory>

namespace Ui {
class TfEditMethod;
}

class TfEditMethod : public QDialog {
  Q_OBJECT

 public:
  explicit TfEditMethod(QWidget* parent = nullptr);
  ~TfEditMethod() override;

 private:
  std::unique_ptr<Ui::TfEditMethod> ui;
};
