#include <QApplication>

#include "app/entry_points.h"
#include "platform/program_end.h"
#include "shell/form1.h"

namespace tallyloom {

int runDesktop(int argc, char** argv) {
  QApplication app(argc, argv);
  shell::Form1 form1;
  form1.Form_Load();
  if (platform::ProgramEnded()) return 0;  // no spreadsheet engine: ended at start-up
  form1.show();
  form1.centreOnScreen();
  return app.exec();
}

}  // namespace tallyloom
