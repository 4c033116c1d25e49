#include <QApplication>

#include "app/entry_points.h"
#include "app/failure_exit.h"
#include "platform/program_end.h"
#include "resources/app_icon.h"
#include "shell/form1.h"
#include "shell/program_language.h"
#include "tallyloom/build_info.h"

namespace tallyloom {

int runDesktop(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  // Qt would abort with a page of advice; one line says what to do instead.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    failRun(
        "cannot open a window: no display (DISPLAY is not set); start it as "
        "\"xvfb-run -a tallyloom\", or use \"tallyloom generate\" (see --help)");
#endif
  QApplication app(argc, argv);
  applicationStarted();
  // The windows speak the desktop's language; the command line stays English.
  const shell::ProgramLanguage language;
  // Both windows take this icon; the desktop id ties them to the menu entry.
  QApplication::setWindowIcon(ApplicationIcon());
  QGuiApplication::setDesktopFileName(build::kDesktopId);
  shell::Form1 form1;
  form1.Form_Load();
  if (platform::ProgramEnded()) return 0;  // no spreadsheet engine: ended at start-up
  form1.show();
  form1.centreOnScreen();
  return app.exec();
}

}  // namespace tallyloom
