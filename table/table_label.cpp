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
  Relayout();
}

TableLabel::TableLabel(QWidget* parent, const QRect& bounds, QColor background, int tag)
    : TablePiece(parent, bounds), background_(background), autoSize_(false), tag_(tag) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableLabel::LieOn(QColor ground) {
  background_ = ground;
  keepsPixels_ = true;
  setAttribute(Qt::WA_OpaquePaintEvent);
  update();
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
  Relayout();
}

void TableLabel::SetFace(const QString& face) {
  if (font_.family() == face) return;
  font_.setFamily(face);
  styles_ = {};
  layouts_.clear();
  kept_.clear();
  Relayout();
}

// A name label changes style at every turn: measuring a face afresh each time would cost more
// than the rest of the turn, so each style is fitted once per face and kept, font engine and all.
// A style is fitted when it is first laid out or asked for, so that a label made at start-up
// does not load its face before the table shows.
const QFont& TableLabel::Font() const {
  std::optional<QFont>& style = styles_[font_.bold() ? 1 : 0];
  if (!style) {
    QFont font = font_;
    if (cellHeight_ > 0 && designedPixels_ > 0) {
      int pixels = designedPixels_;
      font.setPixelSize(pixels);
      while (pixels > 1 && QFontMetrics(font).height() > cellHeight_) font.setPixelSize(--pixels);
    }
    style = font;
  }
  return *style;
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
    layout.text.prepare(QTransform::fromScale(Zoom(), Zoom()), Font());
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
  if (const QImage* pixels = KeptPixels(painter)) {
    painter.drawImage(QPoint(), *pixels);
    return;
  }
  Draw(painter);
}

void TableLabel::Draw(QPainter& painter) const {
  if (background_.isValid()) painter.fillRect(rect(), background_);
  if (caption_.isEmpty()) return;
  painter.scale(Zoom(), Zoom());
  painter.setFont(Font());
  painter.setPen(colour_);
  painter.drawStaticText(0, 0, text_);
}

// The label's pixels as painter would paint them, painted once and kept. Where painter does not
// put the label on whole device pixels (at a fractional scale) there are none: kept pixels would
// be resampled there, and the text drawn at its place is sharper.
const QImage* TableLabel::KeptPixels(const QPainter& painter) {
  if (!keepsPixels_) return nullptr;
  const QTransform device = painter.deviceTransform();
  const qreal ratio = device.m11();
  const auto whole = [](qreal value) { return value == std::round(value); };
  if (device.type() > QTransform::TxScale || device.m22() != ratio || ratio < 1 || !whole(ratio) ||
      !whole(device.dx()) || !whole(device.dy()))
    return nullptr;
  const QSize devicePixels = size() * static_cast<int>(ratio);
  for (const KeptPicture& kept : kept_) {
    if (kept.caption == caption_ && kept.bold == font_.bold() && kept.colour == colour_ &&
        kept.pixels.devicePixelRatio() == ratio && kept.pixels.size() == devicePixels)
      return &kept.pixels;
  }
  // A seat's captions differ by their card count, which wanders over a few values in a deal.
  constexpr std::size_t kPicturesKept = 32;
  QImage pixels(devicePixels, QImage::Format_RGB32);
  pixels.setDevicePixelRatio(ratio);
  QPainter onto(&pixels);
  Draw(onto);
  onto.end();
  if (kept_.size() == kPicturesKept) kept_.erase(kept_.begin());
  kept_.push_back({caption_, font_.bold(), colour_, std::move(pixels)});
  return &kept_.back().pixels;
}

void TableLabel::showEvent(QShowEvent* event) {
  if (layoutPending_) Relayout();
  TablePiece::showEvent(event);
}

// The text is laid out again for the new scale, so that its glyphs are placed for it.
void TableLabel::ZoomChanged() {
  layouts_.clear();
  kept_.clear();
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
