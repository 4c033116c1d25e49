#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <stdexcept>
#include <utility>

namespace platform {

namespace {

SettingsStore* installedStore = nullptr;

// Our settings are a few hundred bytes; far more is not a file we wrote.
constexpr qint64 kMostSettingsBytes = 1 << 20;

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

namespace {

// Lets Qt open the file only when it is an ordinary file or absent: a pipe
// would keep the program waiting for a writer.
bool openable(const QString& path) {
  const QFileInfo info(path);
  return !info.exists() || info.isFile();
}

}  // namespace

QString IniSettingsStore::readProblem(const QString& app) {
  const QString path = filePath(app);
  if (!openable(path))
    return "The settings file " + path + " is not an ordinary file; it is not read.";
  // Qt takes any bytes as a file without keys; a settings file is text.
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    QByteArray bytes = file.read(kMostSettingsBytes + 1);
    // Some editors begin a UTF-8 file with a byte-order mark; QSettings skips it.
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    if (bytes.size() > kMostSettingsBytes || bytes.contains('\0') ||
        QString::fromUtf8(bytes).toUtf8() != bytes)
      return "The settings file " + path + " cannot be parsed; the stored choices are not used.";
  }
  QSettings settings(path, QSettings::IniFormat);
  if (settings.status() == QSettings::FormatError)
    return "The settings file " + path + " cannot be parsed; the stored choices are not used.";
  if (settings.status() == QSettings::AccessError && QFileInfo::exists(path))
    return "The settings file " + path + " cannot be read.";
  return {};
}

QString IniSettingsStore::read(const QString& app, const QString& section, const QString& key,
                               const QString& def) {
  if (!openable(filePath(app))) return def;
  QSettings settings(filePath(app), QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return def;
  settings.beginGroup(section);
  const QVariant value = settings.value(key);
  if (!value.isValid()) return def;
  return value.toString();
}

void IniSettingsStore::write(const QString& app, const QString& section, const QString& key,
                             const QString& value) {
  const QString path = filePath(app);
  QString problem;
  if (!QDir().mkpath(folder_)) {
    problem = "the folder " + folder_ + " cannot be made";
  } else if (!openable(path)) {
    problem = path + " is not an ordinary file";
  } else {
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError) problem = path + " cannot be written";
  }
  if (problem.isEmpty()) {
    failingWrites_ = false;
    return;
  }
  if (std::exchange(failingWrites_, true)) return;  // already reported
  throw std::runtime_error("Cannot write the setting " + key.toStdString() + ": " +
                           problem.toStdString() + "; the choices are not stored.");
}

QString LayeredSettingsStore::read(const QString& app, const QString& section, const QString& key,
                                   const QString& def) {
  const auto it = values_.find({app, section, key});
  if (it != values_.end()) return it->second;
  return below_ ? below_->read(app, section, key, def) : def;
}

void LayeredSettingsStore::write(const QString& app, const QString& section, const QString& key,
                                 const QString& value) {
  values_[{app, section, key}] = value;
}

QString LayeredSettingsStore::location(const QString& app) const {
  return below_ ? below_->location(app) : QString();
}

QString LayeredSettingsStore::readProblem(const QString& app) {
  return below_ ? below_->readProblem(app) : QString();
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
