#include "spreadsheet/picture/style_cache.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "spreadsheet/model/units.h"

namespace spreadsheet::picture {

namespace {
constexpr const char* kFallbackFamily = "Liberation Sans";
}

QString drawnFamily(const std::string& fontName) {
  // Fonts a Windows sheet names, by the metric-compatible families installed here.
  static const struct {
    const char* name;
    const char* drawnAs;
  } kAliases[] = {{"Arial", kFallbackFamily},
                  {"Arial Cyr", kFallbackFamily},
                  {"Times New Roman", "Liberation Serif"},
                  {"Courier New", "Liberation Mono"}};
  const QString name = QString::fromStdString(fontName).trimmed();
  if (name.isEmpty()) return QString::fromLatin1(kFallbackFamily);
  for (const auto& alias : kAliases)
    if (name.compare(QLatin1String(alias.name), Qt::CaseInsensitive) == 0)
      return QString::fromLatin1(alias.drawnAs);
  return name;
}

QColor paletteColor(const Workbook& book, int index, QColor automatic) {
  if (index < 1 || index > 56) return automatic;
  const Rgb c = book.color(index);
  return QColor(red(c), green(c), blue(c));
}

double FontEntry::advance(const QString& text) const {
  auto it = advances_.constFind(text);
  if (it != advances_.constEnd()) return *it;
  return *advances_.insert(text, metrics.horizontalAdvance(text) * scale);
}

const QStaticText& FontEntry::staticText(const QString& text) const {
  auto it = laidOut_.constFind(text);
  if (it != laidOut_.constEnd()) return *it;
  QStaticText st(text);
  st.setTextFormat(Qt::PlainText);
  st.setPerformanceHint(QStaticText::AggressiveCaching);
  st.prepare(QTransform(), font);
  return *laidOut_.insert(text, st);
}

const FontEntry& StyleCache::font(const std::string& name, double size, bool bold, bool italic,
                                  int underline) {
  FontKey key{name, size, bold, italic, underline};
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return *it->second;
  QFont f;
  f.setFamilies({drawnFamily(name), QString::fromLatin1(kFallbackFamily)});
  // Whole pixels keep the picture independent of the screen's resolution.
  const double points = size > 0 ? size : 10;
  if (sizing_ == FontSizing::ExactPoints)
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 4 / 3 / fontScale()))));
  else
    f.setPixelSize(std::max(1, PointsToPixels(points)));
  f.setBold(bold);
  f.setItalic(italic);
  f.setUnderline(underline != xl::UnderlineNone);
  auto entry = std::make_unique<FontEntry>(f, device_, fontScale());
  return *fonts_.emplace(std::move(key), std::move(entry)).first->second;
}

double StyleCache::fontScale() const {
  // Sizes come in twentieths of a point: 15 font pixels a picture pixel keep
  // every such size whole.
  return sizing_ == FontSizing::ExactPoints ? 1.0 / 15 : 1.0;
}

const ResolvedStyle& StyleCache::style(StyleId id) {
  if (id >= styles_.size()) styles_.resize(id + 1);
  auto& slot = styles_[id];
  if (slot) return *slot;
  const Style& s = book_.styles().get(id);
  auto r = std::make_unique<ResolvedStyle>();
  r->style = &s;
  r->font = &font(s.font.name, s.font.size, s.font.bold, s.font.italic, s.font.underline);
  r->textColor = paletteColor(book_, s.font.colorIndex, Qt::black);
  if (s.fillColorIndex >= 1 && s.fillColorIndex <= 56)
    r->fill = paletteColor(book_, s.fillColorIndex, Qt::white);
  for (const Border& b : s.borders) r->hasBorders = r->hasBorders || b.visible();
  slot = std::move(r);
  return *slot;
}

}  // namespace spreadsheet::picture
