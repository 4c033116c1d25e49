// A picture drawn part by part, as the preview asks for it, must show the very
// pixels of the whole picture: at its own size, and scaled to every zoom step
// through the preview's tiles.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "generator/generate_workbook.h"
#include "generator/time_sheet.h"
#include "preview/scaled_part.h"
#include "preview/sheet_view.h"
#include "preview/viewer_math.h"
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

// Scaled through the preview's resampling, the sheet drawn in parts gives the
// pixels of the whole picture scaled; the windows cross tile edges and the
// picture's far edges.
TEST_F(RangeSourceTest, TilesEqualTheWholePictureScaled) {
  struct Zoom {
    double level;
    QRect window;  // target pixels the viewport shows
  };
  const Zoom zooms[] = {
      {0.5, {0, 0, 640, 560}},     {0.75, {300, 270, 640, 560}},  {0.5, {1100, 2500, 640, 560}},
      {1.0, {250, 250, 640, 560}}, {1.0, {2500, 5500, 640, 560}}, {1.5, {1000, 4000, 960, 840}},
  };
  ASSERT_EQ(whole_.size(), QSize(2902, 5716));
  const auto wholeSource = picture::imageSource(whole_);
  for (const Zoom& z : zooms) {
    const QSize target = preview::drawnSize(whole_.size(), z.level);
    const QImage expected = preview::scaledPart(*wholeSource, target, z.window);
    EXPECT_EQ(preview::scaledPart(*source_, target, z.window), expected)
        << z.level << " at " << z.window.x() << "," << z.window.y();
  }
  // At 100 % the resampling keeps every pixel.
  EXPECT_EQ(preview::scaledPart(*source_, whole_.size(), QRect(250, 250, 640, 560)),
            whole_.copy(250, 250, 640, 560).convertToFormat(QImage::Format_RGB32));
}

}  // namespace
