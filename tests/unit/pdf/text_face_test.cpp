// Our own layout of the Liberation Sans faces against the widths and sizes
// Qt (FreeType and HarfBuzz) measured for the same texts, written down as
// numbers in 64ths of a pixel.
#include <gtest/gtest.h>

#include <QFile>

#include "spreadsheet/model/error.h"
#include "spreadsheet/pdf/font_files.h"
#include "spreadsheet/pdf/text_face.h"

namespace {

using spreadsheet::pdf::TextFace;

const char* const kFiles[] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                              "LiberationSans-Italic.ttf", "LiberationSans-BoldItalic.ttf"};

QByteArray fileBytes(int face) {
  const auto path = spreadsheet::pdf::findFontFile(kFiles[face]);
  if (!path) return {};
  QFile file(QString::fromStdString(*path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class LiberationFaces : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 4; ++i) {
      const QByteArray bytes = fileBytes(i);
      if (bytes.isEmpty()) GTEST_SKIP() << "fonts-liberation2 is not installed";
      faces.push_back(std::make_unique<TextFace>(spreadsheet::pdf::sfntTables(bytes)));
    }
  }
  std::vector<std::unique_ptr<TextFace>> faces;  // regular, bold, italic, bold italic
};

TEST_F(LiberationFaces, LayTextOutToQtsWidths) {
  // Kerned pairs (T-o, A-V, W-e, one-one: digits alone take the old kern
  // table), accents, the euro, at the sizes a page's 8, 9, 10, 22 and 24 pt take.
  const struct {
    const char* text;
    int face, pixels, width;
  } cases[] = {
      {"Total", 0, 200, 27034},    {"Week starting:", 0, 200, 81569},
      {"Mittwoch", 0, 180, 45446}, {"Heures prévues", 0, 160, 72285},
      {"ñ", 0, 200, 7118},         {"AVA To", 0, 440, 87667},
      {"11", 0, 200, 13286},       {"0.00", 0, 200, 24910},
      {"1 1", 0, 200, 17792},      {"Employee Signature:", 1, 200, 127308},
      {"Total", 1, 480, 71100},    {"Ta Te Yo", 1, 180, 45230},
      {"Mittwoch", 2, 200, 50496}, {"Heures prévues", 2, 200, 90349},
      {"AVA To", 2, 160, 32835},   {"Señor Müller", 3, 200, 77519},
      {"AVA To", 3, 220, 47704},   {"€ 1,234.56", 3, 200, 60494},
  };
  for (const auto& c : cases) {
    const auto line = faces[c.face]->shape(QString::fromUtf8(c.text), c.pixels);
    ASSERT_TRUE(line) << c.text;
    EXPECT_EQ(line->width, c.width) << c.text << " in " << kFiles[c.face] << " at " << c.pixels;
  }
  // Where Qt put the glyphs of "Total": T kerned against o by -1419/64.
  const auto total = faces[0]->shape(QStringLiteral("Total"), 200);
  EXPECT_EQ(total->x, (std::vector<std::int64_t>{0, 6399, 13517, 17073, 24191}));
  EXPECT_EQ(total->glyphs, (std::vector<std::uint32_t>{55, 82, 87, 68, 79}));
}

TEST_F(LiberationFaces, SizeLinesAndUnderlinesAsQt) {
  const struct {
    int face, pixels, ascent, descent, underline;
  } cases[] = {
      {0, 160, 9270, 2170, 335},  {0, 200, 11588, 2713, 419}, {0, 440, 25493, 5968, 922},
      {1, 160, 9270, 2170, 8},    {1, 200, 11588, 2713, 9},   {1, 440, 25493, 5968, 21},
      {2, 200, 11588, 2713, 419}, {3, 440, 25493, 5968, 21},
  };
  for (const auto& c : cases) {
    const auto m = faces[c.face]->metrics(c.pixels);
    EXPECT_EQ(m.ascent, c.ascent) << kFiles[c.face] << " at " << c.pixels;
    EXPECT_EQ(m.descent, c.descent) << kFiles[c.face] << " at " << c.pixels;
    EXPECT_EQ(m.underlinePosition, c.underline) << kFiles[c.face] << " at " << c.pixels;
  }
}

TEST_F(LiberationFaces, LeaveWhatTheyCannotLayOutToOthers) {
  // Cyrillic, a combining accent, a tab, a character the face lacks.
  for (const char* text : {"Всего", "e\u0301", "a\tb", "\u4E00"})
    EXPECT_FALSE(faces[0]->shape(QString::fromUtf8(text), 200)) << text;
}

TEST(FontFiles, DamagedDirectoriesAndTablesAreRefused) {
  const QByteArray font = fileBytes(0);
  if (font.isEmpty()) GTEST_SKIP() << "fonts-liberation2 is not installed";
  QByteArray pastEnd = font;
  pastEnd[12 + 8] = '\x7F';  // the first table's offset far beyond the file
  QByteArray noCmap = font;
  noCmap.replace("cmap", "cmaq");
  for (const QByteArray& bytes : {font.left(30), pastEnd, noCmap})
    EXPECT_THROW(TextFace(spreadsheet::pdf::sfntTables(bytes)), spreadsheet::Error);
}

}  // namespace
