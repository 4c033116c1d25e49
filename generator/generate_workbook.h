#pragma once
#include <memory>
#include <string>
#include <vector>

#include "generator/time_sheet.h"

namespace spreadsheet::api {
class Application;
class Workbook;
}  // namespace spreadsheet::api

// Generating the time-sheet workbook without any window. The steps are also
// available one by one for the desktop driver, which reports each by number.
namespace generator {

// The building instance: set by StartExcel, cleared by ReleaseExcel.
std::shared_ptr<spreadsheet::api::Application>& ExcelApp();
void StartExcel();    // a new engine Application; throws spreadsheet::Error when it cannot start
void ReleaseExcel();  // drops the reference (no Quit)
// The instance, or spreadsheet::Error "Object variable or With block variable not set".
spreadsheet::api::Application& RequireExcelApp();

// The template workbook the program carries.
std::vector<unsigned char> TemplateBytes();

// Opens the template in `app` from a temporary copy written to `templatePath`
// (removed by the caller) and returns the opened workbook.
std::shared_ptr<spreadsheet::api::Workbook> OpenTemplate(spreadsheet::api::Application& app,
                                                         const std::string& templatePath);
// Deletes every sheet but the first and names the last remaining one "TimeSheet".
void KeepOneTimeSheet(spreadsheet::api::Application& app);
// E11, sheet 1, C1 selected, as the finished workbook opens.
void SelectStartCells(spreadsheet::api::Application& app);

// The whole generation: a hidden instance, the template, the layout for `choices`,
// the buttons, SaveAs(path, 56), Quit. Whole or nothing at `path`; throws
// spreadsheet::Error with the reason when anything fails.
void GenerateWorkbook(const LayoutChoices& choices, const std::string& path);

}  // namespace generator
