#pragma once
// The methods dialog "Wiping Methods": chooses the wipe method of one engine and manages the
// methods (New, Edit, Delete). Close records the selected method as the engine's, in the
// engine and in the settings file; the close box and Escape leave the engine's method as it was.
// The caller sets Engine (and Engines) before each showing. Created once and reused.

#include <QDialog>
#include <memory>
#include <vector>

class TfEditMethod;
class TMethodList;
class TWipeEngine;
class TWipeMethodsManager;
namespace Ui {
class TfMethodsForm;
}

class TfMethodsForm : public QDialog {
  Q_OBJECT

 public:
  TfMethodsForm(TfEditMethod& editor, TWipeMethodsManager& catalogue, QWidget* parent = nullptr);
  ~TfMethodsForm() override;

  // The engine whose method is chosen; not owned.
  TWipeEngine* Engine = nullptr;
  // Every engine that uses the catalogue's methods: none of them may have its method edited or
  // deleted while it runs, and deleting a method resets the ones set to it. Engine alone when
  // empty.
  std::vector<TWipeEngine*> Engines;

 protected:
  void showEvent(QShowEvent* event) override;
  // Escape does nothing: the dialog has no Cancel.
  void keyPressEvent(QKeyEvent* event) override;

 private slots:
  void btnCloseClick();

 private:
  void FormActivate();

  std::unique_ptr<Ui::TfMethodsForm> ui;
  TWipeMethodsManager& catalogue_;
  TMethodList* methods_;
};
