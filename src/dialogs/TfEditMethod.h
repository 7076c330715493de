#pragma once
// The method editor: the name, the description and the passes of one wipe method. It works on a
// copy of its own (WorkMethod), filled by SetMethod before it is shown; every change in a field
// is written into that copy at once, and the caller takes the result with GetMethod only when the
// editor ended with OK. The caller sets the caption. Created once and reused. The pictures of
// its buttons come from the program's resources.

#include <QDialog>
#include <memory>

#include "core/TWipeMethod.h"

class QLabel;
class QListWidgetItem;
class QPushButton;
namespace Ui {
class TfEditMethod;
}

class TfEditMethod : public QDialog {
  Q_OBJECT

 public:
  explicit TfEditMethod(QWidget* parent = nullptr);
  ~TfEditMethod() override;

  // WorkMethod becomes a copy of the method: name, description and every pass.
  void SetMethod(const TWipeMethod& method);
  // The method receives the edited name, description and passes; its file name stays.
  void GetMethod(TWipeMethod& method) const;

  // The result of a read-only showing whose user asked for an editable copy.
  static constexpr int CopyRequested = 2;
  // Shows the method without letting it change (a method shipped with the program): the passes
  // can be looked through, Close ends, and Copy ends with CopyRequested. Off for every editing
  // caller; it holds until it is set again.
  void SetReadOnly(bool readOnly);
  bool ReadOnly() const { return readOnly_; }

  // The copy being edited, and the pass shown in the pass group (null when none is).
  const TWipeMethod& WorkMethod() const { return workMethod_; }
  const TPass* CurrentPass() const { return currentPass_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void lvPassesClick();
  void txtMethodNameChange();
  void txtMethodDescriptionChange();
  void chkCheckWipeClick();
  void txtBytePatternChange();
  void txtRandomBytes1Change();
  void txtRandomBytes2Change();
  void txtRandomCharacter1Change();
  void txtRandomCharacter2Change();
  void txtTextPatternChange();
  void btnAddPassClick();
  void btnEditPassClick();
  void btnDeletePassClick();
  void btnOKClick();

 private:
  // Fills the fields and the pass list from WorkMethod and shows its first pass.
  void FormActivate();
  void connectHandlers();
  // Shows the pass in the pass group; the fields do not write back what they are given.
  void showPass(TPass& pass);
  // No pass is current: the pass group and the pass buttons are disabled.
  void noPassCurrent();
  QListWidgetItem* selectedRow() const;
  // The kind the radio button stands for becomes the current pass's.
  void wipeWithClick(std::uint8_t wipeWith, bool checked);
  // The current pass's row shows what the pass writes now.
  void showCurrentSummary();

  std::unique_ptr<Ui::TfEditMethod> ui;
  TWipeMethod workMethod_;
  TPass* currentPass_ = nullptr;
  bool readOnly_ = false;
  QLabel* readOnlyNote_ = nullptr;
  QPushButton* btnCopy_ = nullptr;
};
