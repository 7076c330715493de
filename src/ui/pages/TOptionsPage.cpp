#include "ui/pages/TOptionsPage.h"

#include "ui_TOptionsPage.h"

TOptionsPage::TOptionsPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TOptionsPage>()) {
  ui->setupUi(this);
}

TOptionsPage::~TOptionsPage() = default;

bool TOptionsPage::WarnOnExecutable() const {
  return ui->chkWipeWarn->isChecked();
}
