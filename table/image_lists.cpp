#include "image_lists.h"

#include <QPainter>

#include <cmath>

namespace vorpo {

namespace {

constexpr QRgb kTransparentColour = 0xFF00FF;  // magenta, ignoring the alpha byte

// A table's surfaces share one ratio (the screen's, times the table's zoom); a second screen or
// a change of zoom adds another, and one still in use is rarely dropped.
constexpr std::size_t kKeptRatios = 3;

int Rounded(qreal value) {
  return static_cast<int>(std::lround(value));
}

// Every pixel of cells as factor x factor pixels: its edges and its transparency exactly as
// they were, only larger.
QImage Repeated(const QImage& cells, int factor) {
  QImage larger(cells.width() * factor, cells.height() * factor, cells.format());
  for (int y = 0; y < larger.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(cells.constScanLine(y / factor));
    auto* to = reinterpret_cast<QRgb*>(larger.scanLine(y));
    for (int x = 0; x < larger.width(); ++x) to[x] = from[x / factor];
  }
  return larger;
}

// Each cell of cells filtered smoothly to the size to, on its own so that no neighbour's edge
// bleeds into it. The cells are premultiplied with magenta already transparent, so a picture's
// edge fades out without a magenta fringe.
QImage Smoothed(const QImage& cells, QSize from, QSize to, int count) {
  QImage smooth(count * to.width(), to.height(), QImage::Format_ARGB32_Premultiplied);
  smooth.fill(Qt::transparent);
  QPainter painter(&smooth);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (int cell = 0; cell < count; ++cell) {
    const QImage one = cells.copy(QRect(QPoint(cell * from.width(), 0), from));
    painter.drawImage(cell * to.width(), 0,
                      one.scaled(to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  return smooth;
}

}  // namespace

ImageList::ImageList(int cellWidth, int cellHeight, int cellCount)
    : cellWidth_(cellWidth), cellHeight_(cellHeight), cellCount_(cellCount) {}

QSize ImageList::DeviceCellSize(qreal ratio) const {
  return {Rounded(cellWidth_ * ratio), Rounded(cellHeight_ * ratio)};
}

bool ImageList::Fill(const QImage& strip, StripDrawing drawing) {
  if (strip.isNull() || strip.width() != cellCount_ * cellWidth_ || strip.height() != cellHeight_) {
    return false;
  }
  // Through RGB32 first, so that whatever alpha the bitmap carried is ignored as the platform's
  // image lists ignore it; only magenta becomes transparent.
  QImage cells = strip.convertToFormat(QImage::Format_RGB32)
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < cells.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(cells.scanLine(y));
    for (int x = 0; x < cells.width(); ++x) {
      if ((row[x] & 0xFFFFFF) == kTransparentColour) row[x] = 0;
    }
  }
  cells_ = std::move(cells);
  drawing_ = std::move(drawing);
  scaled_.clear();
  return true;
}

void ImageList::Draw(QImage& surface, int x, int y, int index) const {
  if (cells_.isNull() || index < 0 || index >= cellCount_) return;
  const qreal ratio = surface.devicePixelRatio();
  const QImage& cells = CellsAt(ratio);
  const QSize cell = DeviceCellSize(ratio);
  const QPoint at(Rounded(x * ratio), Rounded(y * ratio));
  // Painted through a view of the surface's memory at ratio 1, so that the painter puts the
  // cell's pixels on the device pixels one to one instead of resampling them.
  QImage device(surface.bits(), surface.width(), surface.height(), surface.bytesPerLine(),
                surface.format());
  QPainter painter(&device);
  if (background_) painter.fillRect(QRect(at, cell), *background_);
  painter.drawImage(at, cells, QRect(QPoint(index * cell.width(), 0), cell));
}

// Cells are told apart by their size in device pixels rather than by the ratio itself, so that a
// ratio that misses 2 by a rounding error (the screen's ratio times the zoom) draws as 2 does.
const QImage& ImageList::CellsAt(qreal ratio) const {
  const QSize cell = DeviceCellSize(ratio);
  if (cell == QSize(cellWidth_, cellHeight_)) return cells_;
  for (const ScaledCells& scaled : scaled_) {
    if (scaled.cell == cell) return scaled.cells;
  }
  if (scaled_.size() == kKeptRatios) scaled_.erase(scaled_.begin());
  scaled_.push_back({cell, MakeCells(ratio, cell)});
  return scaled_.back().cells;
}

QImage ImageList::MakeCells(qreal ratio, QSize cell) const {
  if (drawing_) return drawing_(ratio).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int factor = cell.width() / cellWidth_;
  if (cell == QSize(factor * cellWidth_, factor * cellHeight_)) return Repeated(cells_, factor);
  return Smoothed(cells_, QSize(cellWidth_, cellHeight_), cell, cellCount_);
}

}  // namespace vorpo
