#include "spreadsheet/model/units.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet {

namespace {
// Sizes are stored to a few decimals (0.58 characters, 12.75 points), so a tiny
// tolerance keeps 0.58 × 12 = 6.96 and friends on the pixel the application shows.
int roundHalfUp(double v) {
  return static_cast<int>(std::floor(v + 0.5 + 1e-9));
}
}  // namespace

int ColumnWidthPixels(double characters) {
  if (!(characters > 0)) return 0;
  if (characters < 1) return roundHalfUp(characters * kNarrowColumnPixelsPerCharacter);
  return roundHalfUp(characters * kMaxDigitWidthPixels) + kColumnPaddingPixels;
}

int ColumnWidthStored(double characters) {
  return ColumnWidthPixels(characters) * 256 / kMaxDigitWidthPixels;
}

double ColumnWidthFromStored(int stored) {
  const int px = roundHalfUp(std::max(0, stored) * double(kMaxDigitWidthPixels) / 256);
  const double w = px < kNarrowColumnPixelsPerCharacter
                       ? double(px) / kNarrowColumnPixelsPerCharacter
                       : double(px - kColumnPaddingPixels) / kMaxDigitWidthPixels;
  return std::ceil(w * 100 - 1e-9) / 100;
}

double DefaultColumnWidthFromDigits(int digits) {
  int px = std::max(0, digits) * kMaxDigitWidthPixels + kColumnPaddingPixels;
  px = (px + 7) / 8 * 8;
  return std::round(double(px - kColumnPaddingPixels) / kMaxDigitWidthPixels * 100) / 100;
}

int PointsToPixels(double points) {
  return roundHalfUp(points * 4 / 3);
}

double PixelsToPoints(double pixels) {
  return pixels * 3 / 4;
}

int PointsToTwips(double points) {
  return static_cast<int>(std::lround(points * kTwipsPerPoint));
}

double TwipsToPoints(double twips) {
  return twips / kTwipsPerPoint;
}

int TwipsToPixels(double twips) {
  return roundHalfUp(twips / kTwipsPerPixel);
}

int LinePixels(const Worksheet& sheet, Axis axis, int index) {
  const auto& lines = sheet.lines(axis);
  auto it = lines.find(index);
  if (it != lines.end() && it->second.hidden) return 0;
  if (axis == Axis::Columns) return ColumnWidthPixels(sheet.columnWidth(index));
  return std::max(0, PointsToPixels(sheet.rowHeight(index)));
}

long long PixelsBefore(const Worksheet& sheet, Axis axis, int index) {
  // Every line not listed has the default size, so only listed lines need a look.
  const int defaultPx = axis == Axis::Rows ? std::max(0, PointsToPixels(sheet.defaultRowHeight()))
                                           : ColumnWidthPixels(sheet.defaultColumnWidth());
  long long total = static_cast<long long>(index - 1) * defaultPx;
  for (const auto& [line, info] : sheet.lines(axis)) {
    if (line >= index) break;
    total += LinePixels(sheet, axis, line) - defaultPx;
  }
  return total;
}

PixelBox ButtonPixels(const Button& b) {
  return {PointsToPixels(b.left), PointsToPixels(b.top), std::max(0, PointsToPixels(b.width)),
          std::max(0, PointsToPixels(b.height))};
}

LinePosition LineAt(const Worksheet& sheet, Axis axis, long long position, int lineCount) {
  position = std::max(0LL, position);
  long long start = 0;
  for (int i = 1; i <= lineCount; ++i) {
    const int size = LinePixels(sheet, axis, i);
    if (position < start + size || i == lineCount)
      return {i, static_cast<int>(std::min<long long>(position - start, size))};
    start += size;
  }
  return {};
}

CellAnchor AnchorOf(const Worksheet& sheet, const PixelBox& box, const FileLimits& limits) {
  CellAnchor a;
  a.column1 = LineAt(sheet, Axis::Columns, box.left, limits.columns);
  a.row1 = LineAt(sheet, Axis::Rows, box.top, limits.rows);
  a.column2 = LineAt(sheet, Axis::Columns, box.left + std::max(0LL, box.width), limits.columns);
  a.row2 = LineAt(sheet, Axis::Rows, box.top + std::max(0LL, box.height), limits.rows);
  return a;
}

PixelBox BoxOf(const Worksheet& sheet, const CellAnchor& a) {
  auto at = [&](Axis axis, const LinePosition& p) {
    return PixelsBefore(sheet, axis, p.line) + p.offset;
  };
  PixelBox b;
  b.left = at(Axis::Columns, a.column1);
  b.top = at(Axis::Rows, a.row1);
  b.width = std::max(0LL, at(Axis::Columns, a.column2) - b.left);
  b.height = std::max(0LL, at(Axis::Rows, a.row2) - b.top);
  return b;
}

}  // namespace spreadsheet
