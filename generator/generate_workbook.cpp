#include "generator/generate_workbook.h"

#include <unistd.h>

#include <algorithm>

#include <QByteArray>

#include "automation/excel1.h"
#include "platform/add_folder.h"
#include "platform/error_report.h"
#include "platform/temporary_folder.h"
#include "resources/template_resource.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/model/error.h"

namespace generator {

namespace api = spreadsheet::api;
namespace xl = spreadsheet::xl;

namespace {

constexpr int kDisableCancelKey = 0;
constexpr int kInterruptCancelKey = 1;

// Each step's body; `g.instance()` fails as the unset module reference would.
const GenerationStep kBuild[] = {
    {114, [](Generation& g, int) { g.app = api::Application::create(); }},
    {116, [](Generation& g, int) { g.instance().setVisible(false); }},
    {118, [](Generation& g, int) { g.instance().setScreenUpdating(false); }},
    {120, [](Generation& g, int) { g.instance().setDisplayAlerts(false); }},
    {122, [](Generation& g, int) { g.instance().setEnableEvents(false); }},
    {124, [](Generation& g, int) { g.instance().setEnableCancelKey(kDisableCancelKey); }},
    {126, [](Generation& g, int) { g.instance().setCursor(xl::CursorWait); }},
    {128,
     [](Generation& g, int) {
       g.templateBytes = TemplateBytes(g.choices().sheet.language);
       if (g.templateBytes.empty())
         throw spreadsheet::Error("The template workbook is missing from the program.");
     }},
    {130,
     [](Generation& g, int) {
       // A stale template (or a link someone placed under its name) is removed
       // and the name taken as a new file of our own: the write below never
       // shortens a file and must not follow a link.
       platform::ClaimTemporaryFile(g.templatePath);
       const auto* data = reinterpret_cast<const char*>(g.templateBytes.data());
       platform::WriteScratchFile(QByteArray(data, qsizetype(g.templateBytes.size())),
                                  g.templatePath);
     }},
    {132, [](Generation& g, int) { g.instance().Workbooks().Open(g.templatePath); }},
    {134, [](Generation& g, int) { g.book = g.instance().ActiveWorkbook(); }},
    {136, [](Generation& g, int) { g.sheetCount = g.instance().Sheets().Count(); }},
    {138, [](Generation& g, int) { g.instance().Sheets().Item(2).Delete(); },
     [](const Generation& g) { return g.sheetCount - 1; }},
    {140,
     [](Generation& g, int) {
       api::Sheets sheets = g.instance().Sheets();
       sheets.Item(sheets.Count()).setName("TimeSheet");
     }},
    {142,
     [](Generation& g, int) {
       const LayoutChoices choices = g.choices();
       g.sheet = BuildSheetLayout(g.instance(), g.startDay ? g.startDay : choices.sheet.firstDay,
                                  choices);
     }},
    // No layout, no day columns to put buttons over.
    {144, [](Generation& g, int) { g.dayColumns = g.sheet ? g.sheet->dayColumnCount() : 0; }},
    // Buttons over day columns 2 and on.
    {146,
     [](Generation& g, int pass) {
       AddSameAsPreviousButton(g.instance(), pass + 2, spreadsheet::require(g.sheet).texts());
     },
     [](const Generation& g) { return g.dayColumns - 1; }},
    // The cells selected when the workbook opens.
    {148,
     [](Generation& g, int) { g.instance().Range(A1(SheetGeometry::firstTimeCell())).Select(); }},
    {150, [](Generation& g, int) { g.instance().Sheets().Item(1).Select(); }},
    {152,
     [](Generation& g, int) { g.instance().Range(A1(SheetGeometry::titleCells().first)).Select(); }},
    {154, [](Generation& g, int) { g.instance().setCursor(xl::CursorDefault); }},
    {156, [](Generation& g, int) { g.instance().setScreenUpdating(true); }},
    {158, [](Generation& g, int) { g.instance().setDisplayAlerts(true); }},
    {160, [](Generation& g, int) { g.instance().setEnableEvents(true); }},
    {162, [](Generation& g, int) { g.instance().setEnableCancelKey(kInterruptCancelKey); }},
};

const GenerationStep kSave[] = {
    {180,
     [](Generation& g, int) {
       api::Workbook& book = g.workbook();
       if (g.claimWorkbookName) platform::ClaimTemporaryFile(g.workbookPath);
       try {
         book.SaveAs(g.workbookPath, automation::SaveFormatFor(g.app));
       } catch (...) {
         // No empty workbook of ours is left under the claimed name.
         if (g.claimWorkbookName) ::unlink(g.workbookPath.c_str());
         throw;
       }
     }},
    {182, [](Generation& g, int) { g.instance().setDisplayAlerts(false); }},
    {184, [](Generation& g, int) { g.workbook().Close(); }},
    {186, [](Generation& g, int) { g.instance().Quit(); }},
    {188, [](Generation& g, int) { g.app.reset(); }},
};

}  // namespace

std::shared_ptr<api::Application>& ExcelApp() {
  static std::shared_ptr<api::Application> app;
  return app;
}

void StartExcel() {
  ExcelApp() = api::Application::create();
}

void ReleaseExcel() {
  ExcelApp().reset();
}

api::Application& RequireExcelApp() {
  return spreadsheet::require(ExcelApp());
}

std::vector<unsigned char> TemplateBytes(SheetLanguage language) {
  const QByteArray bytes = TemplateResourceBytes(language);
  return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

api::Application& Generation::instance() const {
  return spreadsheet::require(app);
}

api::Workbook& Generation::workbook() {
  return spreadsheet::require(book);
}

std::span<const GenerationStep> BuildSteps() {
  return kBuild;
}

std::span<const GenerationStep> SaveSteps() {
  return kSave;
}

void RunSteps(std::span<const GenerationStep> steps, Generation& generation,
              platform::StepRunner* report) {
  for (const GenerationStep& s : steps) {
    const int passes = s.passes ? s.passes(generation) : 1;
    for (int pass = 0; pass < passes; ++pass) {
      if (report)
        report->step(s.line, [&] { s.run(generation, pass); });
      else
        s.run(generation, pass);
    }
  }
}

std::span<const GenerationStep> StepsBetween(std::span<const GenerationStep> steps, int first,
                                             int last) {
  const auto begin = std::find_if(steps.begin(), steps.end(),
                                  [&](const GenerationStep& s) { return s.line >= first; });
  const auto end =
      std::find_if(begin, steps.end(), [&](const GenerationStep& s) { return s.line > last; });
  return {begin, end};
}

void GenerateWorkbook(const LayoutChoices& choices, const std::string& path,
                      const std::string& templatePath) {
  if (path.empty()) throw spreadsheet::Error("The file name is empty.");
  std::shared_ptr<api::Application> app;
  const automation::QuitOnExit quit(app);
  std::optional<platform::OwnTemporaryFolder> folder;
  if (templatePath.empty()) folder.emplace();
  Generation g(app);
  g.templatePath = folder ? folder->pathOf("template.xls") : templatePath;
  g.workbookPath = path;
  g.choices = [&] { return choices; };
  RunSteps(BuildSteps(), g, nullptr);
  RunSteps(SaveSteps(), g, nullptr);
}

}  // namespace generator
