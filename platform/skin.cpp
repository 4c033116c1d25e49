#include "platform/skin.h"

#include <QFile>
#include <QWidget>

#include <stdexcept>

namespace platform {

void Skin::load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("Skin file could not be loaded");
  styleSheet_ = QString::fromUtf8(file.readAll());
  loaded_ = true;
}

void Skin::applyTo(QWidget& window) const {
  if (loaded_) window.setStyleSheet(styleSheet_);
}

}  // namespace platform
