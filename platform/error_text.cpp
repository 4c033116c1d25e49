// The texts of the error report, apart from the dialog that shows them, so
// that code which only words an error (the command line's drawing) does not
// bring in the desktop toolkit.
#include <QCoreApplication>

#include "platform/error_report.h"
#include "platform/error_text.h"

namespace platform {

QString locationText(const QString& module, const QString& procedure) {
  return "in Tallyloom2021/08/31." + module + "." + procedure + " ";
}

QString applicationErrorText(const QString& location, const QString& description, int line,
                             const QString& supportAddress) {
  const QString report = description + "\r\n" + location +
                         QCoreApplication::translate("ErrorReport", "at line ") +
                         QString::number(line);
  if (supportAddress.isEmpty()) return report;
  return report + "\r\r" +
         QCoreApplication::translate("ErrorReport", "Please email screenshot of this message to %1")
             .arg(supportAddress);
}

}  // namespace platform
