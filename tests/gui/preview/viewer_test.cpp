// The preview's viewer: zoom levels, the drawn size and the scroll ranges at
// every step, Fit, the zoom that keeps the point under the mouse, and tiles
// that add up to the whole scaled picture at device pixel ratios 1 and 2.
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "preview/scaled_part.h"
#include "preview_fixture.h"

namespace preview_test {
namespace {

using ViewerTest = PreviewTest;

// The usual steps, in percent, as the buttons go through them.
const std::vector<double> kLevels{0.10, 0.15, 0.20, 0.25, 0.33, 0.50, 0.67, 0.75, 0.90,
                                  1.00, 1.10, 1.25, 1.50, 1.75, 2.00, 2.50, 3.00, 4.00};

TEST(ZoomSteps, GoToTheNextUsualLevelAndStopAtBothEnds) {
  struct Case {
    double from, in, out;
  };
  const Case cases[] = {{1.00, 1.10, 0.90}, {0.10, 0.15, 0.10},   {4.00, 4.00, 3.00},
                        {0.43, 0.50, 0.33}, {0.7499, 0.90, 0.67}, {0.05, 0.10, 0.05},
                        {2.20, 2.50, 2.00}, {0.07, 0.10, 0.07}};
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(preview::zoomInStep(c.from), c.in) << c.from;
    EXPECT_DOUBLE_EQ(preview::zoomOutStep(c.from), c.out) << c.from;
  }
  EXPECT_DOUBLE_EQ(preview::fitZoom(QSize(2000, 1000), QSize(500, 400)), 0.25);
  EXPECT_DOUBLE_EQ(preview::fitZoom(QSize(100, 100), QSize(600, 500)), 4.0);
  EXPECT_DOUBLE_EQ(preview::fitZoom(QSize(20000, 900), QSize(600, 500)), 0.03);
  EXPECT_DOUBLE_EQ(preview::fitZoom(QSize(60000, 900), QSize(600, 500)), 0.02);
}

// The default sheet's picture and the largest one's (seven days, four weeks,
// twenty shifts), in pixels, as the command line's --picture writes them.
TEST_F(ViewerTest, EveryStepChangesTheDrawnSizeAndTheScrollRangesFollow) {
  for (const QSize sheet : {QSize(2902, 5286), QSize(3532, 6920)}) {
    form->show();
    showPicture(sheet);
    const QSize room = view().viewport()->size();
    auto expectRanges = [&](const std::string& at) {
      const QSize drawn = view().drawnSize();
      EXPECT_EQ(hBar().maximum(), std::max(0, drawn.width() - room.width())) << at;
      EXPECT_EQ(vBar().maximum(), std::max(0, drawn.height() - room.height())) << at;
    };
    // Shown at 100 % from the top left; Fit puts the whole sheet in the view.
    EXPECT_DOUBLE_EQ(view().zoom(), 1.0);
    EXPECT_EQ(hBar().value(), 0);
    form->ZoomFit()->click();
    EXPECT_TRUE(view().fitted());
    EXPECT_LE(view().drawnSize().width(), room.width());
    EXPECT_LE(view().drawnSize().height(), room.height());
    EXPECT_TRUE(view().drawnSize().width() >= room.width() - 1 ||
                view().drawnSize().height() >= room.height() - 1);
    expectRanges("fitted");

    form->ZoomActual()->click();
    EXPECT_EQ(view().drawnSize(), sheet);
    std::size_t level = 9;  // 100 %
    for (; level + 1 < kLevels.size(); ++level) {
      const QSize before = view().drawnSize();
      form->PushButton1_Click();
      const std::string at =
          std::to_string(sheet.width()) + " in to " + std::to_string(kLevels[level + 1]);
      EXPECT_DOUBLE_EQ(view().zoom(), kLevels[level + 1]) << at;
      EXPECT_EQ(view().drawnSize().width(), std::lround(sheet.width() * kLevels[level + 1])) << at;
      EXPECT_GT(view().drawnSize().height(), before.height()) << at;
      expectRanges(at);
    }
    form->PushButton1_Click();  // at 400 %: stays
    EXPECT_DOUBLE_EQ(view().zoom(), 4.0);
    for (; level > 0; --level) {
      const QSize before = view().drawnSize();
      form->PushButton2_Click();
      const std::string at =
          std::to_string(sheet.width()) + " out to " + std::to_string(kLevels[level - 1]);
      EXPECT_DOUBLE_EQ(view().zoom(), kLevels[level - 1]) << at;
      EXPECT_LT(view().drawnSize().width(), before.width()) << at;
      expectRanges(at);
    }
    // Both thumbs at their ends still show picture, never an empty view.
    form->ZoomFit()->click();
    form->PushButton1_Click();
    hBar().setValue(hBar().maximum());
    vBar().setValue(vBar().maximum());
    EXPECT_EQ(hBar().value() + room.width(), std::max(room.width(), view().drawnSize().width()));
    EXPECT_EQ(vBar().value() + room.height(), std::max(room.height(), view().drawnSize().height()));
  }
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ViewerTest, ZoomKeepsThePointUnderTheAnchorInPlace) {
  form->show();
  showPicture(QSize(3000, 2000));
  view().setZoom(1.0);
  hBar().setValue(300);
  vBar().setValue(400);
  // The picture's point (400, 450) lies under (100, 50); at 110 % it lies at
  // (440, 495), so the view scrolls to (340, 445).
  view().setZoom(1.1, QPoint(100, 50));
  EXPECT_EQ(hBar().value(), 340);
  EXPECT_EQ(vBar().value(), 445);
}

TEST(ScaledPart, AveragesTheSourcePixelsEachTargetPixelCovers) {
  QImage row(3, 1, QImage::Format_RGB32);
  row.setPixel(0, 0, qRgb(0, 0, 0));
  row.setPixel(1, 0, qRgb(90, 90, 90));
  row.setPixel(2, 0, qRgb(180, 180, 180));
  const auto source = spreadsheet::picture::imageSource(row);
  // Two thirds: (0 + 90 / 2) / 1.5 = 30 and (90 / 2 + 180) / 1.5 = 150.
  const QImage smaller = preview::scaledPart(*source, QSize(2, 1), QRect(0, 0, 2, 1));
  EXPECT_EQ(qRed(smaller.pixel(0, 0)), 30);
  EXPECT_EQ(qRed(smaller.pixel(1, 0)), 150);
  // Twice: each source pixel twice over, nothing blurred.
  const QImage larger = preview::scaledPart(*source, QSize(6, 2), QRect(0, 0, 6, 2));
  const int expected[] = {0, 0, 90, 90, 180, 180};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(qRed(larger.pixel(x, 1)), expected[x]) << x;
}

// What the view paints, at `scale` device pixels per pixel.
QImage painted(const preview::SheetView& view, double scale) {
  const QSize room = view.viewport()->size();
  QImage image(room * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  view.paintView(painter, QRect(QPoint(0, 0), room), scale);
  return image;
}

// A seam is a column or row where a tile differs from the whole picture
// scaled at once (the stray stroke at x = 512 at 75 %).
TEST_F(ViewerTest, TilesAddUpToTheWholeScaledPictureAtEveryStep) {
  form->show();
  const auto source = std::make_shared<GridSource>(QSize(900, 700));
  form->setPicture(source);
  for (const double scale : {1.0, 2.0}) {
    for (const double level : kLevels) {
      view().setZoom(level);
      hBar().setValue(hBar().maximum() / 3);
      vBar().setValue(vBar().maximum() / 3);
      const QImage shown = painted(view(), scale);
      const QSize whole = preview::drawnSize(source->size(), level, scale);
      const QSize drawn = view().drawnSize();
      const QSize room = view().viewport()->size();
      // The picture's top left in device pixels: scrolled, or centred when smaller.
      const int left =
          drawn.width() < room.width() ? (room.width() - drawn.width()) / 2 : -hBar().value();
      const int top =
          drawn.height() < room.height() ? (room.height() - drawn.height()) / 2 : -vBar().value();
      const QPoint origin(std::lround(left * scale), std::lround(top * scale));
      const QRect seen = QRect(QPoint(0, 0), shown.size())
                             .translated(-origin)
                             .intersected(QRect(QPoint(0, 0), whole));
      const QImage expected = preview::scaledPart(*source, whole, seen);
      QImage part = shown.copy(seen.translated(origin));
      part.setDevicePixelRatio(1);
      EXPECT_TRUE(part.convertToFormat(QImage::Format_RGB32) == expected)
          << "zoom " << level << " at scale " << scale;
    }
  }
}

}  // namespace
}  // namespace preview_test
