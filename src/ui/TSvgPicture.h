#pragma once
// A picture drawn from an SVG file, stretched over the whole control at the screen's pixel
// ratio. Other controls may stand on it (the header and the bottom strip).

#include <QSvgRenderer>
#include <QWidget>

class TSvgPicture : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString picture READ picture WRITE setPicture)

 public:
  explicit TSvgPicture(QWidget* parent = nullptr);

  QString picture() const { return picture_; }
  void setPicture(const QString& file);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString picture_;
  QSvgRenderer renderer_;
};
