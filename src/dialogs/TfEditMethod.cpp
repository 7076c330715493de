#include "dialogs/TfEditMethod.h"

#include "ui_TfEditMethod.h"

TfEditMethod::TfEditMethod(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfEditMethod>()) {
  ui->setupUi(this);
}

TfEditMethod::~TfEditMethod() = default;
