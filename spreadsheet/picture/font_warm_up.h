#pragma once
#include <span>

namespace spreadsheet::picture {

// Loads the fonts a sheet's picture draws with (the sheet's default font,
// regular and bold, at each of `sizes` in points) and draws their digits and letters
// once, so that the first picture finds Qt's font database started and the
// glyphs cached. Changes no picture's pixels; call it while the program idles.
// Needs the graphical application object.
void warmPictureFonts(std::span<const double> sizes);

}  // namespace spreadsheet::picture
