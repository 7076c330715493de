#pragma once
// The Wipe-special-folders page (its rows and run come later).

#include <QWidget>
#include <memory>

namespace Ui {
class TSpecialFoldersPage;
}

class TSpecialFoldersPage : public QWidget {
  Q_OBJECT

 public:
  explicit TSpecialFoldersPage(QWidget* parent = nullptr);
  ~TSpecialFoldersPage() override;

 private:
  std::unique_ptr<Ui::TSpecialFoldersPage> ui;
};
