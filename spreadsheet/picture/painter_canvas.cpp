#include "spreadsheet/picture/painter_canvas.h"

#include <QPen>

namespace spreadsheet::picture {

void PainterCanvas::fillRect(const QRect& rect, const QColor& color) {
  painter_.fillRect(rect, color);
}

void PainterCanvas::strokeLine(QPoint from, QPoint to, const QColor& color, int width,
                               bool dashed) {
  QPen pen(color, width);
  if (dashed) pen.setStyle(Qt::DashLine);
  painter_.setPen(pen);
  painter_.drawLine(from, to);
}

void PainterCanvas::beginText(const FontEntry& font, const QColor& color, const QRect* clip) {
  font_ = &font;
  clipped_ = clip != nullptr;
  // The cell's clip narrows whatever clip the painter already has, and goes
  // again with restore(): the caller's clip (a page's edge, say) stays in force.
  if (clipped_) {
    painter_.save();
    painter_.setClipRect(*clip, Qt::IntersectClip);
  }
  painter_.setFont(font.font);
  painter_.setPen(color);
  base_ = painter_.transform();
}

void PainterCanvas::drawTextLine(const QString& line, QPointF topLeft) {
  const FontEntry& font = *font_;
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
  if (clipped_) painter_.restore();
  clipped_ = false;
  font_ = nullptr;
}

void PainterCanvas::drawLayout(const QTextLayout& layout, QPointF at, double scale,
                               const QRect& clip) {
  painter_.save();
  painter_.setClipRect(clip, Qt::IntersectClip);
  painter_.setPen(Qt::black);
  painter_.translate(at);
  painter_.scale(scale, scale);
  layout.draw(&painter_, QPointF(0, 0));
  painter_.restore();
}

}  // namespace spreadsheet::picture
