#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QtGlobal>

#include <sys/stat.h>

#include <cerrno>
#include <stdexcept>
#include <utility>

#include "platform/error_text.h"

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

const QString kNotOrdinary = QStringLiteral("is not an ordinary file");

// Why the file at `path` cannot be used (the system's reason, or kNotOrdinary),
// empty when it is an ordinary file or absent. A pipe is never opened: it would
// keep the program waiting for a writer; a loop of links is not an absent file.
QString unreachable(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
    const int err = errno;
    // No such file, or a folder on the way that is no folder: nothing stored yet.
    if (err == ENOENT || err == ENOTDIR) return {};
    return QString::fromStdString(systemReasonText(err));
  }
  return S_ISREG(st.st_mode) ? QString() : kNotOrdinary;
}

QString unreadable(const QString& path, const QString& why) {
  if (why == kNotOrdinary) return "The settings file " + path + " " + why + "; it is not read.";
  return "The settings file " + path + " cannot be read: " + why + ".";
}

QString unparsable(const QString& path) {
  return "The settings file " + path + " cannot be parsed; the stored choices are not used.";
}

// Qt's parser says on standard error what it could not load ("QVariant::load:
// unknown user type"); the value is reported with its key instead.
QtMessageHandler gOuterHandler = nullptr;
void keepQuiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg && gOuterHandler) gOuterHandler(type, context, message);
}

// A value as the file spells it: text, a list written without quotes (joined
// again as written), or nullopt for anything else.
std::optional<QString> textOf(const QVariant& value) {
  if (value.typeId() == QMetaType::QString) return value.toString();
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',');
  return std::nullopt;
}

}  // namespace

IniSettingsStore::Parsed& IniSettingsStore::parsed(const QString& app) {
  if (const auto it = parsed_.find(app); it != parsed_.end()) return it->second;
  Parsed& result = parsed_[app];
  const QString path = filePath(app);
  if (const QString why = unreachable(path); !why.isEmpty()) {
    result.problem = unreadable(path, why);
    return result;
  }
  // Qt takes any bytes as a file without keys; a settings file is text.
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    QByteArray bytes = file.read(kMostSettingsBytes + 1);
    // Some editors begin a UTF-8 file with a byte-order mark; QSettings skips it.
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    if (bytes.size() > kMostSettingsBytes || bytes.contains('\0') ||
        QString::fromUtf8(bytes).toUtf8() != bytes) {
      result.problem = unparsable(path);
      return result;
    }
  } else if (QFileInfo::exists(path)) {
    result.problem = unreadable(path, QString::fromStdString(systemReasonText(EACCES)));
    return result;
  }
  gOuterHandler = qInstallMessageHandler(keepQuiet);
  result.settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
  qInstallMessageHandler(gOuterHandler);
  if (result.settings->status() == QSettings::FormatError) result.problem = unparsable(path);
  if (result.settings->status() != QSettings::NoError) result.settings.reset();
  return result;
}

std::optional<std::optional<QString>> IniSettingsStore::stored(const QString& app,
                                                               const QString& section,
                                                               const QString& key) {
  Parsed& file = parsed(app);
  if (!file.settings) return std::nullopt;
  const QString name = section + QLatin1Char('/') + key;
  if (const auto it = file.asked.constFind(name); it != file.asked.constEnd()) return *it;
  // Qt unpacks a section's values when one of them is first asked for.
  gOuterHandler = qInstallMessageHandler(keepQuiet);
  const bool present = file.settings->contains(name);
  const std::optional<QString> text =
      present ? textOf(file.settings->value(name)) : std::optional<QString>();
  qInstallMessageHandler(gOuterHandler);
  if (!present) return std::nullopt;
  file.asked.insert(name, text);
  return text;
}

// A restore begins here: the file is parsed anew, once for all its keys.
QString IniSettingsStore::readProblem(const QString& app) {
  parsed_.erase(app);
  return parsed(app).problem;
}

QString IniSettingsStore::read(const QString& app, const QString& section, const QString& key,
                               const QString& def) {
  const auto value = stored(app, section, key);
  return value && *value ? **value : def;
}

bool IniSettingsStore::holdsText(const QString& app, const QString& section, const QString& key) {
  const auto value = stored(app, section, key);
  return !value || value->has_value();
}

void IniSettingsStore::write(const QString& app, const QString& section, const QString& key,
                             const QString& value) {
  const QString path = filePath(app);
  parsed_.erase(app);  // the next read parses what this write leaves
  QString problem;
  if (!QDir().mkpath(folder_)) {
    problem = "the folder " + folder_ + " cannot be made";
  } else if (const QString why = unreachable(path); !why.isEmpty()) {
    problem = path + (why == kNotOrdinary ? " " + why : ": " + why);
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

bool LayeredSettingsStore::holdsText(const QString& app, const QString& section,
                                     const QString& key) {
  if (values_.count({app, section, key})) return true;
  return below_ ? below_->holdsText(app, section, key) : true;
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
