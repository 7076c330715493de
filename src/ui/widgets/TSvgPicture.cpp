#include "ui/widgets/TSvgPicture.h"

#include <QEvent>
#include <QPainter>

#include "ui/widgets/PaletteSvg.h"

TSvgPicture::TSvgPicture(QWidget* parent) : QWidget(parent) {}

void TSvgPicture::setPicture(const QString& file) {
  picture_ = file;
  loadPicture();
  updateGeometry();
  update();
}

void TSvgPicture::loadPicture() {
  renderer_.load(PaletteSvg(picture_, palette()));
  renderer_.setAspectRatioMode(Qt::IgnoreAspectRatio);
}

void TSvgPicture::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange && !picture_.isEmpty()) {
    loadPicture();
    update();
  }
}

void TSvgPicture::setKeepRightEdge(bool keep) {
  keepRightEdge_ = keep;
  updateGeometry();
  update();
}

QSize TSvgPicture::sizeHint() const {
  return keepRightEdge_ && renderer_.isValid() ? renderer_.defaultSize() : QWidget::sizeHint();
}

void TSvgPicture::paintEvent(QPaintEvent*) {
  if (!renderer_.isValid()) return;
  QPainter painter(this);
  QRectF target(rect());
  const QSizeF own = renderer_.viewBoxF().size();
  if (keepRightEdge_ && own.height() > 0) {
    const qreal width = own.width() * height() / own.height();
    target = QRectF(this->width() - width, 0, width, height());
  }
  renderer_.render(&painter, target);
}
