#pragma once
// The Clear-recently-used-files page (its lists and run come later).

#include <QWidget>
#include <memory>

namespace Ui {
class TRecentFilesPage;
}

class TRecentFilesPage : public QWidget {
  Q_OBJECT

 public:
  explicit TRecentFilesPage(QWidget* parent = nullptr);
  ~TRecentFilesPage() override;

 private:
  std::unique_ptr<Ui::TRecentFilesPage> ui;
};
