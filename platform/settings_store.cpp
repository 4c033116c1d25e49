#include "platform/settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <stdexcept>

namespace platform {

namespace {

SettingsStore* installedStore = nullptr;

QString userConfigFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.config");
  return folder;
}

}  // namespace

IniSettingsStore::IniSettingsStore() : folder_(userConfigFolder()) {}

IniSettingsStore::IniSettingsStore(const QString& folder) : folder_(folder) {}

QString IniSettingsStore::filePath(const QString& app) const {
  return QDir(folder_).filePath(app + QStringLiteral(".ini"));
}

QString IniSettingsStore::read(const QString& app, const QString& section, const QString& key,
                               const QString& def) {
  QSettings settings(filePath(app), QSettings::IniFormat);
  settings.beginGroup(section);
  const QVariant value = settings.value(key);
  if (!value.isValid()) return def;
  return value.toString();
}

void IniSettingsStore::write(const QString& app, const QString& section, const QString& key,
                             const QString& value) {
  QDir().mkpath(folder_);
  QSettings settings(filePath(app), QSettings::IniFormat);
  settings.beginGroup(section);
  settings.setValue(key, value);
  settings.endGroup();
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    throw std::runtime_error("Cannot write the setting " + key.toStdString() + " to " +
                             filePath(app).toStdString());
  }
}

SettingsStore& settingsStore() {
  if (installedStore) return *installedStore;
  static IniSettingsStore defaultStore;
  return defaultStore;
}

void setSettingsStore(SettingsStore* store) {
  installedStore = store;
}

}  // namespace platform
