#include "ui/TfmShowFiles.h"

#include "ui_TfmShowFiles.h"

TfmShowFiles::TfmShowFiles(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfmShowFiles>()) {
  ui->setupUi(this);
}

TfmShowFiles::~TfmShowFiles() = default;
