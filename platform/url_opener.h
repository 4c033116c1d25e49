#pragma once
#include <QString>

namespace platform {

// Opens a web address in the user's browser without waiting for it.
class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  virtual void open(const QString& url) = 0;
};

// The desktop's opener (QDesktopServices) unless a replacement is installed.
UrlOpener& urlOpener();
// Installs a replacement (tests record the addresses); nullptr restores it.
void setUrlOpener(UrlOpener* replacement);

}  // namespace platform
