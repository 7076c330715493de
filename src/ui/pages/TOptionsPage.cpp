#include "ui/pages/TOptionsPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

#include "core/TWipeMethodsManager.h"
#include "dialogs/MethodText.h"
#include "dialogs/PromptService.h"
#include "dialogs/TMethodList.h"
#include "ui/FileManagerOffer.h"
#include "ui/pages/TPageHost.h"
#include "ui/pages/TRunQuestion.h"
#include "ui_TOptionsPage.h"

TOptionsPage::TOptionsPage(TPageHost& host, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TOptionsPage>()), host_(host) {
  ui->setupUi(this);
  ui->lvMethods->header()->setStretchLastSection(true);
  methods_ = new TMethodList(*ui->lvMethods, *ui->txtDescription, *ui->btnEditMethod,
                             *ui->btnDeleteMethod, host_.MethodEditor(), host_.Catalogue(), this);
  connect(ui->btnNewMethod, &QPushButton::clicked, methods_, &TMethodList::NewMethod);
  connect(ui->btnEditMethod, &QPushButton::clicked, methods_, &TMethodList::EditMethod);
  connect(ui->btnDeleteMethod, &QPushButton::clicked, methods_, &TMethodList::DeleteMethod);
  connect(ui->cbWipeType, &QComboBox::currentIndexChanged, this, &TOptionsPage::cbWipeTypeChange);
  connect(ui->chkWipeWarn, &QCheckBox::clicked, this, &TOptionsPage::chkWipeWarnClick);
  connect(ui->btnClose, &QPushButton::clicked, this, &TOptionsPage::btnApplyClick);
  // The catalogue's setting, saved with the other settings when the program ends.
  WipeSettings& settings = host_.Catalogue();
  ui->chkDiscardFreeBlocks->setChecked(settings.DiscardFreeBlocks);
  connect(ui->chkDiscardFreeBlocks, &QCheckBox::toggled, this,
          [&settings](bool on) { settings.DiscardFreeBlocks = on; });
  ui->chkEraseJournalNames->setChecked(settings.EraseJournalNames);
  // The cost is told where the quick way is not open and the option is off unless chosen.
  ui->lblJournalCost->setVisible(!WipeSettings::DefaultEraseJournalNames());
  connect(ui->chkEraseJournalNames, &QCheckBox::toggled, this,
          [&settings](bool checked) { settings.EraseJournalNames = checked; });
  // Each kind of run asks first or not, as its box says; the boxes follow the settings.
  const std::vector<QCheckBox*> boxes = questionBoxes();
  for (std::size_t index = 0; index < boxes.size(); ++index) {
    const TQuestionKind kind = TRunQuestion::kKinds[index];
    boxes[index]->setText(TRunQuestion::SettingCaption(kind));
    connect(boxes[index], &QCheckBox::toggled, this,
            [&settings, kind](bool ask) { TRunQuestion::SetAsking(settings, kind, ask); });
  }
  connect(ui->btnAskAgain, &QPushButton::clicked, this, [this, &settings] {
    for (const TQuestionKind kind : TRunQuestion::kKinds) {
      TRunQuestion::SetAsking(settings, kind, true);
    }
    showQuestionSettings();
  });
  showQuestionSettings();
  ui->chkCheckDevice->setChecked(settings.CheckDevice);
  connect(ui->chkCheckDevice, &QCheckBox::toggled, this,
          [&settings](bool checked) { settings.CheckDevice = checked; });
  // The file-manager entries for this copy of the program, for the user.
  connect(ui->btnFileManagerEntries, &QPushButton::clicked, this,
          [this] { OfferFileManagerEntries(host_.PromptService(), host_.ProgramPath()); });
}

TOptionsPage::~TOptionsPage() = default;

std::vector<QCheckBox*> TOptionsPage::questionBoxes() const {
  return {ui->chkAskFilesAndFolders, ui->chkAskFreeSpace, ui->chkAskSpecialFolders,
          ui->chkAskTraces, ui->chkAskRecentFiles};
}

void TOptionsPage::showQuestionSettings() {
  const std::vector<QCheckBox*> boxes = questionBoxes();
  for (std::size_t index = 0; index < boxes.size(); ++index) {
    const QSignalBlocker quiet(boxes[index]);
    boxes[index]->setChecked(TRunQuestion::Asking(host_.Catalogue(), TRunQuestion::kKinds[index]));
  }
}

void TOptionsPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  showQuestionSettings();
}

bool TOptionsPage::WarnOnExecutable() const {
  return ui->chkWipeWarn->isChecked();
}

TWipeEngine& TOptionsPage::selectedEngine() const {
  switch (ui->cbWipeType->currentIndex()) {
    case 1:
      return host_.WipeFolders();
    case 2:
      return host_.FreeSpaceEngine();
    default:
      return host_.WipeFiles();
  }
}

const TWipeMethod* TOptionsPage::selectedEngineMethod() const {
  return host_.Catalogue().MethodForEngine(selectedEngine());
}

void TOptionsPage::FormActivate() {
  methods_->SetEngines({&host_.WipeFiles(), &host_.WipeFolders(), &host_.FreeSpaceEngine()});
  const TWipeMethod* selected = filled_ ? methods_->SelectedMethod() : nullptr;
  if (!selected) selected = selectedEngineMethod();
  methods_->Fill(selected);
  filled_ = true;
}

void TOptionsPage::cbWipeTypeChange() {
  // The list shows what the kind of wipe uses now, so Apply changes only what the user picks.
  if (filled_) methods_->Select(selectedEngineMethod());
  ui->btnClose->setEnabled(true);
}

void TOptionsPage::chkWipeWarnClick() {
  ui->btnClose->setEnabled(true);
}

void TOptionsPage::btnApplyClick() {
  TWipeEngine& engine = selectedEngine();
  if (!methods_->RecordForEngine(engine)) return;
  // Said back, so that the user sees which kind of wipe got which method.
  static const char* const kWiped[] = {"Files", "Folders", "The free space of drives"};
  const int kind = std::clamp(ui->cbWipeType->currentIndex(), 0, 2);
  const TWipeMethod* method = methods_->SelectedMethod();
  host_.PromptService().MessageDialog(
      TMessageKind::Information,
      QCoreApplication::translate("TOptionsPage", "%1 will be wiped with \"%2\".")
          .arg(QLatin1String(kWiped[kind]), method ? ShownText(method->Name) : QString()));
}

void TOptionsPage::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      ui->btnClose->isEnabled()) {
    ui->btnClose->click();
    return;
  }
  QWidget::keyPressEvent(event);
}
