#include "spreadsheet/picture/text_painter.h"

#include "spreadsheet/model/constants.h"

namespace spreadsheet::picture {

namespace {

// Greedy word wrap of one paragraph (no line feeds inside).
void wrapParagraph(const QString& para, const FontEntry& m, double width, QStringList& out) {
  QString line;
  const QStringList words = para.split(QLatin1Char(' '));
  for (const QString& word : words) {
    const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (m.fontAdvance(candidate) <= width || candidate.isEmpty()) {
      line = candidate;
      continue;
    }
    if (!line.isEmpty()) out.push_back(line);
    line = word;
    // A word wider than the cell is cut between characters.
    while (line.size() > 1 && m.fontAdvance(line) > width) {
      qsizetype fit = 1;
      while (fit < line.size() && m.fontAdvance(line.left(fit + 1)) <= width) ++fit;
      out.push_back(line.left(fit));
      line = line.mid(fit);
    }
  }
  out.push_back(line);
}

double lineLeft(const QRectF& box, double lineWidth, int horizontal) {
  switch (horizontal) {
    case xl::Right:
      return box.right() - lineWidth;
    case xl::Center:
    case xl::CenterAcrossSelection:
    case xl::Distributed:
      return box.left() + (box.width() - lineWidth) / 2;
    default:
      return box.left();
  }
}

double blockTop(const QRectF& box, double blockHeight, int vertical) {
  switch (vertical) {
    case xl::Top:
    case xl::Justify:
      return box.top();
    case xl::Center:
    case xl::Distributed:
      return box.top() + (box.height() - blockHeight) / 2;
    default:
      return box.bottom() - blockHeight;
  }
}

}  // namespace

QStringList wrapLines(const QString& text, const FontEntry& font, double width) {
  QStringList out;
  QString plain = text;
  plain.remove(QLatin1Char('\r'));
  for (const QString& para : plain.split(QLatin1Char('\n'))) wrapParagraph(para, font, width, out);
  return out;
}

QRectF textBox(const QRect& cell) {
  // The cell's right and bottom pixels are its grid lines.
  return QRectF(cell.left() + kTextMargin, cell.top(),
                std::max(0, cell.width() - 1 - 2 * kTextMargin), std::max(0, cell.height() - 1));
}

void drawTextBlock(Canvas& canvas, const TextBlock& block, const QRectF& box, const QRect& clip) {
  const FontEntry& font = *block.font;
  const double lineHeight = font.height();
  const double height = lineHeight * static_cast<double>(block.lines.size());
  const double top = blockTop(box, height, block.vertical);

  double left = box.left(), right = box.right();
  std::vector<double> widths;
  widths.reserve(static_cast<std::size_t>(block.lines.size()));
  for (const QString& line : block.lines) {
    const double w = font.advance(line);
    widths.push_back(w);
    const double x = lineLeft(box, w, block.horizontal);
    left = std::min(left, x);
    right = std::max(right, x + w);
  }
  const QRectF ink(left, top, right - left, height);
  const bool clipped = !QRectF(clip).contains(ink);
  canvas.beginText(font, block.color, clipped ? &clip : nullptr);
  for (qsizetype i = 0; i < block.lines.size(); ++i) {
    const double x = lineLeft(box, widths[static_cast<std::size_t>(i)], block.horizontal);
    canvas.drawTextLine(block.lines[i], QPointF(x, top + lineHeight * static_cast<double>(i)));
  }
  canvas.endText();
}

}  // namespace spreadsheet::picture
