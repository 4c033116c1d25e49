#include "platform/error_report.h"

#include <QCoreApplication>

#include "platform/dialogs.h"

namespace platform {

QString locationText(const QString& module, const QString& procedure) {
  return "in Tallyloom2021/08/31." + module + "." + procedure + " ";
}

QString applicationErrorText(const QString& location, const QString& description, int line) {
  return description + "\r\n" + location + QCoreApplication::translate("ErrorReport", "at line ") +
         QString::number(line) + "\r\r" +
         QCoreApplication::translate("ErrorReport", "Please email screenshot of this message to %1")
             .arg(kSupportAddress);
}

void ReportApplicationError(const QString& location, const QString& description, int line) {
  dialogs().message(applicationErrorText(location, description, line),
                    QCoreApplication::translate("ErrorReport", "Application Error"),
                    MessageButtons::Ok, MessageIcon::Exclamation);
}

}  // namespace platform
