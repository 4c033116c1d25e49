#pragma once
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QStaticText>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "spreadsheet/model/style.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/pdf/shaping_face.h"

namespace spreadsheet::picture {

// The family a font name is drawn with: Arial and its Cyrillic variant use the
// metric-compatible Liberation Sans.
QString drawnFamily(const std::string& fontName);

// A palette colour for index 1..56; anything else gives `automatic`.
QColor paletteColor(const Workbook& book, int index, QColor automatic);

// Thrown while a page is laid out in the fonts opened from their files when a
// font is not among them or a text needs more than its face (a character the
// face lacks, right-to-left ordering): the page is then laid out again in the
// desktop's fonts, with their fallbacks.
struct OutsideOwnFonts {};

// A font with its metrics, and the widths and laid-out glyphs of the texts
// drawn in it: a sheet repeats the same few texts (times, totals) many times
// and shaping each again would dominate the picture's cost.
// `scale` maps the font's pixels to the picture's: fonts of a printed page are
// made `1/scale` times larger and drawn scaled down, because a font's pixel
// size is whole and the cell's points are not (10 pt is 13 1/3 px).
// Its text is measured either by Qt (`font`, `metrics`) or, for a printed
// page, by HarfBuzz over the face's file (`face`), which gives the same
// numbers without starting the desktop's font database.
struct FontEntry {
  FontEntry(const QFont& f, QPaintDevice* device, double scale = 1)
      : font(f),
        metrics(std::in_place, f, device),
        scale(scale),
        height_(metrics->height() * scale) {}
  FontEntry(std::shared_ptr<const pdf::ShapingFace> face, int pixelSize, bool underline,
            double scale);
  double advance(const QString& text) const;      // picture pixels
  double fontAdvance(const QString& text) const;  // the font's own pixels, not kept
  double height() const { return height_; }
  const QStaticText& staticText(const QString& text) const;
  // The text laid out in the face opened from its file, shaped once for
  // measuring and drawing; throws OutsideOwnFonts when that face alone
  // cannot show it.
  const pdf::ShapedLine& shaped(const QString& text) const;

  QFont font;
  std::optional<QFontMetricsF> metrics;          // in the font's own pixels; Qt's measure only
  std::shared_ptr<const pdf::ShapingFace> face;  // our own measure only
  int pixelSize = 0;
  bool underline = false;
  pdf::SizedMetrics sized;  // of the face at pixelSize
  double scale = 1;

 private:
  double height_;  // of a line, in picture pixels
  mutable QHash<QString, double> advances_;
  mutable QHash<QString, QStaticText> laidOut_;
  mutable std::unordered_map<QString, pdf::ShapedLine> lines_;  // stays put as it grows
};

// What drawing a cell needs from its style, worked out once per style.
struct ResolvedStyle {
  const Style* style = nullptr;
  const FontEntry* font = nullptr;
  QColor textColor;
  std::optional<QColor> fill;
  bool hasBorders = false;
};

// How a font's points become its size: whole pixels at 96 dpi, as the
// application's screen fonts are sized (the picture), or the points exactly on
// a 96-dpi device (a printed page).
enum class FontSizing { WholePixels, ExactPoints };

// Where a cache's fonts come from: Qt's font database, or the font files
// opened by FreeType (a printed page; the page's faces are then known).
enum class FontSource { Desktop, Files };

// Fonts and styles resolved for one picture: QFont creation and metrics are
// costly, and a sheet uses only a handful of distinct styles.
class StyleCache {
 public:
  StyleCache(const Workbook& book, QPaintDevice* device,
             FontSizing sizing = FontSizing::WholePixels, FontSource source = FontSource::Desktop)
      : book_(book), device_(device), sizing_(sizing), source_(source) {}

  const ResolvedStyle& style(StyleId id);
  const FontEntry& font(const std::string& name, double size, bool bold, bool italic,
                        int underline);
  const Workbook& book() const { return book_; }
  // Picture pixels per font pixel of every font of this cache.
  double fontScale() const;

 private:
  using FontKey = std::tuple<std::string, double, bool, bool, int>;
  int pixelSize(double points) const;
  const Workbook& book_;
  QPaintDevice* device_;
  FontSizing sizing_;
  FontSource source_;
  std::map<FontKey, std::unique_ptr<FontEntry>> fonts_;
  std::map<std::tuple<std::string, bool, bool>, std::shared_ptr<const pdf::ShapingFace>> faces_;
  std::vector<std::unique_ptr<ResolvedStyle>> styles_;  // by StyleId
};

}  // namespace spreadsheet::picture
