#include "image_control.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

#include "table_style.h"

namespace vorpo {

namespace {

// Far more than a hand of a hundred cards with its raised card and "FINISH!!" needs.
constexpr std::size_t kDrawingsKept = 256;

QImage DeviceSurface(QSize logical, qreal ratio) {
  QImage surface(static_cast<int>(std::ceil(logical.width() * ratio)),
                 static_cast<int>(std::ceil(logical.height() * ratio)), QImage::Format_RGB32);
  surface.setDevicePixelRatio(ratio);
  return surface;
}

template <class... Parts>
struct Overloaded : Parts... {
  using Parts::operator()...;
};

}  // namespace

ImageControl::ImageControl(QWidget* parent, const QRect& bounds, QSize surfaceSize)
    : TablePiece(parent, bounds),
      surfaceSize_(surfaceSize.isValid() ? surfaceSize : bounds.size()),
      // Nothing is seen of a control before it is first drawn on; green keeps it invisible on
      // the table until then.
      ground_(WinColour(kTableGreen)),
      canvasColour_(WinColour(kTableGreen)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

const QImage& ImageControl::Surface() const {
  if (surface_.isNull()) {
    surface_ = DeviceSurface(surfaceSize_, WantedRatio());
    surface_.fill(ground_);
    for (const Drawing& drawing : drawings_) Draw(drawing);
  }
  return surface_;
}

qreal ImageControl::WantedRatio() const {
  return devicePixelRatioF() * Zoom();
}

void ImageControl::Record(Drawing drawing) {
  const auto* fill = std::get_if<Fill>(&drawing);
  const bool whole = fill != nullptr && fill->area.contains(QRect(QPoint(), surfaceSize_));
  if (surface_.isNull() && whole) {
    ground_ = fill->colour;
    drawings_.clear();
    update();
    return;
  }
  // What is drawn on a hidden control is drawn when it is first shown (or looked at): the start
  // of the program lays out the piles long before a match shows them.
  if (surface_.isNull() && !isVisible() && drawings_.size() < kDrawingsKept) {
    drawings_.push_back(std::move(drawing));
    return;
  }
  Surface();
  if (whole) {
    drawings_.clear();
  } else if (drawings_.size() >= kDrawingsKept) {
    drawings_.assign(1, Picture{surface_});
  }
  Draw(drawing);
  drawings_.push_back(std::move(drawing));
  update();
}

void ImageControl::Draw(const Drawing& drawing) const {
  std::visit(Overloaded{
                 [this](const Fill& fill) {
                   // Clearing a whole surface is the common case; it needs no painter.
                   if (fill.area.contains(QRect(QPoint(), surfaceSize_))) {
                     surface_.fill(fill.colour);
                   } else {
                     QPainter painter(&surface_);
                     painter.fillRect(fill.area, fill.colour);
                   }
                 },
                 [this](const Cell& cell) {
                   cell.list->Draw(surface_, cell.at.x(), cell.at.y(), cell.index);
                 },
                 [this](const Text& text) {
                   QPainter painter(&surface_);
                   painter.setFont(text.font);
                   const QFontMetrics metrics(text.font);
                   painter.fillRect(QRect(text.at.x(), text.at.y(),
                                          metrics.horizontalAdvance(text.text), metrics.height()),
                                    text.ground);
                   painter.setPen(text.colour);
                   painter.drawText(text.at.x(), text.at.y() + metrics.ascent(), text.text);
                 },
                 [this](const Ring& ring) {
                   // Drawn on the device pixels, so that both halves keep whole pixels at any
                   // scale.
                   const qreal ratio = surface_.devicePixelRatio();
                   const auto device = [ratio](int pixels) {
                     return static_cast<int>(std::lround(pixels * ratio));
                   };
                   const int width = std::max(1, device(1));
                   QRect box(
                       QPoint(device(ring.box.left()), device(ring.box.top())),
                       QPoint(device(ring.box.right() + 1) - 1, device(ring.box.bottom() + 1) - 1));
                   QImage pixels(surface_.bits(), surface_.width(), surface_.height(),
                                 surface_.bytesPerLine(), surface_.format());
                   QPainter painter(&pixels);
                   for (const QColor& colour : {ring.outside, ring.inside}) {
                     const QRegion frame =
                         QRegion(box).subtracted(box.adjusted(width, width, -width, -width));
                     for (const QRect& part : frame) painter.fillRect(part, colour);
                     box.adjust(width, width, -width, -width);
                   }
                 },
                 [this](const Picture& picture) {
                   QPainter painter(&surface_);
                   painter.setRenderHint(QPainter::SmoothPixmapTransform);
                   painter.drawImage(QRectF(QPointF(), QSizeF(surfaceSize_)), picture.image);
                 },
             },
             drawing);
}

void ImageControl::FillRectangle(const QRect& area) {
  Record(Fill{area, canvasColour_});
}

void ImageControl::DrawCell(const ImageList& list, int index, int x, int y) {
  Record(Cell{&list, index, QPoint(x, y)});
}

void ImageControl::TextOut(int x, int y, const QString& text, const QFont& font, QColor colour) {
  Record(Text{QPoint(x, y), text, font, canvasColour_, colour});
}

void ImageControl::DrawRing(const QRect& box, QColor outside, QColor inside) {
  Record(Ring{box, outside, inside});
}

void ImageControl::PutBack(const Keepsake& kept) {
  drawings_ = kept.drawings;
  ground_ = kept.ground;
  if (kept.surface.devicePixelRatio() == WantedRatio())
    surface_ = kept.surface;
  else
    RemakeSurface();
  update();
}

// The surface is drawn again from its record at the new ratio; the record stays as it was.
void ImageControl::RemakeSurface() {
  if (surface_.isNull()) return;
  surface_ = QImage();
  Surface();
}

void ImageControl::ZoomChanged() {
  RemakeSurface();
}

void ImageControl::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  if (surface_.isNull() && drawings_.empty()) {
    painter.fillRect(area, ground_);
    return;
  }
  // A window moved to a screen of another pixel ratio paints before anything is drawn again.
  if (Surface().devicePixelRatio() != WantedRatio()) RemakeSurface();
  const qreal ratio = surface_.devicePixelRatio() / Zoom();
  painter.drawImage(
      QRectF(area), surface_,
      QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) clickPending_ = true;
  emit MouseDown(event->button(), TablePoint(event->position()));
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && clickPending_) {
    clickPending_ = false;
    if (rect().contains(event->position().toPoint())) emit Click();
  }
  emit MouseUp(event->button(), TablePoint(event->position()));
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMove(TablePoint(event->position()));
}

}  // namespace vorpo
