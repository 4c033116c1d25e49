#pragma once
#include <QString>
#include <QTemporaryDir>

namespace platform {

// A new folder that only we can use (created exclusively, mode 700) inside the
// program's temporary folder (TemporaryFolder(): TEMP, else TMPDIR, else /tmp),
// removed with its contents when this object ends. Throws std::runtime_error
// naming the temporary folder when the folder cannot be made there.
class OwnTemporaryFolder {
 public:
  OwnTemporaryFolder();
  QString filePath(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
};

}  // namespace platform
