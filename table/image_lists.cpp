#include "image_lists.h"

#include <QPainter>

#include <algorithm>
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

ImageList::Cells ImageList::MaskedCells(QImage image) const {
  Cells cells(std::move(image));
  const int width = cells.image.width() / cellCount_;
  const int height = cells.image.height();
  cells.rowRuns.reserve(static_cast<std::size_t>(cellCount_ * height) + 1);
  for (int cell = 0; cell < cellCount_; ++cell) {
    for (int y = 0; y < height; ++y) {
      cells.rowRuns.push_back(static_cast<std::uint32_t>(cells.runs.size()));
      const auto* row = reinterpret_cast<const QRgb*>(cells.image.constScanLine(y)) + cell * width;
      for (int x = 0; x < width;) {
        if (row[x] == 0) {
          ++x;
          continue;
        }
        const int left = x;
        while (x < width && row[x] != 0) ++x;
        cells.runs.push_back(
            {static_cast<std::uint16_t>(left), static_cast<std::uint16_t>(x - left)});
      }
    }
  }
  cells.rowRuns.push_back(static_cast<std::uint32_t>(cells.runs.size()));
  return cells;
}

// A masked cell put on a surface's device pixels exactly as a painter would compose it: its
// opaque pixels replace the surface's, and its transparent ones leave the surface as it was or
// show the ground. A painter costs more to set up than a card costs to copy, and hands are
// drawn card by card at every move.
void ImageList::PutMasked(QImage& surface, QPoint at, const Cells& cells, int index,
                          const QRect& source) const {
  const QRect target = QRect(at, source.size()).intersected(surface.rect());
  if (target.isEmpty()) return;
  uchar* bits = surface.bits();
  const qsizetype stride = surface.bytesPerLine();
  const auto pixelsOf = [&](int y) { return reinterpret_cast<QRgb*>(bits + y * stride); };
  if (background_) {
    for (int y = target.top(); y <= target.bottom(); ++y)
      std::fill_n(pixelsOf(y) + target.left(), target.width(), background_->rgba());
  }
  const uchar* cellBits =
      cells.image.constBits() + static_cast<qsizetype>(source.x()) * qsizetype{sizeof(QRgb)};
  const qsizetype cellStride = cells.image.bytesPerLine();
  const int clipLeft = target.left() - at.x();
  const int clipRight = target.right() + 1 - at.x();
  // Held in locals: every copy is a call that could otherwise have changed them.
  const Run* runs = cells.runs.data();
  const std::uint32_t* rowRuns = cells.rowRuns.data() + index * source.height();
  for (int y = target.top(); y <= target.bottom(); ++y) {
    const int row = y - at.y();
    const auto* from = reinterpret_cast<const QRgb*>(cellBits + row * cellStride);
    QRgb* to = pixelsOf(y) + at.x();
    for (std::uint32_t r = rowRuns[row]; r < rowRuns[row + 1]; ++r) {
      const int left = std::max<int>(runs[r].left, clipLeft);
      const int right = std::min<int>(runs[r].left + runs[r].width, clipRight);
      if (left < right) std::copy(from + left, from + right, to + left);
    }
  }
}

QSize ImageList::DeviceCellSize(qreal ratio) const {
  return {Rounded(cellWidth_ * ratio), Rounded(cellHeight_ * ratio)};
}

bool ImageList::Fill(const QImage& strip, StripDrawing drawing) {
  if (strip.isNull() || strip.width() != cellCount_ * cellWidth_ || strip.height() != cellHeight_) {
    return false;
  }
  strip_ = strip;
  cells_ = Cells();
  drawing_ = std::move(drawing);
  scaled_.clear();
  return true;
}

// The strip's cells are made at their first drawing: a table draws no card before its first
// deal, and a strip of 16 colours is a quarter of the size of its cells.
const ImageList::Cells& ImageList::OwnCells() const {
  if (cells_.image.isNull() && !strip_.isNull()) {
    // Through RGB32 first, so that whatever alpha the bitmap carried is ignored as the
    // platform's image lists ignore it; only magenta becomes transparent.
    QImage cells = strip_.convertToFormat(QImage::Format_RGB32)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < cells.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(cells.scanLine(y));
      for (int x = 0; x < cells.width(); ++x) {
        if ((row[x] & 0xFFFFFF) == kTransparentColour) row[x] = 0;
      }
    }
    cells_ = MaskedCells(std::move(cells));
    strip_ = QImage();
  }
  return cells_;
}

void ImageList::Draw(QImage& surface, int x, int y, int index) const {
  if (!IsFilled() || index < 0 || index >= cellCount_) return;
  const qreal ratio = surface.devicePixelRatio();
  const Cells& cells = CellsAt(ratio);
  const QSize cell = DeviceCellSize(ratio);
  const QPoint at(Rounded(x * ratio), Rounded(y * ratio));
  const QRect source(QPoint(index * cell.width(), 0), cell);
  const bool opaqueGround = !background_ || background_->alpha() == 255;
  if (cells.Masked() && opaqueGround && surface.depth() == 32) {
    PutMasked(surface, at, cells, index, source);
    return;
  }
  // Painted through a view of the surface's memory at ratio 1, so that the painter puts the
  // cell's pixels on the device pixels one to one instead of resampling them.
  QImage device(surface.bits(), surface.width(), surface.height(), surface.bytesPerLine(),
                surface.format());
  QPainter painter(&device);
  if (background_) painter.fillRect(QRect(at, cell), *background_);
  painter.drawImage(at, cells.image, source);
}

// Cells are told apart by their size in device pixels rather than by the ratio itself, so that a
// ratio that misses 2 by a rounding error (the screen's ratio times the zoom) draws as 2 does.
const ImageList::Cells& ImageList::CellsAt(qreal ratio) const {
  const QSize cell = DeviceCellSize(ratio);
  if (cell == QSize(cellWidth_, cellHeight_)) return OwnCells();
  for (const ScaledCells& scaled : scaled_) {
    if (scaled.cell == cell) return scaled.cells;
  }
  if (scaled_.size() == kKeptRatios) scaled_.erase(scaled_.begin());
  scaled_.push_back({cell, MakeCells(ratio, cell)});
  return scaled_.back().cells;
}

ImageList::Cells ImageList::MakeCells(qreal ratio, QSize cell) const {
  if (drawing_) return Cells(drawing_(ratio).convertToFormat(QImage::Format_ARGB32_Premultiplied));
  const int factor = cell.width() / cellWidth_;
  if (cell == QSize(factor * cellWidth_, factor * cellHeight_))
    return MaskedCells(Repeated(OwnCells().image, factor));
  return Cells(Smoothed(OwnCells().image, QSize(cellWidth_, cellHeight_), cell, cellCount_));
}

}  // namespace vorpo
