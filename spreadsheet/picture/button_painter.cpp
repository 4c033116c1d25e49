#include "spreadsheet/picture/button_painter.h"

#include <QTextCharFormat>
#include <QTextLayout>
#include <QTextOption>
#include <cmath>

#include "spreadsheet/model/units.h"

namespace spreadsheet::picture {

namespace {

constexpr QRgb kFace = 0xFFF0F0F0;
constexpr QRgb kHighlight = 0xFFFFFFFF;
constexpr QRgb kShadow = 0xFFA0A0A0;
constexpr QRgb kDarkShadow = 0xFF696969;
constexpr int kButtonMargin = 3;

void drawFrame(Canvas& p, const QRect& r) {
  p.fillRect(r, QColor::fromRgb(kFace));
  const int l = r.left(), t = r.top(), rt = r.left() + r.width() - 1, b = r.top() + r.height() - 1;
  p.fillRect(QRect(l, t, r.width(), 1), QColor::fromRgb(kHighlight));
  p.fillRect(QRect(l, t, 1, r.height()), QColor::fromRgb(kHighlight));
  p.fillRect(QRect(l, b, r.width(), 1), QColor::fromRgb(kDarkShadow));
  p.fillRect(QRect(rt, t, 1, r.height()), QColor::fromRgb(kDarkShadow));
  if (r.width() > 2 && r.height() > 2) {
    p.fillRect(QRect(l + 1, b - 1, r.width() - 2, 1), QColor::fromRgb(kShadow));
    p.fillRect(QRect(rt - 1, t + 1, 1, r.height() - 2), QColor::fromRgb(kShadow));
  }
}

QList<QTextLayout::FormatRange> runFormats(const Button& button, qsizetype length,
                                           StyleCache& cache) {
  QList<QTextLayout::FormatRange> formats;
  for (std::size_t i = 0; i < button.runs.size(); ++i) {
    const FontRun& run = button.runs[i];
    const qsizetype start = std::clamp<qsizetype>(run.start, 0, length);
    const qsizetype end = i + 1 < button.runs.size()
                              ? std::clamp<qsizetype>(button.runs[i + 1].start, start, length)
                              : length;
    if (end <= start) continue;
    QTextCharFormat f;
    f.setFont(cache.font(run.fontName, run.size, run.bold, run.italic, xl::UnderlineNone).font);
    f.setForeground(paletteColor(cache.book(), run.colorIndex, Qt::black));
    formats.push_back({static_cast<int>(start), static_cast<int>(end - start), f});
  }
  return formats;
}

}  // namespace

QRect buttonRect(const Button& button, QPoint origin) {
  const PixelBox box = ButtonPixels(button);
  return QRect(static_cast<int>(box.left) - origin.x(), static_cast<int>(box.top) - origin.y(),
               static_cast<int>(box.width), static_cast<int>(box.height));
}

const ButtonCaptions::Caption& ButtonCaptions::caption(const Button& button, int width,
                                                       Canvas& canvas, StyleCache& cache) {
  std::string key = std::to_string(width) + '|' + button.text;
  for (const FontRun& run : button.runs)
    key += '|' + std::to_string(run.start) + ',' + run.fontName + ',' + std::to_string(run.size) +
           ',' + std::to_string(run.bold) + std::to_string(run.italic) + ',' +
           std::to_string(run.colorIndex);
  auto& slot = captions_[key];
  if (slot) return *slot;
  slot = std::make_unique<Caption>();
  const QString text = QString::fromStdString(button.text);
  // Text before the first run (or with no runs at all) takes the sheet's default font.
  const Font& base = cache.book().defaultFont();
  slot->layout = std::make_unique<QTextLayout>(
      text, cache.font(base.name, base.size, false, false, xl::UnderlineNone).font,
      canvas.layoutDevice());
  QTextLayout& layout = *slot->layout;
  layout.setCacheEnabled(true);  // drawn again and again: keep the shaped glyphs
  QTextOption option(Qt::AlignHCenter);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.setFormats(runFormats(button, text.size(), cache));

  // Laid out in the fonts' own pixels, drawn scaled to the picture's.
  const double lineWidth = std::max(1, width - 2 * kButtonMargin) / cache.fontScale();
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(lineWidth);
    line.setPosition(QPointF(0, slot->height));
    slot->height += line.height();
  }
  layout.endLayout();
  return *slot;
}

void drawButton(Canvas& canvas, const Button& button, const QRect& rect, StyleCache& cache,
                ButtonCaptions& captions) {
  if (rect.isEmpty()) return;
  drawFrame(canvas, rect);
  if (button.text.empty()) return;
  const ButtonCaptions::Caption& caption = captions.caption(button, rect.width(), canvas, cache);
  const double scale = cache.fontScale();
  const QPointF at(rect.left() + kButtonMargin,
                   rect.top() + (rect.height() - caption.height * scale) / 2);
  canvas.drawLayout(*caption.layout, at, scale, rect.adjusted(1, 1, -2, -2));
}

}  // namespace spreadsheet::picture
