#include "shell/first_paint.h"

#include <QEvent>
#include <QTimer>
#include <utility>

namespace shell {

namespace {

class FirstPaintWatch : public QObject {
 public:
  FirstPaintWatch(QWidget& window, std::function<void()> work)
      : QObject(&window), window_(window), work_(std::move(work)) {
    window.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Paint) {
      window_.removeEventFilter(this);
      // A zero timer fires once the paint has reached the screen and the
      // queued events are handled.
      QTimer::singleShot(0, &window_, std::move(work_));
      deleteLater();
    }
    return false;
  }

 private:
  QWidget& window_;
  std::function<void()> work_;
};

}  // namespace

void RunAfterFirstPaint(QWidget& window, std::function<void()> work) {
  new FirstPaintWatch(window, std::move(work));  // owned by the window
}

}  // namespace shell
