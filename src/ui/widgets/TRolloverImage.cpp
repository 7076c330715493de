#include "ui/widgets/TRolloverImage.h"

#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/widgets/PaletteSvg.h"

TRolloverImage::TRolloverImage(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  setAlignment(Qt::AlignCenter);
  setFocusPolicy(Qt::TabFocus);
}

QPixmap TRolloverImage::render(const QString& file) const {
  if (file.isEmpty()) return {};
  // Drawn in the palette's colours, at the screen's pixel ratio.
  QSvgRenderer renderer(PaletteSvg(file, palette()));
  if (!renderer.isValid()) return QIcon(file).pixmap(size(), devicePixelRatioF());
  const qreal ratio = devicePixelRatioF();
  QPixmap picture(size() * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  const QSizeF own = renderer.defaultSize();
  QRectF target(QPointF(0, 0), own.scaled(size(), Qt::KeepAspectRatio));
  target.moveCenter(QRectF(rect()).center());
  renderer.render(&painter, target);
  return picture;
}

void TRolloverImage::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) renderPictures();
}

void TRolloverImage::renderPictures() {
  if (!picture_.isEmpty()) {
    normalBitmap_ = render(picture_);
    if (!over_) setPixmap(normalBitmap_);
  }
  if (!overPicture_.isEmpty()) {
    overBitmap_ = render(overPicture_);
    if (over_) setPixmap(overBitmap_);
  }
}

void TRolloverImage::setPicture(const QString& file) {
  picture_ = file;
  renderPictures();
}

void TRolloverImage::setOverPicture(const QString& file) {
  overPicture_ = file;
  renderPictures();
}

void TRolloverImage::SetOverBitmap(const QPixmap& bitmap) {
  overBitmap_ = bitmap.copy();
  if (over_) setPixmap(overBitmap_);
  update();
}

void TRolloverImage::showHighlight(bool on) {
  if (on == over_) return;
  over_ = on;
  if (on) {
    normalBitmap_ = pixmap();
    if (!overBitmap_.isNull()) setPixmap(overBitmap_);
  } else {
    setPixmap(normalBitmap_);
  }
}

void TRolloverImage::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  showHighlight(true);
}

void TRolloverImage::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  showHighlight(hasFocus());
}

void TRolloverImage::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  showHighlight(true);
}

void TRolloverImage::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  showHighlight(underMouse());
}

void TRolloverImage::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit clicked();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

void TRolloverImage::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

void TRolloverImage::showEvent(QShowEvent* event) {
  QLabel::showEvent(event);
  // The pixel ratio is known for certain once the control is on its screen.
  renderPictures();
}
