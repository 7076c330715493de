#include "dialogs/TfMethodsForm.h"

#include "ui_TfMethodsForm.h"

TfMethodsForm::TfMethodsForm(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfMethodsForm>()) {
  ui->setupUi(this);
}

TfMethodsForm::~TfMethodsForm() = default;
