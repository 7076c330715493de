#pragma once
// Shows that an empty list has the keyboard: item views draw their focus on the current row, so
// a list without rows would give no sign at all. A frame in the highlight colour is drawn around
// the inside of the list while it has the focus and no rows. A list with rows that the keyboard
// reaches without a current row takes its first one.

#include <QPointer>
#include <QWidget>

class QAbstractItemView;

class TEmptyListFocus : public QWidget {
  Q_OBJECT

 public:
  // Watches the list (its model too, when it is replaced) for as long as the list lives.
  static TEmptyListFocus* Install(QAbstractItemView& view);
  // The frame is up: the list has the focus and no rows.
  bool Shown() const { return isVisible(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  explicit TEmptyListFocus(QAbstractItemView& view);
  void watchModel();
  void follow();

  QPointer<QAbstractItemView> view_;
};
