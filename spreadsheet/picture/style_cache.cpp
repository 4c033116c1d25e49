#include "spreadsheet/picture/style_cache.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "spreadsheet/model/units.h"
#include "spreadsheet/picture/page_faces.h"

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

FontEntry::FontEntry(std::shared_ptr<const pdf::ShapingFace> face, int pixelSize, bool underline,
                     double scale)
    : face(std::move(face)),
      pixelSize(pixelSize),
      underline(underline),
      sized(this->face->metrics(pixelSize)),
      scale(scale),
      height_(static_cast<double>(sized.ascent + sized.descent) / 64 * scale) {}

const pdf::ShapedLine& FontEntry::shaped(const QString& text) const {
  const auto known = lines_.find(text);
  if (known != lines_.end()) return known->second;
  auto line = face->shape(text, pixelSize);
  if (!line) throw OutsideOwnFonts{};
  return lines_.emplace(text, std::move(*line)).first->second;
}

double FontEntry::fontAdvance(const QString& text) const {
  if (metrics) return metrics->horizontalAdvance(text);
  // As Qt measures: up to the first line feed.
  const qsizetype feed = text.indexOf(QLatin1Char('\n'));
  return static_cast<double>(shaped(feed < 0 ? text : text.left(feed)).width) / 64;
}

double FontEntry::advance(const QString& text) const {
  auto it = advances_.constFind(text);
  if (it != advances_.constEnd()) return *it;
  return *advances_.insert(text, fontAdvance(text) * scale);
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

int StyleCache::pixelSize(double points) const {
  // Whole pixels keep the picture independent of the screen's resolution.
  if (sizing_ == FontSizing::ExactPoints)
    return std::max(1, static_cast<int>(std::lround(points * 4 / 3 / fontScale())));
  return std::max(1, PointsToPixels(points));
}

const FontEntry& StyleCache::font(const std::string& name, double size, bool bold, bool italic,
                                  int underline) {
  FontKey key{name, size, bold, italic, underline};
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return *it->second;
  const int pixels = pixelSize(size > 0 ? size : 10);
  std::unique_ptr<FontEntry> entry;
  if (source_ == FontSource::Files) {
    // Sizes of one face share it; finding its file on the disk each time is not cheap.
    auto known = faces_.find({name, bold, italic});
    if (known == faces_.end())
      known =
          faces_.emplace(std::tuple(name, bold, italic), ownFace(drawnFamily(name), bold, italic))
              .first;
    auto face = known->second;
    if (!face) throw OutsideOwnFonts{};
    entry = std::make_unique<FontEntry>(std::move(face), pixels, underline != xl::UnderlineNone,
                                        fontScale());
  } else {
    QFont f;
    f.setFamilies({drawnFamily(name), QString::fromLatin1(kFallbackFamily)});
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline != xl::UnderlineNone);
    entry = std::make_unique<FontEntry>(f, device_, fontScale());
  }
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
