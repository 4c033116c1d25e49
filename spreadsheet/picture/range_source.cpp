#include <algorithm>
#include <cerrno>
#include <vector>

#include "spreadsheet/io/system_reason.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/picture/picture_grid.h"
#include "spreadsheet/picture/picture_source.h"
#include "spreadsheet/picture/range_painter.h"
#include "spreadsheet/picture/sheet_picture.h"
#include "spreadsheet/picture/tile_store.h"

namespace spreadsheet::picture {

namespace {

class ImageSource final : public PictureSource {
 public:
  explicit ImageSource(QImage image) : image_(std::move(image)) {}
  QSize size() const override { return image_.size(); }
  QImage draw(const QRect& part) const override {
    const QRect inside = part.intersected(image_.rect());
    if (inside.isEmpty()) return {};
    return inside == image_.rect() ? image_ : image_.copy(inside);
  }

 private:
  QImage image_;
};

// The pixels kept drawn (16 MB): more than a window on the screen shows.
constexpr long long kKeptPixels = 4LL << 20;
// Rows drawn beyond a band on either side, so that borders and merged areas
// shared with neighbouring rows come out as in the whole picture. Columns need
// no margin: every pass lays out the whole width and draws only its window.
constexpr std::size_t kMarginRows = 2;

class RangeSource final : public PictureSource {
 public:
  RangeSource(std::shared_ptr<const Workbook> book, const Worksheet& sheet, const CellRange& range,
              int tileSide)
      : book_(std::move(book)), sheet_(sheet), grid_(sheet, range), side_(tileSide) {}

  QSize size() const override {
    return {static_cast<int>(grid_.width()), static_cast<int>(grid_.height())};
  }

  QImage draw(const QRect& part) const override {
    const QRect inside = part.intersected(QRect(QPoint(0, 0), size()));
    if (inside.isEmpty()) return {};
    QImage out(inside.size(), QImage::Format_RGB32);
    if (out.isNull()) throw Error(io::systemReasonText(ENOMEM));
    out.setDotsPerMeterX(kDotsPerMeter96Dpi);
    out.setDotsPerMeterY(kDotsPerMeter96Dpi);
    const QRect tiles = tilesOf(inside);
    // A part larger than the tiles kept is drawn a band at a time.
    const int bandsAtOnce = fitsKept(tiles) ? tiles.height() : 1;
    for (int top = tiles.top(); top <= tiles.bottom(); top += bandsAtOnce) {
      const QRect band(tiles.left(), top, tiles.width(),
                       std::min(bandsAtOnce, tiles.bottom() + 1 - top));
      copyTiles(band, inside, out);
      store_.trim();
    }
    return out;
  }

  void prepare(const QRect& part) const override {
    const QRect inside = part.intersected(QRect(QPoint(0, 0), size()));
    if (inside.isEmpty() || !fitsKept(tilesOf(inside))) return;
    drawingsOf(tilesOf(inside));
    store_.trim();
  }

 private:
  QRect tileRect(QPoint index) const { return QRect(index * side_, QSize(side_, side_)); }
  // The tiles that hold the pixels of `part`, inside the picture.
  QRect tilesOf(const QRect& part) const {
    return QRect(QPoint(part.left() / side_, part.top() / side_),
                 QPoint(part.right() / side_, part.bottom() / side_));
  }
  bool fitsKept(const QRect& tiles) const {
    return static_cast<long long>(tiles.width()) * tiles.height() * side_ * side_ <= kKeptPixels;
  }

  // Rows by pointer: a scan line asked of QImage costs a detach check each.
  static void copyPixels(const QImage& from, const QRect& rect, QImage& to, const QPoint& at) {
    const auto bytes = static_cast<std::size_t>(rect.width()) * 4;
    const qsizetype fromStride = from.bytesPerLine(), toStride = to.bytesPerLine();
    const uchar* source = from.constBits() + rect.top() * fromStride + rect.left() * 4;
    uchar* target = to.bits() + at.y() * toStride + at.x() * 4;
    for (int y = 0; y < rect.height(); ++y, source += fromStride, target += toStride)
      std::copy_n(source, bytes, target);
  }

  // The pixels of `tiles` inside `part` into `out`, which holds `part`.
  void copyTiles(const QRect& tiles, const QRect& part, QImage& out) const {
    const std::vector<TileDrawingPtr> drawings = drawingsOf(tiles);
    auto drawing = drawings.begin();
    for (int y = tiles.top(); y <= tiles.bottom(); ++y)
      for (int x = tiles.left(); x <= tiles.right(); ++x, ++drawing) {
        const QRect from = part.intersected(tileRect(QPoint(x, y)));
        copyPixels((*drawing)->pixels, from.translated(-(*drawing)->origin), out,
                   from.topLeft() - part.topLeft());
      }
  }

  // The drawings of `tiles`, row by row; the tiles not kept are drawn in one
  // pass over the rectangle of tiles that holds them all, which pays the
  // painter's set-up and the margins once.
  std::vector<TileDrawingPtr> drawingsOf(const QRect& tiles) const {
    std::vector<TileDrawingPtr> drawings;
    QRect missing;
    for (int y = tiles.top(); y <= tiles.bottom(); ++y)
      for (int x = tiles.left(); x <= tiles.right(); ++x) {
        drawings.push_back(store_.find(QPoint(x, y)));
        if (!drawings.back()) missing |= QRect(x, y, 1, 1);
      }
    if (missing.isEmpty()) return drawings;
    const TileDrawingPtr drawn = drawTiles(missing);
    for (int y = missing.top(); y <= missing.bottom(); ++y)
      for (int x = missing.left(); x <= missing.right(); ++x) {
        store_.keep(QPoint(x, y), drawn);
        if (tiles.contains(x, y))
          drawings[static_cast<std::size_t>((y - tiles.top()) * tiles.width() + x - tiles.left())] =
              drawn;
      }
    return drawings;
  }

  // The pixels of `tiles`, drawn from the rows that cover them and a margin,
  // and from every column, of which only the tiles' are drawn.
  TileDrawingPtr drawTiles(const QRect& tiles) const {
    const QRect pixels = tileRect(tiles.topLeft())
                             .united(tileRect(tiles.bottomRight()))
                             .intersected(QRect(QPoint(0, 0), size()));
    const auto& rows = grid_.visibleRows();
    const auto endsAfter = [&](long long y) {
      return std::upper_bound(rows.begin(), rows.end(), y,
                              [&](long long at, int row) { return at < grid_.y(row + 1); });
    };
    const auto firstRow = static_cast<std::size_t>(endsAfter(pixels.top()) - rows.begin());
    const auto lastRow = static_cast<std::size_t>(endsAfter(pixels.bottom()) - rows.begin());
    const std::size_t lo = firstRow > kMarginRows ? firstRow - kMarginRows : 0;
    const std::size_t hi = std::min(lastRow + kMarginRows, rows.size() - 1);
    CellRange rowsDrawn = grid_.range();
    rowsDrawn.first.row = rows[lo];
    rowsDrawn.last.row = rows[hi];
    const PictureGrid grid(sheet_, rowsDrawn);
    TileDrawing drawing = store_.blank(QSize(pixels.width(), static_cast<int>(grid.height())));
    if (drawing.pixels.isNull()) throw Error(io::systemReasonText(ENOMEM));
    drawing.pixels.setDotsPerMeterX(kDotsPerMeter96Dpi);
    drawing.pixels.setDotsPerMeterY(kDotsPerMeter96Dpi);
    RangePainter(sheet_, grid, drawing.pixels, std::optional<int>(pixels.left())).paint();
    drawing.origin = QPoint(pixels.left(), static_cast<int>(grid_.y(rows[lo])));
    return std::make_shared<const TileDrawing>(std::move(drawing));
  }

  std::shared_ptr<const Workbook> book_;
  const Worksheet& sheet_;
  PictureGrid grid_;
  int side_;
  mutable TileStore store_{kKeptPixels};
};

}  // namespace

std::shared_ptr<const PictureSource> imageSource(QImage image) {
  return std::make_shared<ImageSource>(std::move(image));
}

std::shared_ptr<const PictureSource> rangeSource(std::shared_ptr<const Workbook> book,
                                                 const Worksheet& sheet, const CellRange& range,
                                                 int tileSide) {
  if (tileSide < 1) throw Error("The tile size is not valid.");
  const PictureGrid grid = checkedGrid(sheet, range);
  if (grid.width() == 0 || grid.height() == 0) return nullptr;
  return std::make_shared<RangeSource>(std::move(book), sheet, range, tileSide);
}

}  // namespace spreadsheet::picture
