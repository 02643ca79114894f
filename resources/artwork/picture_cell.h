// Drawing one cell of a picture strip at a scale: the strips' cells are designed in picture
// pixels (40 x 60 and 40 x 25) and drawn at any number of device pixels per picture pixel.
//
// At scale 1 the cells are the 16-colour pictures the program carries: nothing is antialiased,
// every pixel is opaque or transparent. At any other scale the same shapes and text are drawn
// antialiased from the same paths scaled, and what must keep an even width (a card's outline
// and border, a frame, a button's bevel) is placed on whole device pixels.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

namespace vorpo::artwork {

// A transparent strip for cells pictures of the size picture (in picture pixels) at scale, side
// by side: each cell is round(width x scale) x round(height x scale) device pixels.
QImage BlankStrip(QSize picture, int cells, qreal scale);

class PictureCell {
 public:
  PictureCell(QImage& strip, int index, QSize picture, qreal scale);
  PictureCell(const PictureCell&) = delete;
  PictureCell& operator=(const PictureCell&) = delete;

  qreal Scale() const { return scale_; }
  bool Smooth() const { return scale_ != 1; }
  // A length in picture pixels as whole device pixels.
  int Snap(qreal length) const;
  // The width of a line that is one picture pixel wide, in device pixels (at least 1).
  int Line() const;
  // The cell's size in device pixels.
  QSize Size() const { return size_; }

  // The painter, set to draw in the cell's own picture pixels or in its device pixels; no pen,
  // antialiased unless the scale is 1.
  QPainter& InPicturePixels();
  QPainter& InDevicePixels();

 private:
  qreal scale_;
  QSize size_;
  int left_;
  QPainter painter_;
};

}  // namespace vorpo::artwork
