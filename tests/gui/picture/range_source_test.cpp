// A picture drawn part by part, as the preview asks for it, must show the very
// pixels of the whole picture: at its own size, and scaled to every zoom step
// through the preview's tiles.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "generator/generate_workbook.h"
#include "generator/time_sheet.h"
#include "preview/picture_box.h"
#include "spreadsheet/picture/picture_source.h"
#include "spreadsheet/picture/sheet_picture.h"
#include "spreadsheet/xls/workbook_file.h"

namespace {

using namespace spreadsheet;

// A generated template with merged titles, borders, wrapped headings and
// buttons: all seven days, 2 weeks, 6 shifts.
class RangeSourceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("sheet.xls").toStdString();
    generator::LayoutChoices choices = generator::DefaultLayoutChoices();
    choices.days.fill(true);
    choices.weekIndex = 1;
    choices.shiftIndex = 5;
    generator::GenerateWorkbook(choices, path);
    book_ = xls::openWorkbook(path);
    const Worksheet& sheet = book_->sheet(0);
    whole_ = picture::renderRange(sheet, *sheet.usedRange());
    source_ = picture::rangeSource(book_, sheet, *sheet.usedRange());
  }
  static void TearDownTestSuite() {
    source_.reset();
    book_.reset();
    whole_ = QImage();
  }
  static inline std::shared_ptr<Workbook> book_;
  static inline QImage whole_;
  static inline preview::PictureSourcePtr source_;
};

TEST_F(RangeSourceTest, PartsAtTheirOwnSizeEqualTheWholePicture) {
  ASSERT_FALSE(whole_.isNull());
  ASSERT_EQ(source_->size(), whole_.size());
  const int w = whole_.width(), h = whole_.height();
  const QRect parts[] = {
      {0, 0, 640, 560},            // the window's first view
      {100, 250, 300, 12},         // across the first band's lower edge
      {0, 200, w, 600},            // three bands, the whole width
      {1000, 300, 700, 400},       // starts and ends inside tiles, mid-sheet
      {1700, 0, 300, h},           // a strip of columns, top to bottom
      {w - 50, h - 40, 200, 200},  // past the bottom right corner: clipped
      {0, 0, w, h},                // everything
  };
  for (const QRect& part : parts) {
    const QRect inside = part.intersected(whole_.rect());
    EXPECT_EQ(source_->draw(part), whole_.copy(inside).convertToFormat(QImage::Format_RGB32))
        << part.x() << "," << part.y() << " " << part.width() << "x" << part.height();
  }
  EXPECT_TRUE(source_->draw(QRect(w, 0, 10, 10)).isNull());
}

// Smooth scaling of a part gives the pixels of the whole scaled where a
// reduction repeats within a tile (a half of this picture's even sizes); the
// windows cross tile edges and the picture's far edges.
TEST_F(RangeSourceTest, TilesEqualTheWholePictureScaled) {
  struct Zoom {
    int times, per;  // target = whole × times ÷ per
    QRect window;    // target pixels the viewport shows
  };
  const Zoom zooms[] = {
      {1, 2, {0, 0, 640, 560}},     {1, 2, {300, 270, 640, 560}},   {1, 2, {1100, 2500, 640, 560}},
      {1, 1, {250, 250, 640, 560}}, {1, 1, {2500, 5500, 640, 560}},
  };
  ASSERT_EQ(whole_.size(), QSize(2902, 5716));  // even: every zoom below divides it
  for (const Zoom& z : zooms) {
    const QSize target = whole_.size() * z.times / z.per;
    const QImage expected =
        z.times == z.per ? whole_
                         : whole_.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    preview::PictureBox box(nullptr);
    box.setTwipGeometry(0, 0, target.width() * preview::kTwipsPerPixel,
                        target.height() * preview::kTwipsPerPixel);
    box.paintPicture(source_, QRect(QPoint(0, 0), target * preview::kTwipsPerPixel),
                     QRect(QPoint(0, 0), whole_.size() * preview::kTwipsPerPixel));
    const QRect window = z.window.intersected(QRect(QPoint(0, 0), target));
    QImage shown(window.size(), QImage::Format_RGB32);
    box.render(&shown, QPoint(), QRegion(window));
    EXPECT_EQ(shown, expected.copy(window).convertToFormat(QImage::Format_RGB32))
        << z.times << "/" << z.per << " at " << window.x() << "," << window.y();
  }
}

}  // namespace
