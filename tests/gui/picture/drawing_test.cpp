#include "spreadsheet/picture/painter_canvas.h"
#include "spreadsheet/picture/range_painter.h"
#include "spreadsheet/picture/text_painter.h"
#include "tests/gui/picture/picture_fixture.h"

namespace picture_test {
namespace {

class PictureDrawing : public SheetFixture {};

TEST_F(PictureDrawing, FillsComeFromTheWorkbookPaletteAndHideGridLines) {
  book.palette()[2] = rgb(12, 34, 56);     // index 3
  book.palette()[39] = rgb(200, 100, 50);  // index 40
  setStyle("B2", styled([](Style& s) { s.fillColorIndex = 3; }));
  setStyle("C2", styled([](Style& s) { s.fillColorIndex = 40; }));
  const QImage image = render("A1:D3");

  const QRect b2 = cellRect("A1:D3", "B2"), c2 = cellRect("A1:D3", "C2"),
              a1 = cellRect("A1:D3", "A1");
  EXPECT_EQ(image.pixel(b2.center()), qRgb(12, 34, 56));
  EXPECT_EQ(image.pixel(c2.center()), qRgb(200, 100, 50));
  EXPECT_EQ(image.pixel(a1.center()), qRgb(255, 255, 255));
  // Grid lines on the right and bottom pixels of cells without fill ...
  EXPECT_EQ(image.pixel(a1.right(), a1.center().y()), picture::kGridColor | 0xFF000000);
  EXPECT_EQ(image.pixel(a1.center().x(), a1.bottom()), picture::kGridColor | 0xFF000000);
  // ... and none around a filled cell: its right edge and the line above it are covered.
  EXPECT_EQ(image.pixel(c2.right(), c2.center().y()), qRgb(200, 100, 50));
  EXPECT_EQ(image.pixel(b2.center().x(), b2.top() - 1), qRgb(12, 34, 56));
}

// Each border kind lands on the expected pixel rows and nowhere else.
TEST_F(PictureDrawing, BottomBorderLiesOnTheCellsGridLine) {
  book.palette()[2] = rgb(255, 0, 0);
  const struct {
    int lineStyle, weight;
    std::vector<int> rowsFromGridLine;  // pixel rows relative to B2's bottom pixel
    bool continuous;
  } cases[] = {
      {xl::Continuous, xl::Thin, {0}, true},
      {xl::Continuous, xl::Medium, {-1, 0}, true},
      {xl::Continuous, xl::Thick, {-1, 0, 1}, true},
      {xl::Double, xl::Thick, {-1, 1}, true},
      {xl::Dash, xl::Thin, {0}, false},
      {xl::Dot, xl::Thin, {0}, false},
      {xl::Continuous, xl::Hairline, {0}, false},
  };
  for (const auto& c : cases) {
    setStyle("B2", styled([&](Style& s) { s.borders[kBottom] = {c.lineStyle, c.weight, 3}; }));
    const QImage image = render("A1:C3");
    const QRect b2 = cellRect("A1:C3", "B2");
    auto red = [](QRgb p) { return p == qRgb(255, 0, 0); };
    int expected = 0;
    for (int dy : c.rowsFromGridLine) {
      const QRect row(0, b2.bottom() + dy, image.width(), 1);
      const int n = countPixels(image, red, row);
      // The line spans the cell and both corner pixels (a heavy line one more each side).
      const int span = b2.width() + 1 + (c.rowsFromGridLine.size() > 1 ? 2 : 0);
      if (c.continuous) {
        EXPECT_EQ(n, span) << c.lineStyle << "/" << c.weight << " row " << dy;
      } else {
        EXPECT_TRUE(n > span / 4 && n < span) << c.lineStyle << "/" << c.weight << ": " << n;
      }
      expected += n;
    }
    EXPECT_EQ(countPixels(image, red), expected) << c.lineStyle << "/" << c.weight;
    if (c.lineStyle == xl::Double) {  // the gap between the two lines shows no grid line
      EXPECT_EQ(image.pixel(b2.center().x(), b2.bottom()), qRgb(255, 255, 255));
    }
  }
}

TEST_F(PictureDrawing, BordersOfAMergedAreaFollowItsOutlineOnly) {
  const StyleId boxed = styled([](Style& s) {
    for (int slot : {kLeft, kTop, kBottom, kRight})
      s.borders[static_cast<std::size_t>(slot)] = {xl::Continuous, xl::Thin, xl::ColorAutomatic};
  });
  for (const char* a : {"B2", "C2", "B3", "C3"}) setStyle(a, boxed);
  sheet.mergedAreas().push_back(parseA1Range("B2:C3"));
  const QImage image = render("A1:D4");
  const QRect area = cellRect("A1:D4", "B2:C3"), b2 = cellRect("A1:D4", "B2");
  auto black = [](QRgb p) { return p == qRgb(0, 0, 0); };
  // Outline: two rows and two columns of the area's size, corners shared.
  EXPECT_EQ(countPixels(image, black), 2 * (area.width() + 1) + 2 * (area.height() + 1) - 4);
  // Inside the area neither borders nor grid lines.
  EXPECT_EQ(image.pixel(b2.right(), b2.center().y()), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(b2.center().x(), b2.bottom()), qRgb(255, 255, 255));
}

TEST_F(PictureDrawing, MergedAreaCentresItsTextAcrossTheArea) {
  put("B2", "Week", styled([](Style& s) { s.horizontalAlignment = xl::Center; }));
  sheet.mergedAreas().push_back(parseA1Range("B2:E2"));
  const QImage image = render("A1:F3");
  const QRect area = cellRect("A1:F3", "B2:E2");
  const QRect ink = inkBox(image, area);
  ASSERT_FALSE(ink.isNull());
  // The text's middle is the area's middle (less its grid line), not B2's.
  const double areaMiddle = area.left() + (area.width() - 1) / 2.0;
  EXPECT_NEAR(ink.left() + ink.width() / 2.0, areaMiddle, 2.0);
  EXPECT_TRUE(inkBox(image, QRect(0, 0, image.width(), area.top())).isNull());
}

TEST_F(PictureDrawing, LongTextSpillsIntoEmptyNeighboursOnly) {
  const std::string text = "A rather long caption for one cell";
  put("A1", text);
  put("D1", 5);
  put("C2", text, styled([](Style& s) { s.horizontalAlignment = xl::Right; }));
  put("A3", text, styled([](Style& s) { s.wrapText = true; }));
  const QImage image = render("A1:E3");
  const QRect a1 = cellRect("A1:E3", "A1"), c1 = cellRect("A1:E3", "C1"),
              d1 = cellRect("A1:E3", "D1");

  const QRect row1 = inkBox(image, QRect(0, a1.top(), d1.left(), a1.height()));
  EXPECT_GT(row1.right(), c1.left()) << "text reaches into the empty C1";
  EXPECT_LT(row1.right(), d1.left()) << "but stops before D1, which holds a value";
  EXPECT_EQ(image.pixel(a1.right(), a1.top() + 1), qRgb(255, 255, 255))
      << "no grid line under the text";
  EXPECT_EQ(image.pixel(c1.right(), c1.top() + 1), picture::kGridColor | 0xFF000000)
      << "grid line where the text ends";

  // Right-aligned text grows to the left.
  const QRect c2 = cellRect("A1:E3", "C2");
  const QRect row2 = inkBox(image, QRect(0, c2.top(), image.width(), c2.height() - 1));
  EXPECT_LT(row2.left(), c2.left());
  EXPECT_LE(row2.right(), c2.right());

  // Wrapped text stays inside its cell.
  const QRect a3 = cellRect("A1:E3", "A3");
  const QRect row3 = inkBox(image, QRect(0, a3.top(), image.width(), a3.height()));
  EXPECT_LE(row3.right(), a3.right());
}

// Rows of `area` holding ink, grouped into bands of consecutive rows.
int inkBands(const QImage& image, const QRect& area) {
  int bands = 0;
  bool inBand = false;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const bool ink = countPixels(
                         image, [](QRgb p) { return qGray(p) < 128; },
                         QRect(area.left(), y, area.width(), 1)) > 0;
    if (ink && !inBand) ++bands;
    inBand = ink;
  }
  return bands;
}

TEST_F(PictureDrawing, LineFeedsBreakWrappedTextIntoLines) {
  // C15 of the time sheet: 9.333 characters by 32 points, "Other" and "Breaks"
  // on two lines when wrapping is on, one cut line otherwise.
  columnWidth(3, 9.333);
  rowHeight(2, 32);
  rowHeight(4, 32);
  put("C2", "Other\nBreaks", styled([](Style& s) { s.wrapText = true; }));
  put("C4", "Other\nBreaks");
  const QImage image = render("B1:D4");
  const QRect wrapped = cellRect("B1:D4", "C2").adjusted(0, 0, -1, -1);
  const QRect plain = cellRect("B1:D4", "C4").adjusted(0, 0, -1, -1);
  EXPECT_EQ(inkBands(image, wrapped), 2);
  EXPECT_EQ(inkBands(image, plain), 1);
  // Each line of the wrapped cell is whole: neither is wider than the cell.
  EXPECT_LE(inkBox(image, wrapped).right(), wrapped.right());
}

TEST_F(PictureDrawing, SharedEdgeDescribedTwiceShowsTheDarkerOfEqualLines) {
  // Left cells say their right edge is black, right cells say it is grey
  // (#3B3B3B), in alternating order along one line: the line is black throughout.
  book.palette()[55] = rgb(0x3B, 0x3B, 0x3B);  // index 56
  const StyleId blackRight = styled([](Style& s) {
    s.borders[kRight] = {xl::Continuous, xl::Thin, 1};
  });
  const StyleId greyLeft = styled([](Style& s) {
    s.borders[kLeft] = {xl::Continuous, xl::Thin, 56};
  });
  const StyleId greyRight = styled([](Style& s) {
    s.borders[kRight] = {xl::Continuous, xl::Thin, 56};
  });
  const StyleId blackLeft = styled([](Style& s) {
    s.borders[kLeft] = {xl::Continuous, xl::Thin, 1};
  });
  for (int row = 1; row <= 6; ++row) {
    const std::string b = "B" + std::to_string(row), c = "C" + std::to_string(row);
    setStyle(b, row % 2 ? blackRight : greyRight);
    setStyle(c, row % 2 ? greyLeft : blackLeft);
  }
  const QImage image = render("A1:D6");
  const int x = cellRect("A1:D6", "B1").right();
  for (int y = 0; y < image.height(); ++y) EXPECT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << y;
}

TEST_F(PictureDrawing, NumbersThatDoNotFitShowHashesAcrossTheCell) {
  put("A1", 1234567.891, styled([](Style& s) { s.numberFormat = "0.00"; }));
  columnWidth(1, 4);
  const QImage image = render("A1:B1");
  const QRect a1 = cellRect("A1:B1", "A1");
  const QRect ink = inkBox(image);
  EXPECT_FALSE(ink.isNull());
  EXPECT_LE(ink.right(), a1.right()) << "numbers never spill";
  EXPECT_GT(ink.width(), a1.width() / 2) << "the '#' fill the width";
}

TEST_F(PictureDrawing, ButtonsAreDrawnOnTopAtTheirPosition) {
  put("B2", "under the button");
  // 48 pt = 64 px: the left edge of column B; 12.75 pt = 17 px: the top of row 2.
  addButton(48, 12.75, 75, 30, "Same as Previous");
  const QImage image = render("A1:D4");
  EXPECT_EQ(image.pixel(64 + 50, 17 + 3), qRgb(0xF0, 0xF0, 0xF0)) << "button face";
  EXPECT_EQ(image.pixel(64, 17), qRgb(255, 255, 255)) << "highlight edge";
  EXPECT_EQ(image.pixel(64 + 99, 17 + 20), qRgb(0x69, 0x69, 0x69)) << "shadow edge";
  const QRect ink = inkBox(image, QRect(64 + 2, 17 + 2, 96, 36));
  ASSERT_FALSE(ink.isNull());
  EXPECT_NEAR(ink.center().x(), 64 + 50, 3);
  // Seen from a range that starts further right, the button moves left.
  EXPECT_EQ(render("B2:D4").pixel(50, 3), qRgb(0xF0, 0xF0, 0xF0));
}

// A font drawn at a scale changes the transform only for its own lines: what
// is drawn next keeps the painter's transform and brush, and each line of the
// block lands in its own band of the box.
TEST(PictureTextBlock, ScaledFontLeavesThePainterAsItWas) {
  QImage image(240, 120, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(10, 5);
  painter.setBrush(QColor(1, 2, 3));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(12);
  const picture::FontEntry entry(font, &image, 1.5);
  picture::TextBlock block{{QStringLiteral("HHHH"), QStringLiteral("HHHH")},
                           &entry,
                           QColor(Qt::black),
                           xl::Left,
                           xl::Top};
  picture::PainterCanvas canvas(painter);
  picture::drawTextBlock(canvas, block, QRectF(0, 0, 200, 100), QRect(0, 0, 200, 100));

  EXPECT_EQ(painter.transform(), QTransform::fromTranslate(10, 5));
  EXPECT_EQ(painter.brush().color(), QColor(1, 2, 3));
  painter.end();
  const auto inkInRows = [&](int from, int to) {
    for (int y = from; y < to; ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
  };
  const int band = static_cast<int>(entry.height());
  EXPECT_GT(band, 12);  // the scale enlarges the line
  EXPECT_FALSE(inkInRows(0, 5));
  EXPECT_TRUE(inkInRows(5, 5 + band));
  EXPECT_TRUE(inkInRows(5 + band, 5 + 2 * band));
  EXPECT_FALSE(inkInRows(5 + 2 * band + 2, image.height()));
}

}  // namespace
}  // namespace picture_test
