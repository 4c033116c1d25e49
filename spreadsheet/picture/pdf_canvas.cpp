#include "spreadsheet/picture/pdf_canvas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <span>

#include "spreadsheet/model/error.h"
#include "spreadsheet/model/units.h"

namespace spreadsheet::picture {

using pdf::appendInteger;
using pdf::appendNumber;

namespace {

const double kPoints = PixelsToPoints(1);  // points of the sheet per pixel

void appendPoint(std::string& out, double x, double y) {
  appendNumber(out, x * kPoints);
  out += ' ';
  appendNumber(out, y * kPoints);
  out += ' ';
}

// Whole numbers, each followed by a space, and then `op`: the operands of a
// rectangle or line (four at most), gathered before one append.
void appendOperands(std::string& out, std::initializer_list<int> values, std::string_view op) {
  char text[64];
  char* at = text;
  for (int v : values) {
    at = std::to_chars(at, text + sizeof text - 1, v).ptr;
    *at++ = ' ';
  }
  out.append(text, at);
  out += op;
}

void appendHex(std::string& out, std::uint32_t glyph) {
  static const char kDigits[] = "0123456789ABCDEF";
  for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[glyph >> shift & 0xF];
}

// The characters of `text` by the glyph each maps to in `raw`, for the
// glyphs of `glyphs`: a reader turns the glyphs back into text with them.
void recordCharacters(PdfFont& font, const QRawFont& raw, const QList<quint32>& glyphs,
                      const QString& text) {
  std::vector<quint32> mapped(static_cast<std::size_t>(text.size()));
  int count = static_cast<int>(mapped.size());
  if (!raw.glyphIndexesForChars(text.constData(), static_cast<int>(text.size()), mapped.data(),
                                &count))
    return;
  // One glyph per character, a pair of surrogates giving one.
  for (qsizetype i = 0, g = 0; i < text.size() && g < count; ++i, ++g) {
    char32_t c = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    const quint32 glyph = mapped[static_cast<std::size_t>(g)];
    if (glyph != 0 && !font.characters.count(glyph) && glyphs.contains(glyph))
      font.characters.emplace(glyph, c);
  }
}

// The character each glyph of a shaped line stands for, where a glyph shows
// one character alone (not a ligature, not one of a character's several glyphs).
void recordClusters(PdfFont& font, const pdf::ShapedLine& line, const QString& text) {
  const std::size_t count = line.glyphs.size();
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t from = line.clusters[i];
    const auto to = i + 1 < count ? line.clusters[i + 1] : static_cast<std::uint32_t>(text.size());
    if ((i > 0 && line.clusters[i - 1] == from) || to <= from) continue;
    char32_t c = text[from].unicode();
    std::uint32_t length = 1;
    if (text[from].isHighSurrogate() && from + 1 < to && text[from + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(text[from], text[from + 1]);
      length = 2;
    }
    if (to - from == length) font.characters.emplace(line.glyphs[i], c);
  }
}

}  // namespace

void appendFilledPath(std::string& out, const QPainterPath& path, double scale) {
  const auto point = [&](const QPointF& p) {
    appendNumber(out, p.x() * scale);
    out += ' ';
    appendNumber(out, p.y() * scale);
    out += ' ';
  };
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
      for (int k = 0; k < 3; ++k) point(path.elementAt(i + k));
      out += "c\n";
      i += 2;
      continue;
    }
    point(e);
    out += e.type == QPainterPath::MoveToElement ? "m\n" : "l\n";
  }
  if (path.elementCount() > 0) out += "f\n";
}

void PdfCanvas::save() {
  out_ += "q\n";
  saved_.push_back(state_);
}

void PdfCanvas::restore() {
  out_ += "Q\n";
  state_ = saved_.back();
  saved_.pop_back();
}

void PdfCanvas::inPixels() {
  if (pixels_) return;
  closeText();
  save();
  for (double v : {kPoints, 0.0, 0.0, kPoints, 0.0, 0.0}) {
    appendNumber(out_, v);
    out_ += ' ';
  }
  out_ += "cm\n";
  pixels_ = true;
}

void PdfCanvas::inPoints() {
  if (!pixels_) return;
  restore();
  pixels_ = false;
}

void PdfCanvas::openText() {
  inPoints();
  if (textOpen_) return;
  out_ += "BT\n";
  textOpen_ = true;
}

void PdfCanvas::closeText() {
  if (!textOpen_) return;
  out_ += "ET\n";
  textOpen_ = false;
  for (const QRectF& r : underlines_) {
    appendPoint(out_, r.left(), r.top());
    appendPoint(out_, r.width(), r.height());
    out_ += "re f\n";
  }
  underlines_.clear();
}

void PdfCanvas::appendColor(std::string& out, QRgb rgb, const char* op) {
  // A sheet has a handful of colours and switches between them all the time:
  // each is spelled once.
  auto known = std::find_if(colors_.begin(), colors_.end(),
                            [rgb](const auto& color) { return color.first == rgb; });
  if (known == colors_.end()) {
    std::string text;
    for (int v : {qRed(rgb), qGreen(rgb), qBlue(rgb)}) {
      appendNumber(text, v / 255.0, 3);  // three places give back every byte value
      text += ' ';
    }
    known = colors_.emplace(colors_.end(), rgb, std::move(text));
  }
  out += known->second;
  out += op;
  out += '\n';
}

void PdfCanvas::setFillColor(QRgb rgb) {
  if (rgb == state_.fill) return;
  appendColor(out_, rgb, "rg");
  state_.fill = rgb;
}

void PdfCanvas::fillRect(const QRect& rect, const QColor& color) {
  if (rect.isEmpty()) return;
  // Each rectangle is filled on its own: readers widen a thin filled
  // rectangle to a whole device pixel (stroke adjustment) only when it is the
  // path's single part, and a sheet's rules are such rectangles.
  inPixels();
  setFillColor(color.rgb());
  appendOperands(out_, {rect.left(), rect.top(), rect.width(), rect.height()}, "re f\n");
}

void PdfCanvas::strokeLine(QPoint from, QPoint to, const QColor& color, int width, bool dashed) {
  inPixels();
  // Every line states its whole pen; a sheet's rules share a few pens, each
  // spelled once and kept.
  const Pen pen{color.rgb(), width, dashed};
  if (!(pen == lastPen_)) {
    lastPen_ = pen;
    penText_.clear();
    appendColor(penText_, pen.rgb, "RG");
    appendInteger(penText_, width);
    // Square ends and bevelled joins as QPen's default; a dash of four widths, a gap of two.
    penText_ += " w 2 J 2 j [";
    if (dashed) {
      appendInteger(penText_, 4 * width);
      penText_ += ' ';
      appendInteger(penText_, 2 * width);
    }
    penText_ += "] 0 d\n";
  }
  out_ += penText_;
  appendOperands(out_, {from.x(), from.y()}, "m ");
  appendOperands(out_, {to.x(), to.y()}, "l S\n");
}

void PdfCanvas::clipTo(const QRect& clip) {
  inPoints();
  closeText();
  save();
  appendPoint(out_, clip.left(), clip.top());
  appendPoint(out_, clip.width(), clip.height());
  out_ += "re W n\n";
}

void PdfCanvas::beginText(const FontEntry& font, const QColor& color, const QRect* clip) {
  textFont_ = &font;
  textClipped_ = clip != nullptr;
  if (clip) clipTo(*clip);
  openText();
  setFillColor(color.rgb());
}

void PdfCanvas::drawTextLine(const QString& line, QPointF topLeft) {
  for (const ShownRun& run : shaped(*textFont_, line)) show(run, topLeft);
}

void PdfCanvas::endText() {
  // A text without a clip leaves its text object open for the next one.
  if (textClipped_) {
    closeText();
    restore();
  }
  textClipped_ = false;
  textFont_ = nullptr;
}

void PdfCanvas::show(const ShownRun& run, QPointF origin) {
  if (run.font < 0) {
    // Outlines are shapes, which a text object cannot hold.
    closeText();
    save();
    out_ += "1 0 0 1 ";
    appendPoint(out_, origin.x() + run.origin.x(), origin.y() + run.origin.y());
    out_ += "cm\n";
    out_ += run.show;
    restore();
    return;
  }
  openText();
  if (run.font != state_.font || run.size != state_.size) {
    pdf::appendFontResource(out_, run.font);
    out_ += ' ';
    appendNumber(out_, run.size, 4);
    out_ += " Tf\n";
    state_.font = run.font;
    state_.size = run.size;
  }
  // The sheet's y runs down: the text matrix turns the glyphs upright again.
  // (Each run sets its matrix whole: moving by Td between runs draws the same
  // page, but text extractors then join lines differently.)
  const QPointF at = origin + run.origin;
  out_ += "1 0 0 -1 ";
  appendPoint(out_, at.x(), at.y());
  out_ += "Tm ";
  out_ += run.show;
  if (run.underline)
    underlines_.emplace_back(at.x(), at.y() + run.underlineOffset, run.width,
                             run.underlineThickness);
}

pdf::FontTables fontTablesOf(const QRawFont& font) {
  return [font](const char* tag) { return font.fontTable(tag); };
}

int PdfCanvas::fontIndex(const QRawFont& raw) {
  // Runs of one face share its font engine: comparing raw fonts is cheap,
  // building the face's names is not.
  for (const auto& [known, index] : recentFonts_)
    if (known == raw) return index;
  // A raw font that loaded nothing has neither tables nor names: its glyphs go as shapes.
  if (!raw.isValid() || raw.fontTable("head").isEmpty()) return -1;
  const pdf::FontFace face(raw.familyName(), raw.styleName(), raw.weight(),
                           static_cast<int>(raw.style()));
  const int index = fonts_.indexOf(face, fontTablesOf(raw));
  recentFonts_.emplace_back(raw, index);
  return index;
}

PdfCanvas::ShownRun PdfCanvas::prepare(const QGlyphRun& glyphRun, double scale,
                                       const QString& text) {
  const QRawFont raw = glyphRun.rawFont();
  const QList<quint32> glyphs = glyphRun.glyphIndexes();
  const QList<QPointF> positions = glyphRun.positions();
  ShownRun run;
  run.font = fontIndex(raw);
  if (glyphs.isEmpty()) return run;
  run.origin = positions.front() * scale;
  if (run.font < 0) {
    for (qsizetype i = 0; i < glyphs.size(); ++i)
      appendFilledPath(run.show,
                       raw.pathForGlyph(glyphs[i]).translated(positions[i] - positions.front()),
                       scale * kPoints);
    return run;
  }
  PdfFont& font = fonts_.at(run.font);
  run.size = raw.pixelSize() * scale * kPoints;
  std::vector<double> x;
  for (const QPointF& p : positions) x.push_back(p.x());
  appendShow(run, font, std::span(glyphs.constData(), static_cast<std::size_t>(glyphs.size())), x,
             scale);
  const QList<QPointF> advances = raw.advancesForGlyphIndexes({glyphs.back()});
  run.width = (positions.back().x() - positions.front().x() +
               (advances.isEmpty() ? 0 : advances.front().x())) *
              scale;
  run.underline = glyphRun.underline();
  run.underlineOffset = raw.underlinePosition() * scale;
  run.underlineThickness = std::max(raw.lineThickness(), 1.0) * scale;
  recordCharacters(font, raw, glyphs, text);
  return run;
}

void PdfCanvas::appendShow(ShownRun& run, PdfFont& font, std::span<const quint32> glyphs,
                           const std::vector<double>& x, double scale) {
  run.show = "[<";
  double carried = 0;
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    font.glyphs.insert(glyphs[i]);
    appendHex(run.show, glyphs[i]);
    if (i + 1 == glyphs.size()) break;
    // Where the shaping moved the next glyph from the font's own advance
    // (kerning), the TJ array says by how much.
    const double natural = font.width(glyphs[i]) * run.size / 1000;
    const double actual = (x[i + 1] - x[i]) * scale * kPoints;
    // Whole thousandths of the size, the rest carried to the next glyph.
    const double wanted = (natural - actual) * 1000 / run.size + carried;
    const long long adjustment = std::llround(wanted);
    carried = wanted - static_cast<double>(adjustment);
    if (adjustment != 0) {
      run.show += "> ";
      appendInteger(run.show, adjustment);
      run.show += " <";
    }
  }
  run.show += ">] TJ\n";
}

PdfCanvas::ShownRun PdfCanvas::prepareOwn(const FontEntry& entry, const QString& text) {
  const pdf::ShapedLine& line = entry.shaped(text);
  ShownRun run;
  run.font = fonts_.indexOf(entry.face->font());
  if (line.glyphs.empty()) return run;
  const double scale = entry.scale;
  const auto pixels = [](std::int64_t fixed) { return static_cast<double>(fixed) / 64; };
  run.origin = QPointF(pixels(line.x.front()), pixels(entry.sized.ascent)) * scale;
  PdfFont& font = fonts_.at(run.font);
  run.size = entry.pixelSize * scale * kPoints;
  std::vector<double> x;
  for (const std::int64_t at : line.x) x.push_back(pixels(at));
  appendShow(run, font, line.glyphs, x, scale);
  run.width =
      (x.back() - x.front() + pixels(entry.face->advance(line.glyphs.back(), entry.pixelSize))) *
      scale;
  run.underline = entry.underline;
  run.underlineOffset = pixels(entry.sized.underlinePosition) * scale;
  run.underlineThickness = std::max(pixels(entry.sized.lineThickness), 1.0) * scale;
  recordClusters(font, line, text);
  return run;
}

const std::vector<PdfCanvas::ShownRun>& PdfCanvas::shaped(const FontEntry& font,
                                                          const QString& line) {
  if (&font != shapedFont_) {
    shapedFont_ = &font;
    shapedTexts_ = &shaped_[&font];
  }
  auto& byText = *shapedTexts_;
  auto found = byText.constFind(line);
  if (found != byText.constEnd()) return *found;
  if (font.face) {
    std::vector<ShownRun> runs;
    if (!line.isEmpty()) runs.push_back(prepareOwn(font, line));
    return *byText.insert(line, std::move(runs));
  }
  // Shaped as QStaticText shapes it for the picture: one line, no wrapping.
  QTextLayout layout(line, font.font, device_);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine textLine = layout.createLine();
  if (textLine.isValid()) textLine.setPosition(QPointF(0, 0));
  layout.endLayout();
  // Qt hands the runs of several fonts (a fallback for a character the face
  // lacks) in an order that changes from run to run: placed left to right,
  // equal sheets give equal files.
  QList<QGlyphRun> glyphRuns = layout.glyphRuns();
  std::stable_sort(glyphRuns.begin(), glyphRuns.end(), [](const QGlyphRun& a, const QGlyphRun& b) {
    const auto left = [](const QGlyphRun& r) {
      return r.positions().isEmpty() ? 0.0 : r.positions().front().x();
    };
    return left(a) < left(b);
  });
  std::vector<ShownRun> runs;
  for (const QGlyphRun& glyphRun : glyphRuns) runs.push_back(prepare(glyphRun, font.scale, line));
  return *byText.insert(line, std::move(runs));
}

void PdfCanvas::drawLayout(const QTextLayout&, QPointF, double, const QRect&) {
  // Captions belong to buttons, which a printed page leaves out.
  throw Error("A printed page does not show buttons.");
}

std::string PdfCanvas::takeContent() {
  closeText();
  inPoints();
  return std::move(out_);
}

}  // namespace spreadsheet::picture
