#pragma once
// A picture drawn from an SVG file, stretched over the whole control at the screen's pixel
// ratio. Other controls may stand on it (the header and the bottom strip). A picture that keeps
// its right edge is drawn in its own proportions at the control's right edge instead, and is cut
// off at the left when the control is narrower. Under a dark palette the picture takes the
// palette's colours (PaletteSvg.h).

#include <QSvgRenderer>
#include <QWidget>

class TSvgPicture : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString picture READ picture WRITE setPicture)
  Q_PROPERTY(bool keepRightEdge READ keepRightEdge WRITE setKeepRightEdge)

 public:
  explicit TSvgPicture(QWidget* parent = nullptr);

  QString picture() const { return picture_; }
  void setPicture(const QString& file);
  bool keepRightEdge() const { return keepRightEdge_; }
  void setKeepRightEdge(bool keep);
  // A picture that keeps its right edge asks for its own size; the others for none.
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void loadPicture();

  QString picture_;
  bool keepRightEdge_ = false;
  QSvgRenderer renderer_;
};
