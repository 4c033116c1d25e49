#include "spreadsheet/picture/range_painter.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "spreadsheet/model/units.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/picture/button_painter.h"
#include "spreadsheet/picture/row_raster.h"
#include "spreadsheet/picture/text_painter.h"

namespace spreadsheet::picture {

namespace {

// Indices of the sorted `lines` that fall inside first..last.
std::pair<std::size_t, std::size_t> indexSpan(const std::vector<int>& lines, int first, int last) {
  auto lo = std::lower_bound(lines.begin(), lines.end(), first);
  auto hi = std::upper_bound(lines.begin(), lines.end(), last);
  return {static_cast<std::size_t>(lo - lines.begin()),
          static_cast<std::size_t>(hi - lines.begin())};
}

bool wraps(const Style& style, const CellContent& content) {
  if (content.kind == ValueKind::Number) return false;  // numbers show '#' instead
  return style.wrapText || content.horizontal == xl::Justify ||
         content.horizontal == xl::Distributed;
}

// The lines a cell shows in `width` pixels: wrapped, or one line fitted to the
// width (without wrapping a line feed shows as nothing).
QStringList linesOf(CellContent& content, const Style& style, const FontEntry& font, double width,
                    WrapCache& wrapped) {
  if (wraps(style, content)) {
    // A sheet repeats its wrapped headings in equal widths: wrap each once.
    auto [it, fresh] = wrapped.try_emplace(WrapKey{content.text, &font, width});
    if (fresh) it->second = wrapLines(content.text, font, width / font.scale);
    return it->second;
  }
  content.text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
  return {fitText(content, font, width)};
}

// The rectangle without its right and bottom grid lines: where text may go.
QRect inner(const QRect& r) {
  return r.adjusted(0, 0, -1, -1);
}

}  // namespace

RangePainter::RangePainter(const Worksheet& sheet, const PictureGrid& grid, QImage& image,
                           std::optional<int> left)
    : sheet_(sheet),
      grid_(grid),
      image_(&image),
      window_(left.value_or(0), 0, image.width(), image.height()),
      cut_(left.has_value()),
      ownCanvas_(std::make_unique<PainterCanvas>(
          ownPainter_, &image, left ? std::optional<QPoint>(QPoint(*left, 0)) : std::nullopt)),
      canvas_(*ownCanvas_),
      cache_(sheet.workbook(), &image) {}

RangePainter::RangePainter(const Worksheet& sheet, const PictureGrid& grid, Canvas& canvas,
                           bool printedPage, FontSource fonts)
    : sheet_(sheet),
      grid_(grid),
      window_(0, 0, static_cast<int>(grid.width()), static_cast<int>(grid.height())),
      canvas_(canvas),
      gridColor_(printedPage ? QColor(Qt::white) : QColor::fromRgb(kGridColor)),
      buttons_(!printedPage),
      cache_(sheet.workbook(), canvas.layoutDevice(), FontSizing::ExactPoints, fonts) {}

void RangePainter::paint() {
  collectSlots();
  if (image_) {
    paintGridAndFills();  // writes whole scan lines before the painter takes the image
    ownPainter_.begin(image_);
  } else {
    paintGridByPainter();
    paintFills();
  }
  paintTexts();
  paintBorders();
  if (buttons_) paintButtons();
  if (image_) ownPainter_.end();
}

void RangePainter::collectSlots() {
  const CellRange& range = grid_.range();
  const auto& vr = grid_.visibleRows();
  const auto& vc = grid_.visibleColumns();
  rows_ = vr.size();
  cols_ = vc.size();
  slots_.resize(rows_ * cols_);
  std::vector<int> colIndex(static_cast<std::size_t>(range.columnCount()), -1);
  for (std::size_t c = 0; c < cols_; ++c)
    colIndex[static_cast<std::size_t>(vc[c] - range.first.column)] = static_cast<int>(c);

  const auto& cells = sheet_.cells();
  for (std::size_t r = 0; r < rows_; ++r) {
    for (std::size_t c = 0; c < cols_; ++c) slot(r, c).at = {vr[r], vc[c]};
    // Cells are kept row by row, so the stored cells of this row are one run.
    for (auto it = cells.lower_bound({vr[r], range.first.column});
         it != cells.end() && it->first.row == vr[r] && it->first.column <= range.last.column;
         ++it) {
      const int c = colIndex[static_cast<std::size_t>(it->first.column - range.first.column)];
      if (c >= 0) slot(r, static_cast<std::size_t>(c)).cell = &it->second;
    }
    for (std::size_t c = 0; c < cols_; ++c) {
      Slot& s = slot(r, c);
      s.style = &cache_.style(s.cell ? s.cell->style : sheet_.styleAt(s.at));
    }
  }

  for (const CellRange& area : sheet_.mergedAreas()) {
    if (!area.intersects(range)) continue;
    const int index = static_cast<int>(areas_.size());
    areas_.push_back(area);
    const auto [r0, r1] = indexSpan(vr, area.first.row, area.last.row);
    const auto [c0, c1] = indexSpan(vc, area.first.column, area.last.column);
    for (std::size_t r = r0; r < r1; ++r)
      for (std::size_t c = c0; c < c1; ++c) slot(r, c).merge = index;
  }
}

void RangePainter::paintGridAndFills() {
  // Every pixel row is either a grid line or white with the columns' grid
  // pixels, and the fills lie over them: the rows are written once, with the
  // fills already in them.
  const auto width = static_cast<std::size_t>(image_->width());
  std::vector<QRgb> plain(width, 0xFFFFFFFF);
  const std::vector<QRgb> line(width, kGridColor);
  for (int column : grid_.visibleColumns()) {
    const long long x = grid_.x(column + 1) - 1 - window_.left();
    if (x >= 0 && x < static_cast<long long>(width))
      plain[static_cast<std::size_t>(x)] = kGridColor;
  }
  std::vector<bool> lineRows(static_cast<std::size_t>(image_->height()), false);
  for (int row : grid_.visibleRows())
    lineRows[static_cast<std::size_t>(grid_.y(row + 1) - 1)] = true;
  std::vector<RectFill> fills;
  recorded_ = &fills;
  paintFills();
  recorded_ = nullptr;
  if (window_.left() != 0)
    for (RectFill& f : fills) f.rect.translate(-window_.left(), 0);
  paintRows(*image_, lineRows, plain, line, fills);
}

void RangePainter::fill(const QRect& rect, const QColor& color) {
  if (recorded_)
    recorded_->push_back({rect, color.rgb()});
  else
    canvas_.fillRect(rect, color);
}

void RangePainter::paintGridByPainter() {
  // The same pixels as paintGrid, as rectangles: white, then each visible
  // column's right line and each visible row's bottom line.
  const int width = static_cast<int>(grid_.width()), height = static_cast<int>(grid_.height());
  canvas_.fillRect(QRect(0, 0, width, height), QColor(Qt::white));
  if (gridColor_ == Qt::white) return;
  for (int column : grid_.visibleColumns())
    canvas_.fillRect(QRect(static_cast<int>(grid_.x(column + 1)) - 1, 0, 1, height), gridColor_);
  for (int row : grid_.visibleRows())
    canvas_.fillRect(QRect(0, static_cast<int>(grid_.y(row + 1)) - 1, width, 1), gridColor_);
}

void RangePainter::paintFills() {
  // Merged areas first: an area without fill clears its inner grid lines,
  // which must not undo a neighbour's fill drawn over the shared line.
  for (const CellRange& area : areas_) paintMergedArea(area);
  for (const Slot& s : slots_) {
    // A fill covers the grid lines on all four sides of its cell.
    if (s.merge < 0 && s.style->fill) fill(grid_.rect(s.at).adjusted(-1, -1, 0, 0), *s.style->fill);
  }
}

void RangePainter::paintMergedArea(const CellRange& area) {
  const ResolvedStyle& style = cache_.style(sheet_.styleAt(area.first));
  const QRect rect = grid_.rect(area);
  if (style.fill) {
    fill(rect.adjusted(-1, -1, 0, 0), *style.fill);
    return;
  }
  // Without grid lines (a printed page) the area is as white as the paper.
  if (gridColor_ == Qt::white) return;
  fill(rect, QColor(Qt::white));
  fill(QRect(rect.left() + rect.width() - 1, rect.top(), 1, rect.height()), gridColor_);
  fill(QRect(rect.left(), rect.top() + rect.height() - 1, rect.width(), 1), gridColor_);
}

QColor RangePainter::textColor(const CellContent& content, const ResolvedStyle& style) const {
  if (!content.colorIndex) return style.textColor;
  return paletteColor(sheet_.workbook(), *content.colorIndex, style.textColor);
}

CellContent RangePainter::contentOf(const CellValue& value, const Style& style) {
  if (!value.isNumber()) return cellContent(value, style);
  const auto key = std::make_pair(&style, std::bit_cast<std::uint64_t>(value.number()));
  auto found = shownNumbers_.find(key);
  if (found == shownNumbers_.end())
    found = shownNumbers_.emplace(key, cellContent(value, style)).first;
  return found->second;
}

void RangePainter::paintTexts() {
  for (std::size_t r = 0; r < rows_; ++r)
    for (std::size_t c = 0; c < cols_; ++c) {
      const Slot& s = slot(r, c);
      if (s.merge < 0 && s.cell && !s.cell->isBlank()) paintCellText(r, c);
    }
  for (const CellRange& area : areas_) paintAreaText(area);
}

// Whether text of `font` clipped to `rect` may touch a pixel of a part: a
// glyph may reach a little beyond its advance when its text is not clipped.
// The whole picture draws every text, as it always did.
bool RangePainter::mayShow(const QRect& rect, const FontEntry& font) const {
  const int reach = static_cast<int>(font.height()) + 1;
  return !cut_ || rect.adjusted(-reach, 0, reach, 0).intersects(window_);
}

bool RangePainter::isFreeForOverflow(std::size_t r, std::size_t c) {
  const Slot& s = slot(r, c);
  return s.merge < 0 && (!s.cell || s.cell->isBlank());
}

void RangePainter::eraseGridInside(std::size_t r, std::size_t firstCol, std::size_t lastCol) {
  if (gridColor_ == Qt::white) return;  // no grid lines to erase
  const QRect row = grid_.rect(slot(r, firstCol).at);
  for (std::size_t c = firstCol; c < lastCol; ++c) {
    if (slot(r, c).style->fill || slot(r, c + 1).style->fill) continue;
    const int x = static_cast<int>(grid_.x(slot(r, c).at.column + 1) - 1);
    canvas_.fillRect(QRect(x, row.top(), 1, row.height() - 1), QColor(Qt::white));
  }
}

void RangePainter::paintCellText(std::size_t r, std::size_t c) {
  const Slot& s = slot(r, c);
  const Style& style = *s.style->style;
  CellContent content = contentOf(s.cell->value, style);
  if (content.text.isEmpty()) return;
  const QRect rect = grid_.rect(s.at);
  TextBlock block{
      {}, s.style->font, textColor(content, *s.style), content.horizontal, style.verticalAlignment};
  const FontEntry& font = *s.style->font;
  QRectF box = textBox(rect);
  block.lines = linesOf(content, style, font, box.width(), wrapped_);
  if (wraps(style, content)) {
    if (mayShow(rect, font)) drawTextBlock(canvas_, block, box, inner(rect));
    return;
  }

  std::size_t lo = c, hi = c;
  if (content.horizontal == xl::CenterAcrossSelection) {
    while (hi + 1 < cols_ && isFreeForOverflow(r, hi + 1) &&
           slot(r, hi + 1).style->style->horizontalAlignment == xl::CenterAcrossSelection)
      ++hi;
    box = textBox(grid_.rect(CellRange{s.at, slot(r, hi).at}));
  } else if (mayOverflow(content)) {
    const double need = font.advance(block.lines.front()) - box.width();
    const bool right = content.horizontal == xl::Right, centre = content.horizontal == xl::Center;
    const double eachSide = centre ? need / 2 : need;
    for (double got = 0;
         !right && got < eachSide && hi + 1 < cols_ && isFreeForOverflow(r, hi + 1);)
      got += grid_.rect(slot(r, ++hi).at).width();
    for (double got = 0;
         (right || centre) && got < eachSide && lo > 0 && isFreeForOverflow(r, lo - 1);)
      got += grid_.rect(slot(r, --lo).at).width();
  }
  const QRect span = grid_.rect(CellRange{slot(r, lo).at, slot(r, hi).at});
  if (!mayShow(span, font)) return;
  if (lo != hi) eraseGridInside(r, lo, hi);
  drawTextBlock(canvas_, block, box, inner(span));
}

void RangePainter::paintAreaText(const CellRange& area) {
  const Cell* cell = sheet_.find(area.first);
  if (!cell || cell->isBlank()) return;
  const ResolvedStyle& rs = cache_.style(cell->style);
  const Style& style = *rs.style;
  CellContent content = contentOf(cell->value, style);
  if (content.text.isEmpty()) return;
  const QRect rect = grid_.rect(area);
  if (!mayShow(rect, *rs.font)) return;
  const QRectF box = textBox(rect);
  TextBlock block{{}, rs.font, textColor(content, rs), content.horizontal, style.verticalAlignment};
  block.lines = linesOf(content, style, *rs.font, box.width(), wrapped_);
  drawTextBlock(canvas_, block, box, inner(rect));
}

void RangePainter::paintBorders() {
  std::vector<BorderLine> lines;
  for (const Slot& s : slots_) {
    if (!s.style->hasBorders) continue;
    bool skip[6] = {};
    if (s.merge >= 0) {
      // Edges between cells of one merged area are not drawn.
      const CellRange& a = areas_[static_cast<std::size_t>(s.merge)];
      skip[kLeft] = s.at.column > a.first.column;
      skip[kRight] = s.at.column < a.last.column;
      skip[kTop] = s.at.row > a.first.row;
      skip[kBottom] = s.at.row < a.last.row;
    }
    addCellEdges(*s.style->style, grid_.rect(s.at), skip, lines);
  }
  drawBorderLines(canvas_, lines, sheet_.workbook());
  for (const Slot& s : slots_)
    if (s.merge < 0 && s.style->hasBorders)
      drawDiagonals(canvas_, *s.style->style, grid_.rect(s.at), sheet_.workbook());
  for (const CellRange& area : areas_) {
    const ResolvedStyle& rs = cache_.style(sheet_.styleAt(area.first));
    if (rs.hasBorders) drawDiagonals(canvas_, *rs.style, grid_.rect(area), sheet_.workbook());
  }
}

void RangePainter::paintButtons() {
  if (sheet_.buttons().empty()) return;
  const CellRange& range = grid_.range();
  const QPoint origin(static_cast<int>(PixelsBefore(sheet_, Axis::Columns, range.first.column)),
                      static_cast<int>(PixelsBefore(sheet_, Axis::Rows, range.first.row)));
  for (const Button& b : sheet_.buttons()) {
    const QRect rect = buttonRect(b, origin);
    if (rect.intersects(window_)) drawButton(canvas_, b, rect, cache_, captions_);
  }
}

}  // namespace spreadsheet::picture
