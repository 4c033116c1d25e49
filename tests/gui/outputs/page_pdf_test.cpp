// The print area on its page: placement by the page setup, and the file.
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include "outputs_fixture.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/picture/page_pdf.h"

namespace outputs_test {
namespace {

using spreadsheet::PageSetup;
using spreadsheet::picture::placeOnPage;
namespace xl = spreadsheet::xl;

// A4 landscape with 2 cm sides and 2.5 cm top and bottom, as the time sheet sets it.
PageSetup timeSheetSetup() {
  PageSetup s;
  s.paperSize = xl::PaperA4;
  s.orientation = xl::Landscape;
  s.leftMargin = s.rightMargin = 72 * 0.787401575;
  s.topMargin = s.bottomMargin = 72 * 0.984251969;
  s.zoom = std::nullopt;
  return s;
}

TEST(PlaceOnPage, FitShrinksToTheRoomInsideTheMarginsAndNeverEnlarges) {
  const PageSetup setup = timeSheetSetup();
  const double roomWidth = 841.89 - 2 * 56.6929, roomHeight = 595.276 - 2 * 70.8661;
  struct Case {
    QSizeF area;
    double scale;
  } cases[] = {
      {{300, 200}, 1.0},                           // small: natural size
      {{roomWidth * 2, 100}, 0.5},                 // too wide
      {{100, roomHeight * 4}, 0.25},               // too tall
      {{roomWidth * 3, roomHeight * 2}, 1.0 / 3},  // both: the tighter one
      {{roomWidth, roomHeight}, 1.0},              // exactly the room
  };
  for (const Case& c : cases) {
    const auto place = placeOnPage(setup, c.area);
    EXPECT_NEAR(place.scale, c.scale, 1e-4) << c.area.width() << " x " << c.area.height();
    EXPECT_NEAR(place.page.width(), 841.89, 0.01);
    EXPECT_NEAR(place.page.height(), 595.28, 0.01);
    EXPECT_NEAR(place.left, 56.69, 0.01);
    EXPECT_NEAR(place.top, 70.87, 0.01);
    EXPECT_LE(c.area.width() * place.scale, roomWidth + 1e-3);
    EXPECT_LE(c.area.height() * place.scale, roomHeight + 1e-3);
  }

  // A fixed zoom is kept as it is, on the paper the setup names.
  PageSetup letter = setup;
  letter.paperSize = xl::PaperLetter;
  letter.orientation = xl::Portrait;
  letter.zoom = 50;
  const auto zoomed = placeOnPage(letter, {600, 400});
  EXPECT_DOUBLE_EQ(zoomed.scale, 0.5);
  EXPECT_NEAR(zoomed.page.width(), 612, 0.01);
  EXPECT_NEAR(zoomed.page.height(), 792, 0.01);
}

TEST(PlaceOnPage, RefusesWhatOnePageCannotShow) {
  PageSetup zoomTooLarge = timeSheetSetup();
  zoomTooLarge.zoom = 100;
  PageSetup twoPagesWide = timeSheetSetup();
  twoPagesWide.fitToPagesWide = 2;
  PageSetup unknownPaper = timeSheetSetup();
  unknownPaper.paperSize = 70;
  PageSetup noRoom = timeSheetSetup();
  noRoom.leftMargin = noRoom.rightMargin = 430;
  PageSetup negative = timeSheetSetup();
  negative.topMargin = -1;
  for (const PageSetup& setup : {zoomTooLarge, twoPagesWide, unknownPaper, noRoom, negative})
    EXPECT_THROW(placeOnPage(setup, {1500, 300}), spreadsheet::Error);
  EXPECT_THROW(placeOnPage(timeSheetSetup(), {0, 300}), spreadsheet::Error);
}

TEST(SavePagePdf, FailureKeepsTheFileThatWasThere) {
  spreadsheet::Workbook book;
  spreadsheet::Worksheet& sheet = book.addSheet("Sheet1");
  sheet.cell({1, 1}).value = spreadsheet::CellValue(std::string("Weekly Time Sheet"));
  sheet.pageSetup() = timeSheetSetup();
  QTemporaryDir dir;
  const std::string target = dir.filePath("old.pdf").toStdString();
  {
    QFile old(QString::fromStdString(target));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
  }
  sheet.pageSetup().paperSize = 70;  // refused before anything is written
  EXPECT_THROW(spreadsheet::picture::savePagePdf(sheet, target), spreadsheet::Error);
  EXPECT_EQ(folderEntries(dir.path()), QStringList{"old.pdf"});
  QFile old(QString::fromStdString(target));
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("old"));
  old.close();

  // Once the page setup is sound, the file is replaced whole.
  sheet.pageSetup().paperSize = xl::PaperA4;
  spreadsheet::picture::savePagePdf(sheet, target);
  EXPECT_EQ(folderEntries(dir.path()), QStringList{"old.pdf"});
  EXPECT_TRUE(popplerOutput("pdftotext", {QString::fromStdString(target), "-"})
                  .contains("Weekly Time Sheet"));
  // An empty sheet has nothing to print.
  spreadsheet::Worksheet& empty = book.addSheet("Empty");
  EXPECT_THROW(spreadsheet::picture::savePagePdf(empty, dir.filePath("e.pdf").toStdString()),
               spreadsheet::Error);
}

// The page as poppler draws it at 72 dpi: one pixel a point.
QImage renderedPage(const QString& pdf, const QString& folder) {
  const QString stem = folder + "/page";
  QProcess p;
  p.start("/usr/bin/pdftoppm", {"-r", "72", "-png", "-singlefile", pdf, stem});
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
  return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
}

TEST(SavePagePdf, NothingIsDrawnBeyondThePrintAreaNorAnyButton) {
  // A text that overflows past the print area's right edge, and a button
  // inside the area that reaches past it: the text stops at the edge, and the
  // button, a screen control, is on no page.
  spreadsheet::Workbook book;
  spreadsheet::Worksheet& sheet = book.addSheet("Sheet1");
  sheet.cell({1, 1}).value = spreadsheet::CellValue(
      std::string("a text far too long for its cell and its neighbour together"));
  spreadsheet::Button button;
  button.id = 1;
  button.left = 60;  // points: inside column B, which ends at 96
  button.top = 20;
  button.width = 80;
  button.height = 20;
  button.text = "Go";
  button.runs = {spreadsheet::FontRun{0, "Arial", 8}};
  sheet.buttons().push_back(button);
  PageSetup& setup = sheet.pageSetup();
  setup = timeSheetSetup();
  setup.leftMargin = setup.topMargin = 36;
  setup.zoom = 100;
  setup.printArea = spreadsheet::CellRange::of(1, 1, 3, 2);
  QTemporaryDir dir;
  const QString pdf = dir.filePath("page.pdf");
  spreadsheet::picture::savePagePdf(sheet, pdf.toStdString());
  const QImage page = renderedPage(pdf, dir.path());
  ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) is needed";
  // The area is 96 points wide from 36; the text's first row runs 36..49, the
  // button would span 96..176 across and 56..76 down.
  const auto blank = [&](int x0, int x1, int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (qGray(page.pixel(x, y)) < 250) return false;
    return true;
  };
  EXPECT_FALSE(blank(36 + 60, 36 + 94, 36, 36 + 12)) << "the text inside the area";
  EXPECT_TRUE(blank(36 + 96 + 2, 36 + 200, 36, 36 + 12)) << "the text drawn past the print area";
  EXPECT_TRUE(blank(36 + 60, 36 + 140, 36 + 20, 36 + 40)) << "the button printed";
}

TEST(SavePagePdf, FontsAreEmbeddedSubsetsThatReadersTurnBackIntoText) {
  spreadsheet::Workbook book;
  spreadsheet::Worksheet& sheet = book.addSheet("Sheet1");
  const auto put = [&](int row, const char* text, bool bold, bool italic) {
    spreadsheet::Style style = book.styles().get(0);
    style.font.bold = bold;
    style.font.italic = italic;
    spreadsheet::Cell& cell = sheet.cell({row, 1});
    cell.value = spreadsheet::CellValue(std::string(text));
    cell.style = book.styles().intern(style);
  };
  put(1, "Z\xC3\xBCrich 8:30 \xE2\x82\xAC", false, false);
  put(2, "Total hours", true, false);
  put(3, "Note", false, true);
  sheet.pageSetup() = timeSheetSetup();
  QTemporaryDir dir;
  const QString pdf = dir.filePath("fonts.pdf");
  spreadsheet::picture::savePagePdf(sheet, pdf.toStdString());

  const QString fonts = popplerOutput("pdffonts", {pdf});
  ASSERT_FALSE(fonts.isEmpty()) << "pdffonts (poppler-utils) is needed";
  // Regular, bold and italic: each a subset (six letters and '+'), embedded,
  // with its map back to characters.
  const QRegularExpression row(
      "^[A-Z]{6}\\+LiberationSans(-Bold|-Italic)?\\s+CID TrueType\\s+Identity-H\\s+yes yes yes",
      QRegularExpression::MultilineOption);
  EXPECT_EQ(fonts.count(row), 3) << fonts.toStdString();

  const QString text = popplerOutput("pdftotext", {pdf, "-"});
  EXPECT_TRUE(text.contains(QString::fromUtf8("Z\xC3\xBCrich 8:30 \xE2\x82\xAC")))
      << text.toStdString();
  EXPECT_TRUE(text.contains("Total hours"));
  EXPECT_TRUE(text.contains("Note"));

  // Drawing the page finds nothing wrong with the fonts.
  QProcess render;
  render.start("/usr/bin/pdftoppm", {"-r", "50", "-png", pdf, dir.filePath("r")});
  ASSERT_TRUE(render.waitForFinished(60000));
  EXPECT_EQ(render.exitCode(), 0);
  EXPECT_EQ(render.readAllStandardError(), QByteArray());
}

}  // namespace
}  // namespace outputs_test
