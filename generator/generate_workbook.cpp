#include "generator/generate_workbook.h"

#include "platform/temporary_folder.h"
#include "resources/template_resource.h"
#include "spreadsheet/api/api.h"
#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/model/error.h"

namespace generator {

namespace api = spreadsheet::api;
namespace xl = spreadsheet::xl;

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
  if (!ExcelApp()) throw spreadsheet::Error("Object variable or With block variable not set");
  return *ExcelApp();
}

std::vector<unsigned char> TemplateBytes() {
  const QByteArray bytes = TemplateResourceBytes();
  return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

std::shared_ptr<api::Workbook> OpenTemplate(api::Application& app,
                                            const std::string& templatePath) {
  const std::vector<unsigned char> bytes = TemplateBytes();
  if (bytes.empty()) throw spreadsheet::Error("The template workbook is missing from the program.");
  spreadsheet::io::writeWholeFile(templatePath, bytes);
  return std::make_shared<api::Workbook>(app.Workbooks().Open(templatePath));
}

void KeepOneTimeSheet(api::Application& app) {
  const int count = app.Sheets().Count();
  for (int i = 1; i < count; ++i) app.Sheets().Item(2).Delete();
  app.Sheets().Item(app.Sheets().Count()).setName("TimeSheet");
}

void SelectStartCells(api::Application& app) {
  app.Range("E11").Select();
  app.Sheets().Item(1).Select();
  app.Range("C1").Select();
}

namespace {

// Ends the instance on every way out, so a failed run leaves no instance behind.
class QuitOnExit {
 public:
  explicit QuitOnExit(std::shared_ptr<api::Application> app) : app_(std::move(app)) {}
  QuitOnExit(const QuitOnExit&) = delete;
  QuitOnExit& operator=(const QuitOnExit&) = delete;
  ~QuitOnExit() {
    try {
      if (!app_->hasQuit()) app_->Quit();
    } catch (...) {
    }
  }

 private:
  std::shared_ptr<api::Application> app_;
};

}  // namespace

void GenerateWorkbook(const LayoutChoices& choices, const std::string& path) {
  if (path.empty()) throw spreadsheet::Error("The file name is empty.");
  const auto app = api::Application::create();
  QuitOnExit quit(app);
  app->setVisible(false);
  app->setScreenUpdating(false);
  app->setDisplayAlerts(false);
  app->setEnableEvents(false);
  app->setEnableCancelKey(0);
  app->setCursor(xl::CursorWait);

  const platform::OwnTemporaryFolder folder;
  const auto book = OpenTemplate(*app, folder.filePath("template.xls").toStdString());
  KeepOneTimeSheet(*app);
  AddAllSameAsPreviousButtons(*app, BuildSheetLayout(*app, 1, choices));
  SelectStartCells(*app);
  book->SaveAs(path, xl::Excel8);
  book->Close();
}

}  // namespace generator
