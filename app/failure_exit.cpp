#include "app/failure_exit.h"

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <cstdio>
#include <exception>
#include <new>

#include "platform/run_signals.h"

namespace tallyloom {

namespace {

std::atomic<bool> gGlyphFailureShown{false};

void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    // Qt aborts after this returns: the first line says what failed, the rest
    // of its text is advice for developers.
    const QString first = message.section(QLatin1Char('\n'), 0, 0).trimmed();
    failRun("cannot go on: " + first.toStdString());
  }
  if (message.startsWith(QLatin1String("load glyph failed")) && gGlyphFailureShown.exchange(true))
    return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void onTerminate() {
  std::string why = "an unexpected failure";
  if (const std::exception_ptr current = std::current_exception()) {
    try {
      std::rethrow_exception(current);
    } catch (const std::bad_alloc&) {
      why = "out of memory";
    } catch (const std::exception& e) {
      why = e.what();
    } catch (...) {
    }
  }
  failRun("cannot go on: " + why);
}

}  // namespace

void installFailureExits() {
  qInstallMessageHandler(onQtMessage);
  std::set_terminate(onTerminate);
}

void failRun(const std::string& message) {
  std::fprintf(stderr, "tallyloom: %s\n", message.c_str());
  std::fflush(stderr);
  platform::endRunNow(1);
}

}  // namespace tallyloom
