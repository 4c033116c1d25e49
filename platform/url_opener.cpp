#include "platform/url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {

class DesktopUrlOpener final : public UrlOpener {
 public:
  void open(const QString& url) override { QDesktopServices::openUrl(QUrl(url)); }
};

UrlOpener* installed = nullptr;

}  // namespace

UrlOpener& urlOpener() {
  static DesktopUrlOpener desktop;
  return installed ? *installed : desktop;
}

void setUrlOpener(UrlOpener* replacement) {
  installed = replacement;
}

}  // namespace platform
