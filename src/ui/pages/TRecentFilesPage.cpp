#include "ui/pages/TRecentFilesPage.h"

#include "ui_TRecentFilesPage.h"

TRecentFilesPage::TRecentFilesPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TRecentFilesPage>()) {
  ui->setupUi(this);
}

TRecentFilesPage::~TRecentFilesPage() = default;
