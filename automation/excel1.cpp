#include "automation/excel1.h"

#include <QLocale>

#include <cmath>
#include <stdexcept>

#include "platform/main_module.h"
#include "spreadsheet/api/application.h"
#include "spreadsheet/model/constants.h"
#include "spreadsheet/model/error.h"

namespace automation {

namespace api = spreadsheet::api;

namespace {

constexpr int kLastOldVersion = 11;

}  // namespace

std::shared_ptr<api::Application> OpenInNewExcel(const std::string& path) {
  std::shared_ptr<api::Application> app = api::Application::create();
  app->Workbooks().Open(path);
  return app;
}

QuitOnExit::~QuitOnExit() {
  try {
    if (app_ && !app_->hasQuit()) app_->Quit();
  } catch (...) {
  }
}

int SaveFormatForVersion(const std::string& version) {
  QString text = platform::NormalizeDecimalText(QString::fromStdString(version), false);
  bool ok = false;
  double number = QLocale().toDouble(text.trimmed(), &ok);
  if (!ok) throw spreadsheet::Error("Type mismatch");
  return std::nearbyint(number) > kLastOldVersion ? spreadsheet::xl::Excel8
                                                  : spreadsheet::xl::WorkbookNormal;
}

int SaveFormatFor(const std::shared_ptr<api::Application>& app) {
  if (app) return SaveFormatForVersion(app->Version());
  std::shared_ptr<api::Application> temporary = api::Application::create();
  std::string version = temporary->Version();
  temporary->Quit();
  return SaveFormatForVersion(version);
}

}  // namespace automation
