#include "ui/TfmAddReg.h"

#include "ui_TfmAddReg.h"

TfmAddReg::TfmAddReg(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfmAddReg>()) {
  ui->setupUi(this);
}

TfmAddReg::~TfmAddReg() = default;
