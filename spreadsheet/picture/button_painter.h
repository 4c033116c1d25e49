#pragma once
#include <QPoint>

#include "spreadsheet/model/sheet_parts.h"
#include "spreadsheet/picture/canvas.h"
#include "spreadsheet/picture/style_cache.h"

namespace spreadsheet::picture {

// The button's rectangle in pixels of a picture whose top-left corner lies
// `origin` pixels from the sheet's top-left corner.
QRect buttonRect(const Button& button, QPoint origin);

// A push button: light grey face, raised 3D edge, its text centred in the
// fonts of its runs and wrapped between words when too wide.
void drawButton(Canvas& canvas, const Button& button, const QRect& rect, StyleCache& cache);

}  // namespace spreadsheet::picture
