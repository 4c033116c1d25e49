#pragma once
#include <QString>

class QWidget;

namespace platform {

// The skin layer: the skin file is a Qt style sheet. Loading it and applying
// it to a window are separate so the caller keeps its order of steps.
class Skin {
 public:
  // Reads the skin file; throws std::runtime_error when it cannot be read.
  void load(const QString& path);
  bool loaded() const { return loaded_; }
  // Applies the loaded skin to the window and everything on it.
  void applyTo(QWidget& window) const;

 private:
  QString styleSheet_;
  bool loaded_ = false;
};

}  // namespace platform
