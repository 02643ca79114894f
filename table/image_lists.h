// The two picture lists the table draws from: ImageList1 holds the 56 card cells of 40 x 60,
// ImageList2 the 4 small cells of 40 x 25 (pass button released and pressed, arrow down, arrow
// up). Magenta 0xFF00FF is transparent in both; the mask is made once, when a list first draws.
//
// A list draws onto a surface at the surface's device pixel ratio: a cell is round(width x
// ratio) x round(height x ratio) device pixels, made once for that size and put on the surface
// pixel for pixel. At ratio 1 the cells are the filled strip's own. At other ratios they are the
// list's drawing of the strip at that ratio when it was given one (the built-in pictures),
// otherwise the strip's pixels scaled: repeated at a whole ratio, so that a pack's pictures
// stay sharp, and smoothly filtered at a fractional one. A ratio a rounding error off 1 or off
// a whole ratio gives cells of the same size and draws exactly as that ratio does.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace vorpo {

class ImageList {
 public:
  // The whole strip drawn at a device pixel ratio other than 1: CellCount cells of
  // round(CellWidth x ratio) x round(CellHeight x ratio) side by side, transparent (alpha 0)
  // where nothing is drawn.
  using StripDrawing = std::function<QImage(qreal ratio)>;

  ImageList(int cellWidth, int cellHeight, int cellCount);

  int CellWidth() const { return cellWidth_; }
  int CellHeight() const { return cellHeight_; }
  int CellCount() const { return cellCount_; }
  // A cell's size in device pixels at a ratio.
  QSize DeviceCellSize(qreal ratio) const;

  // Takes a strip of CellCount cells side by side; false (list unchanged) when its size is not
  // exactly CellCount*CellWidth x CellHeight. drawing, when given, draws the same pictures at
  // other ratios (at ratio 1 it would give strip itself).
  bool Fill(const QImage& strip, StripDrawing drawing = {});
  bool IsFilled() const { return !strip_.isNull() || !cells_.image.isNull(); }

  // Draws cell index masked at (x, y) of surface, in the surface's logical pixels, with the
  // background colour (when set) under the transparent pixels: at ratio r the cell's device
  // pixels land from (round(x r), round(y r)) on. An index outside the list draws nothing.
  void Draw(QImage& surface, int x, int y, int index) const;

  void SetBackground(QColor colour) { background_ = colour; }
  std::optional<QColor> Background() const { return background_; }

 private:
  // A run of opaque pixels in a row of a masked cell, from left (in the cell) on.
  struct Run {
    std::uint16_t left, width;
  };
  // Cells side by side, ARGB32 premultiplied. Masked cells have every pixel either opaque or
  // fully transparent; they carry their opaque runs, row by row, and go on a surface by copying
  // the runs, without a painter.
  struct Cells {
    explicit Cells(QImage cells = {}) : image(std::move(cells)) {}
    bool Masked() const { return !rowRuns.empty(); }

    QImage image;
    std::vector<Run> runs;
    // Where the runs of each cell's each row begin in runs: (cell x height + row), and one more
    // for the end. Empty for cells that are not masked.
    std::vector<std::uint32_t> rowRuns;
  };
  struct ScaledCells {
    QSize cell;  // in device pixels
    Cells cells;
  };

  Cells MaskedCells(QImage image) const;
  const Cells& OwnCells() const;
  void PutMasked(QImage& surface, QPoint at, const Cells& cells, int index,
                 const QRect& source) const;
  // The cells at ratio side by side, made on first use.
  const Cells& CellsAt(qreal ratio) const;
  Cells MakeCells(qreal ratio, QSize cell) const;

  int cellWidth_, cellHeight_, cellCount_;
  // The strip as filled, until its cells are made from it.
  mutable QImage strip_;
  mutable Cells cells_;  // magenta made transparent
  StripDrawing drawing_;
  std::optional<QColor> background_;
  // The cells of the few ratios a table's surfaces have had, the oldest dropped first.
  mutable std::vector<ScaledCells> scaled_;
};

}  // namespace vorpo
