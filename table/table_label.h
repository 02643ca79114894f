// A label of the table: either auto-sized to its caption and font, or a fixed field filled with
// its colour (the colour chooser). It reports a click of the primary button and carries a Tag,
// as the colour fields carry their colour index. Name labels change caption and style at every
// turn, and laying out Japanese text is slow, so each label keeps the layouts it has made. A
// label that is not on the screen is laid out when it shows: the faces of the colour chooser's
// labels are loaded only once the chooser first opens, not at every start.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QStaticText>

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "table_piece.h"

namespace vorpo {

class TableLabel : public TablePiece {
  Q_OBJECT

 public:
  // An auto-sized label with its top-left corner at at, its ground transparent. With a
  // cellHeight, the font is set smaller than designed where its face would need more height
  // than that for a line, in any face and style the label is given, so that nothing laid
  // below the label ever covers its descenders.
  TableLabel(QWidget* parent, QPoint at, const QFont& font, QColor textColour, int cellHeight = 0);
  // A fixed field without caption, filled with background.
  TableLabel(QWidget* parent, const QRect& bounds, QColor background, int tag);

  int Tag() const { return tag_; }
  const QString& Caption() const { return caption_; }
  // The font the caption is drawn in: the face and style given, fitted to the cell.
  const QFont& Font() const;
  QColor FontColour() const { return colour_; }

  // The label lies on a plain ground of this colour and on nothing else. It then paints the
  // ground itself, and keeps the pixels of its last few captions and styles: a name label is
  // painted again at every turn, and drawing its text costs more than the rest of the turn.
  void LieOn(QColor ground);

  void SetCaption(const QString& caption);
  void SetFontColour(QColor colour);
  void SetBold(bool bold);
  void SetFace(const QString& face);

 signals:
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void ZoomChanged() override;

 private:
  void Relayout();
  void Draw(QPainter& painter) const;
  const QImage* KeptPixels(const QPainter& painter);

  struct Layout {
    QStaticText text;
    QSize size;
  };
  struct KeptPicture {
    QString caption;
    bool bold;
    QColor colour;
    QImage pixels;  // at the device pixel ratio it was painted for
  };

  QString caption_;
  // The face and style given, at the designed size.
  QFont font_;
  // The face in its regular and its bold style, fitted to the cell.
  mutable std::array<std::optional<QFont>, 2> styles_;
  int designedPixels_ = 0;
  int cellHeight_ = 0;
  QColor colour_;
  QColor background_;
  bool autoSize_;
  int tag_ = 0;
  bool clickPending_ = false;
  bool layoutPending_ = false;
  QStaticText text_;
  // By caption and boldness, in the current face.
  QHash<std::pair<QString, bool>, Layout> layouts_;
  bool keepsPixels_ = false;
  std::vector<KeptPicture> kept_;
};

}  // namespace vorpo
