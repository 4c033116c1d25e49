#pragma once
#include <QColor>
#include <QFontMetricsF>
#include <QRect>
#include <QStringList>

#include "spreadsheet/picture/canvas.h"
#include "spreadsheet/picture/style_cache.h"

namespace spreadsheet::picture {

// Space between a cell's edge and its text, in pixels.
inline constexpr int kTextMargin = 2;

// Breaks `text` into lines no wider than `width` (the font's own pixels): at
// line feeds, between words, and inside a word only when the word alone is too wide.
QStringList wrapLines(const QString& text, const FontEntry& font, double width);

// Lines of text of one font and colour, placed in a box by the cell's
// alignment and clipped to `clip`.
struct TextBlock {
  QStringList lines;
  const FontEntry* font = nullptr;
  QColor color;
  int horizontal = 0;  // resolved: Left, Center, Right, ...
  int vertical = 0;
};

// The area text is aligned in: the cell (or merged area or span) less its
// grid line and the margins.
QRectF textBox(const QRect& cell);

void drawTextBlock(Canvas& canvas, const TextBlock& block, const QRectF& box, const QRect& clip);

}  // namespace spreadsheet::picture
