// The generated workbook as read back: one line per shared edge, and column
// widths that show the pixels the picture draws.
#include <QTemporaryDir>

#include "desktop_fixture.h"
#include "generator/generate_workbook.h"
#include "spreadsheet/model/units.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/workbook_file.h"

namespace desktop_test {
namespace {

using namespace spreadsheet;

std::unique_ptr<Workbook> generated(const generator::LayoutChoices& choices,
                                    const QTemporaryDir& dir) {
  const std::string path = dir.filePath("sheet.xls").toStdString();
  generator::GenerateWorkbook(choices, path);
  return xls::openWorkbook(path);
}

generator::LayoutChoices allDaysTwoWeeksThreeShifts() {
  generator::LayoutChoices c = generator::DefaultLayoutChoices();
  c.days.fill(true);
  c.weekIndex = 1;
  c.shiftIndex = 2;
  return c;
}

// Edges where the two cells beside them describe different lines.
std::vector<std::string> disagreeingEdges(const Worksheet& sheet) {
  std::vector<std::string> out;
  const CellRange used = *sheet.usedRange();
  for (int r = std::max(1, used.first.row - 1); r <= used.last.row + 1; ++r)
    for (int c = std::max(1, used.first.column - 1); c <= used.last.column + 1; ++c) {
      const Style& here = sheet.effectiveStyle({r, c});
      const std::string at = toA1({r, c}, false, false);
      auto text = [](const Border& b) {
        return std::to_string(b.lineStyle) + "/" + std::to_string(b.weight) + "/" +
               std::to_string(b.colorIndex);
      };
      const Border& right = sheet.effectiveStyle({r, c + 1}).borders[kLeft];
      if (here.borders[kRight] != right)
        out.push_back(at + " right " + text(here.borders[kRight]) + " vs " + text(right));
      const Border& below = sheet.effectiveStyle({r + 1, c}).borders[kTop];
      if (here.borders[kBottom] != below)
        out.push_back(at + " bottom " + text(here.borders[kBottom]) + " vs " + text(below));
    }
  return out;
}

class SheetFidelity : public DesktopTest {};

TEST_F(SheetFidelity, EverySharedEdgeIsOneLine) {
  for (const auto& choices : {generator::DefaultLayoutChoices(), allDaysTwoWeeksThreeShifts()}) {
    QTemporaryDir dir;
    const auto book = generated(choices, dir);
    const std::vector<std::string> edges = disagreeingEdges(book->sheet(0));
    std::string all;
    for (const std::string& e : edges) all += e + "\n";
    EXPECT_TRUE(edges.empty()) << edges.size() << " edges:\n" << all;
  }
}

TEST_F(SheetFidelity, ColumnWidthsReadBackAsThePixelsDrawn) {
  QTemporaryDir dir;
  const auto book = generated(generator::DefaultLayoutChoices(), dir);
  const Worksheet& sheet = book->sheet(0);
  // Column C is 0.58 characters: 7 px, as the application shows it.
  EXPECT_EQ(ColumnWidthPixels(sheet.columnWidth(3)), 7);
  EXPECT_EQ(ColumnWidthPixels(sheet.defaultColumnWidth()), 64);
}

}  // namespace
}  // namespace desktop_test
