// A control of the table, placed in the table's own pixels. The player may show the whole table
// larger (the table zoom): a piece then covers its bounds times the zoom and draws itself scaled,
// while everything the window asks of it, and every pointer position it reports, stays in the
// table's own pixels, so that a press still lands on the card under the pointer.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

namespace vorpo {

class TablePiece : public QWidget {
  Q_OBJECT

 public:
  TablePiece(QWidget* parent, const QRect& bounds);

  // In the table's pixels.
  QRect Bounds() const { return bounds_; }
  void SetBounds(const QRect& bounds);
  void MoveTo(QPoint at) { SetBounds(QRect(at, bounds_.size())); }
  void ResizeTo(QSize size) { SetBounds(QRect(bounds_.topLeft(), size)); }

  qreal Zoom() const { return zoom_; }
  void SetZoom(qreal zoom);

  // A point of the widget, in the table's pixels of the piece.
  QPoint TablePoint(QPointF widgetPoint) const;

 protected:
  virtual void ZoomChanged() {}

 private:
  QRect bounds_;
  qreal zoom_ = 1;
};

// Where bounds in the table's pixels lie in the zoomed window. Edges are rounded one by one, so
// that pieces that touch in the table touch when zoomed as well.
QRect ZoomedRect(const QRect& bounds, qreal zoom);

}  // namespace vorpo
