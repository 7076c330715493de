#include "ui/TfmItemProps.h"

#include <QCoreApplication>
#include <QTreeWidget>

#include "dialogs/PromptService.h"
#include "ui/TfmShowFiles.h"
#include "ui_TfmItemProps.h"

namespace {

const QString kEverything = QStringLiteral("*.*");

}  // namespace

std::string BrowseForFolder(QWidget*) {
  return Prompts()
      .BrowseFolder(QCoreApplication::translate("TfmItemProps", "Please specify a directory"))
      .value_or("");
}

TfmItemProps::TfmItemProps(QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TfmItemProps>()),
      showFiles_(new TfmShowFiles(this)) {
  ui->setupUi(this);
  connect(ui->radEntireFolder, &QRadioButton::clicked, this, &TfmItemProps::radEntireFolderClick);
  connect(ui->radFolderContent, &QRadioButton::clicked, this, &TfmItemProps::radFolderContentClick);
  connect(ui->chkExcludeFiles, &QCheckBox::clicked, this, &TfmItemProps::chkExcludeFilesClick);
  connect(ui->btnBrowse, &QToolButton::clicked, this, &TfmItemProps::btnBrowseClick);
  connect(ui->btnOK, &QPushButton::clicked, this, &TfmItemProps::btnOKClick);
  connect(ui->btnCancel, &QPushButton::clicked, this, &TfmItemProps::btnCancelClick);
  const struct {
    QComboBox* patterns;
    QListWidget* list;
    QPushButton *add, *remove, *show;
  } groups[] = {{ui->cbFolderPattern, ui->lbFolderPattern, ui->btnAddPattern1, ui->btnRemoveItem1,
                 ui->btnShowFiles1},
                {ui->cbExcludePattern, ui->lbExcludePattern, ui->btnAddPattern2, ui->btnRemoveItem2,
                 ui->btnShowFiles2}};
  for (const auto& group : groups) {
    connect(group.add, &QPushButton::clicked, this,
            [group] { addPattern(group.patterns, group.list); });
    connect(group.remove, &QPushButton::clicked, this, [group] {
      if (QListWidgetItem* selected = group.list->currentItem();
          selected && selected->isSelected()) {
        delete selected;
      }
      group.remove->setEnabled(!group.list->selectedItems().isEmpty());
    });
    connect(group.list, &QListWidget::itemSelectionChanged, this,
            [group] { group.remove->setEnabled(!group.list->selectedItems().isEmpty()); });
    connect(group.show, &QPushButton::clicked, this, [this, group] { showFiles(group.list); });
  }
}

TfmItemProps::~TfmItemProps() = default;

std::string TfmItemProps::FolderPath() const {
  return ui->edFolderPath->text().toLocal8Bit().toStdString();
}

void TfmItemProps::showEvent(QShowEvent* event) {
  Accepted = false;
  QDialog::showEvent(event);
}

void TfmItemProps::radEntireFolderClick() {
  ui->grbEntireFolder->setEnabled(true);
  ui->grbFolderContent->setEnabled(false);
  ui->chkExcludeFiles->setEnabled(false);
  ui->grbExclude->setEnabled(false);
}

void TfmItemProps::radFolderContentClick() {
  ui->grbEntireFolder->setEnabled(false);
  ui->grbFolderContent->setEnabled(true);
  ui->chkExcludeFiles->setEnabled(true);
  chkExcludeFilesClick();
}

void TfmItemProps::chkExcludeFilesClick() {
  ui->grbExclude->setEnabled(ui->chkExcludeFiles->isChecked());
}

void TfmItemProps::btnBrowseClick() {
  const std::string folder = BrowseForFolder(this);
  if (!folder.empty()) ui->edFolderPath->setText(QString::fromLocal8Bit(folder));
}

void TfmItemProps::addPattern(QComboBox* patterns, QListWidget* list) {
  const QString pattern = patterns->currentText();
  // "*.*" stands alone: it replaces every other pattern, and any other pattern replaces it.
  if (pattern == kEverything) {
    list->clear();
  } else if (const auto found =
                 list->findItems(kEverything, Qt::MatchExactly | Qt::MatchCaseSensitive);
             !found.isEmpty()) {
    delete found.first();
  }
  list->addItem(pattern);
}

void TfmItemProps::showFiles(QListWidget* list) {
  const std::string folder = FolderPath();
  if (list->count() == 0 || folder.empty()) return;
  showFiles_->IncludedFiles()->clear();
  for (int index = 0; index < list->count(); ++index) {
    showFiles_->ListMatchingFiles(folder, list->item(index)->text().toLocal8Bit().toStdString());
  }
  showFiles_->exec();
}

std::string TfmItemProps::joined(const QListWidget* list) {
  std::string text;
  for (int index = 0; index < list->count(); ++index) {
    if (index > 0) text += ' ';
    text += list->item(index)->text().toLocal8Bit().toStdString();
  }
  return text;
}

void TfmItemProps::btnOKClick() {
  IncludePatterns.clear();
  ExcludePatterns.clear();
  if (ui->radEntireFolder->isChecked()) {
    IncludePatterns = "<Entire folder>";
  } else {
    if (ui->lbFolderPattern->count() == 0) {
      Prompts().MessageDialog(TMessageKind::Warning,
                              QCoreApplication::translate(
                                  "TfmItemProps", "Please add at least a pattern to pattern list"));
      return;
    }
    IncludePatterns = joined(ui->lbFolderPattern);
    if (ui->chkExcludeFiles->isChecked()) ExcludePatterns = joined(ui->lbExcludePattern);
  }
  Accepted = true;
  accept();
}

void TfmItemProps::btnCancelClick() {
  Accepted = false;
  reject();
}
