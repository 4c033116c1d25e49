#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "generator/generate_workbook.h"
#include "generator/time_sheet.h"
#include "spreadsheet/api/api.h"

namespace generator::testing {

// Choices by short notation: days as 7 characters ('x' on, '.' off, Sunday first).
inline LayoutChoices choicesFor(const std::string& days, int weeks = 1, int shifts = 1,
                                bool allFields = true) {
  LayoutChoices choices;
  for (int d = 0; d < kDayCount; ++d)
    choices.days[static_cast<std::size_t>(d)] = days[static_cast<std::size_t>(d)] == 'x';
  choices.fields.fill(allFields);
  choices.weekIndex = weeks - 1;
  choices.shiftIndex = shifts - 1;
  return choices;
}

inline const char* const kWeekdays = ".xxxxx.";
inline const char* const kEveryDay = "xxxxxxx";

// A fresh instance with one sheet named TimeSheet, laid out for `choices`
// with the week starting on `firstDay` (1 = Sunday).
class LaidOutSheet {
 public:
  explicit LaidOutSheet(const LayoutChoices& choices, int firstDay = 1)
      : app(spreadsheet::api::Application::create()), geometry(layOut(*app, choices, firstDay)) {}
  ~LaidOutSheet() { app->Quit(); }
  LaidOutSheet(const LaidOutSheet&) = delete;
  LaidOutSheet& operator=(const LaidOutSheet&) = delete;

  std::string text(const std::string& cell) const { return app->Range(cell).Value().toText(); }
  std::string formula(const std::string& cell) const { return app->Range(cell).FormulaR1C1(); }
  spreadsheet::CellValue value(const std::string& cell) const { return app->Range(cell).Value(); }
  std::string format(const std::string& cell) const { return app->Range(cell).NumberFormat(); }
  std::string printArea() const { return app->ActiveSheet().PageSetup().PrintArea(); }
  std::string name(const std::string& n) const {
    return app->ActiveWorkbook().Names().RefersToR1C1(n);
  }
  void type(const std::string& cell, const std::string& typed) const {
    app->Range(cell).setFormulaR1C1(typed);
  }

  // The buttons as a generation adds them: its own steps, over this sheet.
  void addButtons() {
    Generation g(app);
    g.sheet = geometry;
    RunSteps(StepsBetween(BuildSteps(), 144, 146), g, nullptr);
  }

  std::shared_ptr<spreadsheet::api::Application> app;
  SheetGeometry geometry;

 private:
  static SheetGeometry layOut(spreadsheet::api::Application& app, const LayoutChoices& choices,
                              int firstDay) {
    app.Workbooks().Add();
    app.Sheets().Item(1).setName("TimeSheet");
    return BuildSheetLayout(app, firstDay, choices);
  }
};

}  // namespace generator::testing
