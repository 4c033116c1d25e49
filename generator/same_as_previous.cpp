#include "generator/layout_primitives.h"
#include "generator/time_sheet.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/error.h"

namespace generator {

const std::array<std::string_view, 40> kDayColumnLetters = {
    "E",  "G",  "I",  "K",  "M",  "O",  "Q",  "S",  "U",  "W",  "Y",  "AA", "AC", "AE",
    "AG", "AI", "AK", "AM", "AO", "AQ", "AS", "AU", "AW", "AY", "BA", "BC", "BE", "BG",
    "BI", "BK", "BM", "BO", "BQ", "BS", "BU", "BW", "BY", "CA", "CC", "CE"};

namespace {

constexpr double kButtonWidth = 81;
constexpr double kButtonHeight = 16.5;
constexpr double kButtonTop = 117.75;
constexpr const char* kButtonText = "Same as Previous";

}  // namespace

void AddSameAsPreviousButton(spreadsheet::api::Application& app, int column) {
  if (column < 1 || column > static_cast<int>(kDayColumnLetters.size()))
    throw spreadsheet::Error("Subscript out of range");
  app.Range(std::string(kDayColumnLetters[static_cast<std::size_t>(column - 1)]) + "9").Select();
  // No button where row 9 holds no day name.
  if (app.ActiveCell().Value().toText().size() <= 2) return;
  auto button = app.ActiveSheet().Buttons().Add(kButtonWidth * (column - 1) + 63, kButtonTop,
                                                kButtonWidth, kButtonHeight);
  button.Select();
  button.setOnAction("'CopyTimes " + std::to_string(column) + "'");
  button.setText(kButtonText);
  auto font = button.Characters(1, 16).Font();
  font.setName("Arial");
  font.setFontStyle("General");
  font.setSize(8);
  app.Range("E9").Select();
}

}  // namespace generator
