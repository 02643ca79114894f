// The two picture lists the table draws from: ImageList1 holds the 56 card cells of 40 x 60,
// ImageList2 the 4 small cells of 40 x 25 (pass button released and pressed, arrow down, arrow
// up). Magenta 0xFF00FF is transparent in both; the mask is made once, when a list is filled.
#pragma once

#include <QColor>
#include <QImage>

#include <optional>

namespace vorpo {

class ImageList {
 public:
  ImageList(int cellWidth, int cellHeight, int cellCount);

  int CellWidth() const { return cellWidth_; }
  int CellHeight() const { return cellHeight_; }
  int CellCount() const { return cellCount_; }

  // Takes a strip of CellCount cells side by side; false (list unchanged) when its size is not
  // exactly CellCount*CellWidth x CellHeight.
  bool Fill(const QImage& strip);
  bool IsFilled() const { return !cells_.isNull(); }

  // Draws cell index masked at (x, y) of surface, with the background colour (when set) under
  // the transparent pixels. An index outside the list draws nothing.
  void Draw(QImage& surface, int x, int y, int index) const;

  void SetBackground(QColor colour) { background_ = colour; }
  std::optional<QColor> Background() const { return background_; }

 private:
  int cellWidth_, cellHeight_, cellCount_;
  QImage cells_;  // ARGB32 with magenta made transparent
  std::optional<QColor> background_;
};

}  // namespace vorpo
