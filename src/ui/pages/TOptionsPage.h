#pragma once
// The Options page: the catalogue's wipe methods with New, Edit and Delete, the method of each
// kind of wipe (chosen with "Wipe Type" and recorded with Apply), and "Warn on deleting an
// executable file", which the Start buttons of the Delete-with-wiping page read, and "Discard
// free blocks after wiping free space (SSDs)" and the journal option, settings of the catalogue
// that every run reads (saved with the settings when the program ends), and whether each kind
// of run asks first, with "Ask again everywhere".

#include <QWidget>
#include <memory>
#include <vector>

class TMethodList;
class TPageHost;
class TWipeEngine;
namespace Ui {
class TOptionsPage;
}

class TOptionsPage : public QWidget {
  Q_OBJECT

 public:
  explicit TOptionsPage(TPageHost& host, QWidget* parent = nullptr);
  ~TOptionsPage() override;

  // The state of "Warn on deleting an executable file" (unchecked at every start).
  bool WarnOnExecutable() const;
  // Each time the main window becomes active: the list is rebuilt from the catalogue. The
  // method selected before stays selected while it exists; otherwise the method of the kind of
  // wipe that "Wipe Type" shows is.
  void FormActivate();

 protected:
  // Enter presses Apply, the page's default button.
  void keyPressEvent(QKeyEvent* event) override;
  // The question boxes show the settings as they are now: a question's "Do not ask again" may
  // have changed one.
  void showEvent(QShowEvent* event) override;

 private slots:
  void cbWipeTypeChange();
  void chkWipeWarnClick();
  void btnApplyClick();

 private:
  // The engine of the kind of wipe that "Wipe Type" shows.
  TWipeEngine& selectedEngine() const;
  // The box of each kind of question, in the order of TRunQuestion::kKinds.
  std::vector<class QCheckBox*> questionBoxes() const;
  void showQuestionSettings();
  // The method that engine uses now.
  const class TWipeMethod* selectedEngineMethod() const;

  std::unique_ptr<Ui::TOptionsPage> ui;
  TPageHost& host_;
  TMethodList* methods_;
  bool filled_ = false;
};
