#include "dialogs/TReportDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QLabel* plainLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

TReportDialog::TReportDialog(Icon icon, const QString& caption, const QString& text,
                             const QString& informative, const QString& details, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(caption);
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("lblIcon"));
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  picture->setPixmap(style()
                         ->standardIcon(icon == Icon::Warning ? QStyle::SP_MessageBoxWarning
                                                              : QStyle::SP_MessageBoxInformation,
                                        nullptr, this)
                         .pixmap(side, side));
  picture->setAlignment(Qt::AlignTop);
  top->addWidget(picture);
  auto* texts = new QVBoxLayout;
  QLabel* summary = plainLabel(text, this);
  summary->setObjectName(QStringLiteral("lblText"));
  texts->addWidget(summary);
  if (!informative.isEmpty()) {
    QLabel* lines = plainLabel(informative, this);
    lines->setObjectName(QStringLiteral("lblInformative"));
    texts->addWidget(lines);
  }
  texts->addStretch();
  top->addLayout(texts, 1);
  layout->addLayout(top);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  if (!details.isEmpty()) {
    details_ = new QTextEdit(this);
    details_->setObjectName(QStringLiteral("txtDetails"));
    details_->setReadOnly(true);
    details_->setAcceptRichText(false);
    details_->setPlainText(details);
    // A long path and its reason wrap at the box's width; the box grows with the user's drag.
    details_->setLineWrapMode(QTextEdit::WidgetWidth);
    details_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QFontMetrics metrics(details_->font());
    details_->setMinimumSize(metrics.averageCharWidth() * 40, metrics.lineSpacing() * 4);
    details_->resize(metrics.averageCharWidth() * 80, metrics.lineSpacing() * 14);
    layout->addWidget(details_, 1);
    toggle_ = buttons->addButton(QCoreApplication::translate("TReportDialog", "Show &Details..."),
                                 QDialogButtonBox::ActionRole);
    toggle_->setObjectName(QStringLiteral("btnShowDetails"));
    toggle_->setCheckable(true);
    connect(toggle_, &QPushButton::toggled, this, &TReportDialog::showDetails);
    showDetails(false);
  }
  layout->addWidget(buttons);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  buttons->button(QDialogButtonBox::Ok)->setFocus();
  setMinimumWidth(fontMetrics().averageCharWidth() * 50);
}

void TReportDialog::showDetails(bool shown) {
  details_->setVisible(shown);
  toggle_->setText(shown ? QCoreApplication::translate("TReportDialog", "Hide &Details...")
                         : QCoreApplication::translate("TReportDialog", "Show &Details..."));
  if (shown) {
    const QFontMetrics metrics(details_->font());
    resize(std::max(width(), metrics.averageCharWidth() * 80),
           std::max(height(), sizeHint().height() + metrics.lineSpacing() * 10));
  } else {
    adjustSize();
  }
}
