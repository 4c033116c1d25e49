#pragma once
#include <QString>

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
};

// One INI file per application name ("<folder>/<app>.ini"), one group per
// section. The folder is the user's config folder unless given.
class IniSettingsStore : public SettingsStore {
 public:
  IniSettingsStore();                                // the user's config folder
  explicit IniSettingsStore(const QString& folder);  // tests point it at a temporary folder
  QString read(const QString& app, const QString& section, const QString& key,
               const QString& def) override;
  void write(const QString& app, const QString& section, const QString& key,
             const QString& value) override;
  QString filePath(const QString& app) const;

 private:
  QString folder_;
};

// The program's store: an IniSettingsStore in the user's config folder unless
// setSettingsStore installed another (nullptr restores the default).
SettingsStore& settingsStore();
void setSettingsStore(SettingsStore* store);

}  // namespace platform
