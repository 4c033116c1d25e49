// HarfBuzz over FreeType against Qt's own text layout, live on this machine:
// the glyphs of a line and where each starts, its width, and the face's
// ascent, descent and underline, for the texts, faces and sizes a page meets.
// A Qt, FreeType or HarfBuzz upgrade that moves one of them fails here.
#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QTextLayout>
#include <memory>

#include "spreadsheet/model/error.h"
#include "spreadsheet/pdf/font_files.h"
#include "spreadsheet/pdf/shaping_face.h"

namespace pdf_test {
namespace {

using spreadsheet::pdf::ShapingFace;

const struct Face {
  const char* family;
  const char* file;
  bool bold, italic;
} kFaces[] = {
    {"Liberation Sans", "LiberationSans-Regular.ttf", false, false},
    {"Liberation Sans", "LiberationSans-Bold.ttf", true, false},
    {"Liberation Sans", "LiberationSans-Italic.ttf", false, true},
    {"Liberation Sans", "LiberationSans-BoldItalic.ttf", true, true},
    {"Liberation Serif", "LiberationSerif-Regular.ttf", false, false},
    {"Liberation Mono", "LiberationMono-Bold.ttf", true, false},
};

std::unique_ptr<ShapingFace> open(const char* fileName) {
  const auto path = spreadsheet::pdf::findFontFile(fileName);
  if (!path) return nullptr;
  QFile file(QString::fromStdString(*path));
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  return std::make_unique<ShapingFace>(file.readAll());
}

// One line as the page's fallback lays it out: no wrapping, on a 96-dpi
// device; and its advance as Qt measures it there.
QList<QGlyphRun> qtRuns(const QString& text, const QFont& font, double* advance) {
  QImage device(1, 1, QImage::Format_RGB32);
  device.setDotsPerMeterX(3780);
  device.setDotsPerMeterY(3780);
  QTextLayout layout(text, font, &device);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setPosition(QPointF(0, 0));
  layout.endLayout();
  *advance = QFontMetricsF(font, &device).horizontalAdvance(text);
  return layout.glyphRuns();
}

TEST(Shaping, PutsEveryGlyphWhereQtPutsIt) {
  // Kerned pairs (AV, To, Ty, We, Yo; digits alone kern by the old kern
  // table), accents, dashes and quotes, the euro, Cyrillic and Greek runs
  // beside Latin ones, a combining accent, letters that ligate in some faces.
  const char* const texts[] = {"Total",
                               "Week starting:",
                               "AVA To Ty We Yo",
                               "11",
                               "1 1",
                               "0.00",
                               "11:45 PM",
                               "Heures prévues",
                               "Señor Müller ñ",
                               "€ 1,234.56 – “Quote” ‘a’ …",
                               "Mittwoch",
                               "Всего Total AV",
                               "Ελληνικά ΑΥ 12",
                               "Te\u0301l fi ffl",
                               " (Leading) spaces. "};
  const int sizes[] = {1, 13, 160, 200, 440};
  for (const Face& face : kFaces) {
    const auto ours = open(face.file);
    if (!ours) GTEST_SKIP() << face.file << " is not installed (fonts-liberation2)";
    for (const int pixels : sizes) {
      QFont font;
      font.setFamilies({QString::fromLatin1(face.family)});
      font.setPixelSize(pixels);
      font.setBold(face.bold);
      font.setItalic(face.italic);
      for (const char* text : texts) {
        const QString line = QString::fromUtf8(text);
        const auto where = [&] {
          return std::string(face.file) + " at " + std::to_string(pixels) + " px: " + text;
        };
        double advance = 0;
        const QList<QGlyphRun> runs = qtRuns(line, font, &advance);
        ASSERT_EQ(runs.size(), 1) << where() << " (Qt fell back to another face)";
        const QRawFont raw = runs.front().rawFont();
        ASSERT_EQ(raw.familyName(), QString::fromLatin1(face.family)) << where();
        const auto shaped = ours->shape(line, pixels);
        ASSERT_TRUE(shaped) << where();
        std::vector<std::uint32_t> glyphs;
        std::vector<double> x;
        for (const quint32 g : runs.front().glyphIndexes()) glyphs.push_back(g);
        for (const QPointF& p : runs.front().positions()) x.push_back(p.x() * 64);
        std::vector<double> ourX(shaped->x.begin(), shaped->x.end());
        EXPECT_EQ(shaped->glyphs, glyphs) << where();
        EXPECT_EQ(ourX, x) << where();
        EXPECT_EQ(static_cast<double>(shaped->width), advance * 64) << where();
      }
      // What a page places a line and its underline by.
      double advance = 0;
      const QRawFont raw = qtRuns(QStringLiteral("x"), font, &advance).front().rawFont();
      const auto m = ours->metrics(pixels);
      EXPECT_EQ(static_cast<double>(m.ascent), raw.ascent() * 64) << face.file << pixels;
      EXPECT_EQ(static_cast<double>(m.descent), raw.descent() * 64) << face.file << pixels;
      EXPECT_EQ(static_cast<double>(m.underlinePosition), raw.underlinePosition() * 64)
          << face.file << pixels;
      EXPECT_EQ(static_cast<double>(m.lineThickness), std::max(raw.lineThickness(), 1.0) * 64)
          << face.file << pixels;
    }
  }
}

}  // namespace
}  // namespace pdf_test
