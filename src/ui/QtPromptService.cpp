#include "ui/QtPromptService.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QWidget* owner() { return QApplication::activeWindow(); }

QString applicationTitle() { return QGuiApplication::applicationDisplayName(); }

// Paths leave the dialogs as the bytes the file system knows them by.
std::string pathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString& caption,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, caption, text, buttons, owner());
  box.setDefaultButton(defaultButton);
  if (buttons.testFlag(QMessageBox::No)) box.setEscapeButton(QMessageBox::No);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtPromptService::MessageDialog(TMessageKind kind, const QString& text) {
  if (kind == TMessageKind::Warning) {
    showBox(QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Ok,
            QMessageBox::Ok);
  } else {
    showBox(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
            QMessageBox::Ok);
  }
}

void QtPromptService::PlainMessage(const QString& text) {
  showBox(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPromptService::SystemMessage(TSystemIcon icon, const QString& text) {
  switch (icon) {
    case TSystemIcon::Question:
      return showBox(QMessageBox::Question, applicationTitle(), text,
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
    case TSystemIcon::Error:
      showBox(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
      return true;
    case TSystemIcon::Information:
      break;
  }
  showBox(QMessageBox::Information, applicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
  return true;
}

bool QtPromptService::Confirm(const QString& text) {
  return showBox(QMessageBox::Question, QStringLiteral("Confirm"), text,
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

std::vector<std::string> QtPromptService::OpenFiles(const QString& title, const QString& filter) {
  std::vector<std::string> paths;
  for (const QString& file : QFileDialog::getOpenFileNames(owner(), title, QString(), filter)) {
    paths.push_back(pathBytes(file));
  }
  return paths;
}

std::optional<std::string> QtPromptService::BrowseFolder(const QString& text) {
  const QString folder = QFileDialog::getExistingDirectory(owner(), text);
  if (folder.isEmpty()) return std::nullopt;
  return pathBytes(folder);
}

std::optional<std::string> QtPromptService::SaveFile(const QString& title, const QString& filter,
                                                     const QString& defaultSuffix,
                                                     const std::string& folder) {
  QFileDialog dialog(owner(), title, QFile::decodeName(QByteArray::fromStdString(folder)),
                     filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return pathBytes(dialog.selectedFiles().constFirst());
}

std::optional<QString> QtPromptService::InputText(const QString& caption, const QString& prompt,
                                                  const QString& value) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(owner(), caption, prompt, QLineEdit::Normal, value, &ok);
  if (!ok) return std::nullopt;
  return text;
}
