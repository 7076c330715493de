#pragma once
// The About page: the links to the web site and the support address; the version, the licence,
// where the settings and the methods are kept, and what each page does; then the readme.

#include <QWidget>
#include <memory>
#include <string>

class TPageHost;
namespace Ui {
class TAboutPage;
}

class TAboutPage : public QWidget {
  Q_OBJECT

 public:
  // The folders it names are those of the window around it.
  explicit TAboutPage(TPageHost& host, QWidget* parent = nullptr);
  ~TAboutPage() override;

  // Loads readme.txt of the shipped files (beside the program, or of the install); without one
  // the text stays empty.
  void LoadReadme();
  // The version, the licence, the folders given (of the settings and of the methods) and the
  // pages, as the page shows them.
  static QString ProgramText(const std::string& settingsFolder, const std::string& methodsFolder);

 private slots:
  void websiteValueClick();
  void emailValueClick();

 private:
  std::unique_ptr<Ui::TAboutPage> ui;
};
