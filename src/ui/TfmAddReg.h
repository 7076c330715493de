#pragma once
// Asks for a registry key path (the Clear-recently-used page's Add Existing Key). The texts are
// kept from one showing to the next; Accepted tells whether the last showing ended with OK.

#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class TfmAddReg;
}

class TfmAddReg : public QDialog {
  Q_OBJECT

 public:
  explicit TfmAddReg(QWidget* parent = nullptr);
  ~TfmAddReg() override;

  // True when the last showing ended with OK; cleared each time the dialog is shown, so closing
  // it another way never reports an earlier OK.
  bool Accepted = false;
  // The "Key Name" text, as the user's bytes.
  std::string KeyName() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void btnOKClick();
  void btnCancelClick();

 private:
  std::unique_ptr<Ui::TfmAddReg> ui;
};
