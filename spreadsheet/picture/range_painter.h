#pragma once
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/border_painter.h"
#include "spreadsheet/picture/button_painter.h"
#include "spreadsheet/picture/canvas.h"
#include "spreadsheet/picture/cell_text.h"
#include "spreadsheet/picture/painter_canvas.h"
#include "spreadsheet/picture/picture_grid.h"
#include "spreadsheet/picture/row_raster.h"
#include "spreadsheet/picture/style_cache.h"

namespace spreadsheet::picture {

// Lines of a wrapped text by (text, font, width in pixels).
using WrapKey = std::tuple<QString, const FontEntry*, double>;
using WrapCache = std::map<WrapKey, QStringList>;

// Grid lines of cells without fill.
inline constexpr QRgb kGridColor = 0xFFD4D4D4;

// Paints one range layer by layer: grid lines, fills, text, borders, buttons.
class RangePainter {
 public:
  // Into an image of the grid's size or, with `left`, into a part of a larger
  // picture: the grid's columns from pixel `left` on, as many as the image is
  // wide (the grid's rows may be some of the picture's). A part's pixels are
  // those of the whole, texts that overflow into it included.
  RangePainter(const Worksheet& sheet, const PictureGrid& grid, QImage& image,
               std::optional<int> left = {});
  // On any canvas (a PDF page, say), in the grid's pixel coordinates. Text is
  // measured on the canvas's layout device (96 dpi) in the cells' exact
  // points, so a page's text has the sizes the cells name. A printed page
  // (`printedPage`) has no grid lines and no buttons, which are screen
  // controls. `fonts` says where the text's fonts come from.
  RangePainter(const Worksheet& sheet, const PictureGrid& grid, Canvas& canvas, bool printedPage,
               FontSource fonts = FontSource::Desktop);
  void paint();

 private:
  // A visible cell position of the range.
  struct Slot {
    CellAddress at;
    const Cell* cell = nullptr;
    const ResolvedStyle* style = nullptr;
    int merge = -1;  // index into areas_
  };

  Slot& slot(std::size_t r, std::size_t c) { return slots_[r * cols_ + c]; }
  void collectSlots();
  void paintGridAndFills();
  void fill(const QRect& rect, const QColor& color);
  void paintGridByPainter();
  void paintFills();
  void paintMergedArea(const CellRange& area);
  void paintTexts();
  void paintCellText(std::size_t r, std::size_t c);
  void paintAreaText(const CellRange& area);
  bool isFreeForOverflow(std::size_t r, std::size_t c);
  bool mayShow(const QRect& rect, const FontEntry& font) const;
  void eraseGridInside(std::size_t r, std::size_t firstCol, std::size_t lastCol);
  void paintBorders();
  void paintButtons();
  QColor textColor(const CellContent& content, const ResolvedStyle& style) const;
  CellContent contentOf(const CellValue& value, const Style& style);

  const Worksheet& sheet_;
  const PictureGrid& grid_;
  QImage* image_ = nullptr;  // null when painting on a caller's canvas
  QRect window_;             // the grid's pixels that are drawn
  bool cut_ = false;         // a part of a larger picture
  QPainter ownPainter_;
  std::unique_ptr<PainterCanvas> ownCanvas_;
  Canvas& canvas_;
  QColor gridColor_ = QColor::fromRgb(kGridColor);  // white when no grid lines are drawn
  bool buttons_ = true;
  StyleCache cache_;
  WrapCache wrapped_;
  ButtonCaptions captions_;
  // Numbers as their styles show them: a sheet repeats the same times and
  // totals, and formatting each again costs more than the rest of its text.
  std::map<std::pair<const Style*, std::uint64_t>, CellContent> shownNumbers_;
  std::vector<CellRange> areas_;               // merged areas that reach into the range
  std::vector<Slot> slots_;                    // visible rows × visible columns
  std::vector<RectFill>* recorded_ = nullptr;  // fills kept for paintRows, when set
  std::size_t rows_ = 0, cols_ = 0;
};

}  // namespace spreadsheet::picture
