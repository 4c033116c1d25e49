#pragma once
#include <QPoint>
#include <QTextLayout>
#include <map>
#include <memory>
#include <string>

#include "spreadsheet/model/sheet_parts.h"
#include "spreadsheet/picture/canvas.h"
#include "spreadsheet/picture/style_cache.h"

namespace spreadsheet::picture {

// The button's rectangle in pixels of a picture whose top-left corner lies
// `origin` pixels from the sheet's top-left corner.
QRect buttonRect(const Button& button, QPoint origin);

// Captions laid out once for each text, fonts and width: a sheet repeats one
// button down its rows, and laying out the caption cost more than drawing it.
class ButtonCaptions {
 public:
  struct Caption {
    std::unique_ptr<QTextLayout> layout;
    double height = 0;  // in the fonts' own pixels
  };
  const Caption& caption(const Button& button, int width, Canvas& canvas, StyleCache& cache);

 private:
  std::map<std::string, std::unique_ptr<Caption>> captions_;
};

// A push button: light grey face, raised 3D edge, its text centred in the
// fonts of its runs and wrapped between words when too wide.
void drawButton(Canvas& canvas, const Button& button, const QRect& rect, StyleCache& cache,
                ButtonCaptions& captions);

}  // namespace spreadsheet::picture
