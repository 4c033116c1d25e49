#pragma once
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <vector>

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
    std::vector<QRgb> plain;  // a row of the background, as wide as the ink
  };
  Stamp make(const FontEntry& font, const QString& text, const QColor& color, QRgb background,
             QPointF fraction) const;

  // A text in its font and colour, on its background, at a fraction of a pixel.
  struct Key {
    const FontEntry* font;
    QString text;
    QRgb color, background;
    double fractionX, fractionY;
    bool operator==(const Key&) const = default;
  };
  friend size_t qHash(const Key& k, size_t seed) {
    return qHashMulti(seed, k.font, k.text, k.color, k.background, k.fractionX, k.fractionY);
  }

  QImage& image_;
  QHash<Key, Stamp> stamps_;
};

}  // namespace spreadsheet::picture
