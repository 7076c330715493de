#pragma once
// The box that reports how a run went: an icon, the summary, a few lines under it, and the
// whole list of what the run did not do behind "Show Details". Long entries wrap at the box's
// width, and the box can be resized to read a long list. Texts are shown as they are.

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

class TReportDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Icon { Information, Warning };
  TReportDialog(Icon icon, const QString& caption, const QString& text, const QString& informative,
                const QString& details, QWidget* parent = nullptr);

 private:
  void showDetails(bool shown);

  QTextEdit* details_ = nullptr;
  QPushButton* toggle_ = nullptr;
};
