#pragma once
#include <QString>
#include <optional>

#include "spreadsheet/model/style.h"
#include "spreadsheet/model/value.h"
#include "spreadsheet/picture/style_cache.h"

namespace spreadsheet::picture {

enum class ValueKind { Empty, Number, Text, Boolean, Error };

// A cell's value as its number format shows it, before it meets a width.
struct CellContent {
  ValueKind kind = ValueKind::Empty;
  double number = 0;
  bool generalFormat = true;
  QString text;
  std::optional<int> colorIndex;  // from a [Red]-style format section
  std::optional<QChar> fillChar;  // '*x' of the format
  int fillPosition = 0;           // index into text where the fill goes
  int horizontal = 0;             // alignment with General resolved by value kind
};

CellContent cellContent(const CellValue& value, const Style& style);

// The text drawn in `width` pixels: a format's fill character repeated to the
// width, the Fill alignment's repetition of the whole text, and for numbers
// that do not fit, fewer decimals (General) or '#' across the width.
QString fitText(const CellContent& content, const FontEntry& font, double width);

// Whether the content spills into empty neighbours when it is too wide.
bool mayOverflow(const CellContent& content);

}  // namespace spreadsheet::picture
