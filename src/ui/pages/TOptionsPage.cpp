#include "ui/pages/TOptionsPage.h"

#include "core/TWipeMethodsManager.h"
#include "ui_TOptionsPage.h"

TOptionsPage::TOptionsPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TOptionsPage>()) {
  ui->setupUi(this);
  ui->chkEraseJournalNames->setChecked(WipeMethodsManager && WipeMethodsManager->EraseJournalNames);
  // The cost is told where the quick way is not open and the option is off unless chosen.
  ui->lblJournalCost->setVisible(!TWipeMethodsManager::DefaultEraseJournalNames());
  connect(ui->chkEraseJournalNames, &QCheckBox::toggled, this, [](bool checked) {
    if (WipeMethodsManager) WipeMethodsManager->EraseJournalNames = checked;
  });
}

TOptionsPage::~TOptionsPage() = default;

bool TOptionsPage::WarnOnExecutable() const {
  return ui->chkWipeWarn->isChecked();
}
