#include <QFont>
#include <QFontMetricsF>

#include "spreadsheet/format/number_format.h"
#include "spreadsheet/picture/cell_text.h"
#include "spreadsheet/picture/range_painter.h"
#include "tests/gui/picture/picture_fixture.h"

namespace picture_test {
namespace {

picture::FontEntry arialFont() {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(13);
  return picture::FontEntry(f, nullptr);
}

Style withFormat(const std::string& code, int horizontal = xl::General) {
  Style s;
  s.numberFormat = code;
  s.horizontalAlignment = horizontal;
  return s;
}

// What a wide cell shows is exactly what the number format engine gives.
TEST(CellText, WideCellsShowTheFormatEnginesText) {
  const double noon = 0.5, evening = 0.75 + 5.0 / 1440;
  const struct {
    CellValue value;
    const char* code;
  } cases[] = {
      {noon, "h:mm AM/PM"},
      {evening, "[$-409]h:mm AM/PM;@"},
      {CellValue("text"), "[$-409]h:mm AM/PM;@"},
      {evening, "h:mm"},
      {1.0 / 12, "h:mm"},
      {38501.0, "m/d/yyyy"},
      {7.5, "0.00"},
      {-0.125, "0.00"},
      {0.0, "0.00"},
      {CellValue("Mon"), "0.00"},
      {1234.5, "General"},
      {CellValue(true), "General"},
      {CellValue(ErrorCode::Ref), "0.00"},
      {42.0, ""},
  };
  const picture::FontEntry m = arialFont();
  for (const auto& c : cases) {
    const picture::CellContent content = picture::cellContent(c.value, withFormat(c.code));
    const std::string expected = format::formatValue(c.value, c.code).text;
    EXPECT_EQ(picture::fitText(content, m, 1000).toStdString(), expected) << c.code;
  }
}

TEST(CellText, GeneralAlignmentFollowsTheValueKind) {
  EXPECT_EQ(picture::cellContent(3.5, withFormat("General")).horizontal, xl::Right);
  EXPECT_EQ(picture::cellContent("x", withFormat("General")).horizontal, xl::Left);
  EXPECT_EQ(picture::cellContent(true, withFormat("General")).horizontal, xl::Center);
  EXPECT_EQ(picture::cellContent(ErrorCode::NA, withFormat("General")).horizontal, xl::Center);
  EXPECT_EQ(picture::cellContent(3.5, withFormat("General", xl::Left)).horizontal, xl::Left);
}

TEST(CellText, NarrowCellsShortenOrHideNumbers) {
  const picture::FontEntry m = arialFont();
  const double hash = m.advance(QStringLiteral("#"));
  // A formatted number that does not fit: '#' across the whole width.
  const auto fixed = picture::cellContent(123456.75, withFormat("0.00"));
  EXPECT_EQ(picture::fitText(fixed, m, hash * 5.5), QStringLiteral("#####"));
  // General gives up decimals first.
  const auto general = picture::cellContent(3.14159265, withFormat("General"));
  const QString shortened = picture::fitText(general, m, m.advance(QStringLiteral("3.142")) + 0.5);
  EXPECT_EQ(shortened, QStringLiteral("3.142"));
  // ... then turns to the scientific form.
  const auto big = picture::cellContent(12345678901.0, withFormat("General"));
  EXPECT_EQ(picture::fitText(big, m, m.advance(QStringLiteral("1.23457E+10")) + 0.5),
            QStringLiteral("1.23457E+10"));
  EXPECT_EQ(picture::fitText(big, m, m.advance(QStringLiteral("1E+10")) + 0.5),
            QStringLiteral("1E+10"));
  // Text is never replaced; it spills or is cut by the painter.
  const auto text = picture::cellContent("a long label", withFormat("0.00"));
  EXPECT_EQ(picture::fitText(text, m, 10), QStringLiteral("a long label"));
  EXPECT_TRUE(picture::mayOverflow(text));
  EXPECT_FALSE(picture::mayOverflow(fixed));
}

TEST(CellText, FillCharacterAndFillAlignmentRepeatToTheWidth) {
  const picture::FontEntry m = arialFont();
  const auto filled = picture::cellContent(5.0, withFormat("0*-"));
  ASSERT_TRUE(filled.fillChar.has_value());
  const QString t = picture::fitText(filled, m, 60);
  EXPECT_TRUE(t.startsWith(QLatin1Char('5')));
  EXPECT_LE(m.advance(t), 60);
  EXPECT_GT(m.advance(t + QLatin1Char('-')), 60) << "no room left for one more";

  const auto repeated = picture::cellContent("ab", withFormat("General", xl::Fill));
  const QString r = picture::fitText(repeated, m, m.advance(QStringLiteral("ab")) * 3.5);
  EXPECT_EQ(r, QStringLiteral("ababab"));
}

class CellTextColour : public SheetFixture {};

TEST_F(CellTextColour, FormatSectionColourWinsOverTheFontColour) {
  book.palette()[2] = rgb(255, 0, 0);  // [Red] is palette index 3
  put("A1", -8.0, styled([](Style& s) {
        s.numberFormat = "0.00;[Red]-0.00";
        s.font.size = 14;
        s.font.bold = true;
      }));
  const QImage image = render("A1:B1");
  auto reddish = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; };
  EXPECT_GT(countPixels(image, reddish, cellRect("A1:B1", "A1")), 10);
}

}  // namespace
}  // namespace picture_test
