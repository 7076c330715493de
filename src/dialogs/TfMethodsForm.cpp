#include "dialogs/TfMethodsForm.h"

#include <QKeyEvent>
#include <QShowEvent>

#include "core/TWipeMethodsManager.h"
#include "dialogs/TMethodList.h"
#include "ui_TfMethodsForm.h"

TfMethodsForm::TfMethodsForm(TfEditMethod& editor, TWipeMethodsManager& catalogue, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfMethodsForm>()), catalogue_(catalogue) {
  ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  ui->lvMethods->header()->setStretchLastSection(true);
  methods_ = new TMethodList(*ui->lvMethods, *ui->txtDescription, *ui->btnEditMethod,
                             *ui->btnDeleteMethod, editor, catalogue_, this);
  connect(ui->btnNewMethod, &QPushButton::clicked, methods_, &TMethodList::NewMethod);
  connect(ui->btnEditMethod, &QPushButton::clicked, methods_, &TMethodList::EditMethod);
  connect(ui->btnDeleteMethod, &QPushButton::clicked, methods_, &TMethodList::DeleteMethod);
  connect(ui->btnClose, &QPushButton::clicked, this, &TfMethodsForm::btnCloseClick);
}

TfMethodsForm::~TfMethodsForm() = default;

void TfMethodsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TfMethodsForm::FormActivate() {
  methods_->SetEngines(Engines.empty() && Engine ? std::vector<TWipeEngine*>{Engine} : Engines);
  // The engine's method as its next run would take it.
  const TWipeMethod* current = Engine ? catalogue_.MethodForEngine(*Engine) : nullptr;
  methods_->Fill(current);
  ui->lvMethods->setFocus();
}

void TfMethodsForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TfMethodsForm::btnCloseClick() {
  // A method that cannot be recorded keeps the dialog open, so another can be chosen.
  if (Engine && methods_->SelectedMethod() && !methods_->RecordForEngine(*Engine)) return;
  accept();
}
