#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "generator/time_sheet.h"
#include "spreadsheet/api/workbook.h"

namespace spreadsheet::api {
class Application;
}  // namespace spreadsheet::api

namespace platform {
class StepRunner;
}

// Generating the time-sheet workbook. The steps are written once, with the
// numbers the desktop driver reports them by; the desktop runs them reporting
// each failure and going on, the command line stops at the first failure.
namespace generator {

// The building instance: set by StartExcel, cleared by ReleaseExcel.
std::shared_ptr<spreadsheet::api::Application>& ExcelApp();
void StartExcel();    // a new engine Application; throws spreadsheet::Error when it cannot start
void ReleaseExcel();  // drops the reference (no Quit)
// The instance, or spreadsheet::Error(spreadsheet::kObjectNotSet).
spreadsheet::api::Application& RequireExcelApp();

// The template workbook the program carries, its macro written for the
// sheet's language.
std::vector<unsigned char> TemplateBytes(SheetLanguage language = SheetLanguage::English);

// One generation between its steps.
struct Generation {
  explicit Generation(std::shared_ptr<spreadsheet::api::Application>& instance) : app(instance) {}
  std::shared_ptr<spreadsheet::api::Application>& app;  // the building instance
  std::string templatePath;  // where the template is written out and opened
  std::string workbookPath;  // where the workbook is saved
  // The workbook's name is in a folder others write to: it is taken as a new
  // file of our own before the save, and removed when the save fails.
  bool claimWorkbookName = false;
  int startDay = 0;  // 1..7 (1 = Sunday); 0: the choices' first day
  std::function<LayoutChoices()> choices;

  std::vector<unsigned char> templateBytes;
  std::optional<spreadsheet::api::Workbook> book;
  int sheetCount = 0;
  std::optional<SheetGeometry> sheet;  // the layout made, none when it failed
  int dayColumns = 0;

  spreadsheet::api::Application& instance() const;  // RequireExcelApp for this run
  spreadsheet::api::Workbook& workbook();           // the same for the template book
};

// A numbered step. A loop step runs once per pass (passes given by the state
// its earlier steps left), each pass reported on its own.
struct GenerationStep {
  int line;
  void (*run)(Generation&, int pass);
  int (*passes)(const Generation&) = nullptr;
};

// 114 to 162: a hidden instance with the template open and reduced to the
// sheet "TimeSheet", the layout, the buttons, the start cells, the instance's
// settings put back.
std::span<const GenerationStep> BuildSteps();
// 180 to 188: SaveAs in the instance's format, the workbook closed, the instance ended.
std::span<const GenerationStep> SaveSteps();

// Runs `steps` in order. With `report`, a failing step is reported under its
// number and the next one runs; without, the first failure is thrown.
void RunSteps(std::span<const GenerationStep> steps, Generation& generation,
              platform::StepRunner* report);

// The steps of `steps` numbered `first` to `last`, in order: a part of a
// generation run on its own (the buttons over a sheet laid out elsewhere).
std::span<const GenerationStep> StepsBetween(std::span<const GenerationStep> steps, int first,
                                             int last);

// The whole generation: the build and save steps in a hidden instance of its
// own. The template is written out at `templatePath`, a new name in a folder
// of the caller's own, or when empty in a private folder made for the run.
// Whole or nothing at `path`; throws spreadsheet::Error with the reason when
// anything fails.
void GenerateWorkbook(const LayoutChoices& choices, const std::string& path,
                      const std::string& templatePath = {});

}  // namespace generator
