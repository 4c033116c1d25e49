#pragma once
#include <QColor>
#include <QPaintDevice>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTextLayout>

#include "spreadsheet/picture/style_cache.h"

namespace spreadsheet::picture {

// What a range is drawn on, in the grid's pixel coordinates: an image through
// QPainter, or a PDF page written by our own content stream.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void fillRect(const QRect& rect, const QColor& color) = 0;
  // A straight line `width` pixels wide, solid or dashed (a cell's diagonal).
  virtual void strokeLine(QPoint from, QPoint to, const QColor& color, int width, bool dashed) = 0;

  // Lines of one font and colour between beginText and endText, each placed by
  // its top-left corner; with a clip, nothing of them shows outside it.
  virtual void beginText(const FontEntry& font, const QColor& color, const QRect* clip) = 0;
  virtual void drawTextLine(const QString& line, QPointF topLeft) = 0;
  virtual void endText() = 0;

  // A laid-out text of several runs (a button's caption) in black where its
  // formats name no colour: its origin at `at`, scaled by `scale`, clipped to `clip`.
  virtual void drawLayout(const QTextLayout& layout, QPointF at, double scale,
                          const QRect& clip) = 0;

  // The device text is laid out for (96 dpi).
  virtual QPaintDevice* layoutDevice() = 0;
};

}  // namespace spreadsheet::picture
