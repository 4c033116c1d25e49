#pragma once
#include <QGlyphRun>
#include <QHash>
#include <map>
#include <string>
#include <vector>

#include "spreadsheet/picture/canvas.h"
#include "spreadsheet/picture/pdf_fonts.h"

namespace spreadsheet::picture {

// A canvas that writes a PDF page's content stream. The grid's pixels are
// written as points of the sheet (three quarters of a pixel), y downward, so
// that a font's size is its cell's points; the caller's transformation places
// them on the paper. Rectangles
// of one colour in a row become one path, a colour is set only when it
// changes, and each text a sheet repeats is shaped once.
class PdfCanvas final : public Canvas {
 public:
  PdfCanvas(PdfFonts& fonts, QPaintDevice* layoutDevice) : fonts_(fonts), device_(layoutDevice) {}

  void fillRect(const QRect& rect, const QColor& color) override;
  void strokeLine(QPoint from, QPoint to, const QColor& color, int width, bool dashed) override;
  void beginText(const FontEntry& font, const QColor& color, const QRect* clip) override;
  void drawTextLine(const QString& line, QPointF topLeft) override;
  void endText() override;
  void drawLayout(const QTextLayout& layout, QPointF at, double scale, const QRect& clip) override;
  QPaintDevice* layoutDevice() override { return device_; }

  // The operators written so far, with any pending path closed.
  const std::string& content();

 private:
  // One glyph run ready to show: its font, size and the TJ operator.
  struct ShownRun {
    int font = 0;
    double size = 0;   // points
    QPointF origin;    // of the first glyph, in pixels from the text's origin
    std::string show;  // "[<0001> -12 <0002>] TJ"
    double width = 0;  // pixels, for an underline
    bool underline = false;
    double underlineOffset = 0, underlineThickness = 0;  // pixels below the baseline
  };

  ShownRun prepare(const QGlyphRun& run, double scale, const QString& text);
  const std::vector<ShownRun>& shaped(const FontEntry& font, const QString& line);
  void show(const ShownRun& run, QPointF origin);
  void setFillColor(const QColor& color);
  void flushFill();
  void clipTo(const QRect& clip);
  void appendRect(const QRectF& pixels);

  PdfFonts& fonts_;
  QPaintDevice* device_;
  std::string out_;
  QRgb fill_ = 0xFF000000;       // the fill colour in force (PDF's initial black)
  QRgb savedFill_ = 0xFF000000;  // before a clip's q, for its Q
  bool pathOpen_ = false;        // rectangles appended and not yet filled
  const FontEntry* textFont_ = nullptr;
  bool textClipped_ = false;
  int shownFont_ = -1;  // the Tf in force inside BT
  double shownSize_ = 0;
  std::vector<QRectF> underlines_;  // drawn after the text object ends
  std::map<const FontEntry*, QHash<QString, std::vector<ShownRun>>> shaped_;
};

}  // namespace spreadsheet::picture
