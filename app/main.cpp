#include <QApplication>
#include <QMainWindow>

// Entry point. With no arguments the desktop program opens its main window.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Tallyloom");
  window.resize(536, 423);
  window.show();
  return app.exec();
}
