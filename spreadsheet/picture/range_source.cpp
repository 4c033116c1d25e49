#include <algorithm>
#include <list>

#include "spreadsheet/model/error.h"
#include "spreadsheet/picture/picture_grid.h"
#include "spreadsheet/picture/picture_source.h"
#include "spreadsheet/picture/range_painter.h"
#include "spreadsheet/picture/sheet_picture.h"

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

// Bands of this many pixel rows, the whole width, are drawn and kept.
constexpr int kBandHeight = 256;
constexpr std::size_t kKeptBands = 6;
// Rows drawn beyond a band on either side, so that borders and merged areas
// shared with neighbouring rows come out as in the whole picture.
constexpr std::size_t kMarginRows = 2;

class RangeSource final : public PictureSource {
 public:
  RangeSource(std::shared_ptr<const Workbook> book, const Worksheet& sheet, const CellRange& range)
      : book_(std::move(book)), sheet_(sheet), grid_(sheet, range) {}

  QSize size() const override {
    return {static_cast<int>(grid_.width()), static_cast<int>(grid_.height())};
  }

  QImage draw(const QRect& part) const override {
    const QRect inside = part.intersected(QRect(QPoint(0, 0), size()));
    if (inside.isEmpty()) return {};
    QImage out(inside.size(), QImage::Format_RGB32);
    if (out.isNull()) throw Error("Not enough memory to make the picture.");
    drawMissing(inside.top() / kBandHeight, inside.bottom() / kBandHeight);
    for (int b = inside.top() / kBandHeight; b <= inside.bottom() / kBandHeight; ++b) {
      const Band& held = band(b);
      const QRect from = inside.intersected(QRect(0, b * kBandHeight, size().width(), kBandHeight));
      copyRows(held.pixels, from.translated(0, held.top - b * kBandHeight), out,
               from.topLeft() - inside.topLeft());
    }
    out.setDotsPerMeterX(kDotsPerMeter96Dpi);
    out.setDotsPerMeterY(kDotsPerMeter96Dpi);
    return out;
  }

 private:
  struct Band {
    int index;
    QImage pixels;  // shared by the bands drawn in one pass
    int top;        // the band's first pixel row in `pixels`
  };

  static void copyRows(const QImage& from, const QRect& rect, QImage& to, const QPoint& at) {
    const auto bytes = static_cast<std::size_t>(rect.width()) * 4;
    for (int y = 0; y < rect.height(); ++y)
      std::copy_n(from.constScanLine(rect.top() + y) + rect.left() * 4, bytes,
                  to.scanLine(at.y() + y) + at.x() * 4);
  }

  std::list<Band>::iterator kept(int index) const {
    return std::find_if(bands_.begin(), bands_.end(),
                        [&](const Band& b) { return b.index == index; });
  }

  void keep(int index, const QImage& pixels, int top) const {
    bands_.push_front({index, pixels, top});
    if (bands_.size() > kKeptBands) bands_.pop_back();
  }

  const Band& band(int index) const {
    auto found = kept(index);
    if (found != bands_.end()) {
      bands_.splice(bands_.begin(), bands_, found);
      return bands_.front();
    }
    const auto [pixels, top] = drawBands(index, index);
    keep(index, pixels, top);
    return bands_.front();
  }

  // Each run of bands first..last not kept yet is drawn in one pass: the
  // painter's set-up and the margins are paid once per run.
  void drawMissing(int first, int last) const {
    if (last - first + 1 > static_cast<int>(kKeptBands)) return;  // drawn band by band
    for (int b = first; b <= last; ++b) {
      if (kept(b) != bands_.end()) continue;
      int end = b;
      while (end < last && kept(end + 1) == bands_.end()) ++end;
      const auto [pixels, top] = drawBands(b, end);
      for (int i = b; i <= end; ++i) keep(i, pixels, top + (i - b) * kBandHeight);
      b = end;
    }
  }

  // The pixel rows of bands first..last, drawn from the rows that cover them
  // and a margin; with the row of the first band's top in the drawing.
  std::pair<QImage, int> drawBands(int first, int last) const {
    const long long top = static_cast<long long>(first) * kBandHeight;
    const long long bottom =
        std::min<long long>(static_cast<long long>(last + 1) * kBandHeight, grid_.height());
    const auto& rows = grid_.visibleRows();
    const auto endsAfter = [&](long long y) {
      return std::upper_bound(rows.begin(), rows.end(), y,
                              [&](long long at, int row) { return at < grid_.y(row + 1); });
    };
    const auto firstRow = static_cast<std::size_t>(endsAfter(top) - rows.begin());
    const auto lastRow = static_cast<std::size_t>(endsAfter(bottom - 1) - rows.begin());
    const std::size_t lo = firstRow > kMarginRows ? firstRow - kMarginRows : 0;
    const std::size_t hi = std::min(lastRow + kMarginRows, rows.size() - 1);
    CellRange rowsDrawn = grid_.range();
    rowsDrawn.first.row = rows[lo];
    rowsDrawn.last.row = rows[hi];
    const long long origin = grid_.y(rows[lo]);
    const PictureGrid grid(sheet_, rowsDrawn);
    QImage pixels(static_cast<int>(grid.width()), static_cast<int>(grid.height()),
                  QImage::Format_RGB32);
    if (pixels.isNull()) throw Error("Not enough memory to make the picture.");
    pixels.setDotsPerMeterX(kDotsPerMeter96Dpi);
    pixels.setDotsPerMeterY(kDotsPerMeter96Dpi);
    RangePainter(sheet_, grid, pixels).paint();
    return {pixels, static_cast<int>(top - origin)};
  }

  std::shared_ptr<const Workbook> book_;
  const Worksheet& sheet_;
  PictureGrid grid_;
  mutable std::list<Band> bands_;  // the most recently used first
};

}  // namespace

std::shared_ptr<const PictureSource> imageSource(QImage image) {
  return std::make_shared<ImageSource>(std::move(image));
}

std::shared_ptr<const PictureSource> rangeSource(std::shared_ptr<const Workbook> book,
                                                 const Worksheet& sheet, const CellRange& range) {
  const PictureGrid grid = checkedGrid(sheet, range);
  if (grid.width() == 0 || grid.height() == 0) return nullptr;
  return std::make_shared<RangeSource>(std::move(book), sheet, range);
}

}  // namespace spreadsheet::picture
