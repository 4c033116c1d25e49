#pragma once
#include <QPainter>
#include <QTransform>

#include "spreadsheet/picture/canvas.h"

namespace spreadsheet::picture {

// A canvas on an active QPainter: the picture's image.
class PainterCanvas final : public Canvas {
 public:
  explicit PainterCanvas(QPainter& painter) : painter_(painter) {}

  void fillRect(const QRect& rect, const QColor& color) override;
  void strokeLine(QPoint from, QPoint to, const QColor& color, int width, bool dashed) override;
  void beginText(const FontEntry& font, const QColor& color, const QRect* clip) override;
  void drawTextLine(const QString& line, QPointF topLeft) override;
  void endText() override;
  void drawLayout(const QTextLayout& layout, QPointF at, double scale, const QRect& clip) override;
  QPaintDevice* layoutDevice() override { return painter_.device(); }

 private:
  QPainter& painter_;
  const FontEntry* font_ = nullptr;
  QTransform base_;
  bool clipped_ = false;
};

}  // namespace spreadsheet::picture
