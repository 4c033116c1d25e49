#include <QApplication>

#include "app/entry_points.h"
#include "platform/program_end.h"
#include "resources/app_icon.h"
#include "shell/form1.h"
#include "tallyloom/build_info.h"

namespace tallyloom {

int runDesktop(int argc, char** argv) {
  QApplication app(argc, argv);
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
