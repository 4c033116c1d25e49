#pragma once
#include <QGlyphRun>
#include <QHash>
#include <QPainterPath>
#include <QRawFont>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "spreadsheet/pdf/pdf_fonts.h"
#include "spreadsheet/picture/canvas.h"

namespace spreadsheet::picture {

using pdf::PdfFont;
using pdf::PdfFonts;

// Appends `path`, scaled by `scale`, as PDF path operators (m, l, c) and
// fills it by the non-zero rule: glyphs of a font that cannot be embedded
// are drawn as their outlines.
void appendFilledPath(std::string& out, const QPainterPath& path, double scale);

// The tables of a font Qt has loaded, for the PDF's fonts.
pdf::FontTables fontTablesOf(const QRawFont& font);

// A canvas that writes a PDF page's content stream in the sheet's points (a
// pixel is three quarters of a point), y downward, so that a font's size is
// its cell's points; the caller's transformation places them on the paper.
// Rectangles and lines go in whole pixels inside a section scaled to pixels,
// a colour or font is set only when it changes, text objects run on until a
// shape comes, and each text a sheet repeats is shaped once.
class PdfCanvas final : public Canvas {
 public:
  // The content stream begins with `head`.
  PdfCanvas(PdfFonts& fonts, QPaintDevice* layoutDevice, std::string head = {})
      : fonts_(fonts), device_(layoutDevice), out_(std::move(head)) {}

  void fillRect(const QRect& rect, const QColor& color) override;
  void strokeLine(QPoint from, QPoint to, const QColor& color, int width, bool dashed) override;
  void beginText(const FontEntry& font, const QColor& color, const QRect* clip) override;
  void drawTextLine(const QString& line, QPointF topLeft) override;
  void endText() override;
  // Refused: a printed page has no buttons, whose captions are the only
  // texts drawn this way.
  void drawLayout(const QTextLayout& layout, QPointF at, double scale, const QRect& clip) override;
  QPaintDevice* layoutDevice() override { return device_; }

  // The operators written, with every open object and section closed; the
  // canvas is done with then.
  std::string takeContent();

 private:
  // One glyph run ready to show: its font, size and the TJ operator.
  struct ShownRun {
    int font = 0;
    double size = 0;   // points
    QPointF origin;    // of the first glyph, in pixels from the text's origin
    std::string show;  // "[<0001> -12 <0002>] TJ"; or, for a font that cannot be
                       // embedded (font -1), the glyphs' outlines in points from the origin
    double width = 0;  // pixels, for an underline
    bool underline = false;
    double underlineOffset = 0, underlineThickness = 0;  // pixels below the baseline
  };
  // What q saves and Q brings back, as far as this canvas sets it.
  struct State {
    QRgb fill = 0xFF000000;  // PDF's initial black
    int font = -1;           // the Tf in force; -1 for none
    double size = 0;
  };

  int fontIndex(const QRawFont& raw);
  ShownRun prepare(const QGlyphRun& run, double scale, const QString& text);
  ShownRun prepareOwn(const FontEntry& font, const QString& text);
  static void appendShow(ShownRun& run, PdfFont& font, std::span<const quint32> glyphs,
                         const std::vector<double>& x, double scale);
  const std::vector<ShownRun>& shaped(const FontEntry& font, const QString& line);
  void show(const ShownRun& run, QPointF origin);
  void appendColor(std::string& out, QRgb rgb, const char* op);
  void setFillColor(QRgb color);
  void inPixels();
  void inPoints();
  void openText();
  void closeText();
  void save();
  void restore();
  void clipTo(const QRect& clip);

  PdfFonts& fonts_;
  std::vector<std::pair<QRawFont, int>> recentFonts_;  // raw fonts seen, by their face's index
  QPaintDevice* device_;
  std::string out_;
  State state_;
  std::vector<State> saved_;
  bool pixels_ = false;    // inside the section scaled to pixels
  bool textOpen_ = false;  // inside BT
  const FontEntry* textFont_ = nullptr;
  bool textClipped_ = false;
  std::vector<QRectF> underlines_;  // drawn once the text object ends
  std::map<const FontEntry*, QHash<QString, std::vector<ShownRun>>> shaped_;
  const FontEntry* shapedFont_ = nullptr;  // texts follow in runs of one font
  QHash<QString, std::vector<ShownRun>>* shapedTexts_ = nullptr;
  // The pen of the last line drawn, and its operators.
  struct Pen {
    QRgb rgb = 0;
    int width = -1;
    bool dashed = false;
    bool operator==(const Pen&) const = default;
  };
  Pen lastPen_;
  std::vector<std::pair<QRgb, std::string>> colors_;  // "r g b " of each colour seen
  std::string penText_;
};

}  // namespace spreadsheet::picture
