#pragma once
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "spreadsheet/model/style.h"
#include "spreadsheet/model/workbook.h"

namespace spreadsheet::picture {

// The family a font name is drawn with: Arial and its Cyrillic variant use the
// metric-compatible Liberation Sans.
QString drawnFamily(const std::string& fontName);

// A palette colour for index 1..56; anything else gives `automatic`.
QColor paletteColor(const Workbook& book, int index, QColor automatic);

struct FontEntry {
  QFont font;
  QFontMetricsF metrics;
};

// What drawing a cell needs from its style, worked out once per style.
struct ResolvedStyle {
  const Style* style = nullptr;
  const FontEntry* font = nullptr;
  QColor textColor;
  std::optional<QColor> fill;
  bool hasBorders = false;
};

// Fonts and styles resolved for one picture: QFont creation and metrics are
// costly, and a sheet uses only a handful of distinct styles.
class StyleCache {
 public:
  StyleCache(const Workbook& book, QPaintDevice* device) : book_(book), device_(device) {}

  const ResolvedStyle& style(StyleId id);
  const FontEntry& font(const std::string& name, double size, bool bold, bool italic,
                        int underline);
  const Workbook& book() const { return book_; }

 private:
  using FontKey = std::tuple<std::string, double, bool, bool, int>;
  const Workbook& book_;
  QPaintDevice* device_;
  std::map<FontKey, std::unique_ptr<FontEntry>> fonts_;
  std::vector<std::unique_ptr<ResolvedStyle>> styles_;  // by StyleId
};

}  // namespace spreadsheet::picture
