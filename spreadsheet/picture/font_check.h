#pragma once
#include <optional>
#include <string>

namespace spreadsheet::picture {

// Why a picture or a page could not show the sheet's text, or nullopt when it
// can: the sheet's default font (Arial, drawn as Liberation Sans) must come out
// as a font with outlines and with glyphs for digits and letters. Without one
// every text would be an empty box, or missing from a PDF. Needs the graphical
// application object, as drawing does.
std::optional<std::string> missingFont();

// The same for a printed page, whose text is laid out in the font files
// themselves (found without Qt's font database): the sheet's default font's
// file must be found and read whole, with glyphs for digits and letters.
std::optional<std::string> missingPageFont();

}  // namespace spreadsheet::picture
