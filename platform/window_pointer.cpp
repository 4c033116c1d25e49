#include "platform/window_pointer.h"

#include <QWidget>

namespace platform {

void WindowPointer::set(Mode mode) {
  mode_ = mode;
  switch (mode) {
    case Mode::Hourglass:
      window_.setCursor(Qt::WaitCursor);
      break;
    case Mode::Custom:
      window_.setCursor(custom_.value_or(QCursor(Qt::ArrowCursor)));
      break;
    case Mode::Default:
      window_.setCursor(Qt::ArrowCursor);
      break;
  }
}

void WindowPointer::overButton() {
  if (mode_ != Mode::Hourglass) set(Mode::Custom);
}

void WindowPointer::overBackground() {
  if (mode_ != Mode::Hourglass) set(Mode::Default);
}

}  // namespace platform
