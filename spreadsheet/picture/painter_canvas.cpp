#include "spreadsheet/picture/painter_canvas.h"

#include <QPen>
#include <algorithm>

namespace spreadsheet::picture {

void PainterCanvas::fillRect(const QRect& gridRect, const QColor& color) {
  const QRect rect = gridRect.translated(-origin_);
  // An opaque rectangle in whole pixels, drawn without clip or transform onto
  // a 32-bit image, is nothing but its pixels set: written here directly, as
  // the painter would write them, without its bookkeeping for each call.
  if (image_ && image_->format() == QImage::Format_RGB32 && color.alpha() == 255 &&
      !painter_.hasClipping() && painter_.transform().type() == QTransform::TxNone) {
    const QRect r = rect.intersected(image_->rect());
    if (r.isEmpty()) return;
    const QRgb rgb = color.rgb();
    uchar* bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y)
      std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride) + r.left(), r.width(), rgb);
    return;
  }
  painter_.fillRect(rect, color);
}

void PainterCanvas::strokeLine(QPoint from, QPoint to, const QColor& color, int width,
                               bool dashed) {
  QPen pen(color, width);
  if (dashed) pen.setStyle(Qt::DashLine);
  penColor_.reset();
  // As far as the pen may reach around the line.
  const QRect reach =
      QRect(from, to).normalized().adjusted(-width - 1, -width - 1, width + 1, width + 1);
  if (!part_ || !image_ || image_->rect().contains(reach.translated(-origin_))) {
    painter_.setPen(pen);
    painter_.drawLine(from - origin_, to - origin_);
    return;
  }
  // The painter rasterises a line that leaves the image from where the edge
  // cuts it, a pixel off here and there from the whole line in the whole
  // picture: the part's line is drawn whole, and what falls inside is copied.
  QImage whole(reach.size(), QImage::Format_ARGB32_Premultiplied);
  whole.fill(Qt::transparent);
  QPainter own(&whole);
  own.setPen(pen);
  own.drawLine(from - reach.topLeft(), to - reach.topLeft());
  own.end();
  painter_.drawImage(reach.topLeft() - origin_, whole);
}

void PainterCanvas::beginText(const FontEntry& font, const QColor& color, const QRect* clip) {
  font_ = &font;
  textColor_ = color;
  textClip_ = clip ? clip->translated(-origin_) : QRect();
  clip_ = Clip::None;
  if (clip) {
    // The cell's clip narrows whatever clip the painter already has and goes
    // again afterwards: a caller's clip (a page's edge, say) stays in force.
    // Without one, switching the clip off again is all it takes.
    clip_ = painter_.hasClipping() ? Clip::Saved : Clip::Own;
    if (clip_ == Clip::Saved) {
      painter_.save();
      penColor_.reset();
      penFont_ = nullptr;
    }
    painter_.setClipRect(textClip_, Qt::IntersectClip);
  }
  // A sheet's texts come in few fonts and colours: each is set only when it changes.
  if (penFont_ != &font) painter_.setFont(font.font);
  penFont_ = &font;
  if (penColor_ != color.rgba()) painter_.setPen(color);
  penColor_ = color.rgba();
  base_ = painter_.transform();
}

void PainterCanvas::drawTextLine(const QString& line, QPointF gridTopLeft) {
  const FontEntry& font = *font_;
  const QPointF topLeft = gridTopLeft - QPointF(origin_);
  // A text seen before is copied from its stamp where that gives the same
  // pixels: a plain transform and no clip but the cell's own.
  if (stamps_ && clip_ != Clip::Saved && base_.type() == QTransform::TxNone &&
      stamps_->draw(font, line, textColor_, topLeft, clip_ == Clip::Own ? &textClip_ : nullptr))
    return;
  if (font.scale == 1) {
    painter_.drawStaticText(topLeft, font.staticText(line));
    return;
  }
  // A scaled font changes only the transform and puts it back.
  painter_.setTransform(
      QTransform(base_).translate(topLeft.x(), topLeft.y()).scale(font.scale, font.scale));
  painter_.drawStaticText(QPointF(0, 0), font.staticText(line));
  painter_.setTransform(base_);
}

void PainterCanvas::endText() {
  if (clip_ == Clip::Saved) {
    painter_.restore();
    penColor_.reset();
    penFont_ = nullptr;
  } else if (clip_ == Clip::Own) {
    painter_.setClipping(false);
  }
  clip_ = Clip::None;
  font_ = nullptr;
}

void PainterCanvas::drawLayout(const QTextLayout& layout, QPointF at, double scale,
                               const QRect& clip) {
  painter_.save();
  painter_.setClipRect(clip.translated(-origin_), Qt::IntersectClip);
  painter_.setPen(Qt::black);
  painter_.translate(at - QPointF(origin_));
  painter_.scale(scale, scale);
  layout.draw(&painter_, QPointF(0, 0));
  painter_.restore();
  penColor_.reset();
  penFont_ = nullptr;
}

}  // namespace spreadsheet::picture
