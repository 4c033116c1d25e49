#pragma once
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <map>
#include <tuple>

#include "spreadsheet/picture/style_cache.h"

namespace spreadsheet::picture {

// Texts a picture repeats, drawn once on their background and then copied.
// A sheet shows the same times and totals in hundreds of cells; drawing a
// text blends each glyph pixel by pixel, while a copy is a row of memory.
// A text drawn onto one plain colour at the same fraction of a pixel comes
// out the same wherever it lands, so the copy is exact: it is used only where
// every pixel the text could touch has the background colour it was drawn on.
class TextStamps {
 public:
  explicit TextStamps(QImage& image) : image_(image) {}

  // Puts `text` with its top-left corner at `topLeft`, cut to `clip` if
  // given; false when the caller has to draw it itself (first sight of the
  // text, or a background that is not plain).
  bool draw(const FontEntry& font, const QString& text, const QColor& color, QPointF topLeft,
            const QRect* clip);

 private:
  struct Stamp {
    int seen = 0;
    QImage pixels;  // the text on its background, `margin` pixels from the top-left corner
    QRect ink;      // in `pixels`: where the text may change a pixel
    int margin = 0;
  };
  Stamp make(const FontEntry& font, const QString& text, const QColor& color, QRgb background,
             QPointF fraction) const;

  QImage& image_;
  std::map<std::tuple<const FontEntry*, QString, QRgb, QRgb, double, double>, Stamp> stamps_;
};

}  // namespace spreadsheet::picture
