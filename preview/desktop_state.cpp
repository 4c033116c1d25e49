#include "preview/desktop_state.h"

#include <exception>

#include "generator/options.h"
#include "platform/settings_store.h"

namespace preview {

namespace {

constexpr const char* kSection = "Desktop";

QString appName() {
  return QString::fromUtf8(generator::kSettingsApp.data(),
                           qsizetype(generator::kSettingsApp.size()));
}

}  // namespace

QString readDesktopState(const QString& key) {
  try {
    return platform::settingsStore().read(appName(), kSection, key, {});
  } catch (const std::exception&) {
    return {};
  }
}

void writeDesktopState(const QString& key, const QString& value) {
  try {
    platform::settingsStore().write(appName(), kSection, key, value);
  } catch (const std::exception&) {
    // A window's place is a convenience: the choices' own store reports a
    // store that cannot be written.
  }
}

}  // namespace preview
