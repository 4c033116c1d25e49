#include "platform/error_report.h"

#include <exception>

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

void StepRunner::report(int line, const QString& description) {
  ++failures_;
  ReportApplicationError(location_, description, line);
}

bool StepRunner::step(int line, const std::function<void()>& body) {
  try {
    body();
    return true;
  } catch (const std::exception& e) {
    report(line, QString::fromUtf8(e.what()));
  } catch (...) {
    report(line, QCoreApplication::translate("ErrorReport", "Unknown error"));
  }
  return false;
}

bool StepRunner::test(int line, const std::function<bool()>& condition) {
  bool result = true;
  step(line, [&] { result = condition(); });
  return result;
}

}  // namespace platform
