#include "ui/TfmAddReg.h"

#include "ui_TfmAddReg.h"

TfmAddReg::TfmAddReg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfmAddReg>()) {
  ui->setupUi(this);
  setFixedSize(sizeHint().expandedTo(QSize(423, 113)));
  connect(ui->btnOK, &QPushButton::clicked, this, &TfmAddReg::btnOKClick);
  connect(ui->btnCancel, &QPushButton::clicked, this, &TfmAddReg::btnCancelClick);
}

TfmAddReg::~TfmAddReg() = default;

std::string TfmAddReg::KeyName() const {
  return ui->edKeyName->text().toLocal8Bit().toStdString();
}

void TfmAddReg::showEvent(QShowEvent* event) {
  Accepted = false;
  QDialog::showEvent(event);
}

void TfmAddReg::btnOKClick() {
  Accepted = true;
  accept();
}

void TfmAddReg::btnCancelClick() {
  Accepted = false;
  reject();
}
