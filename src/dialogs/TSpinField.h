#pragma once
// A number field with up and down buttons, as the method editor uses them. Only the digits and
// Backspace can be typed. Its number is its text read as a decimal integer; a text that is not
// one counts as the lower limit. The limits hold only when they are not both 0: stepping then
// stays inside them, and leaving the field or setting its number puts a number outside on the
// nearer limit. Without limits a field takes any number, typed or stepped to.

#include <QSpinBox>

class TSpinField : public QSpinBox {
  Q_OBJECT
  Q_PROPERTY(int lowerLimit READ lowerLimit WRITE setLowerLimit)
  Q_PROPERTY(int upperLimit READ upperLimit WRITE setUpperLimit)

 public:
  explicit TSpinField(QWidget* parent = nullptr);

  int lowerLimit() const { return lower_; }
  int upperLimit() const { return upper_; }
  void setLowerLimit(int limit) { lower_ = limit; }
  void setUpperLimit(int limit) { upper_ = limit; }

  // The field's number as it stands, also while it is being typed.
  int Number() const;
  // Shows the number, put inside the limits.
  void SetNumber(int number);

 signals:
  // At every change of the text: each keystroke, each step, each number set.
  void numberChanged(int number);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void stepBy(int steps) override;
  StepEnabled stepEnabled() const override;

 private:
  bool limited() const { return lower_ != 0 || upper_ != 0; }
  int clamped(long long number) const;

  int lower_ = 0;
  int upper_ = 0;
};
