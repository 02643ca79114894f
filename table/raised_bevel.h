// The frame around the indicator block: one raised edge, light along the top and the left,
// dark along the bottom and the right, and nothing drawn inside.
#pragma once

#include "table_piece.h"

namespace vorpo {

class RaisedBevel : public TablePiece {
  Q_OBJECT

 public:
  RaisedBevel(QWidget* parent, const QRect& bounds);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vorpo
