#include "table_label.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>

#include <cmath>

namespace vorpo {

TableLabel::TableLabel(QWidget* parent, QPoint at, const QFont& font, QColor textColour,
                       int cellHeight)
    : TablePiece(parent, QRect(at, QSize())),
      font_(font),
      designedPixels_(font.pixelSize()),
      cellHeight_(cellHeight),
      colour_(textColour),
      autoSize_(true) {
  FitToCell();
  Relayout();
}

TableLabel::TableLabel(QWidget* parent, const QRect& bounds, QColor background, int tag)
    : TablePiece(parent, bounds), background_(background), autoSize_(false), tag_(tag) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableLabel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Relayout();
}

void TableLabel::SetFontColour(QColor colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

void TableLabel::SetBold(bool bold) {
  if (font_.bold() == bold) return;
  font_.setBold(bold);
  FitToCell();
  Relayout();
}

void TableLabel::SetFace(const QString& face) {
  if (font_.family() == face) return;
  font_.setFamily(face);
  FitToCell();
  layouts_.clear();
  Relayout();
}

void TableLabel::FitToCell() {
  if (cellHeight_ <= 0 || designedPixels_ <= 0) return;
  int pixels = designedPixels_;
  font_.setPixelSize(pixels);
  while (pixels > 1 && QFontMetrics(font_).height() > cellHeight_) font_.setPixelSize(--pixels);
}

// An auto-sized label is exactly as large as its caption in its font.
void TableLabel::Relayout() {
  if (!isVisible()) {
    layoutPending_ = true;
    return;
  }
  layoutPending_ = false;
  // A seat's captions are its name with a card count, in two styles: a few hundred at most.
  constexpr qsizetype kLayoutsKept = 512;
  const std::pair<QString, bool> key{caption_, font_.bold()};
  auto found = layouts_.constFind(key);
  if (found == layouts_.constEnd()) {
    if (layouts_.size() >= kLayoutsKept) layouts_.clear();
    Layout layout;
    layout.text.setTextFormat(Qt::PlainText);
    layout.text.setText(caption_);
    layout.text.prepare(QTransform::fromScale(Zoom(), Zoom()), font_);
    const QSizeF size = layout.text.size();
    layout.size = QSize(static_cast<int>(std::ceil(size.width())),
                        static_cast<int>(std::ceil(size.height())));
    found = layouts_.insert(key, layout);
  }
  text_ = found->text;
  if (autoSize_) ResizeTo(found->size);
  update();
}

void TableLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.isValid()) painter.fillRect(rect(), background_);
  if (caption_.isEmpty()) return;
  painter.scale(Zoom(), Zoom());
  painter.setFont(font_);
  painter.setPen(colour_);
  painter.drawStaticText(0, 0, text_);
}

void TableLabel::showEvent(QShowEvent* event) {
  if (layoutPending_) Relayout();
  TablePiece::showEvent(event);
}

// The text is laid out again for the new scale, so that its glyphs are placed for it.
void TableLabel::ZoomChanged() {
  layouts_.clear();
  Relayout();
}

void TableLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) clickPending_ = true;
  event->accept();
}

void TableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && clickPending_) {
    clickPending_ = false;
    if (rect().contains(event->position().toPoint())) emit Click();
  }
  event->accept();
}

}  // namespace vorpo
