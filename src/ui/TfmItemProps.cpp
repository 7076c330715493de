#include "ui/TfmItemProps.h"

#include "ui_TfmItemProps.h"

TfmItemProps::TfmItemProps(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfmItemProps>()) {
  ui->setupUi(this);
}

TfmItemProps::~TfmItemProps() = default;
