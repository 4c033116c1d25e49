// Opening a font file for a page's text: damaged files are refused with an
// error, and lines the face cannot show alone are left to the caller.
#include <gtest/gtest.h>

#include <QFile>

#include "spreadsheet/model/error.h"
#include "spreadsheet/pdf/font_files.h"
#include "spreadsheet/pdf/shaping_face.h"

namespace {

using spreadsheet::pdf::ShapingFace;

QByteArray regularSans() {
  const auto path = spreadsheet::pdf::findFontFile("LiberationSans-Regular.ttf");
  if (!path) return {};
  QFile file(QString::fromStdString(*path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ShapingFace, LeavesLinesItCannotShowAloneToTheCaller) {
  const QByteArray bytes = regularSans();
  if (bytes.isEmpty()) GTEST_SKIP() << "fonts-liberation2 is not installed";
  const ShapingFace face(bytes);
  // A tab, a character the face lacks, right-to-left letters, a soft hyphen
  // and a direction mark (format characters), a lone surrogate.
  for (const char16_t* text : {u"a\tb", u"Total \u4E00", u"\u05E9\u05DC\u05D5\u05DD",
                               u"\u0627\u0644", u"a\u00ADb", u"\u200Fx", u"a\xD800"})
    EXPECT_FALSE(face.shape(QString::fromUtf16(text), 200))
        << QString::fromUtf16(text).toStdString();
  EXPECT_TRUE(face.shape(QStringLiteral("Всего Ελληνικά Total"), 200));
  EXPECT_EQ(face.shape(QString(), 200)->width, 0);
}

TEST(ShapingFace, RefusesFilesThatAreNotTrueTypeFonts) {
  const QByteArray font = regularSans();
  if (font.isEmpty()) GTEST_SKIP() << "fonts-liberation2 is not installed";
  QByteArray noOutlines = font;
  noOutlines.replace("glyf", "glyq");
  QByteArray noHead = font;
  noHead.replace("head", "heae");
  for (const QByteArray& bytes :
       {QByteArray(), font.left(30), QByteArray(4000, 'x'), noOutlines, noHead})
    EXPECT_THROW(ShapingFace{bytes}, spreadsheet::Error);
}

}  // namespace
