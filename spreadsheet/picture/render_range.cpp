#include <QGuiApplication>
#include <cerrno>

#include "spreadsheet/io/large_block.h"
#include "spreadsheet/io/system_reason.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/picture/picture_grid.h"
#include "spreadsheet/picture/range_painter.h"
#include "spreadsheet/picture/sheet_picture.h"

namespace spreadsheet::picture {

namespace {
constexpr long long kMaxSide = 32767;        // the raster painter's coordinate range
constexpr long long kMaxPixels = 1LL << 28;  // 1 GiB of 32-bit pixels

bool validRange(const CellRange& r) {
  return r.first.row >= 1 && r.first.column >= 1 && r.last.row <= kMaxRows &&
         r.last.column <= kMaxColumns && r.first.row <= r.last.row &&
         r.first.column <= r.last.column;
}
}  // namespace

PictureGrid checkedGrid(const Worksheet& sheet, const CellRange& range) {
  if (!validRange(range)) throw Error("The range is not valid.");
  // Fonts exist only once the program has its graphical application object.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    throw Error("The picture cannot be made without the graphical application.");
  PictureGrid grid(sheet, range);
  const long long w = grid.width(), h = grid.height();
  if (w > kMaxSide || h > kMaxSide || w * h > kMaxPixels)
    throw Error("The picture is too large. Select a smaller range.");
  return grid;
}

QImage renderRange(const Worksheet& sheet, const CellRange& range) {
  const PictureGrid grid = checkedGrid(sheet, range);
  const long long w = grid.width(), h = grid.height();
  if (w == 0 || h == 0) return {};
  // The picture owns its block; a copy that is changed detaches into ordinary memory.
  const auto bytesPerLine = static_cast<qsizetype>(w) * 4;
  auto* pixels = static_cast<uchar*>(io::allocateLargeBlock(static_cast<std::size_t>(w * h * 4)));
  if (!pixels) throw Error(io::systemReasonText(ENOMEM));
  QImage image(pixels, static_cast<int>(w), static_cast<int>(h), bytesPerLine, QImage::Format_RGB32,
               io::releaseLargeBlock, pixels);
  if (image.isNull()) {
    io::releaseLargeBlock(pixels);
    throw Error(io::systemReasonText(ENOMEM));
  }
  image.setDotsPerMeterX(kDotsPerMeter96Dpi);
  image.setDotsPerMeterY(kDotsPerMeter96Dpi);
  RangePainter(sheet, grid, image).paint();
  return image;
}

}  // namespace spreadsheet::picture
