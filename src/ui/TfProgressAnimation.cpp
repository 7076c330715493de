#include "ui/TfProgressAnimation.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr double kSheetSeconds = 1.4;  // one sheet's flight
constexpr int kSheets = 2;             // sheets in the air at once
constexpr double kPi = 3.14159265358979323846;

// Where things sit, in the 304 x 60 box of the animation.
const QRectF kFolder(22, 25, 46, 30);
const QRectF kShredder(216, 25, 62, 22);
const QPointF kSheetStart(45, 36);
const QPointF kSlot(247, 25);
const QRectF kSheet(-8, -10, 16, 20);

const QColor kPaper(250, 250, 247);
const QColor kPaperEdge(150, 156, 166);
const QColor kInk(176, 186, 201);
const QColor kBody(74, 85, 104);
const QColor kBodyLight(104, 117, 140);
const QColor kFolderBack(224, 168, 48);
const QColor kFolderFront(246, 198, 82);

}  // namespace

TfProgressAnimation::TfProgressAnimation(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  timer_.setInterval(33);
  connect(&timer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
  clock_.start();
}

void TfProgressAnimation::showEvent(QShowEvent* event) {
  timer_.start();
  QWidget::showEvent(event);
}

void TfProgressAnimation::hideEvent(QHideEvent* event) {
  timer_.stop();
  QWidget::hideEvent(event);
}

void TfProgressAnimation::paintFolder(QPainter& painter, const QRectF& box) const {
  QPainterPath back;
  back.moveTo(box.left(), box.top() + 4);
  back.lineTo(box.left() + 16, box.top() + 4);
  back.lineTo(box.left() + 20, box.top());
  back.lineTo(box.right() - 4, box.top());
  back.quadTo(box.right(), box.top(), box.right(), box.top() + 4);
  back.lineTo(box.right(), box.bottom());
  back.lineTo(box.left(), box.bottom());
  back.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kFolderBack);
  painter.drawPath(back);
  // Papers waiting in the folder.
  painter.setBrush(kPaper);
  painter.setPen(QPen(kPaperEdge, 0.8));
  painter.drawRect(QRectF(box.left() + 6, box.top() + 5, box.width() - 14, 14));
  painter.drawRect(QRectF(box.left() + 9, box.top() + 3, box.width() - 16, 14));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kFolderFront);
  painter.drawRoundedRect(QRectF(box.left(), box.top() + 11, box.width(), box.height() - 11), 3, 3);
}

void TfProgressAnimation::paintSheet(QPainter& painter, double phase) const {
  // Along an arc from the folder to the shredder's slot, turning as it flies, then down into
  // the slot.
  const double flight = std::min(phase / 0.8, 1.0);
  const double sink = phase > 0.8 ? (phase - 0.8) / 0.2 : 0.0;
  const double x = kSheetStart.x() + (kSlot.x() - kSheetStart.x()) * flight;
  const double y = kSheetStart.y() + (kSlot.y() - 10 - kSheetStart.y()) * flight -
                   std::sin(flight * kPi) * 10 + sink * 20;
  const double angle = -20 + 20 * flight + std::sin(flight * kPi) * 8;
  painter.save();
  if (sink > 0) painter.setClipRect(QRectF(0, 0, width(), kSlot.y()));
  painter.translate(x, y);
  painter.rotate(angle * (1.0 - sink));
  const QRectF sheet = kSheet;
  painter.setPen(QPen(kPaperEdge, 0.8));
  painter.setBrush(kPaper);
  painter.drawRect(sheet);
  painter.setPen(QPen(kInk, 1.2));
  for (int line = 0; line < 4; ++line) {
    const double ly = sheet.top() + 5 + line * 3.5;
    painter.drawLine(QPointF(sheet.left() + 4, ly),
                     QPointF(sheet.right() - (line == 3 ? 8 : 4), ly));
  }
  painter.restore();
}

void TfProgressAnimation::paintShredder(QPainter& painter, double time) const {
  // Strips of paper coming out below, each growing from the body and dropping off in turn.
  const double stripTop = kShredder.bottom() - 2;
  painter.setPen(QPen(kPaperEdge, 0.6));
  painter.setBrush(kPaper);
  for (int i = 0; i < 9; ++i) {
    const double x = kShredder.left() + 8 + i * 5.5;
    const double length = 3 + std::fmod(time * 9 + i * 3.7, 10.0);
    painter.drawRect(QRectF(x, stripTop, 2.6, length));
  }
  // The body, with its slot and a light that says it is working.
  QLinearGradient shade(kShredder.topLeft(), kShredder.bottomLeft());
  shade.setColorAt(0, kBodyLight);
  shade.setColorAt(1, kBody);
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawRoundedRect(kShredder, 5, 5);
  painter.setBrush(QColor(30, 34, 42));
  painter.drawRoundedRect(QRectF(kSlot.x() - 17, kSlot.y() - 1.5, 34, 3), 1.5, 1.5);
  const bool lit = std::fmod(time, 1.0) < 0.6;
  painter.setBrush(lit ? QColor(88, 214, 141) : QColor(46, 120, 80));
  painter.drawEllipse(QPointF(kShredder.right() - 9, kShredder.top() + 14), 2.6, 2.6);
}

void TfProgressAnimation::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // Centred in whatever space the window gives.
  painter.translate((width() - 304) / 2.0, (height() - 60) / 2.0);
  const double time = clock_.elapsed() / 1000.0;
  paintFolder(painter, kFolder);
  paintShredder(painter, time);
  for (int i = 0; i < kSheets; ++i) {
    const double phase = std::fmod(time / kSheetSeconds + double(i) / kSheets, 1.0);
    paintSheet(painter, phase);
  }
}
