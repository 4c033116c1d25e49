#pragma once
#include <QHash>
#include <QSettings>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

namespace platform {

// The per-user settings store: text values addressed by application name,
// section and key. Absent keys read as the given default.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual QString read(const QString& app, const QString& section, const QString& key,
                       const QString& def) = 0;
  virtual void write(const QString& app, const QString& section, const QString& key,
                     const QString& value) = 0;
  // Where the values of `app` are kept, for reports (a file path); empty when unknown.
  virtual QString location(const QString& app) const {
    (void)app;
    return {};
  }
  // Why the values of `app` cannot be read (reads then give the defaults); empty when they can.
  virtual QString readProblem(const QString& app) {
    (void)app;
    return {};
  }
  // False when the key is there but holds no text (a value the file spells as
  // "@Variant(...)"); reads of it give the default.
  virtual bool holdsText(const QString& app, const QString& section, const QString& key) {
    (void)app, (void)section, (void)key;
    return true;
  }
};

// One INI file per application name ("<folder>/<app>.ini"), one group per
// section. The folder is the user's config folder unless given. Only an
// ordinary file is read, and it is parsed once until this store writes it. A
// list written without quotes (Overtime=daily:8,weekly:40) reads as the text
// it is. When the store cannot be written, the first write
// that fails throws and the later ones fail quietly until a write succeeds,
// so a closing window reports an unwritable store once, not once per key.
class IniSettingsStore : public SettingsStore {
 public:
  IniSettingsStore();                                // the user's config folder
  explicit IniSettingsStore(const QString& folder);  // tests point it at a temporary folder
  QString read(const QString& app, const QString& section, const QString& key,
               const QString& def) override;
  void write(const QString& app, const QString& section, const QString& key,
             const QString& value) override;
  QString filePath(const QString& app) const;
  QString location(const QString& app) const override { return filePath(app); }
  // A settings file that is not an ordinary file (a pipe, a device) is never
  // opened; one that cannot be reached (a link loop, no permission) or parsed is
  // named. Parses the file anew: a restore starts with this call.
  QString readProblem(const QString& app) override;
  bool holdsText(const QString& app, const QString& section, const QString& key) override;

 private:
  // One parse of a file: its problem, or the parsed file and the keys
  // ("Section/Key") asked of it so far with their text (nullopt: not text).
  struct Parsed {
    QString problem;
    std::unique_ptr<QSettings> settings;
    QHash<QString, std::optional<QString>> asked;
  };
  Parsed& parsed(const QString& app);
  // Absent (nullopt), there but not text (an empty optional inside), or its text.
  std::optional<std::optional<QString>> stored(const QString& app, const QString& section,
                                               const QString& key);

  QString folder_;
  bool failingWrites_ = false;
  std::map<QString, Parsed> parsed_;
};

// Values set here first, then those of another store (or the defaults when
// there is none): the command line's options over the stored choices. Writes
// stay here; the other store is never written.
class LayeredSettingsStore : public SettingsStore {
 public:
  explicit LayeredSettingsStore(SettingsStore* below) : below_(below) {}
  QString read(const QString& app, const QString& section, const QString& key,
               const QString& def) override;
  void write(const QString& app, const QString& section, const QString& key,
             const QString& value) override;
  QString location(const QString& app) const override;
  QString readProblem(const QString& app) override;
  bool holdsText(const QString& app, const QString& section, const QString& key) override;

 private:
  SettingsStore* below_;
  std::map<std::tuple<QString, QString, QString>, QString> values_;
};

// The program's store: an IniSettingsStore in the user's config folder unless
// setSettingsStore installed another (nullptr restores the default).
SettingsStore& settingsStore();
void setSettingsStore(SettingsStore* store);

}  // namespace platform
