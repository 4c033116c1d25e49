// The canvas paints a zoomed picture only where it is exposed, scaled from
// the unscaled copy: what it paints must match the whole scaled drawing.
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <cstdlib>

#include "preview/picture_box.h"
#include "tests/gui/preview/preview_fixture.h"

namespace preview_test {
namespace {

// Largest difference of any channel (rounding in the smooth scaling gives
// up to 2) between `painted` and `expected` inside `area`.
int largestDifference(const QImage& painted, const QImage& expected, const QRect& area) {
  int worst = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb a = painted.pixel(x, y), b = expected.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                        std::abs(qBlue(a) - qBlue(b))});
    }
  return worst;
}

// A slow diagonal gradient: a part drawn one pixel off shows as a difference.
QImage gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x / 8 % 256, y / 8 % 256, 90));
  return image;
}

// Sharp quarters show a part drawn one pixel off; a gradient, a part scaled
// from the wrong source pixels.
TEST(CanvasPaint, ExposedPartsMatchTheWholeScaledDrawing) {
  for (const QImage& source : {quarteredPicture(800, 600), gradient(800, 600)}) {
    preview::PictureBox box(nullptr);
    box.setTwipGeometry(0, 0, 600 * preview::kTwipsPerPixel, 450 * preview::kTwipsPerPixel);
    box.paintPicture(source,
                     QRect(0, 0, 600 * preview::kTwipsPerPixel, 450 * preview::kTwipsPerPixel),
                     QRect(0, 0, 800 * preview::kTwipsPerPixel, 600 * preview::kTwipsPerPixel));
    const QImage expected = box.shownImage();

    // Painted in one go, and as separate exposed parts (as when scrolling).
    QImage whole(box.size(), QImage::Format_RGB32);
    box.render(&whole);
    EXPECT_LE(largestDifference(whole, expected, whole.rect()), 2);
    QImage parts(box.size(), QImage::Format_RGB32);
    parts.fill(Qt::black);
    for (const QRect& part :
         {QRect(0, 0, 600, 97), QRect(0, 97, 311, 353), QRect(311, 97, 289, 353)})
      box.render(&parts, part.topLeft(), QRegion(part));
    EXPECT_LE(largestDifference(parts, expected, parts.rect()), 2);
  }
}

}  // namespace
}  // namespace preview_test
