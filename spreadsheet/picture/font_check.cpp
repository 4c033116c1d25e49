#include "spreadsheet/picture/font_check.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

#include "spreadsheet/model/error.h"
#include "spreadsheet/model/style.h"
#include "spreadsheet/picture/page_faces.h"
#include "spreadsheet/picture/style_cache.h"

namespace spreadsheet::picture {

namespace {

const char* const kInstallHint =
    "install the Liberation Sans font (the Debian package fonts-liberation2) or another "
    "scalable font";

}  // namespace

std::optional<std::string> missingFont() {
  const std::string sheetFont = Font{}.name;
  const std::string drawnAs = drawnFamily(sheetFont).toStdString();
  QFont font;
  font.setFamilies({drawnFamily(sheetFont)});
  font.setPixelSize(13);
  // Without any font Qt stands in with one that draws boxes and has no family
  // (asking its raw font for one crashes).
  const QFontInfo found(font);
  if (found.family().isEmpty())
    return "no font is installed to draw the sheet's " + sheetFont + " (as " + drawnAs +
           "): " + kInstallHint;
  const std::string family = found.family().toStdString();
  if (!QFontDatabase::isSmoothlyScalable(found.family(), found.styleName()))
    return "the font \"" + family + "\" that would draw the sheet's " + sheetFont +
           " is a bitmap font, which cannot be scaled or embedded: " + kInstallHint;
  for (const quint32 glyph :
       QRawFont::fromFont(font).glyphIndexesForString(QStringLiteral("0123456789AaZz")))
    if (glyph == 0)
      return "the font \"" + family + "\" that would draw the sheet's " + sheetFont +
             " lacks digits or letters: " + kInstallHint;
  return std::nullopt;
}

std::optional<std::string> missingPageFont() {
  const std::string sheetFont = Font{}.name;
  const QString family = drawnFamily(sheetFont);
  std::shared_ptr<const pdf::ShapingFace> face;
  try {
    face = ownFace(family, false, false);
  } catch (const Error& e) {
    return std::string(e.what()) + " Reinstall the Debian package fonts-liberation2.";
  }
  if (!face)
    return "the font " + family.toStdString() + " that draws the sheet's " + sheetFont +
           " is not installed: install the Debian package fonts-liberation2";
  for (const char c : std::string("0123456789AaZz"))
    if (face->glyphOf(static_cast<char32_t>(c)) == 0)
      return "the font " + family.toStdString() +
             " lacks digits or letters: reinstall the Debian package fonts-liberation2";
  return std::nullopt;
}

}  // namespace spreadsheet::picture
