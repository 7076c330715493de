#include "dialogs/TSpinField.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <limits>

#include "core/Helpers.h"

namespace {

// Whether a typed text may reach the field: control keys (Enter, Escape, Tab, Backspace) pass,
// and of the characters only those that FilterDigitKey keeps.
bool mayType(const QString& text) {
  for (const QChar c : text) {
    const char16_t code = c.unicode();
    if (code < 0x20 || code == 0x7F) continue;  // not a character of the text
    if (code > 0x7F || FilterDigitKey(static_cast<char>(code)) == 0) return false;
  }
  return true;
}

}  // namespace

TSpinField::TSpinField(QWidget* parent) : QSpinBox(parent) {
  // The spin box itself takes every number; the limits are the field's own.
  setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  setValue(0);
  connect(this, &QSpinBox::textChanged, this, [this] { emit numberChanged(Number()); });
}

int TSpinField::Number() const {
  bool ok = false;
  const int number = cleanText().toInt(&ok, 10);
  return ok ? number : lower_;
}

void TSpinField::SetNumber(int number) {
  setValue(limited() ? clamped(number) : number);
}

int TSpinField::clamped(long long number) const {
  return static_cast<int>(std::clamp<long long>(number, lower_, upper_));
}

void TSpinField::keyPressEvent(QKeyEvent* event) {
  if (!mayType(event->text())) {
    event->accept();  // dropped
    return;
  }
  QSpinBox::keyPressEvent(event);
}

void TSpinField::focusOutEvent(QFocusEvent* event) {
  QSpinBox::focusOutEvent(event);
  if (limited() && clamped(value()) != value()) setValue(clamped(value()));
}

void TSpinField::stepBy(int steps) {
  const long long next = static_cast<long long>(Number()) + steps;
  if (limited()) {
    setValue(clamped(next));
  } else {
    setValue(static_cast<int>(std::clamp<long long>(next, minimum(), maximum())));
  }
  selectAll();
}

QAbstractSpinBox::StepEnabled TSpinField::stepEnabled() const {
  const int number = Number();
  const int low = limited() ? lower_ : minimum();
  const int high = limited() ? upper_ : maximum();
  StepEnabled enabled = StepNone;
  if (number > low) enabled |= StepDownEnabled;
  if (number < high) enabled |= StepUpEnabled;
  return enabled;
}
