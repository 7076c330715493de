#include "ui/TfmShowFiles.h"
#include "platform/Drives.h"

#include <QHeaderView>
#include <QMimeDatabase>

#include "core/Helpers.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/Wildcard.h"
#include "ui/ShellFileInfo.h"
#include "ui_TfmShowFiles.h"

TfmShowFiles::TfmShowFiles(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfmShowFiles>()) {
  ui->setupUi(this);
  QHeaderView* header = ui->lvIncludedFiles->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  header->setSectionResizeMode(1, QHeaderView::Fixed);
  ui->lvIncludedFiles->setColumnWidth(1, 150);
}

TfmShowFiles::~TfmShowFiles() = default;

QTreeWidget* TfmShowFiles::IncludedFiles() const {
  return ui->lvIncludedFiles;
}

void TfmShowFiles::ListMatchingFiles(const std::string& folder, const std::string& pattern) {
  // The pattern may name a folder part of its own ("sub/*.txt"); what follows the last
  // separator is the mask.
  const std::string joined = AddTrailingBackslash(folder) + pattern;
  const std::string where = platform::folderPartOf(joined);
  const std::string mask = platform::fileNameOf(joined);
  if (folder.empty() || mask.empty()) return;
  const auto entries = platform::fs().listFolder(where);
  if (!entries) return;
  QTreeWidget* list = ui->lvIncludedFiles;
  list->setUpdatesEnabled(false);
  static const QMimeDatabase mimeTypes;
  for (const platform::DirEntry& entry : *entries) {
    if (entry.isFolder() || !platform::matchesMask(entry.name, mask)) continue;
    const std::string path = AddTrailingBackslash(where) + entry.name;
    auto* row = new QTreeWidgetItem(list);
    row->setText(0, QString::fromLocal8Bit(GetShellDisplayName(platform::drives(), path, false)));
    row->setText(1, mimeTypes.mimeTypeForFile(QString::fromLocal8Bit(path)).comment());
    row->setIcon(0, GetShellIcon(false));
  }
  list->setUpdatesEnabled(true);
}
