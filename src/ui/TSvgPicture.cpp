#include "ui/TSvgPicture.h"

#include <QPainter>

TSvgPicture::TSvgPicture(QWidget* parent) : QWidget(parent) {}

void TSvgPicture::setPicture(const QString& file) {
  picture_ = file;
  renderer_.load(file);
  renderer_.setAspectRatioMode(Qt::IgnoreAspectRatio);
  update();
}

void TSvgPicture::paintEvent(QPaintEvent*) {
  if (!renderer_.isValid()) return;
  QPainter painter(this);
  renderer_.render(&painter, QRectF(rect()));
}
