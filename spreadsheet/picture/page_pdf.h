#pragma once
#include <QSizeF>
#include <string>

#include "spreadsheet/model/address.h"
#include "spreadsheet/model/worksheet.h"

namespace spreadsheet::picture {

// Where the print area lands on its page, in points from the page's top-left corner.
struct PagePlacement {
  QSizeF page;      // the paper, oriented
  double left = 0;  // the left and top margins
  double top = 0;
  double scale = 1;  // points of paper per point of sheet
};

// The range a sheet prints: its print area, or its used range without one.
// Throws spreadsheet::Error for an empty sheet.
CellRange printedRange(const Worksheet& sheet);

// The placement the sheet's page setup gives a range of `areaPoints` (its
// size at 100%): the paper and orientation, the margins, and the scale of the
// zoom, or of "fit to" (which only shrinks, never enlarges). The area sits at
// the top-left corner inside the margins. Throws spreadsheet::Error when the
// paper size is unknown, the margins leave no room, or the area would need
// more than one page.
PagePlacement placeOnPage(const PageSetup& setup, QSizeF areaPoints);

// Writes the sheet's printed range on one page as a PDF with vector text,
// drawn by the same range painter as the picture but, as a printed page,
// without grid lines and buttons, onto our own PDF canvas (text in subsets of the
// TrueType fonts, embedded). Equal sheets give equal bytes. The file is
// written whole or not at all (a temporary file beside `path` replaces it
// when complete). Throws spreadsheet::Error on any failure. The text is laid
// out by HarfBuzz in the Liberation fonts opened from their files; only a
// sheet with other fonts, or with a text those faces cannot show alone (a
// character they lack, right-to-left text), needs the graphical application
// (its fonts and their fallbacks then come from Qt).
void savePagePdf(const Worksheet& sheet, const std::string& path);

}  // namespace spreadsheet::picture
