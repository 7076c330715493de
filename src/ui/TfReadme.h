#pragma once
// The readme in a window of the program: what Help, Support and F1 show when no browser can be
// started. Not modal, so the user can read it beside the main window.

#include <QDialog>

class QLabel;
class QPlainTextEdit;

class TfReadme : public QDialog {
  Q_OBJECT

 public:
  explicit TfReadme(QWidget* parent = nullptr);

  // Shows the readme, with a line above it that says why it is shown here and where the page
  // that could not be opened is. Returns false, showing nothing, when there is no readme.
  bool ShowReadme(const QString& why);

 private:
  QLabel* why_;
  QPlainTextEdit* text_;
};
