#pragma once
#include <optional>

#include <QCursor>

class QWidget;

namespace platform {

// A window's mouse pointer with its three settings, and the hover rule the
// windows share: over a push button the custom image, over the window's
// background or a frame the arrow, and nothing changes the hourglass.
class WindowPointer {
 public:
  enum class Mode { Default, Hourglass, Custom };

  explicit WindowPointer(QWidget& window) : window_(window) {}

  Mode mode() const { return mode_; }
  void set(Mode mode);
  // The image of the custom setting; without one it looks like the arrow.
  void setCustomImage(std::optional<QCursor> image) { custom_ = std::move(image); }
  bool hasCustomImage() const { return custom_.has_value(); }

  void overButton();
  void overBackground();

 private:
  QWidget& window_;
  Mode mode_ = Mode::Default;
  std::optional<QCursor> custom_;
};

}  // namespace platform
