#include <QCoreApplication>
#include <cerrno>
#include <exception>
#include <new>

#include "platform/error_report.h"
#include "platform/error_text.h"

namespace platform {

void StepRunner::report(int line, const QString& description) {
  ++failures_;
  report_(location_, description, line);
}

bool StepRunner::step(int line, const std::function<void()>& body) {
  try {
    body();
    return true;
  } catch (const std::bad_alloc&) {
    report(line, QString::fromStdString(systemReasonText(ENOMEM)));
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
