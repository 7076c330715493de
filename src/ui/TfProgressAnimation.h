#pragma once
// The animation at the top of the progress window: sheets of paper fly from a folder into a
// shredder, which lets thin strips fall out below. Drawn with QPainter, so it is sharp at any
// scale and needs no picture files.

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class TfProgressAnimation : public QWidget {
  Q_OBJECT

 public:
  explicit TfProgressAnimation(QWidget* parent = nullptr);

  QSize sizeHint() const override { return QSize(304, 60); }
  // Runs while the widget is shown; a still picture otherwise.
  bool running() const { return timer_.isActive(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void paintFolder(QPainter& painter, const QRectF& box) const;
  void paintSheet(QPainter& painter, double phase) const;
  void paintShredder(QPainter& painter, double time) const;

  QTimer timer_;
  QElapsedTimer clock_;
};
