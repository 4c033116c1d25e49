#include "platform/error_report.h"

#include <QCoreApplication>

#include "platform/dialogs.h"

namespace platform {

void ReportApplicationError(const QString& location, const QString& description, int line) {
  dialogs().message(applicationErrorText(location, description, line),
                    QCoreApplication::translate("ErrorReport", "Application Error"),
                    MessageButtons::Ok, MessageIcon::Exclamation);
}

}  // namespace platform
