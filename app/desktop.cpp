#include <QApplication>
#include <QMainWindow>

#include "app/entry_points.h"

namespace tallyloom {

int runDesktop(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Tallyloom");
  window.resize(536, 423);
  window.show();
  return app.exec();
}

}  // namespace tallyloom
