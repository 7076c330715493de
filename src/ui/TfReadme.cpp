#include "ui/TfReadme.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/ReadmeText.h"

TfReadme::TfReadme(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TfReadme"));
  setWindowTitle(QCoreApplication::translate("TfReadme", "Ferrovane Help"));
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  why_ = new QLabel(this);
  why_->setObjectName(QStringLiteral("lblWhy"));
  why_->setTextFormat(Qt::PlainText);
  why_->setWordWrap(true);
  why_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(why_);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("readmeText"));
  text_->setReadOnly(true);
  // The readme lines up its lists with blanks.
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(text_, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  layout->addWidget(buttons);
  const QFontMetrics metrics(text_->font());
  resize(metrics.averageCharWidth() * 84, metrics.lineSpacing() * 30);
}

bool TfReadme::ShowReadme(const QString& why) {
  const auto readme = ReadmeText();
  if (!readme) return false;
  why_->setText(why);
  why_->setVisible(!why.isEmpty());
  text_->setPlainText(*readme);
  // No larger than the screen, with room for the window manager's frame: the text scrolls.
  if (const QScreen* shownOn = screen()) {
    resize(size().boundedTo(shownOn->availableGeometry().size() * 9 / 10));
  }
  show();
  raise();
  activateWindow();
  return true;
}
