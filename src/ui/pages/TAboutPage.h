#pragma once
// The About page: the links to the web site and the support address, and the readme.

#include <QWidget>
#include <memory>

namespace Ui {
class TAboutPage;
}

class TAboutPage : public QWidget {
  Q_OBJECT

 public:
  explicit TAboutPage(QWidget* parent = nullptr);
  ~TAboutPage() override;

  // Loads readme.txt of the shipped files (beside the program, or of the install); without one
  // the text stays empty.
  void LoadReadme();

 private slots:
  void websiteValueClick();
  void emailValueClick();

 private:
  std::unique_ptr<Ui::TAboutPage> ui;
};
