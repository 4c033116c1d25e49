// Whether a spreadsheet instance runs already, and the warning the desktop shows then.
#include "automation/excel1.h"
#include "platform/dialogs.h"
#include "spreadsheet/api/application.h"

namespace automation {

namespace api = spreadsheet::api;

const char* const kExcelOpenWarning =
    "Excel may be open. It is recommended that you close Excel first.\r"
    "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.\r\n\r\n"
    "Would you like to proceed anyway?";

bool IsExcelRunning() {
  try {
    std::shared_ptr<api::Application> app = api::Application::running();
    return app && app->Name() == "Microsoft Excel";
  } catch (...) {
    return false;
  }
}

bool ExcelOpenWarning() {
  if (!IsExcelRunning()) return false;
  platform::MessageAnswer answer =
      platform::dialogs().message(kExcelOpenWarning, platform::applicationTitle(),
                                  platform::MessageButtons::YesNo, platform::MessageIcon::None);
  return answer == platform::MessageAnswer::No;
}

}  // namespace automation
