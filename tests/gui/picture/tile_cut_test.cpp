// Tiles cut a sheet anywhere: through texts that overflow or are centred across
// cells, merged areas, borders, dashed lines, diagonals and buttons. Every tile
// must hold the very pixels of the whole picture.
#include <QImage>
#include <memory>

#include "spreadsheet/picture/picture_source.h"
#include "tests/gui/picture/picture_fixture.h"

namespace picture_test {
namespace {

using picture::PictureSource;

// "" when the images are equal; else how they differ, for the failure's message.
std::string difference(const QImage& got, const QImage& want) {
  if (got.size() != want.size() || got.format() != want.format()) return "size or format";
  int count = 0;
  QPoint first;
  for (int y = 0; y < want.height(); ++y)
    for (int x = 0; x < want.width(); ++x)
      if (got.pixel(x, y) != want.pixel(x, y) && count++ == 0) first = {x, y};
  if (count == 0) return {};
  return std::to_string(count) + " pixels, first at " + std::to_string(first.x()) + "," +
         std::to_string(first.y());
}

class TileCuts : public SheetFixture {
 protected:
  void SetUp() override {
    const std::string runs = "A text that runs on across the empty cells beside it";
    put("A1", runs);
    put("H2", runs, styled([](Style& s) { s.horizontalAlignment = xl::Right; }));
    put("E3", runs, styled([](Style& s) {
          s.horizontalAlignment = xl::Center;
          s.font.italic = true;
        }));
    const StyleId across =
        styled([](Style& s) { s.horizontalAlignment = xl::CenterAcrossSelection; });
    put("B4", "Centred across four cells", across);
    for (const char* a : {"C4", "D4", "E4"}) setStyle(a, across);

    // A filled merged area with a thick outline and wrapped, centred text.
    const StyleId boxed = styled([](Style& s) {
      s.fillColorIndex = 44;
      s.wrapText = true;
      s.horizontalAlignment = xl::Center;
      s.verticalAlignment = xl::Center;
      for (int slot : {kLeft, kTop, kBottom, kRight})
        s.borders[static_cast<std::size_t>(slot)] = {xl::Continuous, xl::Thick, 10};
    });
    for (int row = 6; row <= 8; ++row)
      for (char col = 'B'; col <= 'F'; ++col)
        setStyle(std::string(1, col) + std::to_string(row), boxed);
    put("B6", "A merged heading long enough to wrap over its lines", boxed);
    sheet.mergedAreas().push_back(parseA1Range("B6:F8"));

    // Lines of each kind meeting at cell edges; a dash pattern runs on across cells.
    setStyle("G6", styled([](Style& s) { s.borders[kRight] = {xl::Double, xl::Thick, 12}; }));
    setStyle("H6", styled([](Style& s) { s.borders[kLeft] = {xl::Continuous, xl::Medium, 0}; }));
    const StyleId dashed = styled([](Style& s) {
      s.borders[kBottom] = {xl::DashDotDot, xl::Thin, 0};
    });
    for (char col = 'B'; col <= 'I'; ++col) setStyle(std::string(1, col) + "10", dashed);
    setStyle("I8", styled([](Style& s) {
               s.borders[kDiagonalDown] = {xl::Continuous, xl::Medium, 0};
               s.borders[kDiagonalUp] = {xl::Dash, xl::Thin, 0};
             }));
    // A tall merged area with a diagonal: taller than the rows a tile draws.
    const StyleId crossed = styled([](Style& s) {
      s.borders[kDiagonalUp] = {xl::Continuous, xl::Thin, 0};
    });
    for (int row = 2; row <= 12; ++row) setStyle("J" + std::to_string(row), crossed);
    sheet.mergedAreas().push_back(parseA1Range("J2:J12"));
    // The same short texts again and again, as a sheet's times repeat.
    for (char col = 'A'; col <= 'I'; ++col) put(std::string(1, col) + "9", "12:00");
    columnWidth(4, 3.5);
    columnWidth(7, 20);
    rowHeight(6, 30);
    addButton(120, 130, 150, 24, "A button across the cut of its caption");
  }
  std::shared_ptr<const PictureSource> source(int side) {
    // The fixture owns the workbook; the source only borrows it here.
    return picture::rangeSource(std::shared_ptr<const Workbook>(&book, [](const Workbook*) {}),
                                sheet, parseA1Range(kRange), side);
  }
  static constexpr const char* kRange = "A1:J12";
};

TEST_F(TileCuts, EveryTileHoldsThePixelsOfTheWholePicture) {
  const QImage whole = render(kRange);
  ASSERT_FALSE(whole.isNull());
  // Tile sides that cut the sheet at many places, on grid lines (64 pixels is
  // a default column) and between them; each tile asked for alone is drawn alone.
  for (int side : {23, 64, 97}) {
    const auto tiles = source(side);
    ASSERT_EQ(tiles->size(), whole.size());
    for (int y = 0; y < whole.height(); y += side)
      for (int x = 0; x < whole.width(); x += side) {
        const QRect tile = QRect(x, y, side, side).intersected(whole.rect());
        EXPECT_EQ(difference(tiles->draw(tile), whole.copy(tile)), "")
            << "side " << side << " at " << x << "," << y;
      }
  }
  // Parts that start and end inside tiles, each from a source of its own: the
  // tiles under a part are drawn in one pass.
  const struct {
    int side;
    QRect part;
  } parts[] = {
      {97, {50, 10, 300, 100}}, {97, {200, 0, 10, 400}},  {23, {301, 95, 77, 31}},
      {256, {255, 0, 2, 300}},  {64, {0, 100, 1000, 50}},
  };
  for (const auto& p : parts) {
    const QRect inside = p.part.intersected(whole.rect());
    EXPECT_EQ(difference(source(p.side)->draw(p.part), whole.copy(inside)), "")
        << "side " << p.side << " part " << p.part.x() << "," << p.part.y();
  }
}

}  // namespace
}  // namespace picture_test
