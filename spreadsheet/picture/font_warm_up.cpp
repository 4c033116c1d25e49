#include "spreadsheet/picture/font_warm_up.h"

#include <QImage>
#include <QPainter>

#include "spreadsheet/model/style.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/picture/style_cache.h"

namespace spreadsheet::picture {

void warmPictureFonts(std::span<const double> sizes) {
  // The same road as a picture: its image format, its cache's fonts.
  QImage scratch(96, 24, QImage::Format_RGB32);
  scratch.fill(Qt::white);
  const Workbook book;
  StyleCache cache(book, &scratch);
  QPainter painter(&scratch);
  const Font sheetFont;
  for (const double size : sizes) {
    for (const bool bold : {false, true}) {
      const FontEntry& font = cache.font(sheetFont.name, size, bold, false, sheetFont.underline);
      painter.setFont(font.font);
      painter.drawStaticText(QPointF(0, 0), font.staticText(QStringLiteral("0123456789:.AMP")));
    }
  }
}

}  // namespace spreadsheet::picture
