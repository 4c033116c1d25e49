#include "spreadsheet/picture/font_check.h"

#include <QFont>
#include <QRawFont>

#include "spreadsheet/model/style.h"
#include "spreadsheet/picture/style_cache.h"

namespace spreadsheet::picture {

namespace {

const char* const kInstallHint =
    "install the Liberation Sans font (the Debian package fonts-liberation2) or another "
    "scalable font";

}  // namespace

std::optional<std::string> missingFont() {
  const std::string sheetFont = Font{}.name;
  QFont font;
  font.setFamilies({drawnFamily(sheetFont)});
  font.setPixelSize(13);
  const QRawFont raw = QRawFont::fromFont(font);
  if (!raw.isValid())
    return "no font can be loaded for the sheet's " + sheetFont + ": " + kInstallHint;
  const std::string family = raw.familyName().toStdString();
  // TrueType outlines or CFF ones; a bitmap font (.pcf) has neither table.
  if (raw.fontTable("glyf").isEmpty() && raw.fontTable("CFF ").isEmpty())
    return "the font \"" + family + "\" that would draw the sheet's " + sheetFont +
           " is a bitmap font, which cannot be scaled or embedded: " + kInstallHint;
  for (const quint32 glyph : raw.glyphIndexesForString(QStringLiteral("0123456789AaZz")))
    if (glyph == 0)
      return "the font \"" + family + "\" that would draw the sheet's " + sheetFont +
             " lacks digits or letters: " + kInstallHint;
  return std::nullopt;
}

}  // namespace spreadsheet::picture
