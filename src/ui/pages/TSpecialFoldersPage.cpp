#include "ui/pages/TSpecialFoldersPage.h"

#include "ui_TSpecialFoldersPage.h"

TSpecialFoldersPage::TSpecialFoldersPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TSpecialFoldersPage>()) {
  ui->setupUi(this);
}

TSpecialFoldersPage::~TSpecialFoldersPage() = default;
