// A printed page's text in the sizes the cells name, read back from the PDF.
#include <QByteArray>
#include <QFile>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <set>
#include <vector>

#include "spreadsheet/model/constants.h"
#include "spreadsheet/picture/page_pdf.h"
#include "spreadsheet/picture/pdf_canvas.h"
#include "tests/gui/picture/picture_fixture.h"

namespace picture_test {
namespace {

// The contents of every Flate stream of a PDF, inflated.
QByteArray inflatedStreams(const QByteArray& pdf) {
  QByteArray all;
  qsizetype at = 0;
  while ((at = pdf.indexOf("stream", at)) >= 0) {
    if (at >= 3 && pdf.mid(at - 3, 3) == "end") {
      at += 6;
      continue;
    }
    qsizetype start = at + 6;
    if (pdf.mid(start, 2) == "\r\n")
      start += 2;
    else if (pdf.at(start) == '\n')
      ++start;
    const qsizetype end = pdf.indexOf("endstream", start);
    if (end < 0) break;
    QByteArray data = pdf.mid(start, end - start);
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(1u << 24, sized.data());
    all += qUncompress(sized + data);
    at = end + 9;
  }
  return all;
}

// The font sizes text is shown at on the page: each Tf size times the scale of
// the transformation in force (cm operators, saved and restored by q and Q).
std::set<double> shownFontSizes(const QByteArray& content) {
  std::set<double> sizes;
  std::vector<double> scales{1.0};
  std::vector<double> operands;
  for (const QByteArray& token : content.simplified().split(' ')) {
    bool number = false;
    const double v = token.toDouble(&number);
    if (number) {
      operands.push_back(v);
      continue;
    }
    if (token == "q") scales.push_back(scales.back());
    if (token == "Q" && scales.size() > 1) scales.pop_back();
    if (token == "cm" && operands.size() >= 6)
      scales.back() *= std::abs(operands[operands.size() - 6]);
    if (token == "Tf" && !operands.empty())
      sizes.insert(std::round(operands.back() * scales.back() * 1000) / 1000);
    operands.clear();
  }
  return sizes;
}

class PageFonts : public SheetFixture {};

TEST_F(PageFonts, AreTheCellsPointsExactly) {
  // At zoom 100 a page shows the cells at their natural size, so every font
  // size in the file must be a cell's size: 10, 22 and 8, not 9.75, 21.75, 8.25.
  sheet.pageSetup().zoom = 100;
  sheet.pageSetup().paperSize = xl::PaperA4;
  put("A1", "Ten", styled([](Style& s) { s.font.size = 10; }));
  put("A2", "Twenty two", styled([](Style& s) { s.font.size = 22; }));
  put("A3", "Eight", styled([](Style& s) { s.font.size = 8; }));
  rowHeight(2, 27);
  addButton(150, 0, 60, 20, "Go");  // Arial 8
  sheet.pageSetup().printArea = parseA1Range("A1:D3");
  QTemporaryDir dir;
  const QString path = dir.filePath("page.pdf");
  picture::savePagePdf(sheet, path.toStdString());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(shownFontSizes(inflatedStreams(file.readAll())), (std::set<double>{8, 10, 22}));

  // Half the zoom, half the sizes.
  sheet.pageSetup().zoom = 50;
  picture::savePagePdf(sheet, path.toStdString());
  QFile half(path);
  ASSERT_TRUE(half.open(QIODevice::ReadOnly));
  EXPECT_EQ(shownFontSizes(inflatedStreams(half.readAll())), (std::set<double>{4, 5, 11}));
}

TEST_F(PageFonts, EqualSheetsGiveEqualFilesWithNoTimeOfWriting) {
  put("A1", "Ten");
  sheet.pageSetup().printArea = parseA1Range("A1:B2");
  QTemporaryDir dir;
  const QString path = dir.filePath("page.pdf");
  picture::savePagePdf(sheet, path.toStdString());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_FALSE(bytes.contains("/CreationDate")) << "a time stamp makes equal sheets differ";
  EXPECT_TRUE(bytes.contains("/Creator"));  // the rest of the information stays
  EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
}

TEST_F(PageFonts, LaidOutFromTheFontFilesAsQtLaysThemOut) {
  // One page in every style and size the sheet's texts meet, with kerned pairs,
  // accents, wrapping, overflow, alignment, an underline, Cyrillic and Greek
  // runs and a combining accent: laid out from the font files and, with no
  // font folder to read, by Qt; the bytes agree.
  const struct {
    const char* at;
    const char* text;
    double size;
    bool bold, italic, underline, wrap;
    int horizontal;
  } cells[] = {
      {"A1", "Week starting: AVA To", 10, false, false, false, false, xl::General},
      {"A2", "Heures prévues", 22, true, false, false, false, xl::Center},
      {"A3", "Mittwoch ñ Señor Müller", 9, false, true, false, true, xl::Left},
      {"A4", "Employee Signature:", 8, true, true, true, false, xl::Right},
      {"B5", "Total 11:45 PM", 24, false, false, true, false, xl::Center},
      {"A6", "€ 1,234.56 – “Quote” Ty We Yo", 10, true, false, false, true, xl::Justify},
      {"A8", "Всего Ελληνικά Te\u0301l AV", 10, false, false, false, false, xl::Left},
  };
  for (const auto& c : cells)
    put(c.at, std::string(c.text), styled([&](Style& s) {
          s.font.size = c.size;
          s.font.bold = c.bold;
          s.font.italic = c.italic;
          s.font.underline = c.underline ? xl::UnderlineSingle : xl::UnderlineNone;
          s.wrapText = c.wrap;
          s.horizontalAlignment = c.horizontal;
        }));
  put("C7", 1234.5678);
  columnWidth(1, 14);
  rowHeight(3, 40);
  rowHeight(6, 40);
  sheet.pageSetup().printArea = parseA1Range("A1:D8");
  QTemporaryDir dir;
  const auto bytesOf = [&](const QString& name) {
    picture::savePagePdf(sheet, dir.filePath(name).toStdString());
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  const QByteArray fromFiles = bytesOf("files.pdf");
  qputenv("TALLYLOOM_FONT_DIR", dir.filePath("no fonts here").toUtf8());
  const QByteArray fromQt = bytesOf("qt.pdf");
  qunsetenv("TALLYLOOM_FONT_DIR");
  ASSERT_FALSE(fromQt.isEmpty());
  EXPECT_TRUE(fromFiles == fromQt) << "the page laid out from the files differs from Qt's";
}

TEST(PdfOutlines, AreMovesLinesAndCurvesFilledByTheNonZeroRule) {
  // A glyph of a font that cannot be embedded is drawn as its outline.
  QPainterPath path;
  path.moveTo(0, 0);
  path.lineTo(10, 0);
  path.cubicTo(12, 2, 12, 8, 10, 10);
  path.closeSubpath();
  std::string ops;
  spreadsheet::picture::appendFilledPath(ops, path, 0.5);
  EXPECT_EQ(ops, "0 0 m\n5 0 l\n6 1 6 4 5 5 c\n0 0 l\nf\n");
  std::string none;
  spreadsheet::picture::appendFilledPath(none, QPainterPath(), 1);
  EXPECT_EQ(none, "") << "an empty outline (a space) fills nothing";
}

}  // namespace
}  // namespace picture_test
