// An image control of the table: a widget that keeps its own off-screen drawing surface and
// shows it. Every drawing goes to the surface; Repaint puts the surface on the screen at once,
// and any drawing is shown at the latest when the window next paints.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <variant>
#include <vector>

#include "image_lists.h"
#include "table_piece.h"

namespace vorpo {

class ImageControl : public TablePiece {
  Q_OBJECT

 public:
  // A control at bounds whose surface has the control's size, or surfaceSize when given (a hand
  // image keeps a 400 x 60 surface however narrow the control becomes). The surface holds the
  // device pixels the control covers on the screen, at the table's zoom, so text and pictures
  // drawn on it are as sharp as the screen allows; every coordinate given to the control is in
  // the table's own pixels.
  ImageControl(QWidget* parent, const QRect& bounds, QSize surfaceSize = {});

  // Everything drawn so far; a surface not yet made is made from the record here.
  const QImage& Surface() const;
  // The surface's size in the table's pixels.
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

  // A ring two pixels wide along the inside of box, outside colour on its outer pixel and
  // inside colour on its inner one; at any scale each is a whole number of device pixels wide,
  // the same on all four sides.
  void DrawRing(const QRect& box, QColor outside, QColor inside);

  void Repaint() { repaint(); }

 private:
  struct Fill {
    QRect area;
    QColor colour;
  };
  struct Cell {
    const ImageList* list;  // outlives the control's record: a change of scale draws it again
    int index;
    QPoint at;
  };
  struct Text {
    QPoint at;
    QString text;
    QFont font;
    QColor ground, colour;
  };
  struct Ring {
    QRect box;
    QColor outside, inside;
  };
  // The surface as it stood when the record grew too long, taken over by the new surface.
  struct Picture {
    QImage image;
  };
  using Drawing = std::variant<Fill, Cell, Text, Ring, Picture>;

 public:
  // What the control shows, kept to be put back later exactly as it was.
  struct Keepsake {
    QImage surface;
    QColor ground;
    std::vector<Drawing> drawings;
  };
  Keepsake Keep() const { return {Surface(), ground_, drawings_}; }
  void PutBack(const Keepsake& kept);

 signals:
  // Any mouse button; positions are in the table's pixels of the control.
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
  void ZoomChanged() override;

 private:
  void Record(Drawing drawing);
  void Draw(const Drawing& drawing) const;
  qreal WantedRatio() const;
  void RemakeSurface();

  QSize surfaceSize_;
  // Made when something other than one colour is first drawn on the control while it shows, or
  // when it is first shown or looked at: until then the control shows ground_ under its record.
  // Most of the table's controls show nothing until a match starts, and ten hands of plain green
  // would hold a megabyte.
  mutable QImage surface_;
  QColor ground_;
  QColor canvasColour_;
  // What has been drawn since the surface was last covered whole, kept so that the surface can
  // be drawn again, sharp, when the screen's pixel ratio or the zoom changes.
  std::vector<Drawing> drawings_;
  bool clickPending_ = false;
};

}  // namespace vorpo
