// Compares the picture of a small sheet that uses every drawing feature with
// the checked-in golden/feature_sheet.png, allowing a small share of pixels to
// differ (font rasterisation may move by a pixel between library versions).
//
// After an intended change of the drawing, look at the new picture and
// refresh the golden image with:
//   TALLYLOOM_REFRESH_GOLDEN=1 build/bin/gui_picture --gtest_filter='GoldenPicture.*'
#include <QDir>
#include <QImage>

#include "tests/gui/picture/picture_fixture.h"

namespace picture_test {
namespace {

const QString kGolden =
    QStringLiteral(TALLYLOOM_SOURCE_DIR "/tests/gui/picture/golden/feature_sheet.png");

class GoldenPicture : public SheetFixture {
 protected:
  void buildFeatureSheet();
  void buildFontsAndAlignments();
  void buildBordersAndButton();
};

void GoldenPicture::buildFeatureSheet() {
  book.palette()[5] = rgb(255, 255, 153);  // index 6: a custom pale yellow
  columnWidth(1, 0.92);
  columnWidth(2, 12);
  columnWidth(3, 9.333);
  columnWidth(4, 7);
  columnWidth(5, 14);
  rowHeight(1, 8.25);
  rowHeight(2, 36);
  rowHeight(4, 21.75);
  // Merged title with fill, centred across three columns.
  put("B2", "Weekly Time Sheet", styled([](Style& s) {
        s.font = {"Arial", 14, true, false, xl::UnderlineNone, 5};
        s.fillColorIndex = 6;
        s.horizontalAlignment = xl::Center;
        s.verticalAlignment = xl::Center;
      }));
  sheet.mergedAreas().push_back(parseA1Range("B2:D2"));
  for (const char* a : {"C2", "D2"}) setStyle(a, sheet.find(parseA1Range("B2").first)->style);
  buildFontsAndAlignments();
  buildBordersAndButton();
}

void GoldenPicture::buildFontsAndAlignments() {
  put("B3", "Mon", styled([](Style& s) { s.font.bold = true; }));
  put("C3", 0.3125, styled([](Style& s) { s.numberFormat = "[$-409]h:mm AM/PM;@"; }));
  put("D3", 7.5, styled([](Style& s) { s.numberFormat = "0.00"; }));
  put("E3", 38501.0, styled([](Style& s) { s.numberFormat = "m/d/yyyy"; }));
  put("B4", "Wrapped text in a tall row", styled([](Style& s) {
        s.wrapText = true;
        s.verticalAlignment = xl::Top;
        s.font.italic = true;
      }));
  put("C4", "Top", styled([](Style& s) {
        s.verticalAlignment = xl::Top;
        s.font.underline = xl::UnderlineSingle;
      }));
  put("D4", "Mid", styled([](Style& s) {
        s.verticalAlignment = xl::Center;
        s.horizontalAlignment = xl::Center;
      }));
  put("E4", -3.25, styled([](Style& s) { s.numberFormat = "0.00;[Red]-0.00"; }));
  put("B5", "Overflowing caption text");
  put("E5", true);
  put("B6", 12345678901.5, styled([](Style& s) { s.numberFormat = "0.00"; }));
  put("C6", "Right", styled([](Style& s) {
        s.horizontalAlignment = xl::Right;
        s.font.name = "Times New Roman";
      }));
  put("D6", 1.5, styled([](Style& s) { s.numberFormat = "0*."; }));
  put("E6", "x", styled([](Style& s) { s.horizontalAlignment = xl::Fill; }));
  put("B7", "Across", styled([](Style& s) { s.horizontalAlignment = xl::CenterAcrossSelection; }));
  setStyle("C7", styled([](Style& s) { s.horizontalAlignment = xl::CenterAcrossSelection; }));
}

void GoldenPicture::buildBordersAndButton() {
  const struct {
    const char* cell;
    int slot, lineStyle, weight;
  } borders[] = {
      {"B8", kBottom, xl::Continuous, xl::Thin},    {"C8", kBottom, xl::Continuous, xl::Medium},
      {"D8", kBottom, xl::Continuous, xl::Thick},   {"E8", kBottom, xl::Double, xl::Thick},
      {"B9", kRight, xl::Dash, xl::Thin},           {"C9", kRight, xl::Dot, xl::Thin},
      {"D9", kRight, xl::Continuous, xl::Hairline}, {"E9", kDiagonalDown, xl::Continuous, xl::Thin},
  };
  for (const auto& b : borders)
    setStyle(
        b.cell, styled([&](Style& s) {
          s.borders[static_cast<std::size_t>(b.slot)] = {b.lineStyle, b.weight, xl::ColorAutomatic};
        }));
  addButton(150, 145, 90, 22, "Same as Previous");
}

// Pixels whose colour differs from the golden by more than a rasteriser's wobble.
int differingPixels(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > 48 || std::abs(qGreen(p) - qGreen(q)) > 48 ||
          std::abs(qBlue(p) - qBlue(q)) > 48)
        ++n;
    }
  return n;
}

TEST_F(GoldenPicture, FeatureSheetMatchesTheCheckedInPicture) {
  buildFeatureSheet();
  const QImage actual = render("A1:F12").convertToFormat(QImage::Format_RGB32);
  if (qEnvironmentVariableIntValue("TALLYLOOM_REFRESH_GOLDEN") == 1) {
    ASSERT_TRUE(actual.save(kGolden, "PNG"));
    GTEST_SKIP() << "golden picture refreshed: " << kGolden.toStdString();
  }
  const QImage golden = QImage(kGolden).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(golden.isNull()) << "missing " << kGolden.toStdString();
  ASSERT_EQ(actual.size(), golden.size());
  // About one pixel in 4000 may differ: room for a few glyph edges drawn
  // otherwise by another font rasteriser, too little for one lost letter
  // (a bold 'n' is some 40 pixels), a moved line or a lost fill.
  const int budget = actual.width() * actual.height() / 4000;
  const int differing = differingPixels(actual, golden);
  RecordProperty("differing_pixels", differing);
  if (differing > budget) {
    const QString saved = QDir::temp().filePath(QStringLiteral("feature_sheet_actual.png"));
    actual.save(saved, "PNG");
    ADD_FAILURE() << differing << " pixels differ (budget " << budget << "); actual picture in "
                  << saved.toStdString();
  }
}

}  // namespace
}  // namespace picture_test
