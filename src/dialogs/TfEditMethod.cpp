#include "dialogs/TfEditMethod.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <exception>

#include "dialogs/MethodText.h"
#include "dialogs/PassSummary.h"
#include "dialogs/PromptService.h"
#include "dialogs/TSummaryDelegate.h"
#include "ui_TfEditMethod.h"

namespace {

TPass* passOf(const QListWidgetItem* row) {
  return row ? reinterpret_cast<TPass*>(row->data(Qt::UserRole).value<quintptr>()) : nullptr;
}

void showSummary(QListWidgetItem& row, const TPass& pass) {
  const QString summary = PassSummary(pass);
  row.setData(TSummaryDelegate::SummaryRole, summary);
  row.setToolTip(summary);
}

QListWidgetItem* rowFor(TPass& pass) {
  auto* row = new QListWidgetItem(ShownText(pass.Name));
  row->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&pass)));
  showSummary(*row, pass);
  return row;
}

void showError(const std::exception& error) {
  Prompts().SystemMessage(TSystemIcon::Error, QString::fromLocal8Bit(error.what()));
}

// A one-line field keeps to what the method can store; the text it shows is cut to match.
std::string fittedLine(QLineEdit& field) {
  const TFittedText fitted = FitLine(field.text());
  if (fitted.shown != field.text()) {
    const QSignalBlocker quiet(field);
    field.setText(fitted.shown);
  }
  return fitted.stored;
}

}  // namespace

TfEditMethod::TfEditMethod(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfEditMethod>()) {
  ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  QFont pattern = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  pattern.setBold(true);
  ui->txtTextPattern->setFont(pattern);
  ui->btnEditPass->setEnabled(false);
  ui->btnDeletePass->setEnabled(false);
  ui->lvPasses->setItemDelegate(new TSummaryDelegate(ui->lvPasses));
  ui->txtMethodDescription->setPlaceholderText(
      QCoreApplication::translate("TfEditMethod", "What the method is for, and when to choose it"));
  // Shown for a read-only method only.
  readOnlyNote_ =
      new QLabel(QCoreApplication::translate(
                     "TfEditMethod",
                     "This method comes with Ferrovane and cannot be changed. Copy makes a copy "
                     "of it that you can edit."),
                 this);
  readOnlyNote_->setObjectName(QStringLiteral("lblReadOnly"));
  readOnlyNote_->setWordWrap(true);
  readOnlyNote_->hide();
  ui->layEditMethod->insertWidget(0, readOnlyNote_);
  btnCopy_ = new QPushButton(QCoreApplication::translate("TfEditMethod", "C&opy"), this);
  btnCopy_->setObjectName(QStringLiteral("btnCopy"));
  btnCopy_->setAutoDefault(false);
  btnCopy_->hide();
  ui->layButtons->insertWidget(1, btnCopy_);
  connect(btnCopy_, &QPushButton::clicked, this, [this] { done(CopyRequested); });
  connectHandlers();
}

TfEditMethod::~TfEditMethod() = default;

void TfEditMethod::connectHandlers() {
  connect(ui->lvPasses, &QListWidget::itemSelectionChanged, this, &TfEditMethod::lvPassesClick);
  connect(ui->txtMethodName, &QLineEdit::textChanged, this, &TfEditMethod::txtMethodNameChange);
  connect(ui->txtMethodDescription, &QPlainTextEdit::textChanged, this,
          &TfEditMethod::txtMethodDescriptionChange);
  connect(ui->chkCheckWipe, &QCheckBox::toggled, this, &TfEditMethod::chkCheckWipeClick);
  connect(ui->radBytePattern, &QRadioButton::toggled, this,
          [this](bool checked) { wipeWithClick(wwBytePattern, checked); });
  connect(ui->radTextPattern, &QRadioButton::toggled, this,
          [this](bool checked) { wipeWithClick(wwTextPattern, checked); });
  connect(ui->radRandomBytes, &QRadioButton::toggled, this,
          [this](bool checked) { wipeWithClick(wwRandomBytes, checked); });
  connect(ui->radRandomCharacter, &QRadioButton::toggled, this,
          [this](bool checked) { wipeWithClick(wwRandomCharacter, checked); });
  connect(ui->txtBytePattern, &TSpinField::numberChanged, this,
          &TfEditMethod::txtBytePatternChange);
  connect(ui->txtRandomBytes1, &TSpinField::numberChanged, this,
          &TfEditMethod::txtRandomBytes1Change);
  connect(ui->txtRandomBytes2, &TSpinField::numberChanged, this,
          &TfEditMethod::txtRandomBytes2Change);
  connect(ui->txtRandomCharacter1, &TSpinField::numberChanged, this,
          &TfEditMethod::txtRandomCharacter1Change);
  connect(ui->txtRandomCharacter2, &TSpinField::numberChanged, this,
          &TfEditMethod::txtRandomCharacter2Change);
  connect(ui->txtTextPattern, &QLineEdit::textChanged, this, &TfEditMethod::txtTextPatternChange);
  connect(ui->btnAddPass, &QToolButton::clicked, this, &TfEditMethod::btnAddPassClick);
  connect(ui->btnEditPass, &QToolButton::clicked, this, &TfEditMethod::btnEditPassClick);
  connect(ui->btnDeletePass, &QToolButton::clicked, this, &TfEditMethod::btnDeletePassClick);
  connect(ui->btnOK, &QPushButton::clicked, this, &TfEditMethod::btnOKClick);
  connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfEditMethod::SetMethod(const TWipeMethod& method) {
  noPassCurrent();
  workMethod_.Assign(method);
  if (isVisible()) FormActivate();
}

void TfEditMethod::GetMethod(TWipeMethod& method) const {
  method.Assign(workMethod_);
}

void TfEditMethod::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  ui->txtMethodName->setReadOnly(readOnly);
  ui->txtMethodDescription->setReadOnly(readOnly);
  ui->btnAddPass->setEnabled(!readOnly);
  ui->btnOK->setVisible(!readOnly);
  ui->btnCancel->setText(readOnly ? QCoreApplication::translate("TfEditMethod", "&Close")
                                  : QCoreApplication::translate("TfEditMethod", "&Cancel"));
  btnCopy_->setVisible(readOnly);
  readOnlyNote_->setVisible(readOnly);
  lvPassesClick();
}

void TfEditMethod::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TfEditMethod::FormActivate() {
  {
    const QSignalBlocker quietName(ui->txtMethodName);
    const QSignalBlocker quietDescription(ui->txtMethodDescription);
    ui->txtMethodName->setText(ShownText(workMethod_.Name));
    ui->txtMethodDescription->setPlainText(ShownDescription(workMethod_.Description));
  }
  {
    const QSignalBlocker quiet(ui->lvPasses);
    ui->lvPasses->clear();
    for (const auto& pass : workMethod_.Passes) ui->lvPasses->addItem(rowFor(*pass));
    if (ui->lvPasses->count() > 0) ui->lvPasses->setCurrentRow(0);
  }
  lvPassesClick();
  ui->txtMethodName->setFocus();
}

QListWidgetItem* TfEditMethod::selectedRow() const {
  const QList<QListWidgetItem*> selected = ui->lvPasses->selectedItems();
  return selected.isEmpty() ? nullptr : selected.constFirst();
}

void TfEditMethod::lvPassesClick() {
  TPass* pass = passOf(selectedRow());
  if (!pass) {
    noPassCurrent();
    return;
  }
  ui->grpPass->setEnabled(true);
  // A read-only method shows its passes without letting them change.
  ui->chkCheckWipe->setEnabled(!readOnly_);
  ui->grpWipeWith->setEnabled(!readOnly_);
  ui->btnEditPass->setEnabled(!readOnly_);
  ui->btnDeletePass->setEnabled(!readOnly_);
  currentPass_ = pass;
  showPass(*pass);
}

void TfEditMethod::showCurrentSummary() {
  if (!currentPass_) return;
  for (int index = 0; index < ui->lvPasses->count(); ++index) {
    QListWidgetItem* row = ui->lvPasses->item(index);
    if (passOf(row) == currentPass_) showSummary(*row, *currentPass_);
  }
}

void TfEditMethod::showPass(TPass& pass) {
  // The fields show what the pass holds; nothing is written back, so a text that the field
  // cannot show byte for byte stays as it is until the user changes it.
  const QList<QWidget*> fields = {
      ui->chkCheckWipe,       ui->radBytePattern,      ui->radTextPattern,     ui->radRandomBytes,
      ui->radRandomCharacter, ui->txtBytePattern,      ui->txtTextPattern,     ui->txtRandomBytes1,
      ui->txtRandomBytes2,    ui->txtRandomCharacter1, ui->txtRandomCharacter2};
  std::vector<std::unique_ptr<QSignalBlocker>> quiet;
  for (QWidget* field : fields) quiet.push_back(std::make_unique<QSignalBlocker>(field));

  ui->chkCheckWipe->setChecked(pass.CheckWipe);
  QRadioButton* kinds[] = {ui->radBytePattern, ui->radTextPattern, ui->radRandomBytes,
                           ui->radRandomCharacter};
  if (pass.WipeWith < 4) {
    kinds[pass.WipeWith]->setChecked(true);
  } else {
    // A kind the editor does not know: no radio button is checked.
    for (QRadioButton* kind : kinds) kind->setAutoExclusive(false);
    for (QRadioButton* kind : kinds) kind->setChecked(false);
    for (QRadioButton* kind : kinds) kind->setAutoExclusive(true);
  }
  ui->txtBytePattern->SetNumber(pass.BytePatternValue);
  ui->txtTextPattern->setText(ShownText(pass.TextPatternValue));
  ui->txtRandomBytes1->SetNumber(pass.RandomBytesValue1);
  ui->txtRandomBytes2->SetNumber(pass.RandomBytesValue2);
  ui->txtRandomCharacter1->SetNumber(pass.RandomCharacterValue1);
  ui->txtRandomCharacter2->SetNumber(pass.RandomCharacterValue2);
}

void TfEditMethod::noPassCurrent() {
  currentPass_ = nullptr;
  ui->grpPass->setEnabled(false);
  ui->btnEditPass->setEnabled(false);
  ui->btnDeletePass->setEnabled(false);
}

void TfEditMethod::txtMethodNameChange() {
  workMethod_.Name = fittedLine(*ui->txtMethodName);
}

void TfEditMethod::txtMethodDescriptionChange() {
  QPlainTextEdit& field = *ui->txtMethodDescription;
  const QString text = field.toPlainText();
  const TFittedText fitted = FitDescription(text);
  if (fitted.shown != text) {
    const QSignalBlocker quiet(field);
    field.setPlainText(fitted.shown);
    field.moveCursor(QTextCursor::End);
  }
  workMethod_.Description = fitted.stored;
}

void TfEditMethod::chkCheckWipeClick() {
  if (currentPass_) currentPass_->CheckWipe = ui->chkCheckWipe->isChecked();
  showCurrentSummary();
}

void TfEditMethod::wipeWithClick(std::uint8_t wipeWith, bool checked) {
  if (currentPass_ && checked) currentPass_->WipeWith = wipeWith;
  showCurrentSummary();
}

// The byte fields keep the low 8 bits of the field's number.
void TfEditMethod::txtBytePatternChange() {
  if (currentPass_) currentPass_->BytePatternValue = ui->txtBytePattern->Number() & 0xFF;
  showCurrentSummary();
}

void TfEditMethod::txtRandomBytes1Change() {
  if (currentPass_) currentPass_->RandomBytesValue1 = ui->txtRandomBytes1->Number() & 0xFF;
  showCurrentSummary();
}

void TfEditMethod::txtRandomBytes2Change() {
  if (currentPass_) currentPass_->RandomBytesValue2 = ui->txtRandomBytes2->Number() & 0xFF;
  showCurrentSummary();
}

void TfEditMethod::txtRandomCharacter1Change() {
  if (currentPass_) {
    currentPass_->RandomCharacterValue1 = ui->txtRandomCharacter1->Number() & 0xFF;
  }
  showCurrentSummary();
}

void TfEditMethod::txtRandomCharacter2Change() {
  if (currentPass_) {
    currentPass_->RandomCharacterValue2 = ui->txtRandomCharacter2->Number() & 0xFF;
  }
  showCurrentSummary();
}

void TfEditMethod::txtTextPatternChange() {
  if (currentPass_) currentPass_->TextPatternValue = fittedLine(*ui->txtTextPattern);
  showCurrentSummary();
}

void TfEditMethod::btnAddPassClick() {
  if (readOnly_) return;
  std::unique_ptr<TPass> added = workMethod_.NewPass();
  // A random range starts over every byte value: chosen as it is, it writes random data, not
  // a range of one value.
  added->RandomBytesValue2 = 255;
  added->RandomCharacterValue2 = 255;
  TPass* pass = workMethod_.AddPass(std::move(added));
  QListWidgetItem* row = rowFor(*pass);
  ui->lvPasses->addItem(row);
  // The new pass is the one shown, ready to be set.
  ui->lvPasses->setCurrentItem(row);
  ui->lvPasses->scrollToItem(row);
}

void TfEditMethod::btnEditPassClick() {
  QListWidgetItem* row = selectedRow();
  TPass* pass = passOf(row);
  if (!pass) return;
  const std::optional<QString> name = Prompts().InputText(
      QCoreApplication::translate("TfEditMethod", "Edit pass name"),
      QCoreApplication::translate("TfEditMethod", "Pass name"), ShownText(pass->Name));
  if (!name) return;
  const TFittedText fitted = FitLine(*name);
  pass->Name = fitted.stored;
  row->setText(fitted.shown);
}

void TfEditMethod::btnDeletePassClick() {
  QListWidgetItem* row = selectedRow();
  TPass* pass = passOf(row);
  if (!pass) return;
  try {
    const QString question =
        QCoreApplication::translate("TfEditMethod", "Are you sure you want to delete pass \"%1\"?")
            .arg(ShownText(pass->Name));
    if (!Prompts().SystemMessage(TSystemIcon::Question, question)) return;
    noPassCurrent();
    {
      const QSignalBlocker quiet(ui->lvPasses);
      delete row;
      ui->lvPasses->clearSelection();
      ui->lvPasses->setCurrentItem(nullptr);
    }
    workMethod_.DeletePass(pass);
  } catch (const std::exception& error) {
    showError(error);
  }
}

void TfEditMethod::btnOKClick() {
  if (readOnly_) return;
  if (workMethod_.PassCount() == 0 &&
      !Prompts().SystemMessage(
          TSystemIcon::Question,
          QCoreApplication::translate(
              "TfEditMethod",
              "This method has no passes: files wiped with it are only deleted, not "
              "overwritten, and can be recovered.\nKeep it without passes?"))) {
    return;
  }
  accept();
}
