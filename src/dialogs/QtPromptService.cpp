#include "dialogs/QtPromptService.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>
#include <vector>

#include "dialogs/TReportDialog.h"

namespace {

// The windows of the TPromptParent objects alive, the latest last.
std::vector<QWidget*>& promptParents() {
  static std::vector<QWidget*> windows;
  return windows;
}

QString applicationTitle() {
  return QGuiApplication::applicationDisplayName();
}

// Paths leave the dialogs as the bytes the file system knows them by.
std::string pathBytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

// Modal, and above the owner also when the owner stays on top of the other windows.
void placeAboveOwner(QDialog& dialog) {
  dialog.setWindowModality(Qt::ApplicationModal);
  const QWidget* owner = dialog.parentWidget();
  if (owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  }
}

// A message box whose texts are shown as they are, never as markup.
class TPlainBox : public QMessageBox {
 public:
  TPlainBox(Icon icon, const QString& caption, const QString& text, StandardButtons buttons,
            StandardButton defaultButton)
      : QMessageBox(icon, caption, text, buttons, PromptOwner()) {
    setTextFormat(Qt::PlainText);
    setDefaultButton(defaultButton);
    if (buttons.testFlag(No)) setEscapeButton(No);
    placeAboveOwner(*this);
  }
  void setPlainInformativeText(const QString& text) {
    setInformativeText(text);
    if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
      label->setTextFormat(Qt::PlainText);
    }
  }
  StandardButton run() { return static_cast<StandardButton>(exec()); }
};

QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString& caption,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) {
  return TPlainBox(icon, caption, text, buttons, defaultButton).run();
}

}  // namespace

TPromptParent::TPromptParent(QWidget* window) : window_(window) {
  promptParents().push_back(window);
}

TPromptParent::~TPromptParent() {
  auto& windows = promptParents();
  const auto it = std::find(windows.rbegin(), windows.rend(), window_);
  if (it != windows.rend()) windows.erase(std::next(it).base());
}

QWidget* PromptOwner() {
  const auto& windows = promptParents();
  return windows.empty() ? QApplication::activeWindow() : windows.back();
}

void QtPromptService::MessageDialog(TMessageKind kind, const QString& text) {
  if (kind == TMessageKind::Warning) {
    showBox(QMessageBox::Warning, QCoreApplication::translate("QtPromptService", "Warning"), text,
            QMessageBox::Ok, QMessageBox::Ok);
  } else {
    showBox(QMessageBox::Information, QCoreApplication::translate("QtPromptService", "Information"),
            text, QMessageBox::Ok, QMessageBox::Ok);
  }
}

void QtPromptService::PlainMessage(const QString& text) {
  showBox(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPromptService::SystemMessage(TSystemIcon icon, const QString& text) {
  switch (icon) {
    case TSystemIcon::Question:
      // Enter answers No: nothing happens that the user did not choose with a click or a key.
      return showBox(QMessageBox::Question, applicationTitle(), text,
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
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
  return showBox(QMessageBox::Question, QCoreApplication::translate("QtPromptService", "Confirm"),
                 text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool QtPromptService::AskBeforeRun(const QString& text, const QString& action,
                                   const QString& checkBox, bool& checked) {
  TPlainBox box(QMessageBox::Question, applicationTitle(), text, QMessageBox::Cancel,
                QMessageBox::Cancel);
  // The button says what it does; Cancel is the default, so Enter and Escape both cancel.
  // A path in the action ("Wipe free space of /a&b") has no mnemonic in it.
  QString caption = action;
  caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
  QPushButton* proceed = box.addButton(caption, QMessageBox::AcceptRole);
  proceed->setObjectName(QStringLiteral("btnProceed"));
  box.setEscapeButton(QMessageBox::Cancel);
  QCheckBox* tick = nullptr;
  if (!checkBox.isEmpty()) {
    tick = new QCheckBox(checkBox, &box);
    tick->setChecked(checked);
    box.setCheckBox(tick);
  }
  box.exec();
  const bool yes = box.clickedButton() == proceed;
  checked = tick && tick->isChecked();
  return yes;
}

void QtPromptService::DetailedMessage(TReportKind kind, const QString& text,
                                      const QString& informative, const QString& details) {
  const bool warning = kind == TReportKind::Warning;
  // A report that all went well has the information icon, as every other success has.
  TReportDialog box(
      warning ? TReportDialog::Icon::Warning : TReportDialog::Icon::Information,
      warning ? QCoreApplication::translate("QtPromptService", "Warning") : applicationTitle(),
      text, informative, details, PromptOwner());
  placeAboveOwner(box);
  box.exec();
}

std::vector<std::string> QtPromptService::OpenFiles(const QString& title, const QString& filter) {
  QFileDialog dialog(PromptOwner(), title, QString(), filter);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  placeAboveOwner(dialog);
  std::vector<std::string> paths;
  if (dialog.exec() != QDialog::Accepted) return paths;
  for (const QString& file : dialog.selectedFiles()) paths.push_back(pathBytes(file));
  return paths;
}

std::optional<std::string> QtPromptService::BrowseFolder(const QString& text) {
  QFileDialog dialog(PromptOwner(), text);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  placeAboveOwner(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return pathBytes(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtPromptService::SaveFile(const QString& title, const QString& filter,
                                                     const QString& defaultSuffix,
                                                     const std::string& folder) {
  QFileDialog dialog(PromptOwner(), title, QFile::decodeName(QByteArray::fromStdString(folder)),
                     filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  placeAboveOwner(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return pathBytes(dialog.selectedFiles().constFirst());
}

std::optional<QString> QtPromptService::InputText(const QString& caption, const QString& prompt,
                                                  const QString& value) {
  QInputDialog dialog(PromptOwner());
  dialog.setWindowTitle(caption);
  dialog.setLabelText(prompt);
  dialog.setTextValue(value);
  for (auto* label : dialog.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
  placeAboveOwner(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue();
}
