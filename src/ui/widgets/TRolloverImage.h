#pragma once
// A picture button: shows its picture, swaps in OverBitmap while the mouse is over it or the
// keyboard is on it, and reports a click (or Space or Enter pressed on it). Tab reaches it.
// Pictures are drawn from SVG files at the screen's pixel ratio, in the palette's colours
// (PaletteSvg.h).

#include <QLabel>
#include <QPixmap>

class TRolloverImage : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QString picture READ picture WRITE setPicture)
  Q_PROPERTY(QString overPicture READ overPicture WRITE setOverPicture)
  Q_PROPERTY(QPixmap OverBitmap READ OverBitmap WRITE SetOverBitmap)

 public:
  explicit TRolloverImage(QWidget* parent = nullptr);

  // The SVG file shown normally, and the one shown while the mouse is over the control.
  QString picture() const { return picture_; }
  void setPicture(const QString& file);
  QString overPicture() const { return overPicture_; }
  void setOverPicture(const QString& file);

  // The picture shown while the mouse is over the control; assigning it copies the picture.
  QPixmap OverBitmap() const { return overBitmap_; }
  void SetOverBitmap(const QPixmap& bitmap);

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QPixmap render(const QString& file) const;
  void renderPictures();
  // Shows the over picture while the mouse is in or the keyboard is on the control.
  void showHighlight(bool on);

  QString picture_;
  QString overPicture_;
  QPixmap overBitmap_;
  QPixmap normalBitmap_;  // the picture shown before the mouse came in
  bool over_ = false;
};
