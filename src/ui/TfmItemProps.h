#pragma once
// The item-properties dialog: edits one folder item of a cleaning list.
// Created hidden at start-up and reused; its controls follow.

#include <QDialog>
#include <memory>

namespace Ui {
class TfmItemProps;
}

class TfmItemProps : public QDialog {
  Q_OBJECT

 public:
  explicit TfmItemProps(QWidget* parent = nullptr);
  ~TfmItemProps() override;

 private:
  std::unique_ptr<Ui::TfmItemProps> ui;
};
