#pragma once
// The Wipe-free-space page: the fixed drives with their file system, free space and size, and
// a run over the checked ones.

#include <QWidget>
#include <memory>

class TPageHost;
namespace Ui {
class TFreeSpacePage;
}

class TFreeSpacePage : public QWidget {
  Q_OBJECT

 public:
  explicit TFreeSpacePage(TPageHost& host, QWidget* parent = nullptr);
  ~TFreeSpacePage() override;

  // One checked row per fixed drive.
  void FillDriveList();

 private slots:
  void btnFreeExecuteClick();

 private:
  void arrangeDriveColumns();

  std::unique_ptr<Ui::TFreeSpacePage> ui;
  TPageHost& host_;
};
