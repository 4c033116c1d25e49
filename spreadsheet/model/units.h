#pragma once
#include "spreadsheet/model/sheet_parts.h"
#include "spreadsheet/model/worksheet.h"

// Every size rule of the sheet, once for every user: the picture, the preview,
// the windows and each workbook format. Pixels are screen pixels at 96 dpi.
namespace spreadsheet {

// Column widths are counted in characters of the sheet's default font (Arial
// 10), whose widest digit is 7 px; a column adds 5 px of padding, and widths
// below one character step by 1/12 of a character per pixel instead.
inline constexpr int kMaxDigitWidthPixels = 7;
inline constexpr int kColumnPaddingPixels = 5;
inline constexpr int kNarrowColumnPixelsPerCharacter = 12;

// A column w characters wide, rounded half up as the application shows it:
// w < 1: int(w*12 + 0.5); otherwise int(w*7 + 0.5) + 5. Negative widths give 0.
int ColumnWidthPixels(double characters);

// The stored width in 1/256 of a digit width, padding included: int(px*256/7).
// 0.58 characters -> 7 px -> 256.
int ColumnWidthStored(double characters);

// Characters read back from a stored width, rounded up to hundredths so that
// ColumnWidthPixels gives the same pixels again.
double ColumnWidthFromStored(int stored);

// The default column of a file that gives it as a whole number of digits (the
// .xls default width): the digits and padding, rounded up to 8 pixels, in
// characters to hundredths. 8 digits -> 61 px -> 64 px -> 8.43 characters.
double DefaultColumnWidthFromDigits(int digits);

// Points (row heights, font sizes, button positions) to whole pixels, half up.
int PointsToPixels(double points);
double PixelsToPoints(double pixels);

// Points to twips (20 a point, rounded half away from zero) and back, as the
// files store row heights and font sizes: 12.75 pt is 255 twips.
inline constexpr int kTwipsPerPoint = 20;
int PointsToTwips(double points);
double TwipsToPoints(double twips);

// Window geometry in twips (15 a pixel) to pixels, half up: a window's frame of
// 2470 twips is 165 px.
inline constexpr int kTwipsPerPixel = 15;
int TwipsToPixels(double twips);

// The pixels a row or column takes on screen: 0 when hidden.
int LinePixels(const Worksheet& sheet, Axis axis, int index);

// Pixels from the sheet's top or left edge to the start of line `index` (1-based).
long long PixelsBefore(const Worksheet& sheet, Axis axis, int index);

// What a workbook file can hold, and the application's own size limits.
struct FileLimits {
  int rows;
  int columns;
  double maxRowHeightPoints;
  double maxColumnWidthCharacters;
};
// Row heights up to 409 points and column widths up to 255 characters are what
// the application accepts, whatever the file format could store.
inline constexpr double kMaxRowHeightPoints = 409;
inline constexpr double kMaxColumnWidthCharacters = 255;
inline constexpr FileLimits kXlsLimits{65536, 256, kMaxRowHeightPoints, kMaxColumnWidthCharacters};

// A rectangle in sheet pixels, from the sheet's top-left corner.
struct PixelBox {
  long long left = 0, top = 0, width = 0, height = 0;
  bool operator==(const PixelBox&) const = default;
};

// A button's rectangle (points) in the pixels the picture draws it at.
PixelBox ButtonPixels(const Button& button);

// A pixel position as a line (1-based row or column) and the pixels into it.
struct LinePosition {
  int line = 1;
  int offset = 0;
  bool operator==(const LinePosition&) const = default;
};

// The line holding `position` among the first `lineCount` lines; a position
// beyond them lies in the last line (offset limited to its size).
LinePosition LineAt(const Worksheet& sheet, Axis axis, long long position, int lineCount);

// Where a box's top-left and bottom-right corners fall on the cells: the
// anchor every file format stores a drawing object by.
struct CellAnchor {
  LinePosition column1, row1, column2, row2;
  bool operator==(const CellAnchor&) const = default;
};
CellAnchor AnchorOf(const Worksheet& sheet, const PixelBox& box, const FileLimits& limits);
PixelBox BoxOf(const Worksheet& sheet, const CellAnchor& anchor);

}  // namespace spreadsheet
