#include "app/failure_exit.h"

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <cstdio>
#include <exception>
#include <mutex>
#include <new>
#include <string>
#include <vector>

#include "platform/error_text.h"
#include "platform/run_signals.h"

namespace tallyloom {

namespace {

std::atomic<bool> gGlyphFailureShown{false};
std::mutex gHeldMutex;
bool gStarted = false;
std::vector<std::string> gHeld;
std::string gFirstHeldReason;  // the message alone, without Qt's category

// False when the line is held until the application object stands.
bool printNowOrHold(const std::string& line, const QString& message) {
  std::lock_guard lock(gHeldMutex);
  if (gStarted) return true;
  if (gHeld.empty()) gFirstHeldReason = message.toStdString();
  gHeld.push_back(line);
  return false;
}

// Before the application object stands, the first message held names the
// cause (no display, no descriptors left); Qt's fatal text only says that no
// platform could start.
std::string fatalReason(const QString& message) {
  std::lock_guard lock(gHeldMutex);
  if (!gStarted && !gFirstHeldReason.empty()) return "cannot start: " + gFirstHeldReason;
  return "cannot go on: " + message.section(QLatin1Char('\n'), 0, 0).trimmed().toStdString();
}

void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  // Qt aborts after this returns; the rest of its text is advice for developers.
  if (type == QtFatalMsg) failRun(fatalReason(message));
  // A resource that cannot be unpacked is reported by its reader, in our words.
  if (message.startsWith(QLatin1String("QResource: error decompressing"))) return;
  // A damaged font fails glyph after glyph: said once, in our words.
  if (message.startsWith(QLatin1String("load glyph failed"))) {
    if (!gGlyphFailureShown.exchange(true))
      std::fprintf(stderr, "tallyloom: a font is damaged, some characters may be missing (%s)\n",
                   qPrintable(message));
    return;
  }
  const std::string line = qFormatLogMessage(type, context, message).toStdString();
  if (printNowOrHold(line, message)) std::fprintf(stderr, "%s\n", line.c_str());
}

void onTerminate() {
  std::string why = "an unexpected failure";
  if (const std::exception_ptr current = std::current_exception()) {
    try {
      std::rethrow_exception(current);
    } catch (const std::exception& e) {
      why = platform::failureReasonText(e);
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

void applicationStarted() {
  std::lock_guard lock(gHeldMutex);
  gStarted = true;
  for (const std::string& line : gHeld) std::fprintf(stderr, "%s\n", line.c_str());
  gHeld.clear();
}

void failRun(const std::string& message) {
  std::fprintf(stderr, "tallyloom: %s\n", message.c_str());
  std::fflush(stderr);
  platform::endRunNow(1);
}

}  // namespace tallyloom
