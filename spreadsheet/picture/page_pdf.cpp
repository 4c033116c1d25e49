#include "spreadsheet/picture/page_pdf.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <algorithm>
#include <span>

#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"
#include "spreadsheet/model/units.h"
#include "spreadsheet/pdf/pdf_file.h"
#include "spreadsheet/pdf/pdf_fonts.h"
#include "spreadsheet/picture/pdf_canvas.h"
#include "spreadsheet/picture/picture_grid.h"
#include "spreadsheet/picture/range_painter.h"

namespace spreadsheet::picture {

using pdf::appendNumber;
using pdf::PdfFile;
using pdf::pdfTextString;

namespace {

const double kPointsPerPixel = PixelsToPoints(1);  // the picture's pixels are 96 dpi
constexpr double kSlack = 1e-6;  // points; rounding in the fit must not ask for a second page

std::optional<QPageSize::PageSizeId> paperOf(int paperSize) {
  switch (paperSize) {
    case xl::PaperLetter:
      return QPageSize::Letter;
    case 5:
      return QPageSize::Legal;
    case 8:
      return QPageSize::A3;
    case xl::PaperA4:
      return QPageSize::A4;
    case 11:
      return QPageSize::A5;
    default:
      return std::nullopt;
  }
}

// The paper as the page setup names it, with no margins of its own: the
// margins are placed by hand.
QPageLayout pageLayout(const PageSetup& setup) {
  const auto id = paperOf(setup.paperSize);
  if (!id) throw Error("The paper size " + std::to_string(setup.paperSize) + " is not supported.");
  return QPageLayout(
      QPageSize(*id),
      setup.orientation == xl::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
      QMarginsF());
}

// The oriented paper in points, unrounded: Qt's own point sizes are whole
// points (A4 as 595 x 842), which would put the room off by a fraction.
QSizeF paperPoints(const QPageLayout& layout) {
  const QPageSize& size = layout.pageSize();
  QSizeF points = size.definitionSize();
  switch (size.definitionUnits()) {
    case QPageSize::Millimeter:
      points *= 72 / 25.4;
      break;
    case QPageSize::Inch:
      points *= 72;
      break;
    default:
      points = size.size(QPageSize::Point);
  }
  return layout.orientation() == QPageLayout::Landscape ? points.transposed() : points;
}

// A device the text is measured on: 96 dpi, as the picture's image.
QImage layoutDevice() {
  QImage image(1, 1, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeter96Dpi);
  image.setDotsPerMeterY(kDotsPerMeter96Dpi);
  return image;
}

// The paper as the file's media box names it, in whole points as readers
// expect of a standard size (A4 landscape is 842 x 595).
QSize mediaBox(const PageSetup& setup) {
  const QPageLayout layout = pageLayout(setup);
  const QSize points = layout.pageSize().sizePoints();
  return layout.orientation() == QPageLayout::Landscape ? points.transposed() : points;
}

// The page's content: the sheet's points placed inside the margins at the
// page's scale, y turned downward, and cut at the print area's edge.
std::string pageContent(const Worksheet& sheet, const PictureGrid& grid, const PagePlacement& place,
                        double mediaHeight, PdfFonts& fonts, FontSource source) {
  // Stroke adjustment keeps the hairline rules of a shrunk page at least one
  // device pixel wide, as the sheet draws them, instead of a faint blur.
  std::string content = "/GS1 gs q ";
  for (double v : {place.scale, 0.0, 0.0, -place.scale, place.left, mediaHeight - place.top}) {
    appendNumber(content, v, 6);
    content += ' ';
  }
  content += "cm\n0 0 ";
  appendNumber(content, static_cast<double>(grid.width()) * kPointsPerPixel, 4);
  content += ' ';
  appendNumber(content, static_cast<double>(grid.height()) * kPointsPerPixel, 4);
  content += " re W n\n";
  // Qt measures on a device; HarfBuzz over the font files needs none.
  std::optional<QImage> device;
  if (source == FontSource::Desktop) device = layoutDevice();
  PdfCanvas canvas(fonts, device ? &*device : nullptr, std::move(content));
  RangePainter(sheet, grid, canvas, /*printedPage=*/true, source).paint();
  content = canvas.takeContent();
  content += "Q\n";
  return content;
}

QByteArray pageFile(const Worksheet& sheet, const PictureGrid& grid, const PagePlacement& place,
                    FontSource source) {
  PdfFile file;
  const int catalog = file.reserve(), pages = file.reserve(), page = file.reserve(),
            contents = file.reserve(), info = file.reserve();
  const QSize media = mediaBox(sheet.pageSetup());
  PdfFonts fonts;
  file.putStream(contents, "", pageContent(sheet, grid, place, media.height(), fonts, source));
  const std::string fontEntries = fonts.write(file);
  file.put(page, "<< /Type /Page /Parent " + std::to_string(pages) + " 0 R /MediaBox [0 0 " +
                     std::to_string(media.width()) + ' ' + std::to_string(media.height()) +
                     "] /Resources << /Font << " + fontEntries +
                     ">> /ExtGState << /GS1 << /Type /ExtGState /SA true >> >> /ProcSet [/PDF "
                     "/Text] >> /Contents " +
                     std::to_string(contents) + " 0 R >>");
  file.put(pages, "<< /Type /Pages /Kids [" + std::to_string(page) + " 0 R] /Count 1 >>");
  file.put(catalog, "<< /Type /Catalog /Pages " + std::to_string(pages) + " 0 R >>");
  file.put(info, "<< /Title " + pdfTextString(QString::fromStdString(sheet.name())) +
                     " /Creator (Tallyloom) /Producer (Tallyloom) >>");
  return file.finish(catalog, info);
}

}  // namespace

CellRange printedRange(const Worksheet& sheet) {
  if (sheet.pageSetup().printArea) return *sheet.pageSetup().printArea;
  const auto used = sheet.usedRange();
  if (!used) throw Error("Nothing to print.");
  return *used;
}

PagePlacement placeOnPage(const PageSetup& setup, QSizeF areaPoints) {
  PagePlacement place;
  place.page = paperPoints(pageLayout(setup));
  place.left = setup.leftMargin;
  place.top = setup.topMargin;
  const double boxWidth = place.page.width() - setup.leftMargin - setup.rightMargin;
  const double boxHeight = place.page.height() - setup.topMargin - setup.bottomMargin;
  if (setup.leftMargin < 0 || setup.rightMargin < 0 || setup.topMargin < 0 ||
      setup.bottomMargin < 0 || boxWidth <= 0 || boxHeight <= 0)
    throw Error("The margins leave no room on the page.");
  if (areaPoints.width() <= 0 || areaPoints.height() <= 0)
    throw Error("The print area has no visible cells.");

  if (setup.zoom) {
    place.scale = *setup.zoom / 100.0;
  } else {
    // "Fit to" shrinks the area until it spans the pages asked for; a small
    // area keeps its natural size.
    const double wide = std::max(1, setup.fitToPagesWide) * boxWidth / areaPoints.width();
    const double tall = std::max(1, setup.fitToPagesTall) * boxHeight / areaPoints.height();
    place.scale = std::min({1.0, wide, tall});
  }
  if (place.scale <= 0 || areaPoints.width() * place.scale > boxWidth + kSlack ||
      areaPoints.height() * place.scale > boxHeight + kSlack)
    throw Error("The print area does not fit on one page.");
  return place;
}

void savePagePdf(const Worksheet& sheet, const std::string& path) {
  if (path.empty()) throw Error("The file name is empty.");
  const PictureGrid grid(sheet, printedRange(sheet));
  const QSizeF area(static_cast<double>(grid.width()) * kPointsPerPixel,
                    static_cast<double>(grid.height()) * kPointsPerPixel);
  const PagePlacement place = placeOnPage(sheet.pageSetup(), area);

  // The whole document is made in memory and goes to the disk in one whole-or-nothing write.
  // The text is laid out in the fonts opened from their files; a sheet with a
  // font or text those faces cannot show alone is laid out by Qt instead.
  QByteArray bytes;
  try {
    bytes = pageFile(sheet, grid, place, FontSource::Files);
  } catch (const OutsideOwnFonts&) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
      throw Error("The PDF cannot be made without the graphical application.");
    bytes = pageFile(sheet, grid, place, FontSource::Desktop);
  }
  io::writeWholeFile(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                     static_cast<std::size_t>(bytes.size())));
}

}  // namespace spreadsheet::picture
