#include "automation/is_installed.h"

#include "platform/dialogs.h"
#include "platform/program_end.h"
#include "spreadsheet/api/application.h"

namespace automation {

const char* const kNoExcelMessage =
    "Error 842001. A normal instance of Excel could not be created.\r\n\r\n"
    "1. Please make sure Excel is installed on this computer.\r\n\r\n"
    "2. Please open Excel normally and make sure a blank spreadsheet opens immediately without "
    "any interrupting window (such as an Excel file recovery window).\r\n\r\n"
    "3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens "
    "normally without any interrupting messages.\r\n\r\n"
    "4. All versions of Excel are supported by this software except for the rare Excel Starter "
    "and Student editions.";

void CheckExcelInstalled() {
  std::shared_ptr<spreadsheet::api::Application> app;
  try {
    app = spreadsheet::api::Application::create();
  } catch (...) {
    // Any failure to create counts as "not installed".
  }
  if (app) return;  // dropped without Quit, as a reference to a new instance is
  platform::dialogs().message(kNoExcelMessage, platform::applicationTitle(),
                              platform::MessageButtons::Ok, platform::MessageIcon::None);
  platform::EndProgram();
}

}  // namespace automation
