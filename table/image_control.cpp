#include "image_control.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "table_style.h"

namespace vorpo {

namespace {

QImage DeviceSurface(QSize logical, qreal ratio) {
  QImage surface(static_cast<int>(std::ceil(logical.width() * ratio)),
                 static_cast<int>(std::ceil(logical.height() * ratio)), QImage::Format_RGB32);
  surface.setDevicePixelRatio(ratio);
  return surface;
}

}  // namespace

ImageControl::ImageControl(QWidget* parent, const QRect& bounds, QSize surfaceSize)
    : QWidget(parent),
      surfaceSize_(surfaceSize.isValid() ? surfaceSize : bounds.size()),
      surface_(DeviceSurface(surfaceSize_, devicePixelRatioF())),
      canvasColour_(WinColour(kTableGreen)) {
  setGeometry(bounds);
  // Nothing is seen of a control before it is first drawn on; green keeps it invisible on the
  // table until then.
  surface_.fill(canvasColour_);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageControl::FillRectangle(const QRect& area) {
  // Clearing a whole surface is the common case; it needs no painter.
  if (area.contains(QRect(QPoint(), surfaceSize_))) {
    surface_.fill(canvasColour_);
  } else {
    QPainter painter(&surface_);
    painter.fillRect(area, canvasColour_);
  }
  update();
}

void ImageControl::DrawCell(const ImageList& list, int index, int x, int y) {
  list.Draw(surface_, x, y, index);
  update();
}

void ImageControl::TextOut(int x, int y, const QString& text, const QFont& font, QColor colour) {
  QPainter painter(&surface_);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), canvasColour_);
  painter.setPen(colour);
  painter.drawText(x, y + metrics.ascent(), text);
  update();
}

void ImageControl::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  const qreal ratio = surface_.devicePixelRatio();
  painter.drawImage(
      QRectF(area), surface_,
      QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) clickPending_ = true;
  emit MouseDown(event->button(), event->position().toPoint());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton && clickPending_) {
    clickPending_ = false;
    if (rect().contains(at)) emit Click();
  }
  emit MouseUp(event->button(), at);
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMove(event->position().toPoint());
}

}  // namespace vorpo
