// An image control of the table: a widget that keeps its own off-screen drawing surface and
// shows it. Every drawing goes to the surface; Repaint puts the surface on the screen at once,
// and any drawing is shown at the latest when the window next paints.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

#include "image_lists.h"

namespace vorpo {

class ImageControl : public QWidget {
  Q_OBJECT

 public:
  // A control at bounds whose surface has the control's size, or surfaceSize when given (a hand
  // image keeps a 400 x 60 surface however narrow the control becomes). The surface holds the
  // screen's device pixels, so text and pictures drawn on it are as sharp as the screen allows;
  // every coordinate given to the control is in the window's own (logical) pixels.
  ImageControl(QWidget* parent, const QRect& bounds, QSize surfaceSize = {});

  const QImage& Surface() const { return surface_; }
  // The surface's size in logical pixels.
  QSize SurfaceSize() const { return surfaceSize_; }

  // The colour of the pen and the brush: the colour of every filled rectangle and of the
  // ground behind text.
  void SetCanvasColour(QColor colour) { canvasColour_ = colour; }
  void FillRectangle(const QRect& area);
  // Clearing covers a whole hand, 400 x 60, whatever the control's own size.
  void Clear() { FillRectangle(QRect(0, 0, 400, 60)); }
  // Cell index of list at (x, y), masked.
  void DrawCell(const ImageList& list, int index, int x, int y);
  // Text with its top-left corner at (x, y) on an opaque ground of the canvas colour.
  void TextOut(int x, int y, const QString& text, const QFont& font, QColor colour);

  // Puts back a picture taken earlier from this control's Surface(), pixel for pixel.
  void PutBack(const QImage& picture) {
    surface_ = picture;
    update();
  }

  void Repaint() { repaint(); }

 signals:
  // Any mouse button; positions are in the control's pixels.
  void MouseDown(Qt::MouseButton button, QPoint at);
  void MouseUp(Qt::MouseButton button, QPoint at);
  void MouseMove(QPoint at);
  // The primary button pressed and released on the control.
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QSize surfaceSize_;
  QImage surface_;
  QColor canvasColour_;
  bool clickPending_ = false;
};

}  // namespace vorpo
