#include "spreadsheet/xlsx/button_drawings.h"

#include <cmath>
#include <sstream>
#include <string>

#include "spreadsheet/model/error.h"
#include "spreadsheet/model/units.h"
#include "spreadsheet/xlsx/package_parts.h"

namespace spreadsheet::xlsx {

namespace {

[[noreturn]] void failed(const std::string& what) {
  throw Error("Cannot write the workbook: " + what + ".");
}

std::string pointsText(double points) {
  std::ostringstream out;
  out << std::round(points * 100) / 100;
  return out.str();
}

// Replaces the text from `start` up to the next `end` at each of the
// drawing's shapes in turn; false when there are fewer than `count`.
template <typename Replacement>
bool replaceEach(std::string& vml, const std::string& start, const std::string& end,
                 std::size_t count, Replacement replacement) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < count; ++i) {
    at = vml.find(start, at);
    if (at == std::string::npos) return false;
    const std::size_t stop = vml.find(end, at + start.size());
    if (stop == std::string::npos) return false;
    const std::string text = replacement(i);
    vml.replace(at, stop - at, text);
    at += text.size();
  }
  return vml.find(start, at) == std::string::npos;
}

std::string finishDrawing(std::string vml, const Worksheet& sheet) {
  const auto& buttons = sheet.buttons();
  const bool placed = replaceEach(
      vml, "style=\"position:absolute;margin-left:", ";z-index:", buttons.size(),
      [&](std::size_t i) {
        const PixelBox box = ButtonPixels(buttons[i]);
        return "style=\"position:absolute;margin-left:" + pointsText(PixelsToPoints(box.left)) +
               "pt;margin-top:" + pointsText(PixelsToPoints(box.top)) +
               "pt;width:" + pointsText(PixelsToPoints(box.width)) +
               "pt;height:" + pointsText(PixelsToPoints(box.height)) + "pt";
      });
  // VML font sizes are in twentieths of a point.
  const bool fonts =
      replaceEach(vml, "<font face=\"", " color=\"", buttons.size(), [&](std::size_t i) {
        FontRun font;
        if (!buttons[i].runs.empty()) font = buttons[i].runs.front();
        return "<font face=\"" + font.fontName + "\" size=\"" +
               std::to_string(PointsToTwips(font.size)) + "\"";
      });
  if (!placed || !fonts)
    failed("the button drawing of sheet \"" + sheet.name() + "\" is not as expected");
  return vml;
}

}  // namespace

std::vector<std::uint8_t> finishButtonDrawings(const std::vector<std::uint8_t>& package,
                                               const Workbook& book) {
  std::vector<std::pair<std::string, PartRewrite>> drawings;
  int number = 0;
  for (std::size_t s = 0; s < book.sheetCount(); ++s) {
    const Worksheet& sheet = book.sheet(s);
    if (sheet.buttons().empty()) continue;
    // The library numbers the drawings of the sheets that have one, in order.
    drawings.emplace_back(
        "xl/drawings/vmlDrawing" + std::to_string(++number) + ".vml",
        [&sheet](std::string vml) { return finishDrawing(std::move(vml), sheet); });
  }
  return rewriteParts(package, drawings);
}

}  // namespace spreadsheet::xlsx
